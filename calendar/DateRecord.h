// The Date record: the one small value every calendar operation passes.
//
// Six consecutive signed 32-bit fields and nothing else. The layout matches
// the record of the almanor library (platform/almanor/almanor.h) field for
// field, so the calendar code can hand its contents over unchanged.
#pragma once

#include <climits>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "calendar/DateStatus.h"

namespace orv {

struct DateRecord {
  int32_t year;      // astronomical: 1 = AD 1, 0 = 1 BC, -1 = 2 BC
  int32_t month;     // [1:12] when valid
  int32_t day;       // [1:31] when valid
  int32_t calendar;  // character code of the calendar letter: 'G' 71, 'J' 74, 'D' 68
  int32_t jdn;       // Julian day number; day 0 is -4712-01-01 Julian
  int32_t valid;     // exactly 1 when year, month, day name a day that exists
};

static_assert(sizeof(DateRecord) == 24, "the record is six 32-bit fields");
static_assert(std::is_standard_layout_v<DateRecord>);
static_assert(offsetof(DateRecord, year) == 0 && offsetof(DateRecord, month) == 4 &&
              offsetof(DateRecord, day) == 8 && offsetof(DateRecord, calendar) == 12 &&
              offsetof(DateRecord, jdn) == 16 && offsetof(DateRecord, valid) == 20);

// Calendar codes as they stand in DateRecord::calendar. 'D' means whichever
// Dee version is in force (calendar/Dee.h).
inline constexpr int32_t kGregorianCode = 'G';
inline constexpr int32_t kJulianCode = 'J';
inline constexpr int32_t kDeeCode = 'D';

// Gives the record a computed day number: valid with the number when it fits
// in 32 bits, else invalid with its old number kept.
constexpr DateStatus StoreDayNumber(DateRecord& date, int64_t jdn) {
  if (jdn < INT32_MIN || jdn > INT32_MAX) {
    date.valid = 0;
    return DateStatus::kOutOfRange;
  }
  date.jdn = static_cast<int32_t>(jdn);
  date.valid = 1;
  return DateStatus::kValid;
}

}  // namespace orv
