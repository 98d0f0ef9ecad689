#include "calendar/Persian.h"

#include <algorithm>

#include "sky_new_years.inc"  // kPersianNewYears, made from calendar/SkyNewYears.cpp

namespace orv {
namespace {

// [0:336]: the days from the first of the year to the first of the month.
constexpr int32_t DaysBeforeMonth(int32_t month) {
  return month <= 7 ? 31 * (month - 1) : 30 * (month - 1) + 6;
}

}  // namespace

int32_t PersianNewYear(int32_t year) {
  return kPersianNewYears[static_cast<size_t>(
      std::clamp(year, kPersianFirstYear, kPersianLastYear + 1) - kPersianFirstYear)];
}

bool IsPersianLeapYear(int32_t year) {
  if (year < kPersianFirstYear || year > kPersianLastYear) return false;
  return PersianNewYear(year + 1) - PersianNewYear(year) == 366;
}

int32_t PersianDaysInMonth(int32_t month, int32_t year) {
  if (year < kPersianFirstYear || year > kPersianLastYear || month < 1 || month > 12) return 0;
  if (month <= 6) return 31;
  if (month <= 11) return 30;
  return IsPersianLeapYear(year) ? 30 : 29;
}

bool IsPersianDate(int32_t year, int32_t month, int32_t day) {
  // Days 1 to 29 exist in every month of every year of the range: only 30
  // Esfand needs the equinoxes.
  if (year < kPersianFirstYear || year > kPersianLastYear || month < 1 || month > 12 || day < 1) {
    return false;
  }
  return day <= 29 || day <= PersianDaysInMonth(month, year);
}

int64_t PersianDayNumber(int32_t year, int32_t month, int32_t day) {
  return int64_t{PersianNewYear(year)} + DaysBeforeMonth(month) + day - 1;
}

YearMonthDay PersianDateOfDay(int32_t jdn) {
  if (jdn < kPersianFirstDay || jdn > kPersianLastDay) return {0, 0, 0};
  // The last year that begins on or before the day.
  const auto next = std::upper_bound(kPersianNewYears.begin(), kPersianNewYears.end(), jdn);
  const auto year = static_cast<int32_t>(next - kPersianNewYears.begin());  // [1:3378]
  const int32_t start = *(next - 1);
  const int32_t day_of_year = jdn - start;  // [0:365]
  if (day_of_year < 186) return {year, day_of_year / 31 + 1, day_of_year % 31 + 1};
  return {year, (day_of_year - 186) / 30 + 7, (day_of_year - 186) % 30 + 1};
}

}  // namespace orv
