// The Date record: the one small value every calendar operation passes.
//
// Six consecutive signed 32-bit fields and nothing else, so that the record can
// be handed by pointer to the C interface of the almanor library and read and
// written in place on both sides.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#ifdef __cplusplus
namespace orv {
#endif

struct DateRecord {
  int32_t year;      // astronomical: 1 = AD 1, 0 = 1 BC, -1 = 2 BC
  int32_t month;     // [1:12] when valid
  int32_t day;       // [1:31] when valid
  int32_t calendar;  // character code of the calendar letter: 'G' 71, 'J' 74, 'D' 68
  int32_t jdn;       // Julian day number; day 0 is -4712-01-01 Julian
  int32_t valid;     // exactly 1 when year, month, day name a day that exists
};

#ifdef __cplusplus
static_assert(sizeof(DateRecord) == 24, "the record is six 32-bit fields");
static_assert(std::is_standard_layout_v<DateRecord>);
static_assert(offsetof(DateRecord, year) == 0 && offsetof(DateRecord, month) == 4 &&
              offsetof(DateRecord, day) == 8 && offsetof(DateRecord, calendar) == 12 &&
              offsetof(DateRecord, jdn) == 16 && offsetof(DateRecord, valid) == 20);

// Calendar codes as they stand in DateRecord::calendar.
inline constexpr int32_t kGregorianCode = 'G';
inline constexpr int32_t kJulianCode = 'J';
inline constexpr int32_t kDeeCode = 'D';

}  // namespace orv
#endif
