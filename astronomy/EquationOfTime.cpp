#include "astronomy/EquationOfTime.h"

#include <cmath>

namespace orv {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerCentury = 36525.0;

constexpr double Radians(double degrees) { return degrees * (kPi / 180.0); }
constexpr double Degrees(double radians) { return radians * (180.0 / kPi); }
constexpr double ArcSeconds(double seconds) { return seconds / 3600.0; }

// The angle in degrees brought to [0:360): the polynomials in time reach
// hundreds of thousands of degrees, and the sines keep their precision better
// on a small argument.
double Reduced(double degrees) {
  const double reduced = std::fmod(degrees, 360.0);
  return reduced < 0.0 ? reduced + 360.0 : reduced;
}

}  // namespace

double EquationOfTimeMinutes(double jde) {
  const double t = (jde - kJ2000) / kDaysPerCentury;  // Julian centuries of TD
  const double tau = t / 10.0;                        // Julian millennia

  // The Sun's mean longitude (28.2), which the mean Sun of the clock follows.
  const double mean_longitude = Reduced(
      280.4664567 +
      tau * (360007.6982779 +
             tau * (0.03032028 + tau * (1.0 / 49931.0 + tau * (-1.0 / 15300.0 - tau / 2e6)))));

  // The true Sun (25.3 to 25.5): mean anomaly, equation of the centre, and
  // the distance in AU, which the aberration depends on.
  const double mean_anomaly = Radians(Reduced(357.52911 + t * (35999.05029 - 0.0001537 * t)));
  const double centre = (1.914602 - t * (0.004817 + 0.000014 * t)) * std::sin(mean_anomaly) +
                        (0.019993 - 0.000101 * t) * std::sin(2.0 * mean_anomaly) +
                        0.000289 * std::sin(3.0 * mean_anomaly);
  const double eccentricity = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
  const double distance = 1.000001018 * (1.0 - eccentricity * eccentricity) /
                          (1.0 + eccentricity * std::cos(mean_anomaly + Radians(centre)));

  // Nutation and the obliquity of the ecliptic (22.2 and the short series of
  // chapter 22): the Moon's node, the mean longitudes of the Sun and Moon.
  const double node =
      Radians(Reduced(125.04452 + t * (-1934.136261 + t * (0.0020708 + t / 450000.0))));
  const double sun = Radians(Reduced(280.4665 + 36000.7698 * t));
  const double moon = Radians(Reduced(218.3165 + 481267.8813 * t));
  const double nutation_in_longitude =
      ArcSeconds(-17.20 * std::sin(node) - 1.32 * std::sin(2.0 * sun) -
                 0.23 * std::sin(2.0 * moon) + 0.21 * std::sin(2.0 * node));
  const double nutation_in_obliquity =
      ArcSeconds(9.20 * std::cos(node) + 0.57 * std::cos(2.0 * sun) + 0.10 * std::cos(2.0 * moon) -
                 0.09 * std::cos(2.0 * node));
  const double mean_obliquity =
      23.0 + 26.0 / 60.0 + ArcSeconds(21.448 + t * (-46.8150 + t * (-0.00059 + 0.001813 * t)));
  const double obliquity = Radians(mean_obliquity + nutation_in_obliquity);

  // The apparent longitude: true longitude, aberration (20.4898" at 1 AU),
  // nutation; then the right ascension (13.3, the latitude taken as zero).
  const double apparent_longitude =
      Radians(mean_longitude + centre - ArcSeconds(20.4898) / distance + nutation_in_longitude);
  const double right_ascension = Reduced(Degrees(std::atan2(
      std::cos(obliquity) * std::sin(apparent_longitude), std::cos(apparent_longitude))));

  // 28.3, in degrees; the two longitudes are each in [0:360), so the
  // difference is brought back to [-180:180) before it becomes time.
  double equation =
      mean_longitude - 0.0057183 - right_ascension + nutation_in_longitude * std::cos(obliquity);
  equation = Reduced(equation + 180.0) - 180.0;
  return 4.0 * equation;  // a degree is four minutes of time
}

}  // namespace orv
