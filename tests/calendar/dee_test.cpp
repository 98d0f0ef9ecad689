#include "calendar/Dee.h"

#include <gtest/gtest.h>

#include <climits>

#include "calendar/Calendar.h"

namespace orv {
namespace {

// The Dee calendar's own definition, year by year and month by month; the
// program's closed form must agree with it on every day.
DateRecord StepByStepDeeDate(int32_t jdn, int32_t epoch) {
  const int64_t days = int64_t{jdn} - epoch;
  int64_t year;
  int64_t rest;
  if (days >= 0) {
    year = 33 * (days / 12053) + 1;
    rest = days % 12053;
  } else {
    const int64_t x = -1 - days;
    year = -32 - 33 * (x / 12053);
    rest = 12052 - (x % 12053);
  }
  for (int32_t k = 1; k <= 33; ++k) {
    const int64_t length = IsDeeLeapYear(k) ? 366 : 365;
    if (rest < length) break;
    ++year;
    rest -= length;
  }
  int32_t month = 1;
  for (int16_t k = 1; k <= 12; ++k) {
    const int16_t length = DeeDaysInMonth(k, static_cast<int32_t>(year));
    if (rest < length) break;
    ++month;
    rest -= length;
  }
  return {static_cast<int32_t>(year), month, static_cast<int32_t>(rest + 1), kDeeCode, jdn, 1};
}

TEST(Dee, LeapYearsFollowTheThirtyThreeYearCycle) {
  for (int32_t year : {4, 8, 12, 16, 20, 24, 28, 32, 37, 41, 65, -1, -5, -29, -34, -38}) {
    EXPECT_TRUE(IsDeeLeapYear(year)) << year;
  }
  for (int32_t year : {0, 1, 3, 33, 34, 36, 66, -2, -32, -33, -4, INT32_MIN, INT32_MAX}) {
    EXPECT_FALSE(IsDeeLeapYear(year)) << year;
  }
  int leap_years_per_cycle = 0;
  for (int32_t year = -32; year <= 0; ++year) leap_years_per_cycle += IsDeeLeapYear(year);
  EXPECT_EQ(leap_years_per_cycle, 8);
}

TEST(Dee, MonthLengths) {
  const int16_t common[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int16_t month = 1; month <= 12; ++month) {
    EXPECT_EQ(DeeDaysInMonth(month, 1), common[month]) << month;
  }
  EXPECT_EQ(DeeDaysInMonth(2, 4), 29);
  EXPECT_EQ(DeeDaysInMonth(0, 4), 0);
  EXPECT_EQ(DeeDaysInMonth(13, 4), 0);
}

TEST(Dee, KnownDaysOfTheDeeVersion) {
  struct Case {
    int32_t year, month, day, jdn;
  };
  // The epoch and two days of our time: the closed-form check and the day
  // walks tie every other day to these, both ways.
  const Case cases[] = {{1, 1, 1, 1721425}, {2000, 1, 2, 2451545}, {2017, 3, 21, 2457833}};
  for (const Case& c : cases) {
    DateRecord date{c.year, c.month, c.day, kDeeCode, 0, 0};
    EXPECT_EQ(DeeDateToJDNWithStatus(date, kDeeVersion), DateStatus::kValid)
        << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(date.jdn, c.jdn) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(date.valid, 1);
  }
}

TEST(Dee, ClosedFormMatchesTheStepByStepDefinition) {
  // Every day of 40 cycles either side of the epoch, and windows at the ends
  // of the 32-bit range, for both versions.
  auto check = [](int32_t epoch, int64_t from, int64_t to) {
    for (int64_t jdn = from; jdn <= to; ++jdn) {
      const DateRecord expected = StepByStepDeeDate(static_cast<int32_t>(jdn), epoch);
      DateRecord actual{0, 0, 0, kDeeCode, static_cast<int32_t>(jdn), 0};
      DeeJDNToDate(actual, epoch);
      ASSERT_EQ(actual.year, expected.year) << jdn;
      ASSERT_EQ(actual.month, expected.month) << jdn;
      ASSERT_EQ(actual.day, expected.day) << jdn;
      ASSERT_EQ(actual.valid, 1);
    }
  };
  for (int32_t epoch : {kDeeEpoch, kDeeCecilEpoch}) {
    check(epoch, int64_t{epoch} - 40 * 12053, int64_t{epoch} + 40 * 12053);
    check(epoch, INT32_MIN, int64_t{INT32_MIN} + 2 * 12053);
    check(epoch, int64_t{INT32_MAX} - 2 * 12053, INT32_MAX);
  }
}

TEST(Dee, TheDaysJustBeyondThe32BitRangeAreRefused) {
  // The first and last numbered days fall mid-month in both versions, so the
  // day beyond each is a real Dee date whose number does not fit.
  for (int32_t epoch : {kDeeEpoch, kDeeCecilEpoch}) {
    for (int32_t jdn : {INT32_MIN, INT32_MAX}) {
      DateRecord beyond{0, 0, 0, kDeeCode, jdn, 0};
      DeeJDNToDate(beyond, epoch);
      beyond.day += jdn == INT32_MAX ? 1 : -1;
      beyond.jdn = 5;
      EXPECT_EQ(DeeDateToJDNWithStatus(beyond, epoch), DateStatus::kOutOfRange) << jdn;
      EXPECT_EQ(beyond.jdn, 5);
    }
  }
}

}  // namespace
}  // namespace orv
