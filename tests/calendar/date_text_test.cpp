#include <gtest/gtest.h>

#include <cmath>

#include "calendar/Calendar.h"
#include "calendar/DatePr2.h"

namespace orv {
namespace {

// The names themselves reach every result (core DateTexts, weekday tests).
TEST(DayOfWeekName, OutOfRangeNamesNothing) {
  EXPECT_EQ(DayOfWeekName(7), "");
  EXPECT_EQ(DayOfWeekName(-1), "");
}

TEST(TimeOfDayText, FractionsOfADay) {
  struct Case {
    double fraction;
    bool seconds;
    const char* text;
  };
  const Case cases[] = {
      {0.99999999, true, "23:59:59"},     {1.0, true, "XX:XX:XX"}, {-0.1, true, "XX:XX:XX"},
      {3601.0 / 86400, true, "01:00:01"}, {0.75, false, "18:00"},  {1.0 / 3, false, "08:00"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TimeOfDayText(c.fraction, c.seconds), c.text) << c.fraction;
  }
  EXPECT_EQ(TimeOfDayText(std::nan(""), true), "XX:XX:XX");
  EXPECT_EQ(DayFractionTime(2460389.75), "18:00");
  EXPECT_EQ(DayFractionTime(-0.25), "18:00");
}

TEST(RoundToMinute, ThirtySecondsRoundDownAndMidnightCarries) {
  const double day = 2460389.0;
  const auto at = [day](int h, int m, int s) { return day + (h * 3600 + m * 60 + s) / 86400.0; };
  struct Case {
    double input;
    double expected;
  };
  const Case cases[] = {
      {at(12, 0, 30), at(12, 0, 0)},
      {at(12, 0, 31), at(12, 1, 0)},
      {at(23, 59, 45), day + 1},
      {-0.5 + 30.0 / 86400, -0.5},
  };
  for (const Case& c : cases) {
    double x = c.input;
    RoundToMinute(x);
    EXPECT_NEAR(x, c.expected, 1e-9) << c.input;
  }
}

TEST(TodayDate, ReadsTheLocalDateSource) {
  SetLocalDateSource([] { return LocalDate{2017, 3, 20}; });
  DateRecord today{0, 0, 0, 0, 0, 0};
  TodayDate(today);
  EXPECT_EQ(today.calendar, kGregorianCode);
  EXPECT_EQ(today.jdn, 2457833);
  EXPECT_EQ(today.valid, 1);
  EXPECT_EQ(TodayJDN(), 2457833);

  SetLocalDateSource(nullptr);
  TodayDate(today);
  EXPECT_EQ(today.valid, 1);
  EXPECT_GE(today.year, 2024) << "the system clock is back in charge";
}

}  // namespace
}  // namespace orv
