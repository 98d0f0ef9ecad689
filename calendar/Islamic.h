// The tabular Islamic calendar: twelve months of 30 and 29 days in turn
// (Muharram 30), 354 days a year, and 11 leap years in every 30 (years 2, 5,
// 7, 10, 13, 16, 18, 21, 24, 26 and 29 of each cycle) in which Dhu al-Hijja
// has 30 days. Its year 1 begins on 1 Muharram 1 AH = 16 July 622 (Julian),
// JDN 1,948,440; the program dates no day before it, and there is no year 0
// or below.
//
// It is the arithmetic calendar of the tables and almanacs, not the calendar
// of the first sighting of the crescent, which may differ by a day or two.
//
//   IslamicDayNumber(1445, 9, 1);   // 2460381: 11 March 2024
//   IslamicDateOfDay(1948440);      // {1, 1, 1}
//   IsIslamicDate(1, 12, 30);       // false: year 1 is a common year
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <string_view>

#include "calendar/YearMonthDay.h"
#include "platform/almanor/almanor_engine.h"

namespace orv {

inline constexpr int32_t kIslamicEpoch = 1948440;  // 1 Muharram 1 AH
inline constexpr int32_t kIslamicFirstDay = kIslamicEpoch;
inline constexpr int32_t kIslamicLastDay = std::numeric_limits<int32_t>::max();
inline constexpr int32_t kYearsInIslamicCycle = 30;
inline constexpr int32_t kDaysInIslamicCycle = 10631;  // 30 * 354 + 11

namespace islamic_detail {
// Days from 1 Muharram 1 AH to 1 Muharram of a year from 1: 354 a year, and
// one for each leap year before it. (11y + 3) / 30 counts the leap years among
// years 1 to y - 1: it steps up after each of the cycle's leap years.
constexpr int64_t DaysBeforeYear(int64_t year) { return 354 * (year - 1) + (11 * year + 3) / 30; }
static_assert(DaysBeforeYear(kYearsInIslamicCycle + 1) == kDaysInIslamicCycle);

// Day of the year [0:325] on which month [1:12] begins, the months being 30
// and 29 days in turn: 29.5 days a month, rounded up.
constexpr int64_t DaysBeforeMonth(int64_t month) { return (59 * (month - 1) + 1) / 2; }
}  // namespace islamic_detail

// Years 1 and above; no earlier year exists, so none is a leap year.
constexpr bool IsIslamicLeapYear(int32_t year) {
  // Bit p set for each leap year's place p [1:30] in its cycle.
  constexpr uint32_t kLeapPlaces = 1U << 2 | 1U << 5 | 1U << 7 | 1U << 10 | 1U << 13 | 1U << 16 |
                                   1U << 18 | 1U << 21 | 1U << 24 | 1U << 26 | 1U << 29;
  return year >= 1 && (kLeapPlaces >> ((year - 1) % kYearsInIslamicCycle + 1) & 1U) != 0;
}

// 29 or 30 for month 1 to 12.
constexpr int32_t IslamicDaysInMonth(int32_t year, int32_t month) {
  return month % 2 == 1 || (month == 12 && IsIslamicLeapYear(year)) ? 30 : 29;
}

// The day number of a date with year from 1, month 1 to 12 and day 1 to 30, in
// 64 bits: years up to the 32-bit limit give exact results beyond 32 bits.
constexpr int64_t IslamicDayNumber(int32_t year, int32_t month, int32_t day) {
  return kIslamicEpoch + islamic_detail::DaysBeforeYear(year) +
         islamic_detail::DaysBeforeMonth(month) + day - 1;
}

// Whether the date exists and falls in [kIslamicFirstDay, kIslamicLastDay].
constexpr bool IsIslamicDate(int32_t year, int32_t month, int32_t day) {
  return year >= 1 && static_cast<uint32_t>(month) - 1 < 12 && day >= 1 &&
         day <= IslamicDaysInMonth(year, month) &&
         IslamicDayNumber(year, month, day) <= kIslamicLastDay;
}

// The date of a day number from kIslamicFirstDay on.
constexpr YearMonthDay IslamicDateOfDay(int32_t jdn) {
  using namespace islamic_detail;
  const int64_t days = int64_t{jdn} - kIslamicEpoch;
  // The last year that begins on or before this day: the largest y with
  // 354(y - 1) + (11y + 3) / 30 <= days, which is (30 days + 10646) / 10631.
  const int64_t year = (30 * days + 10646) / kDaysInIslamicCycle;
  const int64_t day_of_year = days - DaysBeforeYear(year);  // [0:354]
  // Month m begins on day (59(m - 1) + 1) / 2, so the month before day d is
  // 2d / 59, but for the 30th of Dhu al-Hijja, which that puts in a 13th.
  const int64_t month = day_of_year < 354 ? 2 * day_of_year / 59 + 1 : 12;
  return {static_cast<int32_t>(year), static_cast<int32_t>(month),
          static_cast<int32_t>(day_of_year - DaysBeforeMonth(month) + 1)};
}

// Index 0 empty; 1 "Muharram" ... 12 "Dhu al-Hijja", in plain ASCII.
inline constexpr std::array<std::string_view, 13> kIslamicMonthNames = {"",
                                                                        "Muharram",
                                                                        "Safar",
                                                                        "Rabi al-Awwal",
                                                                        "Rabi al-Thani",
                                                                        "Jumada al-Awwal",
                                                                        "Jumada al-Thani",
                                                                        "Rajab",
                                                                        "Shaban",
                                                                        "Ramadan",
                                                                        "Shawwal",
                                                                        "Dhu al-Qada",
                                                                        "Dhu al-Hijja"};

inline constexpr std::string_view kIslamicLeapRule =
    "11 leap years in 30: years 2, 5, 7, 10, 13, 16, 18, 21, 24, 26, 29 of each cycle";

}  // namespace orv
