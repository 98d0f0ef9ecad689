#include "astronomy/SolEq.h"

#include <array>
#include <cmath>

#include "platform/skyreck/skyreck.h"

namespace orv {
namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr int kTerms = 24;

// Meeus, Table 27.C: amplitude A (units of 0.00001 day), phase B and rate C
// (degrees; C per Julian century).
constexpr double kTermsInDegrees[kTerms][3] = {
    {485, 324.96, 1934.136},  {203, 337.23, 32964.467}, {199, 342.08, 20.186},
    {182, 27.85, 445267.112}, {156, 73.14, 45036.886},  {136, 171.52, 22518.443},
    {77, 222.54, 65928.934},  {74, 296.72, 3034.906},   {70, 243.58, 9037.513},
    {58, 119.81, 33718.147},  {52, 297.17, 150.678},    {50, 21.02, 2281.226},
    {45, 247.54, 29929.562},  {44, 325.15, 31555.956},  {29, 60.93, 4443.417},
    {18, 155.12, 67555.328},  {17, 288.79, 4562.452},   {16, 198.04, 62894.029},
    {14, 199.76, 31436.921},  {12, 95.39, 14577.848},   {12, 287.11, 31931.756},
    {12, 320.81, 34777.259},  {9, 227.73, 1222.114},    {8, 15.45, 16859.074}};

// Meeus, Tables 27.A (years -1000 to 1000, Y = year / 1000) and 27.B
// (1000 to 3000, Y = (year - 2000) / 1000; used on to 4000): JDE0 as
// a0 + a1 Y + a2 Y^2 + a3 Y^3 + a4 Y^4, rows March, June, September, December.
constexpr double kBefore1000[4][5] = {{1721139.29189, 365242.13740, 0.06134, 0.00111, -0.00071},
                                      {1721233.25401, 365241.72562, -0.05323, 0.00907, 0.00025},
                                      {1721325.70455, 365242.49558, -0.11677, -0.00297, 0.00074},
                                      {1721414.39987, 365242.88257, -0.00769, -0.00933, -0.00006}};
constexpr double kFrom1000[4][5] = {{2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057},
                                    {2451716.56767, 365241.62603, 0.00325, 0.00888, -0.00030},
                                    {2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078},
                                    {2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032}};

constexpr double Radians(double degrees) { return degrees / 360.0 * kTwoPi; }

struct Term {
  double amplitude, phase, rate;  // phase and rate in radians
};

// The terms with their angles in radians, made by the compiler.
constexpr std::array<Term, kTerms> kEquinoxTerms = [] {
  std::array<Term, kTerms> terms{};
  for (int i = 0; i < kTerms; ++i) {
    terms[i] = {kTermsInDegrees[i][0], Radians(kTermsInDegrees[i][1]),
                Radians(kTermsInDegrees[i][2])};
  }
  return terms;
}();

}  // namespace

void InitEquinoxTerms() {}

double EquinoxJDE(int16_t season, int32_t year) {
  const int row = season >= 0 && season <= 2 ? season : 3;
  const bool before_1000 = year < 1000;
  const double y = before_1000 ? year / 1000.0 : (year - 2000.0) / 1000.0;
  const double(&a)[5] = before_1000 ? kBefore1000[row] : kFrom1000[row];
  const double jde0 = a[0] + y * (a[1] + y * (a[2] + y * (a[3] + y * a[4])));

  const double t = (jde0 - 2451545.0) / 36525.0;
  const double w = Radians(35999.373 * t - 2.47);
  const double delta_lambda = 1.0 + 0.0334 * std::cos(w) + 0.0007 * std::cos(2.0 * w);
  double s = 0.0;
  for (const Term& term : kEquinoxTerms) s += term.amplitude * std::cos(term.phase + term.rate * t);
  return jde0 + 0.00001 * s / delta_lambda;
}

double DeltaTMinutes(int32_t year) { return deltat(static_cast<double>(year), 1915); }

double EquinoxUT(int16_t season, int32_t year) {
  return EquinoxJDE(season, year) - DeltaTMinutes(year) / 1440.0;
}

double MarchEquinoxUT(int32_t year) { return EquinoxUT(kMarchEquinox, year); }

}  // namespace orv
