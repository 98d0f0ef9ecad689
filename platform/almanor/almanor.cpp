// Closed-form day counts after the days-from-civil / civil-from-days method:
// years are counted from 1 March, so the leap day is the last day of its year
// and the months March..February follow a 153-day pattern of five months.
//
// Years and day counts are first shifted by a whole number of leap cycles so
// that every value is non-negative; then all divisions are unsigned (no
// rounding towards zero to correct, no branches) and 64 bits wide, which no
// 32-bit year or day number can overflow.
#include "platform/almanor/almanor.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

static_assert(sizeof(almanor_date) == 24, "the record is six 32-bit fields");

constexpr int64_t kGregorianMarchFirstOfYearZero = 1721120;  // JDN of 0000-03-01 Gregorian
constexpr int64_t kJulianMarchFirstOfYearZero = 1721118;     // JDN of 0000-03-01 Julian

// 5,500,000 cycles of 400 and 550,000,000 of 4 years: 2.2e9 years, more than
// any 32-bit year below zero.
constexpr uint64_t kGregorianCycleShift = 5'500'000;
constexpr uint64_t kJulianCycleShift = 550'000'000;
constexpr uint64_t kGregorianYearShift = 400 * kGregorianCycleShift;
constexpr uint64_t kJulianYearShift = 4 * kJulianCycleShift;
constexpr uint64_t kGregorianDayShift = 146097 * kGregorianCycleShift;
constexpr uint64_t kJulianDayShift = 1461 * kJulianCycleShift;
static_assert(kGregorianYearShift > uint64_t{1} << 31 && kJulianYearShift > uint64_t{1} << 31);
static_assert(kGregorianDayShift > uint64_t{1} << 32 && kJulianDayShift > uint64_t{1} << 32);

// Bitwise rather than short-circuit operators: the tests compile to plain
// arithmetic instead of branches that random dates would mispredict.
// A Gregorian year divisible by 100 is a leap year when divisible by 16 (that
// is, by 400); others when divisible by 4.
constexpr bool IsLeapYear(int32_t year, bool gregorian) {
  const int32_t mask = gregorian && year % 25 == 0 ? 15 : 3;
  return (year & mask) == 0;
}

// Padded to 16 so that any index masked with 15 is inside the table.
constexpr int32_t kMonthLengths[16] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 0, 0, 0, 0};

// The length of the month, or 0 when month is not 1 to 12.
constexpr int32_t DaysInMonth(int32_t month, int32_t year, bool gregorian) {
  const uint32_t month_index = static_cast<uint32_t>(month) - 1;
  const int32_t length =
      kMonthLengths[month_index & 15] + ((month == 2) & IsLeapYear(year, gregorian));
  return month_index < 12 ? length : 0;
}

// Day of the March-based year on which a month begins: March 0, April 31, ...
// February 337. month [1:12]. January and February count as months 13 and 14
// of the year before (arithmetic on the comparison rather than a conditional,
// which the compiler would turn into a branch that random dates mispredict).
constexpr uint64_t DaysBeforeMonthFromMarch(int32_t month) {
  const uint64_t month_of_march_year = static_cast<uint64_t>(month + 12 * (month <= 2));  // [3:14]
  return (979 * month_of_march_year - 2919) / 32;                                         // [0:337]
}

// The shifted March-based year of a date: year - 1 for January and February.
constexpr uint64_t ShiftedMarchYear(int32_t year, int32_t month, uint64_t shift) {
  return static_cast<uint64_t>(int64_t{year} - (month <= 2) + static_cast<int64_t>(shift));
}

int64_t GregorianToJDN(int32_t year, int32_t month, int32_t day) {
  const uint64_t y = ShiftedMarchYear(year, month, kGregorianYearShift);
  const uint64_t century = y / 100;
  const uint64_t days_before_year = 1461 * y / 4 - century + century / 4;
  const uint64_t days = days_before_year + DaysBeforeMonthFromMarch(month) + (day - 1);
  return static_cast<int64_t>(days - kGregorianDayShift) + kGregorianMarchFirstOfYearZero;
}

int64_t JulianToJDN(int32_t year, int32_t month, int32_t day) {
  const uint64_t y = ShiftedMarchYear(year, month, kJulianYearShift);
  const uint64_t days_before_year = 1461 * y / 4;
  const uint64_t days = days_before_year + DaysBeforeMonthFromMarch(month) + (day - 1);
  return static_cast<int64_t>(days - kJulianDayShift) + kJulianMarchFirstOfYearZero;
}

// Month and day from the day of a March-based year, and the calendar year.
// 2141/65536 is a close enough 5/153 that one multiplication gives the month
// in the high half and the day in the low half.
void SetFromMarchBasedDay(almanor_date* date, int64_t march_year, uint32_t day_of_year) {
  const uint32_t month_and_day = 2141 * day_of_year + 197913;
  const uint32_t month_of_march_year = month_and_day >> 16;  // [3:14]
  const bool january_or_february = day_of_year >= 306;
  date->month = static_cast<int32_t>(month_of_march_year - 12 * january_or_february);
  date->day = static_cast<int32_t>((month_and_day & 0xFFFF) / 2141 + 1);
  date->year = static_cast<int32_t>(march_year + january_or_february);
}

// Centuries first, then years in the century, each by one multiplication
// (the Euclidean affine method of Neri and Schneider, 2022).
void GregorianFromJDN(almanor_date* date) {
  const uint64_t days = static_cast<uint64_t>(int64_t{date->jdn} - kGregorianMarchFirstOfYearZero +
                                              static_cast<int64_t>(kGregorianDayShift));
  const uint64_t quarter_days = 4 * days + 3;
  const uint64_t century = quarter_days / 146097;
  const uint32_t day_of_century = static_cast<uint32_t>(quarter_days % 146097 / 4);  // [0:36524]
  const uint64_t scaled = uint64_t{2939745} * (4 * day_of_century + 3);
  const uint32_t year_of_century = static_cast<uint32_t>(scaled >> 32);                   // [0:99]
  const uint32_t day_of_year = static_cast<uint32_t>(scaled & 0xFFFFFFFF) / 2939745 / 4;  // [0:365]
  const int64_t march_year = static_cast<int64_t>(100 * century + year_of_century) -
                             static_cast<int64_t>(kGregorianYearShift);
  SetFromMarchBasedDay(date, march_year, day_of_year);
}

void JulianFromJDN(almanor_date* date) {
  const uint64_t days = static_cast<uint64_t>(int64_t{date->jdn} - kJulianMarchFirstOfYearZero +
                                              static_cast<int64_t>(kJulianDayShift));
  const uint64_t year = (4 * days + 3) / 1461;          // the last year begun by this day
  const uint64_t day_of_year = days - 1461 * year / 4;  // [0:365]
  SetFromMarchBasedDay(date, static_cast<int64_t>(year) - static_cast<int64_t>(kJulianYearShift),
                       day_of_year);
}

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

extern "C" {

int32_t euro_date_to_jdn(almanor_date* date) {
  if (date == nullptr) return ALMANOR_BAD_ARGUMENT;
  const bool gregorian = date->calendar == ALMANOR_GREGORIAN;
  if (!gregorian && date->calendar != ALMANOR_JULIAN) {
    date->valid = 0;
    return ALMANOR_UNKNOWN_CALENDAR;
  }
  const int32_t month_length = DaysInMonth(date->month, date->year, gregorian);
  if (static_cast<uint32_t>(date->day) - 1 >= static_cast<uint32_t>(month_length)) {
    date->valid = 0;
    return ALMANOR_NO_SUCH_DATE;
  }
  const int64_t jdn = gregorian ? GregorianToJDN(date->year, date->month, date->day)
                                : JulianToJDN(date->year, date->month, date->day);
  if (jdn < std::numeric_limits<int32_t>::min() || jdn > std::numeric_limits<int32_t>::max()) {
    date->valid = 0;
    return ALMANOR_OUT_OF_RANGE;
  }
  date->jdn = static_cast<int32_t>(jdn);
  date->valid = 1;
  return ALMANOR_OK;
}

int32_t jdn_to_euro_date(almanor_date* date) {
  if (date == nullptr) return ALMANOR_BAD_ARGUMENT;
  if (date->calendar == ALMANOR_GREGORIAN) {
    GregorianFromJDN(date);
  } else if (date->calendar == ALMANOR_JULIAN) {
    JulianFromJDN(date);
  } else {
    return ALMANOR_UNKNOWN_CALENDAR;
  }
  return ALMANOR_OK;
}

int32_t euro_day_of_week(int32_t jdn) {
  const int64_t weekday = (int64_t{jdn} + 1) % 7;
  return static_cast<int32_t>(weekday < 0 ? weekday + 7 : weekday);
}

int32_t separate_thousands(const char* number, int32_t separator, char* out) {
  if (out == nullptr) return ALMANOR_BAD_ARGUMENT;
  out[0] = '\0';
  if (number == nullptr) return ALMANOR_BAD_ARGUMENT;

  // One character more than fits tells "too long" without reading further.
  const size_t length = strnlen(number, ALMANOR_GROUPED_CAPACITY + 1);
  const bool negative = length > 0 && number[0] == '-';
  const char* digits = number + (negative ? 1 : 0);
  const size_t digit_count = length - (negative ? 1 : 0);
  bool is_number = digit_count > 0;
  for (size_t i = 0; i < digit_count && is_number; ++i) is_number = IsAsciiDigit(digits[i]);
  const bool printable_separator = separator >= 32 && separator <= 126;

  if (!is_number || !printable_separator) {
    if (length > ALMANOR_GROUPED_CAPACITY) return ALMANOR_BAD_ARGUMENT;
    std::memcpy(out, number, length);
    out[length] = '\0';
    return ALMANOR_BAD_ARGUMENT;
  }

  const size_t grouped_length = length + (digit_count - 1) / 3;
  if (grouped_length > ALMANOR_GROUPED_CAPACITY) return ALMANOR_BAD_ARGUMENT;

  char* write = out;
  if (negative) *write++ = '-';
  for (size_t i = 0; i < digit_count; ++i) {
    if (i > 0 && (digit_count - i) % 3 == 0) *write++ = static_cast<char>(separator);
    *write++ = digits[i];
  }
  *write = '\0';
  return ALMANOR_OK;
}

}  // extern "C"
