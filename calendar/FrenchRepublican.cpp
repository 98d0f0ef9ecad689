#include "calendar/FrenchRepublican.h"

#include <algorithm>
#include <cmath>

#include "astronomy/EquationOfTime.h"
#include "astronomy/SolEq.h"

namespace orv {
namespace {

constexpr int32_t kGregorianYearOfYearZero = 1791;  // year I begins in September 1792
constexpr double kMinutesPerDay = 1440.0;
// The Paris Observatory, 2 deg 20' 14" E, as time: 9m 20.93s.
constexpr double kParisMinutes = (2.0 + 20.0 / 60.0 + 14.0 / 3600.0) * 4.0;
// The range's mean year: the year starts lie within a day of the line
// through its two ends.
constexpr double kMeanYear =
    (kFrenchRepublicanLastDay + 1.0 - kFrenchRepublicanFirstDay) / kFrenchRepublicanLastYear;

// The civil day of Paris apparent time on which the September equinox of
// year falls, and the apparent time of the equinox in minutes after that
// day's apparent midnight.
struct EquinoxDay {
  int32_t jdn;
  double minutes_after_midnight;  // [0:1440)
};

EquinoxDay EquinoxDayOf(int32_t year) {
  const int32_t clamped =
      std::clamp(year, kFrenchRepublicanFirstYear, kFrenchRepublicanLastYear + 1);
  const int32_t gregorian_year = clamped + kGregorianYearOfYearZero;
  const double equinox = EquinoxUT(kSeptemberEquinox, gregorian_year);  // JD, UT
  const double jde = equinox + DeltaTMinutes(gregorian_year) / kMinutesPerDay;
  // Paris apparent time as a Julian date, whose number changes at noon: half
  // a day later, it changes at apparent midnight.
  const double apparent = equinox + (kParisMinutes + EquationOfTimeMinutes(jde)) / kMinutesPerDay;
  const double from_midnight = apparent + 0.5;
  const double day = std::floor(from_midnight);
  return {static_cast<int32_t>(day), (from_midnight - day) * kMinutesPerDay};
}

}  // namespace

int32_t FrenchRepublicanNewYear(int32_t year) { return EquinoxDayOf(year).jdn; }

double FrenchRepublicanEquinoxMinutesAfterMidnight(int32_t year) {
  return EquinoxDayOf(year).minutes_after_midnight;
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
  // Counted from the middle of the first day, the mean year puts the day in
  // its year or one next to it (in this range, the year before at worst);
  // the equinoxes settle which. Year 1 begins on the first day and 2209 after
  // the last, so the corrections stay inside [1:2208].
  auto year =
      static_cast<int32_t>(std::floor((jdn - kFrenchRepublicanFirstDay + 0.5) / kMeanYear)) + 1;
  year = std::clamp(year, kFrenchRepublicanFirstYear, kFrenchRepublicanLastYear);
  int32_t start = FrenchRepublicanNewYear(year);
  while (jdn < start) start = FrenchRepublicanNewYear(--year);
  int32_t next = FrenchRepublicanNewYear(year + 1);
  while (jdn >= next) {
    start = next;
    next = FrenchRepublicanNewYear(++year + 1);
  }
  const int32_t day_of_year = jdn - start;  // [0:365]
  return {year, day_of_year / 30 + 1, day_of_year % 30 + 1};
}

}  // namespace orv
