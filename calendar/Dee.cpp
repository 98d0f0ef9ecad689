#include "calendar/Dee.h"

#include <algorithm>
#include <limits>

namespace orv {
namespace {

int32_t dee_epoch = kDeeCecilEpoch;

constexpr int64_t FloorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// Position of a year in its cycle, [0:32]; year 1 is position 0.
constexpr int64_t CyclePosition(int64_t year) {
  const int64_t position = (year - 1) % kYearsInDeeCycle;
  return position < 0 ? position + kYearsInDeeCycle : position;
}

constexpr int16_t kDaysBeforeMonth[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

constexpr int64_t kDaysInFourYears = 4 * 365 + 1;  // the fourth year of each four is the leap year

}  // namespace

int32_t DeeEpoch() { return dee_epoch; }
void SetDeeEpoch(int32_t epoch) { dee_epoch = epoch; }

bool IsDeeLeapYear(int32_t year) { return CyclePosition(year) % 4 == 3; }

int16_t DeeDaysInMonth(int16_t month, int32_t year) {
  switch (month) {
    case 2:
      return IsDeeLeapYear(year) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
      return 31;
    default:
      return 0;
  }
}

DateStatus DeeDateToJDNWithStatus(DateRecord& date) {
  // The whole 32-bit month is checked: narrowing it first would let month
  // 65,537 pass as January.
  if (date.month < 1 || date.month > 12 || date.day < 1 ||
      date.day > DeeDaysInMonth(static_cast<int16_t>(date.month), date.year)) {
    date.valid = 0;
    return DateStatus::kNoSuchDate;
  }
  const int64_t cycle = FloorDiv(int64_t{date.year} - 1, kYearsInDeeCycle);
  const int64_t position = CyclePosition(date.year);  // [0:32]
  const int64_t leap_day = date.month > 2 && IsDeeLeapYear(date.year) ? 1 : 0;
  const int64_t jdn = int64_t{dee_epoch} + cycle * kDaysInDeeCycle + 365 * position + position / 4 +
                      kDaysBeforeMonth[date.month] + leap_day + date.day - 1;
  if (jdn < std::numeric_limits<int32_t>::min() || jdn > std::numeric_limits<int32_t>::max()) {
    date.valid = 0;
    return DateStatus::kOutOfRange;
  }
  date.jdn = static_cast<int32_t>(jdn);
  date.valid = 1;
  return DateStatus::kValid;
}

bool DeeDateToJDN(DateRecord& date) { return DeeDateToJDNWithStatus(date) == DateStatus::kValid; }

void DeeJDNToDate(DateRecord& date) {
  // A cycle is eight groups of four years, each ending in its leap year
  // (8 * 1461 = 11,688 days), then one common year.
  const int64_t days = int64_t{date.jdn} - dee_epoch;
  const int64_t cycle = FloorDiv(days, kDaysInDeeCycle);
  const int64_t day_of_cycle = days - cycle * kDaysInDeeCycle;   // [0:12052]
  const int64_t group = day_of_cycle / kDaysInFourYears;         // [0:8]
  const int64_t day_of_group = day_of_cycle % kDaysInFourYears;  // [0:1460]
  const int64_t year_of_group = group == 8 ? 0 : std::min<int64_t>(day_of_group / 365, 3);
  const int64_t day_of_year = day_of_group - 365 * year_of_group;  // [0:365]
  const int64_t year = cycle * kYearsInDeeCycle + 4 * group + year_of_group + 1;
  const bool leap = year_of_group == 3;

  // Months from March repeat a 153-day pattern of five; January and February
  // come first in the year and are taken apart.
  int64_t month;
  int64_t day;
  const int64_t march_first = 59 + (leap ? 1 : 0);
  if (day_of_year >= march_first) {
    const int64_t day_from_march = day_of_year - march_first;         // [0:305]
    const int64_t month_from_march = (5 * day_from_march + 2) / 153;  // [0:9]
    day = day_from_march - (153 * month_from_march + 2) / 5 + 1;
    month = month_from_march + 3;
  } else if (day_of_year >= 31) {
    month = 2;
    day = day_of_year - 30;
  } else {
    month = 1;
    day = day_of_year + 1;
  }
  date.year = static_cast<int32_t>(year);
  date.month = static_cast<int32_t>(month);
  date.day = static_cast<int32_t>(day);
  date.valid = 1;
}

}  // namespace orv
