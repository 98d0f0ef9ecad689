#include "main_window/DateOutput.h"

#include <gtest/gtest.h>

#include "calendar/Dee.h"
#include "main_window/DateInput.h"

inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace orv {
namespace {

class DateOutputTest : public ::testing::Test {
 protected:
  void SetUp() override { SetDeeEpoch(kDeeCecilEpoch); }
  void TearDown() override { SetDeeEpoch(kDeeCecilEpoch); }
};

TEST_F(DateOutputTest, ResultsOfTheFirstDayOf2000) {
  int era = kEraAD;
  const ResultTexts r = ResultsFor(2451545, era, "DC");
  EXPECT_EQ(r.txbOutputGC, "January 1, 2000 AD");
  EXPECT_EQ(r.txbOutputGCwithAYN, "2000-01-01 CE");
  EXPECT_EQ(r.txbOutputJC, "December 19, 1999 AD");
  EXPECT_EQ(r.txbOutputJCwithAYN, "1999-12-19 JC");
  EXPECT_EQ(r.txbOutputDEE, "January 1, 2000 AD");
  EXPECT_EQ(r.txbOutputDEEwithAYN, "2000-01-01 DC");
  EXPECT_EQ(r.txbJDN, "2,451,545");
  EXPECT_EQ(r.txbDayOfWeek, "Saturday");

  SetDeeEpoch(kDeeEpoch);
  era = kEraCE;
  const ResultTexts dee = ResultsFor(2451545, era, "D");
  EXPECT_EQ(dee.txbOutputGC, "January 1, 2000 CE");
  EXPECT_EQ(dee.txbOutputDEE, "January 2, 2000 CE");
  EXPECT_EQ(dee.txbOutputDEEwithAYN, "2000-01-02 D");
}

TEST_F(DateOutputTest, EraFormsAndGrouping) {
  struct Case {
    int32_t jdn;
    int era_before;
    const char* era_date;
    const char* ayn_date;
    int era_after;
  };
  const Case cases[] = {
      {1721425, kEraAD, "December 31, 1 BC", "0-12-31 CE", kEraAD},
      {1721425, kNoEra, "December 31, 1 BCE", "0-12-31 CE", kEraCE},
      {1721425, -1, "December 31, 1 BCE", "0-12-31 CE", kEraCE},
      {1721425, kEraBC, "December 31, 1 BC", "0-12-31 CE", kEraBC},
      {0, kEraBCE, "November 24, 4714 BCE", "-4713-11-24 CE", kEraBCE},
      {5373485, kEraCE, "January 1, 10,000 CE", "10,000-01-01 CE", kEraCE},
      {5373120, kEraCE, "January 1, 9999 CE", "9999-01-01 CE", kEraCE},
      {-1931365, kEraBCE, "January 1, 10,001 BCE", "-10,000-01-01 CE", kEraBCE},
  };
  for (const Case& c : cases) {
    int era = c.era_before;
    EXPECT_EQ(EraDate("Gregorian", c.jdn, era), c.era_date) << c.jdn;
    EXPECT_EQ(era, c.era_after) << c.jdn;
    EXPECT_EQ(AYNDate("G", c.jdn, "DC"), c.ayn_date) << c.jdn;
  }
  EXPECT_EQ(AYNDate("Julian", 0, "DC"), "-4712-01-01 JC");
}

TEST_F(DateOutputTest, ClipboardTextHasFourPaddedLines) {
  int era = kEraAD;
  const ResultTexts r = ResultsFor(2451545, era, "DC");
  const QString expected =
      "Gregorian Calendar: January 1, 2000 AD          2000-01-01 CE               \r\n"
      "Julian Calendar:    December 19, 1999 AD        1999-12-19 JC               \r\n"
      "Julian day number:  2,451,545\r\n"
      "Day of week:        Saturday\r\n"
      "\r\n";
  EXPECT_EQ(CopyResultText(r), expected);
  ResultTexts long_texts;
  long_texts.txbOutputGC = QString(40, 'x');
  EXPECT_EQ(CopyResultText(long_texts).left(20 + 28 + 1),
            "Gregorian Calendar: " + QString(28, 'x') + " ");
  EXPECT_TRUE(
      CopyResultText(ResultTexts{}).startsWith("Gregorian Calendar: " + QString(56, ' ') + "\r\n"));
}

TEST_F(DateOutputTest, WeekdayTestOutcomes) {
  struct Case {
    int32_t year;
    int weekday;
    bool show;
    bool gregorian_bold, julian_bold;
    const char* message;
    int32_t jdn;
  };
  // 1 January 2000 is a Saturday (Gregorian) and a Friday (Julian); in 1200
  // the calendars are seven days apart, so both readings share the weekday.
  const Case cases[] = {
      {2000, 6, true, true, false, nullptr, 2451545},
      {2000, 5, true, false, true, nullptr, 2451558},
      {2000, 0, false, false, false,
       "The input date is not a Sunday in either the Gregorian Calendar or the Julian.", 0},
      {1200, 6, true, false, true,
       "The input date is a Saturday in both the Gregorian and the Julian calendars.", 2159358},
  };
  for (const Case& c : cases) {
    MainInputs in;
    in.optInputDateWithoutAYN = true;
    in.cboMonthNames = 1;
    in.cboDayNumbers = 1;
    in.txbYearADBCetc = QString::number(c.year);
    in.cboYearDesADBCetc = kEraAD;
    in.cboCalendar[0] = kFirstWeekdayPosition + c.weekday;
    MainState state;
    CheckInputComplete(in, state);
    const WeekdayOutcome outcome = WeekdayTest(in, state, c.weekday);
    EXPECT_EQ(outcome.show_result, c.show) << c.year << " " << c.weekday;
    EXPECT_EQ(outcome.gregorian_bold, c.gregorian_bold);
    EXPECT_EQ(outcome.julian_bold, c.julian_bold);
    if (c.message) {
      EXPECT_EQ(outcome.message, Message(c.message, MessageStyle::kInformation));
    } else {
      EXPECT_EQ(outcome.message, std::nullopt);
    }
    if (c.show) {
      EXPECT_EQ(state.lngJDN, c.jdn);
    }
  }
}

TEST_F(DateOutputTest, WeekdayTestReportsAnArithmeticRefusalOnce) {
  MainInputs in;
  in.optInputDateWithoutAYN = true;
  in.cboMonthNames = 1;
  in.cboDayNumbers = 1;
  in.txbYearADBCetc = "2000";
  in.cboYearDesADBCetc = kEraAD;
  in.cboCalendar[0] = kFirstWeekdayPosition;
  in.optPlus = true;
  in.txbArith[3] = "-1";
  MainState state;
  CheckInputComplete(in, state);
  const WeekdayOutcome outcome = WeekdayTest(in, state, 0);
  EXPECT_FALSE(outcome.show_result);
  EXPECT_EQ(outcome.message, Message("Negative values not permitted in the arithmetical function.",
                                     MessageStyle::kInformation));
}

TEST_F(DateOutputTest, TagsFollowTheCalendarList) {
  EXPECT_EQ(TagsForCalendar("2000-01-01 ce", kJulian, "DC"), "2000-01-01 JC");
  EXPECT_EQ(TagsForCalendar("2000-01-01 JC", kGregorian, "DC"), "2000-01-01 CE");
  EXPECT_EQ(TagsForCalendar("2000-01-01 DC", kGregorian, "DC"), "2000-01-01 CE");
  EXPECT_EQ(TagsForCalendar("2000-01-01 CE", kDee, "D"), "2000-01-01 D");
  EXPECT_EQ(TagsForCalendar("2000-01-01 jc", kNoCalendar, "D"), "2000-01-01 JC");
}

TEST_F(DateOutputTest, DeeVersionTexts) {
  EXPECT_EQ(DeeTagExplanation(DeeVersionOf(false)),
            "'D' = the proleptic Dee Calendar with astronomical year numbering");
  EXPECT_EQ(DeeTagExplanation(DeeVersionOf(true)),
            "'DC' = the proleptic Dee-Cecil Calendar with astronomical year numbering");
  EXPECT_EQ(DeeVersionOf(false).epoch, kDeeEpoch);
  EXPECT_EQ(DeeVersionOf(true).epoch, kDeeCecilEpoch);

  QString text = "2000-01-01 DC";
  QString explanation = DeeTagExplanation(DeeVersionOf(true));
  SwitchDeeTexts(text, explanation, false);
  EXPECT_EQ(text, "2000-01-01 D");
  EXPECT_EQ(explanation, DeeTagExplanation(DeeVersionOf(false)));
  SwitchDeeTexts(text, explanation, true);
  EXPECT_EQ(text, "2000-01-01 DC");
  EXPECT_EQ(explanation, DeeTagExplanation(DeeVersionOf(true)));
}

}  // namespace
}  // namespace orv
