// A date's three numbers, without its calendar: what each calendar's own
// arithmetic (Dee.h, Hebrew.h, ...) returns; calendar/CalendarDate.h adds the
// calendar.
#pragma once

#include <cstdint>

namespace orv {

struct YearMonthDay {
  int32_t year;   // astronomical, or the calendar's own era count
  int32_t month;  // [1:12], or the calendar's own months
  int32_t day;
  friend constexpr bool operator==(const YearMonthDay&, const YearMonthDay&) = default;
};

}  // namespace orv
