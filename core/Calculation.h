// Calculate: a typed date checked, converted in its calendar (or tested for a
// weekday) and, on success, the day to show.
#pragma once

#include <optional>
#include <vector>

#include "core/DateEntry.h"

namespace orv {

// The weekday test of a month-day-year date: whether it falls on the weekday
// (0 Sunday ... 6 Saturday) in the Gregorian and in the Julian calendar. A
// date that does not exist in one of them simply is not on the weekday there;
// a refused amount ends the test. `rules` are the reader's, without a
// calendar: the test reads in both. Found in both, the day is the Julian
// reading's.
struct WeekdayOutcome {
  std::optional<int32_t> day;  // the day to show
  bool in_gregorian = false;   // the answer came from the Gregorian calendar
  bool in_julian = false;      // ... from the Julian
  UserNotice message;
  InputDay input;  // the last reading, to write back and keep
};
WeekdayOutcome WeekdayTest(const TypedDate& typed, const ArithmeticInput& arithmetic,
                           const DateReadingRules& rules, int weekday);

// For a month-day-year date that exists in neither the Gregorian nor the
// Julian calendar, such as 30 February: the refusal of its Gregorian
// reading. The window's weekday test simply finds such a date on the weekday
// in neither; orvc refuses it.
UserNotice NoSuchDateInEither(const TypedDate& typed, const DateReadingRules& rules);

// A whole Calculate of a complete input: the checks, then the conversion in
// the calendar of the rules, or, when they name none, the weekday test (0
// Sunday ... 6 Saturday). The messages come in the order they are shown.
struct Calculation {
  std::optional<int32_t> day;  // the day to show
  bool in_gregorian = false;   // the weekday test found its answer here
  bool in_julian = false;
  std::vector<Notice> messages;
  InputDay input;  // the reading, to write back and keep
};
Calculation Calculate(const TypedDate& typed, const DateReadingRules& rules, int weekday,
                      const ArithmeticInput& arithmetic);

}  // namespace orv
