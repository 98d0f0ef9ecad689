// A day in any calendar of the table: texts, why a date names no day, arithmetic.
#include "core/CalendarDay.h"

#include <gtest/gtest.h>

#include "tests/PrintQString.h"

namespace orv {
namespace {

const DeeVersion kDee = kDeeCecilVersion;

DayInCalendar Day(CalendarId calendar, int32_t jdn) {
  return DayIn(CalendarOf(calendar), jdn, Era::kCE, ',');
}

TEST(CalendarDay, EachCalendarWritesItsTwoTexts) {
  struct Case {
    CalendarId calendar;
    int32_t jdn;
    const char* month_name_text;
    const char* year_month_day;
  };
  const Case cases[] = {
      {CalendarId::kGregorian, 2451545, "January 1, 2000 CE", "2000-01-01 CE"},
      {CalendarId::kRevisedJulian, 2451545, "January 1, 2000 RJ", "2000-01-01 RJ"},
      {CalendarId::kIsoWeek, 2451545, "Saturday, week 52 of 1999", "1999-W52-6"},
      {CalendarId::kIsoWeek, 2451546, "Sunday, week 52 of 1999", "1999-W52-7"},
      {CalendarId::kHebrew, 2451545, "Tevet 23, 5760 AM", "5760-10-23 AM"},
      {CalendarId::kHebrew, 2451602, "Adar I 21, 5760 AM", "5760-12-21 AM"},  // a leap year
      {CalendarId::kIslamic, 2451545, "Ramadan 24, 1420 AH", "1420-09-24 AH"},
      {CalendarId::kPersian, 2460755, "Esfand 30, 1403 AP", "1403-12-30 AP"},
      {CalendarId::kFrenchRepublican, 2376513, "9 Thermidor an II", "2-11-09 FR"},
      {CalendarId::kFrenchRepublican, 2376930, "jour de la Vertu an III", "3-13-01 FR"},
      {CalendarId::kFrenchRepublican, 2376935, "jour de la Révolution an III", "3-13-06 FR"},
      {CalendarId::kEngland, 2353712, "February 11, 1731/32", "1732-02-11 EN"},
      {CalendarId::kEngland, 2361221, "September 2, 1752", "1752-09-02 EN"},
      {CalendarId::kEngland, 2361222, "September 14, 1752", "1752-09-14 EN"},
      {CalendarId::kEngland, 1705426, "March 15, 44 BCE", "-43-03-15 EN"},
      // Before year 1 every calendar's month-name text writes the era's year.
      {CalendarId::kRevisedJulian, 260090, "December 30, 4002 BCE RJ", "-4001-12-30 RJ"},
      {CalendarId::kIsoWeek, 260090, "Saturday, week 52 of 4002 BCE", "-4001-W52-6"},
      {CalendarId::kHebrew, 2147483647, "Kislev 21, 5,878,589 AM", "5,878,589-09-21 AM"},
  };
  for (const Case& c : cases) {
    const DayInCalendar day = Day(c.calendar, c.jdn);
    EXPECT_EQ(day.month_name_text, c.month_name_text) << c.jdn;
    EXPECT_EQ(day.year_month_day, c.year_month_day) << c.jdn;
  }
  EXPECT_EQ(Day(CalendarId::kEngland, 2353712).legal_year, 1731);
  // Before its epoch a calendar has no date, and no texts.
  const DayInCalendar before = Day(CalendarId::kIslamic, 1948439);
  EXPECT_FALSE(before.date);
  EXPECT_EQ(before.year_month_day, "");
  EXPECT_EQ(Day(CalendarId::kIslamic, 1948440).year_month_day, "1-01-01 AH");
}

TEST(CalendarDay, YearsAndMonthsWhereTheCalendarHasThemDaysEverywhere) {
  const ArithmeticValues one_year{1, 0, 0, 0};
  // 30 Dhu al-Hijja 1420 (a leap year) plus a year: 1421 is common, so 29.
  const Result<MovedDay> islamic =
      AddToCalendarDate({1420, 12, 30, CalendarId::kIslamic}, one_year, true);
  ASSERT_TRUE(islamic);
  EXPECT_EQ(Day(CalendarId::kIslamic, islamic->jdn).year_month_day, "1421-12-29 AH");
  const Result<MovedDay> persian =
      AddToCalendarDate({1403, 12, 30, CalendarId::kPersian}, one_year, true);
  ASSERT_TRUE(persian);
  EXPECT_EQ(Day(CalendarId::kPersian, persian->jdn).year_month_day, "1404-12-29 AP");
  // Back across the year's start, by months.
  const Result<MovedDay> revised =
      AddToCalendarDate({2000, 1, 31, CalendarId::kRevisedJulian}, {0, 2, 0, 0}, false);
  ASSERT_TRUE(revised);
  EXPECT_EQ(Day(CalendarId::kRevisedJulian, revised->jdn).year_month_day, "1999-11-30 RJ");
  const Result<MovedDay> weeks =
      AddToCalendarDate({5760, 10, 23, CalendarId::kHebrew}, {0, 0, 1, 1}, true);
  EXPECT_EQ(weeks->jdn, 2451553);
  const Result<MovedDay> refused =
      AddToCalendarDate({5760, 10, 23, CalendarId::kHebrew}, {0, 1, 0, 0}, true);
  EXPECT_FALSE(refused);
  EXPECT_EQ(NoticeText(refused.refusal()),
            "Years and months cannot be added in the Hebrew calendar.");
}

TEST(CalendarDay, RomanNumerals) {
  EXPECT_EQ(RomanNumeral(1), "I");
  EXPECT_EQ(RomanNumeral(14), "XIV");
  EXPECT_EQ(RomanNumeral(1999), "MCMXCIX");
  EXPECT_EQ(RomanNumeral(2208), "MMCCVIII");
}

}  // namespace
}  // namespace orv
