// The Dee calendar: Gregorian month lengths with eight leap years in every 33
// (years 4, 8, ..., 32 of each cycle), so a cycle has 12,053 days.
//
// The program knows two versions, one day apart, that differ only in the day
// their year 1 begins (the Dee epoch, the JDN of 1-1-1):
//
//   Dee        1-1-1 D  = JDN 1,721,425 (0-12-31 Gregorian)
//   Dee-Cecil  1-1-1 DC = JDN 1,721,426 (1-1-1 Gregorian)
//
// Every conversion takes the version (or its epoch) as a parameter: there is
// no version "in force" here; a window keeps the one its user chose in its own
// state. Years are astronomical and year 0 and negative years follow the same
// cycle: leap years ..., -5, -1, 4, 8, ..., 32, 37, ...; years 0, 33, 36 are
// common.
//
//   DateRecord d{2000, 1, 2, kDeeCode, 0, 0};
//   DeeDateToJDNWithStatus(d, kDeeVersion);   // d.jdn == 2451545 (2000-01-01 Gregorian)
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "calendar/DateRecord.h"
#include "calendar/YearMonthDay.h"

namespace orv {

inline constexpr int32_t kDeeEpoch = 1721425;
inline constexpr int32_t kDeeCecilEpoch = 1721426;
inline constexpr int32_t kDaysInDeeCycle = 12053;  // 33 * 365 + 8
inline constexpr int32_t kYearsInDeeCycle = 33;

// One version of the calendar: the day its year 1 begins, its name (in
// labels, lists and messages) and its designation (the tag of its
// year-month-day dates and the value of the saved setting "Dee").
struct DeeVersion {
  int32_t epoch;
  std::string_view name;         // "Dee", "Dee-Cecil"
  std::string_view designation;  // "D", "DC"
  friend constexpr bool operator==(const DeeVersion&, const DeeVersion&) = default;
};
inline constexpr DeeVersion kDeeVersion{kDeeEpoch, "Dee", "D"};
inline constexpr DeeVersion kDeeCecilVersion{kDeeCecilEpoch, "Dee-Cecil", "DC"};
inline constexpr std::array<DeeVersion, 2> kDeeVersions{kDeeVersion, kDeeCecilVersion};

// The version with that designation ("D" or "DC", exactly), or null.
const DeeVersion* DeeVersionByDesignation(std::string_view designation);

// The arithmetic, inline: the conversions are called in bulk.
namespace dee_detail {
// Years and days are shifted by 70,000,000 cycles (2.31e9 years) so that every
// value is non-negative and the divisions below are plain unsigned ones.
inline constexpr uint64_t kCycleShift = 70'000'000;
inline constexpr uint64_t kYearShift = kYearsInDeeCycle * kCycleShift;
inline constexpr uint64_t kDayShift = kDaysInDeeCycle * kCycleShift;
static_assert(kYearShift > uint64_t{1} << 31 && kDayShift > uint64_t{1} << 32);

// Days from the start of the shifted year 0 to the start of shifted year y.
// Within a cycle the leap years are positions 3, 7, ..., 31 (years 4, 8, ...,
// 32), so the days before position p are 365p + p/4, which for p in [0:33]
// equals (12053p + 8) / 33; whole cycles add exactly 12,053 days.
constexpr uint64_t DaysBeforeShiftedYear(uint64_t y) { return (kDaysInDeeCycle * y + 8) / 33; }

constexpr uint64_t ShiftedYear(int32_t year) {
  return static_cast<uint64_t>(int64_t{year} - 1 + static_cast<int64_t>(kYearShift));
}

// The leap rule, on a shifted year: positions 3, 7, ..., 31 of each cycle.
constexpr bool IsLeapShiftedYear(uint64_t shifted_year) {
  return shifted_year % kYearsInDeeCycle % 4 == 3;
}

inline constexpr int16_t kDaysBeforeMonth[13] = {0,   0,   31,  59,  90,  120, 151,
                                                 181, 212, 243, 273, 304, 334};
}  // namespace dee_detail

constexpr bool IsDeeLeapYear(int32_t year) {
  return dee_detail::IsLeapShiftedYear(dee_detail::ShiftedYear(year));
}

// 28, 29, 30 or 31; 0 for a month outside 1 to 12.
constexpr int16_t DeeDaysInMonth(int16_t month, int32_t year) {
  constexpr int16_t kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const auto month_index = static_cast<uint16_t>(month - 1);
  if (month_index >= 12) return 0;
  return static_cast<int16_t>(kLengths[month_index] + (month == 2 && IsDeeLeapYear(year)));
}

// Whether the date exists: month 1 to 12, day 1 to the month's length.
constexpr bool IsDeeDate(int32_t year, int32_t month, int32_t day) {
  // The whole 32-bit month is checked: narrowing it first would let month
  // 65,537 pass as January. Days 1 to 28 exist in every month.
  return static_cast<uint32_t>(month) - 1 < 12 && day >= 1 &&
         (day <= 28 || day <= DeeDaysInMonth(static_cast<int16_t>(month), year));
}

// The day number of an existing date in the version of the given epoch, in
// 64 bits (it may not fit in 32).
constexpr int64_t DeeDayNumber(int32_t year, int32_t month, int32_t day, int32_t epoch) {
  const uint64_t shifted_year = dee_detail::ShiftedYear(year);
  const int64_t leap_day = month > 2 && dee_detail::IsLeapShiftedYear(shifted_year) ? 1 : 0;
  const int64_t days_before_year =
      static_cast<int64_t>(dee_detail::DaysBeforeShiftedYear(shifted_year) - dee_detail::kDayShift);
  return int64_t{epoch} + days_before_year + dee_detail::kDaysBeforeMonth[month] + leap_day + day -
         1;
}

using DeeDate = YearMonthDay;

// The date of a day number in the version of the given epoch.
constexpr DeeDate DeeDateOfDay(int32_t jdn, int32_t epoch) {
  using namespace dee_detail;
  const uint64_t days =
      static_cast<uint64_t>(int64_t{jdn} - epoch + static_cast<int64_t>(kDayShift));
  // The last shifted year that begins on or before this day: the inverse of
  // DaysBeforeShiftedYear, floor((12053y + 8) / 33) <= days.
  const uint64_t year = (33 * days + 24) / kDaysInDeeCycle;
  const uint64_t day_of_year = days - DaysBeforeShiftedYear(year);  // [0:365]
  const uint64_t leap = IsLeapShiftedYear(year) ? 1 : 0;
  // Counted from 1 March, with January and February as months 13 and 14 of
  // the year before, the month lengths follow a 153-day pattern of five
  // months; 2141/65536 is a close enough 5/153 that one multiplication gives
  // the month in the high half and the day in the low half.
  const uint64_t march_first = 59 + leap;
  const uint64_t january_or_february = day_of_year < march_first;
  // (Unsigned arithmetic wraps, so the sum is exact once all terms are in.)
  const auto day_from_march = static_cast<uint32_t>(day_of_year + 306 * january_or_february -
                                                    march_first * (1 - january_or_february));
  const uint32_t month_and_day = 2141 * day_from_march + 197913;
  return {static_cast<int32_t>(static_cast<int64_t>(year) - static_cast<int64_t>(kYearShift) + 1),
          static_cast<int32_t>((month_and_day >> 16) - 12 * january_or_february),
          static_cast<int32_t>((month_and_day & 0xFFFF) / 2141 + 1)};
}

// The same on the Date record. Reads year, month, day (not calendar); sets
// valid, and jdn when valid. An impossible date, or one whose day number
// would not fit in 32 bits, gets valid = 0 and keeps its old jdn.
constexpr DateStatus DeeDateToJDNWithStatus(DateRecord& date, int32_t epoch) {
  if (!IsDeeDate(date.year, date.month, date.day)) {
    date.valid = 0;
    return DateStatus::kNoSuchDate;
  }
  return StoreDayNumber(date, DeeDayNumber(date.year, date.month, date.day, epoch));
}

// Reads jdn (not calendar); sets year, month, day and valid = 1.
constexpr void DeeJDNToDate(DateRecord& date, int32_t epoch) {
  const DeeDate found = DeeDateOfDay(date.jdn, epoch);
  date.year = found.year;
  date.month = found.month;
  date.day = found.day;
  date.valid = 1;
}

// In a given version.
inline DateStatus DeeDateToJDNWithStatus(DateRecord& date, const DeeVersion& version) {
  return DeeDateToJDNWithStatus(date, version.epoch);
}
inline void DeeJDNToDate(DateRecord& date, const DeeVersion& version) {
  DeeJDNToDate(date, version.epoch);
}

}  // namespace orv
