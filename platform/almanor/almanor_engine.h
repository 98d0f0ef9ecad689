// The Gregorian and Julian day counts as inline C++, for callers that convert
// in bulk (the calendar layer works on its own record with these, with no copy
// and no call); almanor.cpp wraps the same code in the library's C interface.
//
// Closed-form day counts after the days-from-civil / civil-from-days method:
// years are counted from 1 March, so the leap day is the last day of its year
// and the months March..February follow a 153-day pattern of five months.
// Years and day counts are first shifted by a whole number of leap cycles so
// that every value is non-negative; then all divisions are unsigned (no
// rounding towards zero to correct) and 64 bits wide, which no 32-bit year or
// day number can overflow.
#pragma once

#include <cstdint>
#include <limits>

namespace almanor {

inline constexpr int64_t kGregorianMarchFirstOfYearZero = 1721120;  // JDN of 0000-03-01
inline constexpr int64_t kJulianMarchFirstOfYearZero = 1721118;     // JDN of 0000-03-01 Julian

// 5,500,000 cycles of 400 and 550,000,000 of 4 years: 2.2e9 years, more than
// any 32-bit year below zero.
inline constexpr uint64_t kGregorianCycleShift = 5'500'000;
inline constexpr uint64_t kJulianCycleShift = 550'000'000;
inline constexpr uint64_t kGregorianYearShift = 400 * kGregorianCycleShift;
inline constexpr uint64_t kJulianYearShift = 4 * kJulianCycleShift;
inline constexpr uint64_t kGregorianDayShift = 146097 * kGregorianCycleShift;
inline constexpr uint64_t kJulianDayShift = 1461 * kJulianCycleShift;
static_assert(kGregorianYearShift > uint64_t{1} << 31 && kJulianYearShift > uint64_t{1} << 31);
static_assert(kGregorianDayShift > uint64_t{1} << 32 && kJulianDayShift > uint64_t{1} << 32);

// A Gregorian year divisible by 100 is a leap year when divisible by 16 (that
// is, by 400); others when divisible by 4.
constexpr bool IsLeapYear(int32_t year, bool gregorian) {
  const int32_t mask = gregorian && year % 25 == 0 ? 15 : 3;
  return (year & mask) == 0;
}

// Whether year, month and day name a day: month 1 to 12 and day 1 to 28 need
// no leap rule; the rule is consulted for days 29 to 31 only.
constexpr bool IsDate(int32_t year, int32_t month, int32_t day, bool gregorian) {
  if (static_cast<uint32_t>(month) - 1 >= 12 || day < 1) return false;
  if (day <= 28) return true;
  constexpr int32_t kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return day <= kMonthLengths[month - 1] + (month == 2 && IsLeapYear(year, gregorian));
}

// Day of the March-based year on which a month begins: March 0, April 31, ...
// February 337. January and February count as months 13 and 14 of the year
// before (arithmetic on the comparison rather than a branch that random
// dates would mispredict).
constexpr uint64_t DaysBeforeMonthFromMarch(int32_t month) {
  const uint64_t month_of_march_year = static_cast<uint64_t>(month + 12 * (month <= 2));  // [3:14]
  return (979 * month_of_march_year - 2919) / 32;                                         // [0:337]
}

// The day number of a date (month 1 to 12, day 1 to 31), 64 bits wide.
constexpr int64_t ToJDN(int32_t year, int32_t month, int32_t day, bool gregorian) {
  const uint64_t shift = gregorian ? kGregorianYearShift : kJulianYearShift;
  const uint64_t y =
      static_cast<uint64_t>(int64_t{year} - (month <= 2) + static_cast<int64_t>(shift));
  uint64_t days_before_year = 1461 * y / 4;
  if (gregorian) {
    const uint64_t century = y / 100;
    days_before_year = days_before_year - century + century / 4;
  }
  const uint64_t days = days_before_year + DaysBeforeMonthFromMarch(month) + (day - 1);
  return gregorian
             ? static_cast<int64_t>(days - kGregorianDayShift) + kGregorianMarchFirstOfYearZero
             : static_cast<int64_t>(days - kJulianDayShift) + kJulianMarchFirstOfYearZero;
}

struct Date {
  int32_t year;
  int32_t month;
  int32_t day;
};

// Month and day from the day of a March-based year, and the calendar year.
// 2141/65536 is a close enough 5/153 that one multiplication gives the month
// in the high half and the day in the low half.
constexpr Date FromMarchBasedDay(int64_t march_year, uint32_t day_of_year) {
  const uint32_t month_and_day = 2141 * day_of_year + 197913;
  const uint32_t month_of_march_year = month_and_day >> 16;  // [3:14]
  const bool january_or_february = day_of_year >= 306;
  return {static_cast<int32_t>(march_year + january_or_february),
          static_cast<int32_t>(month_of_march_year - 12 * january_or_february),
          static_cast<int32_t>((month_and_day & 0xFFFF) / 2141 + 1)};
}

// The date of any 32-bit day number. Gregorian: centuries first, then years in
// the century, each by one multiplication (the Euclidean affine method of Neri
// and Schneider, 2022).
constexpr Date FromJDN(int32_t jdn, bool gregorian) {
  if (gregorian) {
    const uint64_t days = static_cast<uint64_t>(int64_t{jdn} - kGregorianMarchFirstOfYearZero +
                                                static_cast<int64_t>(kGregorianDayShift));
    const uint64_t quarter_days = 4 * days + 3;
    const uint64_t century = quarter_days / 146097;
    const auto day_of_century = static_cast<uint32_t>(quarter_days % 146097 / 4);  // [0:36524]
    const uint64_t scaled = uint64_t{2939745} * (4 * day_of_century + 3);
    const auto year_of_century = static_cast<uint32_t>(scaled >> 32);                   // [0:99]
    const auto day_of_year = static_cast<uint32_t>(scaled & 0xFFFFFFFF) / 2939745 / 4;  // [0:365]
    return FromMarchBasedDay(static_cast<int64_t>(100 * century + year_of_century) -
                                 static_cast<int64_t>(kGregorianYearShift),
                             day_of_year);
  }
  const uint64_t days = static_cast<uint64_t>(int64_t{jdn} - kJulianMarchFirstOfYearZero +
                                              static_cast<int64_t>(kJulianDayShift));
  const uint64_t year = (4 * days + 3) / 1461;  // the last year begun by this day
  const auto day_of_year = static_cast<uint32_t>(days - 1461 * year / 4);  // [0:365]
  return FromMarchBasedDay(static_cast<int64_t>(year) - static_cast<int64_t>(kJulianYearShift),
                           day_of_year);
}

constexpr bool FitsIn32Bits(int64_t value) {
  return value >= std::numeric_limits<int32_t>::min() &&
         value <= std::numeric_limits<int32_t>::max();
}

// 0 = Sunday ... 6 = Saturday; JDN 0 is a Monday.
constexpr int32_t DayOfWeek(int32_t jdn) {
  const int64_t weekday = (int64_t{jdn} + 1) % 7;
  return static_cast<int32_t>(weekday < 0 ? weekday + 7 : weekday);
}

}  // namespace almanor
