#include "astronomy/EquationOfTime.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astronomy/SolEq.h"

namespace orv {
namespace {

TEST(EquationOfTime, MeeusExampleAndAlmanacValues) {
  const struct {
    double jde, minutes, tolerance;  // minutes
  } cases[] = {
      // Meeus, example 28.a: 1992 October 13.0 TD, +13m 42.6s; the Sun of
      // chapter 25 costs about 0.6 s; leaving out the aberration or dpsi cos(eps), 2 s.
      {2448908.5, 13.0 + 42.6 / 60.0, 1.0 / 60.0},
      // The well-known extremes, -14m 15s about 11 February and +16m 25s about
      // 3 November (here 2024, 12h and 0h UT): they vary by a few seconds from
      // year to year, and the curve is flat there.
      {2460352.0, -(14.0 + 15.0 / 60.0), 5.0 / 60.0},
      {2460617.5, 16.0 + 25.0 / 60.0, 5.0 / 60.0},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(EquationOfTimeMinutes(c.jde), c.minutes, c.tolerance) << c.jde;
  }
  // Its zero crossings of 2024 (0h of 15 April, 13 June, 1 September and 25
  // December): known to the day, in which it moves by up to 30 s.
  for (double jde : {2460415.5, 2460474.5, 2460554.5, 2460669.5}) {
    EXPECT_NEAR(EquationOfTimeMinutes(jde), 0.0, 15.0 / 60.0) << jde;
  }
}

TEST(EquationOfTime, ContinuousThroughTheMarchEquinox) {
  // Both the mean longitude and the right ascension pass 360 degrees within
  // days of the March equinox, the very instants the Persian calendar needs:
  // their difference must not jump by a day's worth of time there.
  for (int32_t year = 600; year <= 4000; year += 17) {
    const double equinox = EquinoxJDE(kMarchEquinox, year);
    double before = EquationOfTimeMinutes(equinox - 3.0);
    for (double jde = equinox - 3.0; jde <= equinox + 3.0; jde += 1.0 / 48.0) {
      const double now = EquationOfTimeMinutes(jde);
      ASSERT_LT(std::abs(now - before), 0.02) << year << " " << jde;
      ASSERT_LT(std::abs(now), 20.0) << year << " " << jde;
      before = now;
    }
  }
}

}  // namespace
}  // namespace orv
