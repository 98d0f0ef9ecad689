// The C interface over the inline day counts of almanor_engine.h.
#include "platform/almanor/almanor.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/almanor/almanor_engine.h"

namespace {

static_assert(sizeof(almanor_date) == 24, "the record is six 32-bit fields");

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
  if (!almanor::IsDate(date->year, date->month, date->day, gregorian)) {
    date->valid = 0;
    return ALMANOR_NO_SUCH_DATE;
  }
  const int64_t jdn = almanor::ToJDN(date->year, date->month, date->day, gregorian);
  if (!almanor::FitsIn32Bits(jdn)) {
    date->valid = 0;
    return ALMANOR_OUT_OF_RANGE;
  }
  date->jdn = static_cast<int32_t>(jdn);
  date->valid = 1;
  return ALMANOR_OK;
}

int32_t jdn_to_euro_date(almanor_date* date) {
  if (date == nullptr) return ALMANOR_BAD_ARGUMENT;
  const bool gregorian = date->calendar == ALMANOR_GREGORIAN;
  if (!gregorian && date->calendar != ALMANOR_JULIAN) return ALMANOR_UNKNOWN_CALENDAR;
  const almanor::Date found = almanor::FromJDN(date->jdn, gregorian);
  date->year = found.year;
  date->month = found.month;
  date->day = found.day;
  return ALMANOR_OK;
}

int32_t euro_day_of_week(int32_t jdn) { return almanor::DayOfWeek(jdn); }

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
