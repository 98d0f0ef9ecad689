// A day in any calendar of the table: texts, reading typed dates, arithmetic.
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

// The one reader outside the main window, for every calendar: the text
// written back, or the refusal in the words of the rule the date breaks.
TEST(CalendarDay, ReadsTheDatesOfEveryCalendar) {
  struct Case {
    const char16_t* text;
    const CalendarInfo* calendar;  // --calendar, or the window's row
    int32_t jdn;                   // 0: refused with the message
    const char* refusal;           // or the text written back, when read
  };
  const CalendarInfo* hebrew = &CalendarOf(CalendarId::kHebrew);
  const CalendarInfo* julian = &CalendarOf(CalendarId::kJulian);
  const Case cases[] = {
      {u"5760-10-23 AM", nullptr, 2451545, "5760-10-23 AM"},
      {u" 5760-10-23 am ", hebrew, 2451545, "5760-10-23 AM"},
      {u"5760-10-23", hebrew, 2451545, "5760-10-23 AM"},
      {u"1999-w52-6", nullptr, 2451545, "1999-W52-6"},
      {u"1,420-9-24 AH", nullptr, 2451545, "1420-09-24 AH"},
      // The main window's calendars, by its year-month-day box's checks; an
      // untagged date is Gregorian.
      {u"2000-1-1", nullptr, 2451545, "2000-01-01 CE"},
      {u"1999-12-19", julian, 2451545, "1999-12-19 JC"},
      {u"2000-01-01 dc", &CalendarOf(CalendarId::kDeeCecil), 2451545, "2000-01-01 DC"},
      {u"2000-01-01 CE", julian, 0, "Inconsistent calendar designations in year-month-day date."},
      {u"1900-02-29 CE", nullptr, 0,
       "February 1900 CE has days 1 to 28: 1900 is not a leap year in the Gregorian calendar."},
      {u"2000-01-01 CE", hebrew, 0, "Inconsistent calendar designations in year-month-day date."},
      {u"5760-10-23 XY", hebrew, 0, "'XY' is the tag of no calendar."},
      {u"5760-10-23 XY", nullptr, 0, "Invalid input date"},  // read by the main window's checks
      {u"5760-10 AM", nullptr, 0, "Invalid input date"},
      // A date its calendar does not have names the rule it breaks.
      {u"5785-13-01 AM", nullptr, 0, "5785 AM is a common year: it has no Adar II."},
      {u"5785-14-01 AM", nullptr, 0, "5785 AM has 12 months: it has no month 14."},
      {u"1752-09-05 EN", nullptr, 0,
       "September 1752 EN has no days 3 to 13: the day after the 2nd was the 14th."},
      {u"1404-12-30 AP", nullptr, 0,
       "Esfand 1404 AP has days 1 to 29: 1404 is not a leap year in the Persian calendar."},
      {u"2021-W53-1", nullptr, 0, "2021 has 52 weeks: it has no week 53."},
      {u"2021-W52-0", nullptr, 0, "Week 52 of 2021 has days 1 to 7."},
      {u"2800-02-29 RJ", nullptr, 0,
       "February 2800 RJ has days 1 to 28: 2800 is not a leap year in the Revised Julian "
       "calendar."},
      {u"2024-04-31 RJ", nullptr, 0, "April 2024 RJ has days 1 to 30."},
      {u"5784-08-30 AM", nullptr, 0, "Heshvan 5784 AM has days 1 to 29."},  // no leap-year rule
      {u"2-13-06 FR", nullptr, 0,
       "Jours complémentaires 2 FR has days 1 to 5: 2 is not a leap year in the French "
       "Republican calendar."},
      {u"2000-01-01 D", nullptr, 0,
       "'D' is the tag of the Dee calendar, but the version in force is Dee-Cecil: its tag is "
       "'DC'."},
      // England's dual year, from 1 January to 24 March of 1156 to 1751.
      {u"1749/50-02-10 EN", nullptr, 2360286, "1750-02-10 EN"},
      {u"1749/1750-02-10 EN", nullptr, 2360286, "1750-02-10 EN"},
      {u"1750/51-06-01 EN", nullptr, 0,
       "A dual year such as 1750/51 is written only from 1 January to 24 March, in 1156 to 1751, "
       "when the legal year began on 25 March: June 1, 1751 has one year."},
      {u"1749/51-02-10 EN", nullptr, 0,
       "1749/51 is not a dual year: its second year is the one after the first."},
      {u"0-12-29 AH", nullptr, 0,
       "The Islamic calendar dates the days from 1-01-01 AH to 6,054,563-09-18 AH."},
  };
  const CalendarInfo* gregorian = &CalendarOf(CalendarId::kGregorian);
  for (const Case& c : cases) {
    const DateReading reading = ReadDate(c.text, {c.calendar, gregorian, kDee});
    EXPECT_EQ(reading.jdn, c.jdn) << qPrintable(QString::fromUtf16(c.text));
    EXPECT_EQ(reading.refusal ? NoticeText(*reading.refusal) : reading.text,
              QString::fromUtf8(c.refusal))
        << qPrintable(QString::fromUtf16(c.text));
  }
  // Without a calendar for an untagged date it is refused.
  EXPECT_EQ(ReadDate(u"2000-01-01", {nullptr, nullptr, kDee}).refusal->kind, NoticeKind::kNoTag);
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
