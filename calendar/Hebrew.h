// The Hebrew calendar, in its fixed arithmetic form: each year begins on the
// day of the molad (mean conjunction) of Tishri, unless one of four
// postponements moves it one or two days on.
//
// The molad of Tishri of year 1 AM is BaHaRaD, Monday 5 h 204 p (hours from
// 6 pm of the evening before, 1,080 parts an hour); each month adds 29 d 12 h
// 793 p. Years 3, 6, 8, 11, 14, 17 and 19 of every 19-year cycle have 13
// months, the others 12. The postponements, in the order they are applied:
//   molad zaken   the molad falls at or after noon (18 h): the next day;
//   GaTaRaD       in a common year, the molad falls on a Tuesday at or after
//                 9 h 204 p: the next day (and then Thursday, by lo ADU);
//   BeTUTaKPaT    in the year after a leap year, the molad falls on a Monday
//                 at or after 15 h 589 p: the next day;
//   lo ADU rosh   1 Tishri is never a Sunday, Wednesday or Friday: the next
//                 day.
// A year thus has 353, 354 or 355 days (383, 384 or 385 with its 13th month):
// deficient, regular or complete, Heshvan and Kislev having 29 and 29, 29 and
// 30, or 30 and 30 days.
//
// Months are numbered from Nisan, as the books on the calendar number them:
// Nisan 1, Iyyar 2, Sivan 3, Tammuz 4, Av 5, Elul 6, Tishri 7, Heshvan 8,
// Kislev 9, Tevet 10, Shevat 11, Adar 12 (Adar I in a leap year) and Adar II
// 13 (leap years only). The year number changes on 1 Tishri, so within a year
// months 7 to 13 come first and months 1 to 6 follow.
//
//   HebrewDayNumber(1, 7, 1) == 347998            (7 October 3761 BC, Julian)
//   HebrewDayNumber(5784, 7, 1) == 2460204        (16 September 2023)
//   HebrewDateOfDay(2451545) == {5760, 10, 23}    (1 January 2000: 23 Tevet)
//
// The calendar runs from 1 Tishri 1 AM to the day numbered INT32_MAX, in
// 5,878,589 AM. Nothing overflows, for any 32-bit argument: the molad of a
// year y is counted in parts as an int64_t, and for |y| <= 2^31 the months
// before it are at most 235 * 2^31 / 19 < 2.7e10 and the parts at most
// 2.7e10 * 765,433 < 2.1e16, far below 9.2e18; the day numbers derived from
// them fit in 64 bits likewise, and every other product is smaller. (Outside
// the calendar's range the same arithmetic runs on to year 0 and before; such
// dates are not Hebrew dates of this program, and IsHebrewDate refuses them.)
#pragma once

#include <climits>
#include <cstdint>
#include <string_view>

#include "calendar/YearMonthDay.h"

namespace orv {

inline constexpr int32_t kHebrewFirstDay = 347998;  // 1 Tishri 1 AM
inline constexpr int32_t kHebrewLastDay = INT32_MAX;

inline constexpr std::string_view kHebrewLeapRule =
    "7 leap years (13 months) in 19: years 3, 6, 8, 11, 14, 17, 19 of the cycle";

// The arithmetic, inline: the conversions are called in bulk.
namespace hebrew_detail {

inline constexpr int64_t kPartsPerHour = 1080;
inline constexpr int64_t kPartsPerDay = 24 * kPartsPerHour;                              // 25,920
inline constexpr int64_t kPartsPerMonth = 29 * kPartsPerDay + 12 * kPartsPerHour + 793;  // 765,433
// BaHaRaD as parts since the start of day 0, a day starting at 6 pm of the
// evening before the civil day of the same number.
inline constexpr int64_t kMoladOfYearOne =
    int64_t{kHebrewFirstDay} * kPartsPerDay + 5 * kPartsPerHour + 204;
// Nisan to Elul, 30 and 29 days in turn, end every year.
inline constexpr int64_t kDaysFromNisanToTishri = 177;

// Divisions rounding down, for the years and days before the epoch (b > 0).
constexpr int64_t FloorDiv(int64_t a, int64_t b) { return a / b - (a % b < 0 ? 1 : 0); }
constexpr int64_t FloorMod(int64_t a, int64_t b) { return a - b * FloorDiv(a, b); }

constexpr bool IsLeapYear(int64_t year) { return FloorMod(7 * year + 1, 19) < 7; }

// Months from the molad of Tishri of year 1 to that of the year: 235 in each
// 19 years, spread as the leap years fall.
constexpr int64_t MonthsBeforeYear(int64_t year) { return FloorDiv(235 * year - 234, 19); }

// The year whose Tishri is the last on or before month `months` counted from
// year 1's Tishri: the largest y with MonthsBeforeYear(y) <= months.
constexpr int64_t YearOfMonth(int64_t months) { return FloorDiv(19 * months + 252, 235); }

constexpr bool IsSundayWednesdayOrFriday(int64_t day) {
  const int64_t weekday = FloorMod(day + 1, 7);  // [0:6], Sunday 0
  return weekday == 0 || weekday == 3 || weekday == 5;
}

// The day number of 1 Tishri of the year.
constexpr int64_t NewYearDay(int64_t year) {
  const int64_t molad = kMoladOfYearOne + MonthsBeforeYear(year) * kPartsPerMonth;
  int64_t day = FloorDiv(molad, kPartsPerDay);
  const int64_t part = molad - day * kPartsPerDay;  // [0:25919] from 6 pm
  const int64_t weekday = FloorMod(day + 1, 7);     // [0:6], Sunday 0
  // Molad zaken, GaTaRaD, BeTUTaKPaT: each moves the day on by one; a
  // Tuesday of GaTaRaD becomes Thursday through lo ADU below.
  if (part >= 18 * kPartsPerHour ||
      (weekday == 2 && part >= 9 * kPartsPerHour + 204 && !IsLeapYear(year)) ||
      (weekday == 1 && part >= 15 * kPartsPerHour + 589 && IsLeapYear(year - 1))) {
    ++day;
  }
  if (IsSundayWednesdayOrFriday(day)) ++day;  // lo ADU rosh
  return day;
}

// Days from 1 Tishri to the first of the month, in a year of that length.
// Each half year alternates 30 and 29 days from its first month, but for
// Heshvan's 30th day in a complete year, Kislev's missing 30th in a deficient
// one and the 30 days of Adar I.
constexpr int64_t DaysBeforeMonth(int64_t month, int64_t year_length) {
  const int64_t alternating = (59 * ((month + 5) % 6) + 1) / 2;  // [0:148]
  if (month < 7) return year_length - kDaysFromNisanToTishri + alternating;
  const int64_t complete = year_length % 10 == 5 ? 1 : 0;
  const int64_t deficient = year_length % 10 == 3 ? 1 : 0;
  if (month == 13) return 178 + complete - deficient;
  return alternating + (month >= 9 ? complete : 0) - (month >= 10 ? deficient : 0);
}

}  // namespace hebrew_detail

constexpr bool IsHebrewLeapYear(int32_t year) { return hebrew_detail::IsLeapYear(year); }

// 12 or 13.
constexpr int32_t HebrewMonthsInYear(int32_t year) { return IsHebrewLeapYear(year) ? 13 : 12; }

// 353, 354, 355, 383, 384 or 385.
constexpr int32_t HebrewDaysInYear(int32_t year) {
  return static_cast<int32_t>(hebrew_detail::NewYearDay(int64_t{year} + 1) -
                              hebrew_detail::NewYearDay(year));
}

// 29 or 30; 0 for a month the year does not have.
constexpr int32_t HebrewDaysInMonth(int32_t year, int32_t month) {
  if (month < 1 || month > HebrewMonthsInYear(year)) return 0;
  switch (month) {
    case 8:  // Heshvan: 30 in a complete year
      return HebrewDaysInYear(year) % 10 == 5 ? 30 : 29;
    case 9:  // Kislev: 29 in a deficient year
      return HebrewDaysInYear(year) % 10 == 3 ? 29 : 30;
    case 12:  // Adar I has 30 days, the Adar of a common year 29
      return IsHebrewLeapYear(year) ? 30 : 29;
    case 13:
      return 29;
    default:
      return month % 2 == 1 ? 30 : 29;
  }
}

// The day number of a date for which IsHebrewDate holds (and, in 64 bits, of
// any other real date of a year of 32 bits).
constexpr int64_t HebrewDayNumber(int32_t year, int32_t month, int32_t day) {
  using namespace hebrew_detail;
  const int64_t new_year = NewYearDay(year);
  const int64_t year_length = NewYearDay(int64_t{year} + 1) - new_year;
  return new_year + DaysBeforeMonth(month, year_length) + day - 1;
}

// The date of a day number in [kHebrewFirstDay, kHebrewLastDay].
constexpr YearMonthDay HebrewDateOfDay(int32_t jdn) {
  using namespace hebrew_detail;
  // The last molad on or before the day (its parts below the end of the day)
  // lies in year y, whose 1 Tishri is that of its molad or up to two days
  // later: the day is in year y, or in year y - 1 when y has not yet begun.
  const int64_t months =
      FloorDiv((int64_t{jdn} + 1) * kPartsPerDay - 1 - kMoladOfYearOne, kPartsPerMonth);
  int64_t year = YearOfMonth(months);
  int64_t new_year = NewYearDay(year);
  int64_t next_new_year = NewYearDay(year + 1);
  if (new_year > jdn) {
    --year;
    next_new_year = new_year;
    new_year = NewYearDay(year);
  }
  const int64_t year_length = next_new_year - new_year;
  const int64_t day_of_year = jdn - new_year;  // [0:384]
  int64_t month = 7;
  if (day_of_year >= year_length - kDaysFromNisanToTishri) {
    // Nisan to Elul, 30 and 29 days in turn: month k (from 0) begins on
    // day (59k + 1) / 2 of the half year.
    month = 1 + 2 * (day_of_year - (year_length - kDaysFromNisanToTishri)) / 59;  // [1:6]
  } else {
    for (int64_t later = 8; later <= 13; ++later) {  // [7:13]
      month += day_of_year >= DaysBeforeMonth(later, year_length) ? 1 : 0;
    }
  }
  return {static_cast<int32_t>(year), static_cast<int32_t>(month),
          static_cast<int32_t>(day_of_year - DaysBeforeMonth(month, year_length) + 1)};
}

namespace hebrew_detail {
// The year of the day numbered INT32_MAX: dates of later years, and of its
// own days past that one, have no day number here.
inline constexpr int32_t kLastYear = HebrewDateOfDay(kHebrewLastDay).year;

// The epoch is where BaHaRaD puts it: a Monday molad before noon, postponed by
// none of the rules.
static_assert(NewYearDay(1) == kHebrewFirstDay);
}  // namespace hebrew_detail

// Whether year-month-day names a day from 1 Tishri 1 AM to the day numbered
// INT32_MAX: month 13 in leap years only, Heshvan 30 in complete years only,
// Kislev 30 not in deficient ones.
//   IsHebrewDate(5784, 13, 29) == true;  IsHebrewDate(5785, 13, 1) == false
constexpr bool IsHebrewDate(int32_t year, int32_t month, int32_t day) {
  if (year < 1 || month < 1 || month > HebrewMonthsInYear(year) || day < 1 ||
      (day > 29 && day > HebrewDaysInMonth(year, month))) {
    return false;
  }
  return year < hebrew_detail::kLastYear || HebrewDayNumber(year, month, day) <= kHebrewLastDay;
}

// "Nisan" to "Adar II"; month 12 is "Adar I" in a leap year, "Adar" in a
// common one. Empty for a month the year does not have.
constexpr std::string_view HebrewMonthName(int32_t year, int32_t month) {
  constexpr std::string_view kNames[14] = {"",      "Nisan",  "Iyyar",  "Sivan",   "Tammuz",
                                           "Av",    "Elul",   "Tishri", "Heshvan", "Kislev",
                                           "Tevet", "Shevat", "Adar",   "Adar II"};
  if (month < 1 || month > HebrewMonthsInYear(year)) return "";
  if (month == 12 && IsHebrewLeapYear(year)) return "Adar I";
  return kNames[month];
}

}  // namespace orv
