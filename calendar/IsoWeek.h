// ISO 8601 week dates on the proleptic Gregorian calendar. A week runs Monday
// (day 1) to Sunday (day 7); week 1 of a year is the week that holds the
// year's first Thursday, so the week-numbering year may begin up to three days
// before or after 1 January, and a year has 52 or 53 weeks.
//
// In the year-month-day triple the "month" is the week [1:53] and the "day"
// the weekday [1:7]; the year is the week-numbering year.
//
//   IsoWeekDateOfDay(2454830);         // {2009, 1, 1}: Monday 29 December 2008
//   IsoWeekDayNumber(2004, 53, 7);     // 2453373: Sunday 2 January 2005
//   IsIsoWeekDate(2005, 53, 1);        // false: 2005 has 52 weeks
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <string_view>

#include "calendar/YearMonthDay.h"
#include "platform/almanor/almanor_engine.h"

namespace orv {

inline constexpr int32_t kIsoWeekFirstDay = std::numeric_limits<int32_t>::min();
inline constexpr int32_t kIsoWeekLastDay = std::numeric_limits<int32_t>::max();

namespace iso_week_detail {
// 0 = Monday ... 6 = Sunday, for any 64-bit day number (JDN 0 was a Monday).
constexpr int64_t DaysSinceMonday(int64_t jdn) {
  const int64_t weekday = jdn % 7;
  return weekday < 0 ? weekday + 7 : weekday;
}

// The Monday that begins week 1: the one on or before 4 January, since the
// week of the first Thursday always holds 4 January.
constexpr int64_t FirstMonday(int32_t year) {
  const int64_t january_4 = almanor::ToJDN(year, 1, 4, true);
  return january_4 - DaysSinceMonday(january_4);
}
}  // namespace iso_week_detail

// Whether the year has 53 weeks: it begins on a Thursday, or is a leap year
// beginning on a Wednesday (either way its first Thursday falls early enough
// that a 53rd Thursday fits before the next year's first).
constexpr bool IsIsoWeekLeapYear(int32_t year) {
  const int64_t january_1 = iso_week_detail::DaysSinceMonday(almanor::ToJDN(year, 1, 1, true));
  return january_1 == 3 || (january_1 == 2 && almanor::IsLeapYear(year, true));
}

constexpr int32_t IsoWeeksInYear(int32_t year) { return IsIsoWeekLeapYear(year) ? 53 : 52; }

// The day number of a week date with week 1 to 53 and weekday 1 to 7, in 64
// bits: any 32-bit year gives an exact result, whether or not it fits in 32.
constexpr int64_t IsoWeekDayNumber(int32_t year, int32_t week, int32_t weekday) {
  return iso_week_detail::FirstMonday(year) + 7 * (int64_t{week} - 1) + (int64_t{weekday} - 1);
}

// Whether the week exists in its year, the weekday is 1 to 7 and the day
// number is a 32-bit one.
constexpr bool IsIsoWeekDate(int32_t year, int32_t week, int32_t weekday) {
  return week >= 1 && week <= IsoWeeksInYear(year) && weekday >= 1 && weekday <= 7 &&
         almanor::FitsIn32Bits(IsoWeekDayNumber(year, week, weekday));
}

// The week date of any 32-bit day number.
constexpr YearMonthDay IsoWeekDateOfDay(int32_t jdn) {
  using iso_week_detail::FirstMonday;
  // The week-numbering year is the Gregorian year, or for a few days about
  // 1 January the one before or after.
  int32_t year = almanor::FromJDN(jdn, true).year;
  if (jdn < FirstMonday(year)) {
    --year;
  } else if (jdn >= FirstMonday(year + 1)) {
    ++year;
  }
  const int64_t days = jdn - FirstMonday(year);  // [0:370]
  return {year, static_cast<int32_t>(days / 7 + 1), static_cast<int32_t>(days % 7 + 1)};
}

// The days of the week as numbered here: index 0 empty, 1 "Monday" ... 7
// "Sunday" (the week dates have no month names).
inline constexpr std::array<std::string_view, 8> kIsoWeekDayNames = {
    "", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};

inline constexpr std::string_view kIsoWeekLeapRule =
    "53 weeks when the year begins on a Thursday, or is a leap year beginning on a Wednesday";

}  // namespace orv
