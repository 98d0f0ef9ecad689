#include "calendar/SkyNewYears.h"

#include <algorithm>
#include <cmath>

#include "astronomy/EquationOfTime.h"
#include "astronomy/SolEq.h"
#include "calendar/FrenchRepublican.h"
#include "calendar/Persian.h"

namespace orv {
namespace {

constexpr double kMinutesPerDay = 1440.0;

namespace persian {
constexpr int32_t kGregorianYearOfYearZero = 621;  // 1 AP begins in March 622
constexpr double kMeridianDays = 3.5 / 24.0;       // 52.5 E: 3h 30m ahead of Greenwich

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

}  // namespace persian

namespace french {
constexpr int32_t kGregorianYearOfYearZero = 1791;  // year I begins in September 1792
// The Paris Observatory, 2 deg 20' 14" E, as time: 9m 20.93s.
constexpr double kParisMinutes = (2.0 + 20.0 / 60.0 + 14.0 / 3600.0) * 4.0;

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

}  // namespace french

}  // namespace

int32_t ComputedPersianNewYear(int32_t year) {
  const persian::EquinoxDay equinox = persian::EquinoxDayOf(year);
  return equinox.minutes_after_noon < 0.0 ? equinox.jdn : equinox.jdn + 1;
}

double PersianEquinoxMinutesAfterNoon(int32_t year) {
  return persian::EquinoxDayOf(year).minutes_after_noon;
}

int32_t ComputedFrenchRepublicanNewYear(int32_t year) { return french::EquinoxDayOf(year).jdn; }

double FrenchRepublicanEquinoxMinutesAfterMidnight(int32_t year) {
  return french::EquinoxDayOf(year).minutes_after_midnight;
}

}  // namespace orv
