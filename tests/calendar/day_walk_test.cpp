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
  int32_t dee_epoch;
  friend void PrintTo(const Version& v, std::ostream* os) {
    *os << char(v.calendar) << " epoch " << v.dee_epoch;
  }
};
constexpr Version kVersions[] = {{kGregorianCode, kDeeCecilEpoch},
                                 {kJulianCode, kDeeCecilEpoch},
                                 {kDeeCode, kDeeEpoch},
                                 {kDeeCode, kDeeCecilEpoch}};

class DayWalkTest : public ::testing::TestWithParam<Version> {
 protected:
  void SetUp() override { SetDeeEpoch(GetParam().dee_epoch); }
  void TearDown() override { SetDeeEpoch(kDeeCecilEpoch); }
};

TEST_P(DayWalkTest, EveryDayAroundYearZeroAndTheReform) {
  EXPECT_EQ(WalkDays(GetParam().calendar, 1721426 - 3 * 146097, 2299161 + 146097), "");
}

TEST_P(DayWalkTest, EveryDayAtBothEndsOfTheProgramRange) {
  EXPECT_EQ(WalkDays(GetParam().calendar, kFirstProgramDay - 100000, kFirstProgramDay + 100000),
            "");
  EXPECT_EQ(WalkDays(GetParam().calendar, kLastProgramDay - 100000, kLastProgramDay + 100000), "");
}

TEST_P(DayWalkTest, EveryDayAtBothEndsOfThe32BitRange) {
  EXPECT_EQ(WalkDays(GetParam().calendar, INT32_MIN, int64_t{INT32_MIN} + 50000), "");
  EXPECT_EQ(WalkDays(GetParam().calendar, int64_t{INT32_MAX} - 50000, INT32_MAX), "");
}

TEST_P(DayWalkTest, SampledAcrossTheWhole32BitRange) {
  // Short runs spread evenly: every stretch of a few days crossing month and
  // year ends somewhere in the range gets checked.
  constexpr int64_t kStride = 65537;
  for (int64_t jdn = INT32_MIN; jdn + 40 <= INT32_MAX; jdn += kStride) {
    ASSERT_EQ(WalkDays(GetParam().calendar, jdn, jdn + 40), "");
  }
}

INSTANTIATE_TEST_SUITE_P(AllCalendars, DayWalkTest, ::testing::ValuesIn(kVersions),
                         [](const auto& test_info) {
                           const Version v = test_info.param;
                           if (v.calendar == kGregorianCode) return std::string("Gregorian");
                           if (v.calendar == kJulianCode) return std::string("Julian");
                           return std::string(v.dee_epoch == kDeeEpoch ? "Dee" : "DeeCecil");
                         });

}  // namespace
}  // namespace orv
