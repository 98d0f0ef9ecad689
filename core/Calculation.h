// Calculate: a typed date checked, converted in its calendar (or tested for a
// weekday) and, on success, the day to show.
#pragma once

#include <optional>
#include <vector>

#include "core/DateEntry.h"

namespace orv {

// The weekday test of a month-day-year date: whether it falls on the weekday
// (0 Sunday ... 6 Saturday) in the Gregorian and in the Julian calendar. A
// date that does not exist in one of them simply is not on the weekday there.
struct WeekdayOutcome {
  std::optional<int32_t> day;  // the day to show
  bool in_gregorian = false;   // the answer came from the Gregorian calendar
  bool in_julian = false;      // ... from the Julian
  UserNotice message;
};
WeekdayOutcome WeekdayTest(TypedDate& typed, const CheckedYearMonthDay& checked,
                           ArithmeticInput& arithmetic, const DeeVersion& dee, int weekday,
                           CalendarDate& date);

// For a checked month-day-year date (as the check left it) that
// exists in neither the Gregorian nor the Julian calendar, such as 30
// February: the invalid-date message of its Gregorian reading. The window's
// weekday test simply finds such a date on the weekday in neither; orvc
// refuses it.
UserNotice NoSuchDateInEither(const TypedDate& typed, const DeeVersion& dee,
                              const CheckedYearMonthDay& checked);

// A whole Calculate of a complete input: the checks, then the conversion in
// the input's calendar, or the weekday test when a weekday is chosen. The
// messages come in the order they are shown. The check leaves the checked of
// a year-month-day text in `checked`; the date read goes into `date`.
struct Calculation {
  std::optional<int32_t> day;  // the day to show
  bool in_gregorian = false;   // the weekday test found its answer here
  bool in_julian = false;
  std::vector<Notice> messages;
};
Calculation Calculate(TypedDate& typed, ArithmeticInput& arithmetic, const DeeVersion& dee,
                      CheckedYearMonthDay& checked, CalendarDate& date);

}  // namespace orv
