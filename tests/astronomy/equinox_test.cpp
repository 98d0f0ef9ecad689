#include <gtest/gtest.h>

#include "astronomy/SolEq.h"
#include "platform/skyreck/skyreck.h"

namespace orv {
namespace {

TEST(Equinox, MeeusReferenceInstants) {
  struct Case {
    int16_t season;
    int32_t year;
    double jde;
    double tolerance;
  };
  const Case cases[] = {
      {kJuneSolstice, 1962, 2437837.39245, 0.000005},  // Meeus, Example 27.a
      {kMarchEquinox, 2000, 2451623.81699, 0.000005}, {kMarchEquinox, 999, 2086016.25, 0.005},
      {kMarchEquinox, 1000, 2086381.49, 0.005},       {kMarchEquinox, 1, 1721504.53, 0.005},
      {kMarchEquinox, 4000, 3182108.72, 0.005},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(EquinoxJDE(c.season, c.year), c.jde, c.tolerance) << c.season << " " << c.year;
  }
  // The other seasons of 2000: 22 September 17:27 and 21 December 13:37 UT.
  EXPECT_NEAR(EquinoxJDE(kSeptemberEquinox, 2000), 2451810.228, 0.002);
  EXPECT_NEAR(EquinoxJDE(kDecemberSolstice, 2000), 2451900.068, 0.002);
}

TEST(Equinox, UniversalTimeSubtractsDeltaT) {
  const double ut = MarchEquinoxUT(2000);
  EXPECT_NEAR((EquinoxJDE(kMarchEquinox, 2000) - ut) * 86400.0, 63.86, 1e-4);
}

TEST(DeltaT, FollowsTheObservedValuesBetweenItsAnchors) {
  struct Case {
    double year;
    double seconds;
  };
  // Observed delta T at the start of each decade, none an anchor of the
  // model's spans: the model must follow them to within its own fit.
  const Case observed[] = {{1910, 10.38}, {1930, 24.02}, {1940, 24.35}, {1960, 33.15},
                           {1970, 40.18}, {1980, 50.54}, {1990, 56.86}};
  for (const Case& c : observed) EXPECT_NEAR(delta_t_seconds(c.year), c.seconds, 0.5) << c.year;
  // The long-term parabola -20 + 32 u^2, u in centuries from 1820, far outside the data.
  for (const Case& c : {Case{-1000, 25427.68}, Case{3000, 4435.68}}) {
    EXPECT_NEAR(delta_t_seconds(c.year), c.seconds, 0.005) << c.year;
  }
  EXPECT_DOUBLE_EQ(deltat(2000, 1915), 63.86 / 60.0);
  EXPECT_EQ(deltat(2000, 1), 0.0);
  EXPECT_DOUBLE_EQ(DeltaTMinutes(1900), -2.79 / 60.0);
}

TEST(DeltaT, SpansJoinWithoutJumps) {
  // Where one expression hands over to the next, the two agree to within the
  // model's own fit (a few seconds; most far closer).
  for (double year : {500.0, 1600.0, 1700.0, 1800.0, 1860.0, 1900.0, 1920.0, 1941.0, 1961.0, 1986.0,
                      2005.0, 2050.0, 2150.0}) {
    EXPECT_NEAR(delta_t_seconds(year - 1e-9), delta_t_seconds(year), 5.0) << year;
  }
}

}  // namespace
}  // namespace orv
