// The Revised Julian calendar: the Julian months, and a leap rule that keeps
// 218 leap years in every 900. Years divisible by 4 are leap years, except
// century years, of which only those leaving 200 or 600 on division by 900
// are (2000, 2400, 2900, 3300; not 1700, 2100, 2800). Negative years follow
// the same cycle with floor division: -700 leaves 200 and is a leap year,
// -100 leaves 800 and is not.
//
// Its days are numbered so that it agrees with the Gregorian calendar day for
// day from 1 March 1600 to 28 February 2800; the Gregorian 29 February 2800
// is 1 March 2800 here.
//
//   RevisedJulianDayNumber(2000, 1, 1);   // 2451545, as in the Gregorian calendar
//   RevisedJulianDateOfDay(2743798);      // {2800, 3, 1} (Gregorian 2800-02-29)
//   IsRevisedJulianDate(2800, 2, 29);     // false
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <string_view>

#include "calendar/DatePr2.h"
#include "calendar/YearMonthDay.h"
#include "platform/almanor/almanor_engine.h"

namespace orv {

inline constexpr int32_t kRevisedJulianFirstDay = std::numeric_limits<int32_t>::min();
inline constexpr int32_t kRevisedJulianLastDay = std::numeric_limits<int32_t>::max();
inline constexpr int32_t kYearsInRevisedJulianCycle = 900;
inline constexpr int32_t kDaysInRevisedJulianCycle = 328718;  // 900 * 365 + 218

// The arithmetic, inline and constexpr like the Gregorian and Julian day
// counts it follows (platform/almanor/almanor_engine.h): years run from 1 March,
// so the leap day ends its year, and are shifted by whole cycles so that every
// division is on non-negative values.
namespace revised_julian_detail {
// 2,400,000 cycles: 2.16e9 years, more than any 32-bit year below zero.
inline constexpr uint64_t kCycleShift = 2'400'000;
inline constexpr uint64_t kYearShift = kYearsInRevisedJulianCycle * kCycleShift;
inline constexpr uint64_t kDayShift = kDaysInRevisedJulianCycle * kCycleShift;
static_assert(kYearShift > uint64_t{1} << 31 && kDayShift > uint64_t{1} << 32);

// 1 March of year 0 is the Gregorian one too: in years 1 to 1600 each
// calendar has four leap centuries (200, 600, 1100, 1500 against 400, 800,
// 1200, 1600), so they meet again on 1 March 1600.
inline constexpr int64_t kMarchFirstOfYearZero = almanor::kGregorianMarchFirstOfYearZero;

// Days from 1 March of shifted year 0 to 1 March of shifted year y: the leap
// days are those of the Februaries of years 1 to y. Of the first c century
// years, the leap ones are the 2nd and 6th of every 9, (2c + 6) / 9 of them.
constexpr uint64_t DaysBeforeMarchYear(uint64_t y) {
  const uint64_t centuries = y / 100;
  return 365 * y + y / 4 - centuries + (2 * centuries + 6) / 9;
}
static_assert(DaysBeforeMarchYear(kYearsInRevisedJulianCycle) == kDaysInRevisedJulianCycle);
}  // namespace revised_julian_detail

constexpr bool IsRevisedJulianLeapYear(int32_t year) {
  if (year % 4 != 0) return false;
  if (year % 100 != 0) return true;
  const int32_t in_cycle = (year % 900 + 900) % 900;  // [0:899], floor division
  return in_cycle == 200 || in_cycle == 600;
}

// The day number of a date with month 1 to 12 and day 1 to 31, in 64 bits:
// any 32-bit year gives an exact result, whether or not it fits in 32 bits.
constexpr int64_t RevisedJulianDayNumber(int32_t year, int32_t month, int32_t day) {
  using namespace revised_julian_detail;
  const uint64_t march_year =
      static_cast<uint64_t>(int64_t{year} - (month <= 2) + static_cast<int64_t>(kYearShift));
  const uint64_t days =
      DaysBeforeMarchYear(march_year) + almanor::DaysBeforeMonthFromMarch(month) + (day - 1);
  return static_cast<int64_t>(days - kDayShift) + kMarchFirstOfYearZero;
}

// Whether the date exists and its day number is a 32-bit one.
constexpr bool IsRevisedJulianDate(int32_t year, int32_t month, int32_t day) {
  // The Julian month lengths, less 29 February in the century years that
  // drop it.
  return almanor::IsDate(year, month, day, false) &&
         (month != 2 || day != 29 || IsRevisedJulianLeapYear(year)) &&
         almanor::FitsIn32Bits(RevisedJulianDayNumber(year, month, day));
}

// The date of any 32-bit day number.
constexpr YearMonthDay RevisedJulianDateOfDay(int32_t jdn) {
  using namespace revised_julian_detail;
  const uint64_t days =
      static_cast<uint64_t>(int64_t{jdn} - kMarchFirstOfYearZero + static_cast<int64_t>(kDayShift));
  // DaysBeforeMarchYear(y) lies between 427/450 of a day below and 1.42 days
  // above the mean 328718y / 900. Crediting the count with that largest
  // shortfall (854/900) gives an estimate never below the year and at most
  // one above it.
  uint64_t march_year = (900 * days + 854) / kDaysInRevisedJulianCycle;
  if (DaysBeforeMarchYear(march_year) > days) --march_year;
  const auto day_of_year =
      static_cast<uint32_t>(days - DaysBeforeMarchYear(march_year));  // [0:365]
  const almanor::Date found = almanor::FromMarchBasedDay(
      static_cast<int64_t>(march_year) - static_cast<int64_t>(kYearShift), day_of_year);
  return {found.year, found.month, found.day};
}

// Index 0 empty; 1 "January" ... 12 "December".
inline constexpr std::array<std::string_view, 13> kRevisedJulianMonthNames = MonthNames;

inline constexpr std::string_view kRevisedJulianLeapRule =
    "Every 4th year, but of century years only those leaving 200 or 600 divided by 900";

}  // namespace orv
