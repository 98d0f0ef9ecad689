// A day as values: a date in one calendar of the table, and the day number it
// names or the reason it names none. The table's rows convert between them
// (calendar/Calendars.h: DayNumberOf, DateOfDay). (DateRecord, the
// six-field record of the almanor library, is the same day for its C
// interface; calendar/Calendar.h converts it through the rows.)
#pragma once

#include <climits>
#include <cstdint>

#include "calendar/DateRecord.h"
#include "platform/almanor/almanor_engine.h"

namespace orv {

// The built-in calendars of the table (calendar/Calendars.h), in its order;
// rows added at run time get the ids after the last.
enum class CalendarId : uint16_t {
  kGregorian,
  kJulian,
  kDee,
  kDeeCecil,
  kRevisedJulian,
  kIsoWeek,
  kHebrew,
  kIslamic,
  kPersian,
  kFrenchRepublican,
  kEngland,
};

struct CalendarDate {
  int32_t year = 0;  // astronomical: 1 = AD 1, 0 = 1 BC, -1 = 2 BC
  int32_t month = 0;
  int32_t day = 0;
  CalendarId calendar = CalendarId::kGregorian;
  friend constexpr bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// The day number of a date, or why it has none.
struct DayResult {
  DateStatus status = DateStatus::kNoSuchDate;
  int32_t jdn = 0;  // when status is kValid
  constexpr explicit operator bool() const { return status == DateStatus::kValid; }
};

// 0 = Sunday ... 6 = Saturday; JDN 0 is a Monday.
constexpr int16_t DayOfWeek(int32_t jdn) { return static_cast<int16_t>(almanor::DayOfWeek(jdn)); }

}  // namespace orv
