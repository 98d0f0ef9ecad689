#include <gtest/gtest.h>

#include <cmath>

#include "calendar/Calendar.h"
#include "calendar/DatePr2.h"

namespace orv {
namespace {

TEST(DayOfWeekName, NamesPaddingAndOutOfRange) {
  EXPECT_EQ(DayOfWeekName(0), "Sunday");
  EXPECT_EQ(DayOfWeekName(6), "Saturday");
  EXPECT_EQ(DayOfWeekName(7), "");
  EXPECT_EQ(DayOfWeekName(-1), "");
  EXPECT_EQ(DayOfWeekName(1, true), "Monday   ");
  EXPECT_EQ(DayOfWeekName(7, true), "         ");
  EXPECT_EQ(DayOfWeekName(4, false, true), "Donnerstag");
  EXPECT_EQ(DayOfWeekName(4, true, true), "Donnerstag") << "a longer name is not cut";
}

TEST(TimeOfDayText, FractionsOfADay) {
  struct Case {
    double fraction;
    bool seconds;
    const char* text;
  };
  const Case cases[] = {
      {0.5, true, "12:00:00"},   {0.99999999, true, "23:59:59"},     {1.0, true, "XX:XX:XX"},
      {-0.1, true, "XX:XX:XX"},  {3601.0 / 86400, true, "01:00:01"}, {0.75, false, "18:00"},
      {1.0 / 3, false, "08:00"},
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

TEST(DateText, OrdersSeparatorsBracketsAndTags) {
  struct Case {
    DateRecord date;
    int16_t order;
    const char* separator;
    bool tag;
    const char* text;
  };
  const Case cases[] = {
      {{12345, 3, 20, kGregorianCode, 0, 1}, DateOrderYMD, "-", false, "12,345-03-20"},
      {{-12345, 3, 20, kGregorianCode, 0, 1}, DateOrderYMD, "-", false, "-12,345-03-20"},
      {{2000, 3, 20, kJulianCode, 0, 1}, DateOrderDMY, ".", true, "20.03.2000 JC"},
      {{-500, 3, 20, kGregorianCode, 0, 1}, DateOrderMDY, "-", false, "03-20-(-500)"},
      {{-500, 3, 20, kGregorianCode, 0, 1}, DateOrderYMD, "-", false, "-500-03-20"},
      {{-500, 3, 20, kGregorianCode, 0, 1}, DateOrderDMY, "/", true, "20/03/(-500) CE"},
      {{-10000, 1, 2, kJulianCode, 0, 1}, DateOrderMDY, "/", false, "01/02/(-10,000)"},
      // Astronomical numbering: always "-", year first unless day-first, no
      // grouping, no brackets.
      {{-12345, 3, 20, kAstronomicalCode, 0, 1}, DateOrderMDY, "/", true, "-12345-03-20 AN"},
      {{-12345, 3, 20, kAstronomicalCode, 0, 1}, DateOrderDMY, "/", false, "20-03--12345"},
      {{5, 3, 20, kDeeCode, 0, 1}, DateOrderYMD, "-", true, "5-03-20"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DateText(c.date, c.order, c.separator, ",", c.tag), c.text) << c.text;
  }
  const DateRecord long_year{123456, 1, 1, kGregorianCode, 0, 1};
  EXPECT_EQ(DateText(long_year, DateOrderYMD, "-", "", false), "123456-01-01");
}

TEST(SeparateThousands, GroupsThroughTheLibraryAndCutsAtNul) {
  EXPECT_EQ(SeparateThousands("1234567", ""), "1234567");
  EXPECT_EQ(SeparateThousands("1234567", ".x"), "1.234.567") << "the first character counts";
  std::string text("abc\0def", 7);
  CutAtNul(text);
  EXPECT_EQ(text, "abc");
}

}  // namespace
}  // namespace orv
