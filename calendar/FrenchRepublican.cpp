#include "calendar/FrenchRepublican.h"

#include <algorithm>

#include "sky_new_years.inc"  // kFrenchRepublicanNewYears, made from calendar/SkyNewYears.cpp

namespace orv {
int32_t FrenchRepublicanNewYear(int32_t year) {
  return kFrenchRepublicanNewYears[static_cast<size_t>(
      std::clamp(year, kFrenchRepublicanFirstYear, kFrenchRepublicanLastYear + 1) -
      kFrenchRepublicanFirstYear)];
}

bool IsFrenchRepublicanLeapYear(int32_t year) {
  if (year < kFrenchRepublicanFirstYear || year > kFrenchRepublicanLastYear) return false;
  return FrenchRepublicanNewYear(year + 1) - FrenchRepublicanNewYear(year) == 366;
}

int32_t FrenchRepublicanDaysInMonth(int32_t month, int32_t year) {
  if (year < kFrenchRepublicanFirstYear || year > kFrenchRepublicanLastYear || month < 1 ||
      month > 13) {
    return 0;
  }
  if (month <= 12) return 30;
  return IsFrenchRepublicanLeapYear(year) ? 6 : 5;
}

bool IsFrenchRepublicanDate(int32_t year, int32_t month, int32_t day) {
  // Only the sixth complementary day needs the equinoxes.
  if (year < kFrenchRepublicanFirstYear || year > kFrenchRepublicanLastYear || month < 1 ||
      month > 13 || day < 1) {
    return false;
  }
  return day <= (month <= 12 ? 30 : 5) || day <= FrenchRepublicanDaysInMonth(month, year);
}

int64_t FrenchRepublicanDayNumber(int32_t year, int32_t month, int32_t day) {
  return int64_t{FrenchRepublicanNewYear(year)} + 30 * (month - 1) + day - 1;
}

YearMonthDay FrenchRepublicanDateOfDay(int32_t jdn) {
  if (jdn < kFrenchRepublicanFirstDay || jdn > kFrenchRepublicanLastDay) return {0, 0, 0};
  // The last year that begins on or before the day.
  const auto next =
      std::upper_bound(kFrenchRepublicanNewYears.begin(), kFrenchRepublicanNewYears.end(), jdn);
  const auto year = static_cast<int32_t>(next - kFrenchRepublicanNewYears.begin());  // [1:2208]
  const int32_t start = *(next - 1);
  const int32_t day_of_year = jdn - start;  // [0:365]
  return {year, day_of_year / 30 + 1, day_of_year % 30 + 1};
}

}  // namespace orv
