// Dense walks for the default test run; the full sweep is day_sweep_test.cpp.
#include <climits>

#include "calendar/Dee.h"
#include "tests/calendar/day_walk.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

constexpr int64_t kFirstProgramDay = -34802824;  // -99999-01-01 Gregorian
constexpr int64_t kLastProgramDay = 38245309;    // 99999-12-31 Gregorian

struct Version {
  int32_t calendar;
  DeeVersion dee;
  friend void PrintTo(const Version& v, std::ostream* os) {
    *os << char(v.calendar) << " epoch " << v.dee.epoch;
  }
};
constexpr Version kVersions[] = {{kGregorianCode, kDeeCecilVersion},
                                 {kJulianCode, kDeeCecilVersion},
                                 {kDeeCode, kDeeVersion},
                                 {kDeeCode, kDeeCecilVersion}};

class DayWalkTest : public ::testing::TestWithParam<Version> {
 protected:
  std::string Walk(int64_t first, int64_t last) const {
    return WalkDays(GetParam().calendar, GetParam().dee, first, last);
  }
};

TEST_P(DayWalkTest, EveryDayAroundYearZeroAndTheReform) {
  EXPECT_EQ(Walk(1721426 - 3 * 146097, 2299161 + 146097), "");
}

TEST_P(DayWalkTest, EveryDayAtBothEndsOfTheProgramRange) {
  EXPECT_EQ(Walk(kFirstProgramDay - 100000, kFirstProgramDay + 100000), "");
  EXPECT_EQ(Walk(kLastProgramDay - 100000, kLastProgramDay + 100000), "");
}

TEST_P(DayWalkTest, EveryDayAtBothEndsOfThe32BitRange) {
  EXPECT_EQ(Walk(INT32_MIN, int64_t{INT32_MIN} + 50000), "");
  EXPECT_EQ(Walk(int64_t{INT32_MAX} - 50000, INT32_MAX), "");
}

TEST_P(DayWalkTest, SampledAcrossTheWhole32BitRange) {
  // Short runs spread evenly: every stretch of a few days crossing month and
  // year ends somewhere in the range gets checked.
  constexpr int64_t kStride = 65537;
  for (int64_t jdn = INT32_MIN; jdn + 40 <= INT32_MAX; jdn += kStride) {
    ASSERT_EQ(Walk(jdn, jdn + 40), "");
  }
}

INSTANTIATE_TEST_SUITE_P(AllCalendars, DayWalkTest, ::testing::ValuesIn(kVersions),
                         [](const auto& test_info) {
                           const Version v = test_info.param;
                           if (v.calendar == kGregorianCode) return std::string("Gregorian");
                           if (v.calendar == kJulianCode) return std::string("Julian");
                           return std::string(v.dee == kDeeVersion ? "Dee" : "DeeCecil");
                         });

}  // namespace
}  // namespace orv
