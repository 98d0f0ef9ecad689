// Easter Sunday by the two computi in use: the Gregorian one of the 1582
// reform, and the Julian one (the Alexandrian reckoning of the Council of
// Nicaea, 325) that the Orthodox churches keep.
//
//   Gregorian computus: years 1583 (the first whole year of the reformed
//     calendar) to 99,999; the date is Gregorian. The anonymous Gregorian
//     algorithm (Meeus, Astronomical Algorithms, chapter 8).
//   Julian computus: years 326 to 99,999; the date is Julian, and
//     JulianEasterInGregorian gives the same day as a Gregorian date. Meeus'
//     Julian algorithm (same chapter).
//
// 99,999 is the last year the program's date fields take. Outside the ranges
// the functions give no date rather than a guess. Years are astronomical and
// both calendars proleptic where they need to be.
//
//   GregorianEaster(2025);          // 2025-04-20 Gregorian
//   JulianEaster(2025);             // 2025-04-07 Julian
//   JulianEasterInGregorian(2025);  // 2025-04-20 Gregorian, the same Sunday this year
//   EasterLine(1200);               // "Easter 1200: April 9 Julian = April 16 Gregorian"
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "calendar/CalendarDate.h"
#include "platform/almanor/almanor_engine.h"

namespace orv {

inline constexpr int32_t kGregorianEasterFirstYear = 1583;
inline constexpr int32_t kJulianEasterFirstYear = 326;
inline constexpr int32_t kEasterLastYear = 99999;

namespace easter_detail {
// Easter as days after 21 March, the computus' equinox (1 is 22 March, the
// earliest Easter; 35 is 25 April, the latest), into month and day.
constexpr CalendarDate AfterMarch21(int32_t year, int32_t days, CalendarId calendar) {
  const int32_t march_based = days + 113;  // 114 is 22 March: 3 * 31 + 21 [114:148]
  return {year, march_based / 31, march_based % 31 + 1, calendar};
}
}  // namespace easter_detail

// Easter Sunday of the year in the Gregorian calendar; none before 1583 or
// after 99,999.
constexpr std::optional<CalendarDate> GregorianEaster(int32_t year) {
  if (year < kGregorianEasterFirstYear || year > kEasterLastYear) return std::nullopt;
  // Every term is small and non-negative for these years.
  const int32_t golden = year % 19;  // the year's place in the 19-year lunar cycle [0:18]
  const int32_t century = year / 100;
  const int32_t year_of_century = year % 100;
  // The solar correction is century - leap_centuries: the leap days the
  // reform drops, in three century years of four.
  const int32_t leap_centuries = century / 4;
  const int32_t century_of_cycle = century % 4;  // [0:3]
  // The lunar correction: eight days in 2,500 years (one every 300 years,
  // the eighth after 400), the moon's drift against the 19-year cycle.
  const int32_t lunar_drift = (century + 8) / 25;
  const int32_t lunar_correction = (century - lunar_drift + 1) / 3;
  // Days from 21 March to the Paschal full moon [0:29].
  const int32_t full_moon = (19 * golden + century - leap_centuries - lunar_correction + 15) % 30;
  const int32_t leap_years_of_century = year_of_century / 4;
  const int32_t year_of_leap_cycle = year_of_century % 4;  // [0:3]
  // Days from the full moon to the Sunday after it, less one [0:6].
  const int32_t to_sunday =
      (32 + 2 * century_of_cycle + 2 * leap_years_of_century - full_moon - year_of_leap_cycle) % 7;
  // 1 where the rules move a 26 April Easter, or a 25 April one in the
  // second half of the lunar cycle, back a week [0:1].
  const int32_t week_back = (golden + 11 * full_moon + 22 * to_sunday) / 451;
  return easter_detail::AfterMarch21(year, full_moon + to_sunday - 7 * week_back + 1,
                                     CalendarId::kGregorian);
}

// Easter Sunday of the year in the Julian calendar (the Julian computus); none
// before 326 or after 99,999.
constexpr std::optional<CalendarDate> JulianEaster(int32_t year) {
  if (year < kJulianEasterFirstYear || year > kEasterLastYear) return std::nullopt;
  // Days from 21 March to the Paschal full moon, set by the year's place in
  // the 19-year lunar cycle alone: this computus has no corrections [0:28].
  const int32_t full_moon = (19 * (year % 19) + 15) % 30;
  // Days from the full moon to the Sunday after it, less one; the weekdays
  // follow the 4-year leap cycle and the 7 weekdays [0:6].
  const int32_t to_sunday = (2 * (year % 4) + 4 * (year % 7) - full_moon + 34) % 7;
  return easter_detail::AfterMarch21(year, full_moon + to_sunday + 1, CalendarId::kJulian);
}

// The Sunday of JulianEaster as a Gregorian date (the Orthodox Easter in the
// civil calendar): 13 days later from 1900 to 2099. The calendars drift
// apart, so from year 33,808 it can fall in the next Gregorian year, and from
// 82,410 in the one after (99,999 Julian: 100,001-05-06).
constexpr std::optional<CalendarDate> JulianEasterInGregorian(int32_t year) {
  const std::optional<CalendarDate> julian = JulianEaster(year);
  if (!julian) return std::nullopt;
  const almanor::Date found = almanor::FromJDN(
      static_cast<int32_t>(almanor::ToJDN(julian->year, julian->month, julian->day, false)), true);
  return CalendarDate{found.year, found.month, found.day, CalendarId::kGregorian};
}

// One line for the calendars window: "Easter 2025: April 20 (Gregorian);
// April 7 Julian = April 20 Gregorian". Only the Julian part from 326 to
// 1582, "Easter 300: no computus" before 326 and "Easter 100,000: no date
// after 99,999" after the range; the Gregorian year is named where the
// Julian Sunday falls in a later one. Years beyond 9999 in magnitude are
// grouped by the separator. ASCII.
std::string EasterLine(int32_t year, char group_separator = ',');

}  // namespace orv
