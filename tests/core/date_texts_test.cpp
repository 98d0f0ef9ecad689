// The texts of a day, the calendar names and the tags.
#include "core/DateTexts.h"

#include <gtest/gtest.h>
#include "tests/PrintQString.h"

namespace orv {
namespace {

const CalendarInfo& Gregorian() { return *CalendarByCode(kGregorianCode); }
const CalendarInfo& Julian() { return *CalendarByCode(kJulianCode); }
const CalendarInfo& Dee() { return *CalendarByCode(kDeeCode); }

TEST(DateTexts, ResultsOfTheFirstDayOf2000InBothDeeVersions) {
  const ResultTexts r = ResultsFor(2451545, Era::kAD, kDeeCecilVersion);
  EXPECT_EQ(r.calendars[0].era_date, "January 1, 2000 AD");
  EXPECT_EQ(r.calendars[0].year_month_day, "2000-01-01 CE");
  EXPECT_EQ(r.calendars[1].era_date, "December 19, 1999 AD");
  EXPECT_EQ(r.calendars[1].year_month_day, "1999-12-19 JC");
  EXPECT_EQ(r.calendars[2].year_month_day, "2000-01-01 DC");
  EXPECT_EQ(r.jdn, "2,451,545");
  EXPECT_EQ(r.day_of_week, "Saturday");
  // The lines orvc prints: no trailing spaces, the Dee row named by its version.
  std::string lines;
  AppendResultLines(lines, ResultsFor(2451545, Era::kCE, kDeeVersion), kDeeVersion);
  EXPECT_EQ(lines,
            "Gregorian Calendar: January 1, 2000 CE          2000-01-01 CE\n"
            "Julian Calendar:    December 19, 1999 CE        1999-12-19 JC\n"
            "Dee Calendar:       January 2, 2000 CE          2000-01-02 D\n"
            "Julian day number:  2,451,545\n"
            "Day of week:        Saturday\n");
}

TEST(DateTexts, EraFormsAndGrouping) {
  struct Case {
    int32_t jdn;
    Era era;
    const char* era_date;
    const char* year_month_day;
  };
  const Case cases[] = {
      {1721425, Era::kAD, "December 31, 1 BC", "0-12-31 CE"},
      {1721425, Era::kBC, "December 31, 1 BC", "0-12-31 CE"},
      {1721425, ResultEra(Era::kNone), "December 31, 1 BCE", "0-12-31 CE"},
      {0, Era::kBCE, "November 24, 4714 BCE", "-4713-11-24 CE"},
      {5373485, Era::kCE, "January 1, 10,000 CE", "10,000-01-01 CE"},
      {5373120, Era::kCE, "January 1, 9999 CE", "9999-01-01 CE"},
      {-1931365, Era::kBCE, "January 1, 10,001 BCE", "-10,000-01-01 CE"},
  };
  for (const Case& c : cases) {
    const ResultTexts r = ResultsFor(c.jdn, c.era, kDeeCecilVersion);
    EXPECT_EQ(r.calendars[0].era_date, c.era_date) << c.jdn;
    EXPECT_EQ(r.calendars[0].year_month_day, c.year_month_day) << c.jdn;
  }
  EXPECT_EQ(ResultsFor(0, Era::kCE, kDeeCecilVersion).calendars[1].year_month_day,
            "-4712-01-01 JC");
}

TEST(DateTexts, ClipboardTextHasFourPaddedLines) {
  const ResultTexts r = ResultsFor(2451545, Era::kAD, kDeeCecilVersion);
  EXPECT_EQ(CopyResultText(r),
            "Gregorian Calendar: January 1, 2000 AD          2000-01-01 CE               \r\n"
            "Julian Calendar:    December 19, 1999 AD        1999-12-19 JC               \r\n"
            "Julian day number:  2,451,545\r\n"
            "Day of week:        Saturday\r\n"
            "\r\n");
  ResultTexts long_texts;
  long_texts.calendars[0].era_date = std::string(40, 'x');
  EXPECT_EQ(CopyResultText(long_texts).left(20 + 28 + 1),
            "Gregorian Calendar: " + QString(28, 'x') + " ");
}

TEST(DateTexts, CalendarNamesAndTags) {
  EXPECT_EQ(CalendarListName(Dee(), kDeeCecilVersion), "Dee-Cecil Calendar");
  EXPECT_EQ(ProlepticCalendarName(Julian(), kDeeVersion), "Proleptic Julian");
  EXPECT_EQ(TagExplanation(Gregorian(), kDeeVersion),
            "'CE' = 'Common Era Calendar' = the proleptic Gregorian Calendar with astronomical "
            "year numbering");
  EXPECT_EQ(TagExplanation(Dee(), kDeeVersion),
            "'D' = the proleptic Dee Calendar with astronomical year numbering");
  EXPECT_EQ(TagsForCalendar("2000-01-01 ce", Julian(), kDeeCecilVersion), "2000-01-01 JC");
  EXPECT_EQ(TagsForCalendar("2000-01-01 DC", Gregorian(), kDeeCecilVersion), "2000-01-01 CE");
  EXPECT_EQ(TagsForCalendar("2000-01-01 CE", Dee(), kDeeVersion), "2000-01-01 D");
  EXPECT_EQ(CalendarNamedInText("2000-01-01 DC", kDeeCecilVersion), &Dee());
  EXPECT_EQ(CalendarNamedInText("2000-01-01 D", kDeeCecilVersion), nullptr);
  EXPECT_EQ(CalendarNamedInText("2000-01-01 JC", kDeeVersion), &Julian());
  EXPECT_EQ(CalendarNamedInText("2000-01-01 ce", kDeeVersion), nullptr);
}

TEST(DateTexts, SwitchingTheDeeVersionRenamesItsTexts) {
  const DeeTexts dee = SwitchDeeTexts({"2000-01-01 DC", TagExplanation(Dee(), kDeeCecilVersion)},
                                      kDeeCecilVersion, kDeeVersion);
  EXPECT_EQ(dee.year_month_day, "2000-01-01 D");
  EXPECT_EQ(dee.tag_explanation, TagExplanation(Dee(), kDeeVersion));
  const DeeTexts back = SwitchDeeTexts(dee, kDeeVersion, kDeeCecilVersion);
  EXPECT_EQ(back.year_month_day, "2000-01-01 DC");
  EXPECT_EQ(back.tag_explanation, TagExplanation(Dee(), kDeeCecilVersion));
}

}  // namespace
}  // namespace orv
