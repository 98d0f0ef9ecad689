// Closed-form day counts after the civil-from-days / days-from-civil method:
// years are counted from 1 March, so the leap day is the last day of its year
// and the month lengths March..January repeat in a 153-day pattern of five
// months. Every step is done in 64 bits, which no 32-bit year or JDN can
// overflow.
#include "platform/almanor/almanor.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

static_assert(sizeof(almanor_date) == 24, "the record is six 32-bit fields");

constexpr int64_t kGregorianMarchFirstOfYearZero = 1721120;  // JDN of 0000-03-01 Gregorian
constexpr int64_t kJulianMarchFirstOfYearZero = 1721118;     // JDN of 0000-03-01 Julian
constexpr int64_t kDaysIn400GregorianYears = 146097;
constexpr int64_t kDaysIn4JulianYears = 1461;

// Floor division for a positive divisor.
constexpr int64_t FloorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

constexpr bool IsLeapYear(int64_t year, bool gregorian) {
  if (year % 4 != 0) return false;
  return !gregorian || year % 100 != 0 || year % 400 == 0;
}

constexpr int32_t DaysInMonth(int32_t month, int64_t year, bool gregorian) {
  constexpr int32_t kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && IsLeapYear(year, gregorian)) return 29;
  return kLengths[month - 1];
}

// Day of the March-based year of the first day of a month: March 0, April 31,
// ... February 337. [0:337]
constexpr int64_t DaysBeforeMonthFromMarch(int32_t month) {
  const int64_t month_from_march = month > 2 ? month - 3 : month + 9;  // [0:11]
  return (153 * month_from_march + 2) / 5;
}

int64_t GregorianToJDN(int64_t year, int32_t month, int32_t day) {
  const int64_t march_year = month <= 2 ? year - 1 : year;
  const int64_t era = FloorDiv(march_year, 400);
  const int64_t year_of_era = march_year - era * 400;                     // [0:399]
  const int64_t day_of_year = DaysBeforeMonthFromMarch(month) + day - 1;  // [0:365]
  const int64_t day_of_era =
      year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;  // [0:146096]
  return era * kDaysIn400GregorianYears + day_of_era + kGregorianMarchFirstOfYearZero;
}

int64_t JulianToJDN(int64_t year, int32_t month, int32_t day) {
  const int64_t march_year = month <= 2 ? year - 1 : year;
  const int64_t era = FloorDiv(march_year, 4);
  const int64_t year_of_era = march_year - era * 4;                       // [0:3]
  const int64_t day_of_year = DaysBeforeMonthFromMarch(month) + day - 1;  // [0:365]
  return era * kDaysIn4JulianYears + year_of_era * 365 + day_of_year + kJulianMarchFirstOfYearZero;
}

// Month and day from the day of a March-based year, and the calendar year.
void SetFromMarchBasedDay(almanor_date* date, int64_t march_year, int64_t day_of_year) {
  const int64_t month_from_march = (5 * day_of_year + 2) / 153;            // [0:11]
  const int64_t day = day_of_year - (153 * month_from_march + 2) / 5 + 1;  // [1:31]
  const int64_t month = month_from_march < 10 ? month_from_march + 3 : month_from_march - 9;
  date->year = static_cast<int32_t>(month <= 2 ? march_year + 1 : march_year);
  date->month = static_cast<int32_t>(month);
  date->day = static_cast<int32_t>(day);
}

void GregorianFromJDN(almanor_date* date) {
  const int64_t days = int64_t{date->jdn} - kGregorianMarchFirstOfYearZero;
  const int64_t era = FloorDiv(days, kDaysIn400GregorianYears);
  const int64_t day_of_era = days - era * kDaysIn400GregorianYears;  // [0:146096]
  const int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;  // [0:399]
  const int64_t day_of_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);  // [0:365]
  SetFromMarchBasedDay(date, era * 400 + year_of_era, day_of_year);
}

void JulianFromJDN(almanor_date* date) {
  const int64_t days = int64_t{date->jdn} - kJulianMarchFirstOfYearZero;
  const int64_t era = FloorDiv(days, kDaysIn4JulianYears);
  const int64_t day_of_era = days - era * kDaysIn4JulianYears;         // [0:1460]
  const int64_t year_of_era = (day_of_era - day_of_era / 1460) / 365;  // [0:3]
  const int64_t day_of_year = day_of_era - 365 * year_of_era;          // [0:365]
  SetFromMarchBasedDay(date, era * 4 + year_of_era, day_of_year);
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
  if (date->month < 1 || date->month > 12 || date->day < 1 ||
      date->day > DaysInMonth(date->month, date->year, gregorian)) {
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
