#include "calendar/Persian.h"

#include <algorithm>
#include <cmath>

#include "astronomy/EquationOfTime.h"
#include "astronomy/SolEq.h"

namespace orv {
namespace {

constexpr int32_t kGregorianYearOfYearZero = 621;  // 1 AP begins in March 622
constexpr double kMeridianDays = 3.5 / 24.0;       // 52.5 E: 3h 30m ahead of Greenwich
constexpr double kMinutesPerDay = 1440.0;
// The range's mean year: the year starts lie within a day of the line
// through its two ends, on either side.
constexpr double kMeanYear = (kPersianLastDay + 1.0 - kPersianFirstDay) / kPersianLastYear;

// The civil day at 52.5 E on which the March equinox of year falls, and the
// minutes from that day's true noon to the equinox.
struct EquinoxDay {
  int32_t jdn;
  double minutes_after_noon;
};

EquinoxDay EquinoxDayOf(int32_t year) {
  const int32_t clamped = std::clamp(year, kPersianFirstYear, kPersianLastYear + 1);
  const int32_t gregorian_year = clamped + kGregorianYearOfYearZero;
  const double equinox = EquinoxUT(kMarchEquinox, gregorian_year);  // JD, UT
  const double delta_t = DeltaTMinutes(gregorian_year) / kMinutesPerDay;
  // A Julian day's number changes at noon; the civil day at the meridian
  // begins at its mean midnight, half a day and the meridian's time earlier.
  const auto day = static_cast<int32_t>(std::floor(equinox + kMeridianDays + 0.5));
  // True noon there: mean noon less the equation of time, taken at true noon
  // itself. The equation moves by under half a minute a day, so the second
  // pass already agrees with the first to a small fraction of a second.
  const double mean_noon = day - kMeridianDays;  // JD of 12:00 at 52.5 E, in UT
  double noon = mean_noon;
  for (int pass = 0; pass < 2; ++pass) {
    noon = mean_noon - EquationOfTimeMinutes(noon + delta_t) / kMinutesPerDay;
  }
  return {day, (equinox - noon) * kMinutesPerDay};
}

// [0:336]: the days from the first of the year to the first of the month.
constexpr int32_t DaysBeforeMonth(int32_t month) {
  return month <= 7 ? 31 * (month - 1) : 30 * (month - 1) + 6;
}

}  // namespace

int32_t PersianNewYear(int32_t year) {
  const EquinoxDay equinox = EquinoxDayOf(year);
  return equinox.minutes_after_noon < 0.0 ? equinox.jdn : equinox.jdn + 1;
}

double PersianEquinoxMinutesAfterNoon(int32_t year) {
  return EquinoxDayOf(year).minutes_after_noon;
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
  // Counted from the middle of the first day, the mean year puts the day in
  // its year or one next to it, either way; the equinoxes settle which. Year
  // 1 begins on the first day and 3379 after the last, so the corrections
  // stay inside [1:3378].
  auto year = static_cast<int32_t>(std::floor((jdn - kPersianFirstDay + 0.5) / kMeanYear)) + 1;
  year = std::clamp(year, kPersianFirstYear, kPersianLastYear);
  int32_t start = PersianNewYear(year);
  while (jdn < start) start = PersianNewYear(--year);
  int32_t next = PersianNewYear(year + 1);
  while (jdn >= next) {
    start = next;
    next = PersianNewYear(++year + 1);
  }
  const int32_t day_of_year = jdn - start;  // [0:365]
  if (day_of_year < 186) return {year, day_of_year / 31 + 1, day_of_year % 31 + 1};
  return {year, (day_of_year - 186) / 30 + 7, (day_of_year - 186) % 30 + 1};
}

}  // namespace orv
