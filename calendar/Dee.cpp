#include "calendar/Dee.h"

#include <limits>

namespace orv {
namespace {

int32_t dee_epoch = kDeeCecilEpoch;

// Years and days are shifted by 70,000,000 cycles (2.31e9 years) so that every
// value is non-negative and the divisions below are plain unsigned ones.
constexpr uint64_t kCycleShift = 70'000'000;
constexpr uint64_t kYearShift = kYearsInDeeCycle * kCycleShift;
constexpr uint64_t kDayShift = kDaysInDeeCycle * kCycleShift;
static_assert(kYearShift > uint64_t{1} << 31 && kDayShift > uint64_t{1} << 32);

// Days from the start of the shifted year 0 to the start of shifted year y.
// Within a cycle the leap years are positions 3, 7, ..., 31 (years 4, 8, ...,
// 32), so the days before position p are 365p + p/4, which for p in [0:33]
// equals (12053p + 8) / 33; whole cycles add exactly 12,053 days.
constexpr uint64_t DaysBeforeShiftedYear(uint64_t y) { return (kDaysInDeeCycle * y + 8) / 33; }

constexpr uint64_t ShiftedYear(int32_t year) {
  return static_cast<uint64_t>(int64_t{year} - 1 + static_cast<int64_t>(kYearShift));
}

constexpr int16_t kDaysBeforeMonth[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

}  // namespace

int32_t DeeEpoch() { return dee_epoch; }
void SetDeeEpoch(int32_t epoch) { dee_epoch = epoch; }

const DeeVersion* DeeVersionByDesignation(std::string_view designation) {
  for (const DeeVersion& version : kDeeVersions) {
    if (version.designation == designation) return &version;
  }
  return nullptr;
}

DeeVersion DeeVersionInForce() {
  DeeVersion version = dee_epoch == kDeeEpoch ? kDeeVersion : kDeeCecilVersion;
  version.epoch = dee_epoch;
  return version;
}

void SetDeeVersion(const DeeVersion& version) { dee_epoch = version.epoch; }

bool IsDeeLeapYear(int32_t year) { return ShiftedYear(year) % kYearsInDeeCycle % 4 == 3; }

int16_t DeeDaysInMonth(int16_t month, int32_t year) {
  // A table rather than a switch: random months would mispredict the jump.
  static constexpr int16_t kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const auto month_index = static_cast<uint16_t>(month - 1);
  if (month_index >= 12) return 0;
  return static_cast<int16_t>(kLengths[month_index] + (month == 2 && IsDeeLeapYear(year)));
}

DateStatus DeeDateToJDNWithStatus(DateRecord& date, const DeeVersion& version) {
  // The whole 32-bit month is checked: narrowing it first would let month
  // 65,537 pass as January.
  if (date.month < 1 || date.month > 12 || date.day < 1 ||
      date.day > DeeDaysInMonth(static_cast<int16_t>(date.month), date.year)) {
    date.valid = 0;
    return DateStatus::kNoSuchDate;
  }
  const int64_t leap_day = date.month > 2 && IsDeeLeapYear(date.year) ? 1 : 0;
  const int64_t days_before_year =
      static_cast<int64_t>(DaysBeforeShiftedYear(ShiftedYear(date.year)) - kDayShift);
  const int64_t jdn = int64_t{version.epoch} + days_before_year + kDaysBeforeMonth[date.month] +
                      leap_day + date.day - 1;
  if (jdn < std::numeric_limits<int32_t>::min() || jdn > std::numeric_limits<int32_t>::max()) {
    date.valid = 0;
    return DateStatus::kOutOfRange;
  }
  date.jdn = static_cast<int32_t>(jdn);
  date.valid = 1;
  return DateStatus::kValid;
}

DateStatus DeeDateToJDNWithStatus(DateRecord& date) {
  return DeeDateToJDNWithStatus(date, DeeVersionInForce());
}

bool DeeDateToJDN(DateRecord& date) { return DeeDateToJDNWithStatus(date) == DateStatus::kValid; }

void DeeJDNToDate(DateRecord& date) { DeeJDNToDate(date, DeeVersionInForce()); }

void DeeJDNToDate(DateRecord& date, const DeeVersion& version) {
  const uint64_t days =
      static_cast<uint64_t>(int64_t{date.jdn} - version.epoch + static_cast<int64_t>(kDayShift));
  // The last shifted year that begins on or before this day: the inverse of
  // DaysBeforeShiftedYear, floor((12053y + 8) / 33) <= days.
  const uint64_t year = (33 * days + 24) / kDaysInDeeCycle;
  const uint64_t day_of_year = days - DaysBeforeShiftedYear(year);  // [0:365]
  const uint64_t leap = year % kYearsInDeeCycle % 4 == 3 ? 1 : 0;

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
  date.month = static_cast<int32_t>((month_and_day >> 16) - 12 * january_or_february);
  date.day = static_cast<int32_t>((month_and_day & 0xFFFF) / 2141 + 1);
  date.year =
      static_cast<int32_t>(static_cast<int64_t>(year) - static_cast<int64_t>(kYearShift) + 1);
  date.valid = 1;
}

}  // namespace orv
