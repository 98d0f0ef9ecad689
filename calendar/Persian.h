// The Persian calendar (Solar Hijri), in its astronomical form: the year
// begins with the March equinox as seen at the meridian 52.5 E (3h 30m ahead
// of Greenwich, the meridian of Iran's clocks).
//
// Year N AP begins on the civil day at that meridian on which the March
// equinox of Gregorian year N + 621 falls, if the equinox comes before true
// (apparent) noon there; otherwise on the next day. True noon at 52.5 E is
// 12h - 3h 30m - E in Universal Time, E the equation of time at that moment
// (astronomy/EquationOfTime.h). The equinox is the program's own
// (astronomy/SolEq.h, the one its equinox report shows), so a user can check
// a year's start against that report.
//
// Farvardin to Shahrivar have 31 days, Mehr to Bahman 30, Esfand 29, or 30
// when the next year begins 366 days after this one. Years are numbered from
// 1 AP, which began on 1 Farvardin = 19 March 622 Julian: the equinox of 622
// came on 18 March at 08:59 UT, 12:21 apparent time at 52.5 E, 21 minutes
// after true noon there, so the year began the next day.
//
// The range: 1 Farvardin 1 AP to the last day of 3378 AP, the last year whose
// both ends come from equinoxes of the years the equinox report computes (to
// Gregorian 4000: 3378 AP runs from the equinox of 3999 to that of 4000).
//
//   PersianDayNumber(1403, 1, 1);   // 2460390 (2024-03-20 Gregorian)
//   PersianDateOfDay(2460756);      // {1404, 1, 1} (2025-03-21 Gregorian)
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "calendar/YearMonthDay.h"

namespace orv {

inline constexpr int32_t kPersianFirstYear = 1;
inline constexpr int32_t kPersianLastYear = 3378;
// 1 Farvardin 1 AP (622-03-19 Julian) and the last day of Esfand 3378 AP
// (4000-03-19 Gregorian); the tests check both against the equinoxes.
inline constexpr int32_t kPersianFirstDay = 1948321;
inline constexpr int32_t kPersianLastDay = 3182108;

// The day number of 1 Farvardin of year (from the table made with
// calendar/SkyNewYears.h when the program is built), for year in [1:3379] (3379 is there
// to end the range: its first day is the day after kPersianLastDay). A year
// outside is taken as the nearer of 1 and 3379.
int32_t PersianNewYear(int32_t year);

// Whether Esfand of year has 30 days; false outside [1:3378].
bool IsPersianLeapYear(int32_t year);

// 29, 30 or 31; 0 for a month outside [1:12] or a year outside [1:3378].
int32_t PersianDaysInMonth(int32_t month, int32_t year);

// Whether year-month-day names a day of the range.
bool IsPersianDate(int32_t year, int32_t month, int32_t day);

// The day number of a date for which IsPersianDate holds.
int64_t PersianDayNumber(int32_t year, int32_t month, int32_t day);

// The date of a day number in [kPersianFirstDay:kPersianLastDay]; {0, 0, 0}
// (no date) outside. Computes two or three equinoxes, whatever the day.
YearMonthDay PersianDateOfDay(int32_t jdn);

inline constexpr std::array<std::string_view, 13> kPersianMonthNames = {
    "",     "Farvardin", "Ordibehesht", "Khordad", "Tir",    "Mordad", "Shahrivar",
    "Mehr", "Aban",      "Azar",        "Dey",     "Bahman", "Esfand"};

inline constexpr std::string_view kPersianLeapRule =
    "Esfand has 30 days when the next year's first day (the day of the March equinox at 52.5 E, "
    "by true noon) comes 366 days after this year's";

}  // namespace orv
