#include "main_window/DateInput.h"

#include <gtest/gtest.h>

#include "calendar/Calendar.h"
#include "calendar/Dee.h"

inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace orv {
namespace {

const QString kCrLf = "\r\n";

MessageRequest Expected(const QString& text, MessageStyle style,
                        const QString& title = kCalculateCaption) {
  return Message(text, style, title);
}

// A year-month-day input in the calendar of cboCalendar(1).
MainInputs YearMonthDay(const QString& text, int calendar) {
  MainInputs in;
  in.optInputDateWithAYN = true;
  in.txbYearCEJC = text;
  in.cboCalendar[1] = calendar;
  return in;
}

// A month-day-year input.
MainInputs MonthDayYear(int month, int day, const QString& year, int era, int calendar) {
  MainInputs in;
  in.optInputDateWithoutAYN = true;
  in.cboMonthNames = month;
  in.cboDayNumbers = day;
  in.txbYearADBCetc = year;
  in.cboYearDesADBCetc = era;
  in.cboCalendar[0] = calendar;
  return in;
}

class DateInputTest : public ::testing::Test {
 protected:
  void SetUp() override { SetDeeEpoch(kDeeCecilEpoch); }
  void TearDown() override { SetDeeEpoch(kDeeCecilEpoch); }

  // Runs the checks as Calculate does; returns the message shown, if any.
  UserMessage Check(MainInputs& in) {
    CheckInputComplete(in, state);
    UserMessage message;
    ok = InputDateOK(in, state, message);
    return message;
  }
  // Check, then GetJDN in the calendar of the input (as Calculate names it).
  UserMessage Calculate(MainInputs& in) {
    UserMessage message = Check(in);
    if (!ok) return message;
    const QString names[] = {"", "Gregorian", "Julian", state.strDeeCalendarName};
    ok = GetJDN(in, state, names[in.optInputDateWithAYN ? in.cboCalendar[1] : in.cboCalendar[0]],
                true, message);
    return message;
  }
  DateRecord Date(int32_t year, int32_t month, int32_t day, int32_t calendar) {
    DateRecord date{year, month, day, calendar, 0, 0};
    DateToJDN(date);
    return date;
  }

  MainState state;
  bool ok = false;
};

TEST_F(DateInputTest, YearMonthDayRefusalsInTheirOrder) {
  const QString ad_bc = "The calendar designators 'AD' and 'BC'" + kCrLf +
                        "can only be used with month,day,year dates.";
  struct Case {
    const char* text;
    int calendar;
    const char* designation;
    MessageRequest message;
  };
  const Case cases[] = {
      {"2000-01-01 JC", kGregorian, "DC",
       Expected("Inconsistent calendar designations in year-month-day date.",
                MessageStyle::kExclamation)},
      {"2000-01-01 CE", kJulian, "DC",
       Expected("Inconsistent calendar designations in year-month-day date.",
                MessageStyle::kExclamation)},
      {"2000-01-01 AD", kGregorian, "DC",
       Expected("Inconsistent calendar designations in year-month-day date.",
                MessageStyle::kExclamation)},
      {"2000-01-01 AD", kDee, "D", Expected(ad_bc, MessageStyle::kInformation)},
      {"2000-01-01 BC", kGregorian, "DC", Expected(ad_bc, MessageStyle::kInformation)},
      {"2000-01-01", kDee, "DC",
       Expected("Please specify calendar for year-month-day date.", MessageStyle::kNone)},
      {"2000-01-01 XY", kGregorian, "DC",
       Expected("Invalid input date", MessageStyle::kExclamation)},
      {"2000-01-01 D", kDee, "DC", Expected("Invalid input date", MessageStyle::kExclamation)},
      {"2000-01-01 DC", kDee, "D", Expected("Invalid input date", MessageStyle::kExclamation)},
      {"2000-01", kGregorian, "DC", Expected("Invalid input date", MessageStyle::kExclamation)},
      {"2000-13-01 CE", kGregorian, "DC",
       Expected("Invalid input date", MessageStyle::kExclamation)},
      {"2000-02-00 CE", kGregorian, "DC",
       Expected("Invalid input date", MessageStyle::kExclamation)},
      {"100000-01-01 CE", kGregorian, "DC",
       Expected("Input date is out of permitted range.", MessageStyle::kExclamation)},
      {"-100000-01-01 CE", kGregorian, "DC",
       Expected("Input date is out of permitted range.", MessageStyle::kExclamation)},
      {"99999999999999999999-01-01 CE", kGregorian, "DC",
       Expected("Input date is out of permitted range.", MessageStyle::kExclamation)},
  };
  for (const Case& c : cases) {
    MainInputs in = YearMonthDay(c.text, c.calendar);
    state.strDeeCalendarDesignation = c.designation;
    EXPECT_EQ(Check(in), c.message) << c.text;
    EXPECT_FALSE(ok) << c.text;
  }

  MainInputs none;
  EXPECT_EQ(Check(none), Expected("Please select type of input date", MessageStyle::kNone));
}

TEST_F(DateInputTest, YearMonthDayAcceptedAndRewritten) {
  struct Case {
    const char* typed;
    int calendar;
    const char* after_check;
    const char* after_calculation;
    int32_t year;
  };
  const Case cases[] = {
      {" 2000-3-20 ", kGregorian, "2000-3-20 CE", "2000-03-20 CE", 2000},
      {"-4713-01-01 JC", kJulian, "-4713-01-01 JC", "-4713-01-01 JC", -4713},
      {"99999-12-31 ce", kGregorian, "99999-12-31 CE", "99,999-12-31 CE", 99999},
      {"12,345-1-5", kGregorian, "12,345-1-5 CE", "12,345-01-05 CE", 12345},
      {"1 2 3 4 5-01-05 JC", kJulian, "1 2 3 4 5-01-05 JC", "12,345-01-05 JC", 12345},
      {"2000-1-2 dc", kDee, "2000-1-2 DC", "2000-01-02 DC", 2000},
  };
  for (const Case& c : cases) {
    MainInputs in = YearMonthDay(c.typed, c.calendar);
    Check(in);
    EXPECT_TRUE(ok) << c.typed;
    EXPECT_EQ(in.txbYearCEJC, c.after_check);
    EXPECT_EQ(Calculate(in), std::nullopt) << c.typed;
    EXPECT_EQ(in.txbYearCEJC, c.after_calculation);
    EXPECT_EQ(state.InputDate.year, c.year);
    EXPECT_EQ(state.lngJDN, state.InputDate.jdn);
  }
}

TEST_F(DateInputTest, LeapDayExplanationNamesTheCalendar) {
  struct Case {
    MainInputs in;
    const char* dee_name;
    QString text;
  };
  const QString invalid = "The input date is invalid.";
  const Case cases[] = {
      {YearMonthDay("2001-02-29 CE", kGregorian), "Dee-Cecil",
       invalid + kCrLf + kCrLf + "In the Gregorian Calendar" + kCrLf + "2001 is not a leap year."},
      {MonthDayYear(2, 29, "2001", kEraAD, kJulian), "Dee-Cecil",
       invalid + kCrLf + kCrLf + "In the Julian Calendar" + kCrLf + "2001 is not a leap year."},
      {YearMonthDay("33-02-29 D", kDee), "Dee",
       invalid + kCrLf + kCrLf + "In the Dee Calendar" + kCrLf + "33 is not a leap year."},
      {YearMonthDay("-1-02-29 CE", kGregorian), "Dee-Cecil", invalid},  // before year 1: no lines
      {YearMonthDay("2001-04-31 CE", kGregorian), "Dee-Cecil", invalid},
  };
  for (Case c : cases) {
    state.strDeeCalendarName = c.dee_name;
    state.strDeeCalendarDesignation = c.dee_name == QString("Dee") ? "D" : "DC";
    EXPECT_EQ(Calculate(c.in), Expected(c.text, MessageStyle::kInformation, kInvalidInputTitle));
    EXPECT_FALSE(ok);
  }
}

TEST_F(DateInputTest, MonthDayYearYearBox) {
  const QString zero =
      "Zero and negative years not accepted." + kCrLf + "Input the date as year-month-day.";
  struct Case {
    const char* typed;
    UserMessage message;
    const char* after;  // the box after the check (and after GetJDN when accepted)
  };
  const Case cases[] = {
      {"007", std::nullopt, "7"},
      {"000", Expected(zero, MessageStyle::kInformation), "0"},
      {"-5", Expected(zero, MessageStyle::kInformation), "-5"},
      {"+5", Expected("Invalid year value", MessageStyle::kExclamation), "+5"},
      {"1e3", Expected("Invalid year value", MessageStyle::kExclamation), "1e3"},
      {"-1-2", Expected("Invalid year value", MessageStyle::kExclamation), "-1-2"},
      {"100,000", Expected("Year is out of permitted range", MessageStyle::kExclamation),
       "100,000"},
      {"99,999", std::nullopt, "99,999"},
      {"9999", std::nullopt, "9,999"},
      {"9998", std::nullopt, "9998"},
      {"9'999", std::nullopt, "9,999"},  // the program's own grouping in some locales
      {" 1 000 ", std::nullopt, "1000"},
  };
  for (const Case& c : cases) {
    MainInputs in = MonthDayYear(3, 15, c.typed, kEraAD, kGregorian);
    EXPECT_EQ(Calculate(in), c.message) << c.typed;
    EXPECT_EQ(ok, !c.message.has_value()) << c.typed;
    EXPECT_EQ(in.txbYearADBCetc, c.after) << c.typed;
  }
}

TEST_F(DateInputTest, EraTurnsIntoAstronomicalYears) {
  MainInputs in = MonthDayYear(3, 15, "44", kEraBC, kJulian);
  EXPECT_EQ(Calculate(in), std::nullopt);
  EXPECT_EQ(state.InputDate.year, -43);
  EXPECT_EQ(state.InputDate.calendar, kJulianCode);
  EXPECT_EQ(GetYear(in, kMonthDayYear), -43);
}

TEST_F(DateInputTest, GetYearReadsTheWholeGroupedYear) {
  struct Case {
    MainInputs in;
    int16_t type;
    int32_t year;
  };
  const Case cases[] = {
      {MonthDayYear(1, 1, "9,999", kEraCE, kGregorian), kMonthDayYear, 9999},
      {MonthDayYear(1, 1, "10,000", kEraCE, kGregorian), kMonthDayYear, 10000},
      {MonthDayYear(1, 1, "1 BC", kEraBCE, kGregorian), kMonthDayYear, 0},
      {YearMonthDay("-500-03-20 JC", kJulian), kYearMonthDay, -500},
      {YearMonthDay("-12,345-01-05 CE", kGregorian), kYearMonthDay, -12345},
      {YearMonthDay("2017-03-20 CE", kGregorian), kNoCompleteInput, 2017},
  };
  for (const Case& c : cases) EXPECT_EQ(GetYear(c.in, c.type), c.year);
}

TEST_F(DateInputTest, DatesWrittenBackIntoBothNotations) {
  struct Case {
    int32_t year;
    int era_before;
    const char* year_box;
    int era_after;
    const char* year_month_day;
  };
  const Case cases[] = {
      {2000, kNoEra, "2000", kEraCE, "2000-03-20 JC"},
      {2000, kEraBC, "2000", kEraAD, "2000-03-20 JC"},
      {2000, kEraBCE, "2000", kEraCE, "2000-03-20 JC"},
      {9999, kEraAD, "9999", kEraAD, "9999-03-20 JC"},
      {10000, kEraAD, "10,000", kEraAD, "10,000-03-20 JC"},
      {0, kNoEra, "1", kEraBCE, "0-03-20 JC"},
      {0, kEraAD, "1", kEraBC, "0-03-20 JC"},
      {-9999, kEraCE, "10000", kEraBCE, "-9999-03-20 JC"},
      {-10000, kEraBC, "10,001", kEraBC, "-10,000-03-20 JC"},
  };
  for (const Case& c : cases) {
    MainInputs in;
    in.cboYearDesADBCetc = c.era_before;
    in.cboCalendar[1] = kJulian;
    const DateRecord date{c.year, 3, 20, kJulianCode, 0, 1};
    ShowDateAsMDY(date, in);
    ShowDateAsYMD(date, in, "DC");
    EXPECT_EQ(in.cboMonthNames, 3);
    EXPECT_EQ(in.cboDayNumbers, 20);
    EXPECT_EQ(in.txbYearADBCetc, c.year_box) << c.year;
    EXPECT_EQ(in.cboYearDesADBCetc, c.era_after) << c.year;
    EXPECT_EQ(in.txbYearCEJC, c.year_month_day) << c.year;
  }
  MainInputs dee;
  dee.cboCalendar[1] = kDee;
  ShowDateAsYMD({1, 1, 1, kDeeCode, 0, 1}, dee, "D");
  EXPECT_EQ(dee.txbYearCEJC, "1-01-01 D");
}

TEST_F(DateInputTest, GetInputCalendarAlwaysEndsWithACalendar) {
  MainInputs weekday = MonthDayYear(1, 1, "2000", kEraAD, kFirstWeekdayPosition + 6);
  EXPECT_EQ(GetInputCalendar(weekday), kGregorianCode);
  EXPECT_EQ(weekday.cboCalendar, (std::array<int, 2>{kGregorian, kGregorian}));
  MainInputs julian = MonthDayYear(1, 1, "2000", kEraAD, kJulian);
  EXPECT_EQ(GetInputCalendar(julian), kJulianCode);
  EXPECT_EQ(julian.cboCalendar[1], kJulian);
  MainInputs dee = YearMonthDay("", kDee);
  EXPECT_EQ(GetInputCalendar(dee), kDeeCode);
  EXPECT_EQ(dee.cboCalendar[0], kDee);
  MainInputs empty = YearMonthDay("", kNoCalendar);
  EXPECT_EQ(GetInputCalendar(empty), kGregorianCode);
  EXPECT_EQ(empty.cboCalendar[1], kGregorian);
}

TEST_F(DateInputTest, EraIndexFindsExactItems) {
  EXPECT_EQ(EraIndex(""), 0);
  EXPECT_EQ(EraIndex("AD"), 1);
  EXPECT_EQ(EraIndex("BCE"), 4);
  EXPECT_EQ(EraIndex("ce"), -1);
}

TEST_F(DateInputTest, InputCompleteness) {
  MainInputs in = MonthDayYear(1, 1, "  ", kEraAD, kGregorian);
  CheckInputComplete(in, state);
  EXPECT_FALSE(state.InputComplete);
  EXPECT_EQ(state.intInputDateType, kNoCompleteInput);
  EXPECT_EQ(in.txbYearADBCetc, "");
  in.txbYearADBCetc = "2000";
  CheckInputComplete(in, state);
  EXPECT_EQ(state.intInputDateType, kMonthDayYear);
  in.cboYearDesADBCetc = kNoEra;
  CheckInputComplete(in, state);
  EXPECT_FALSE(state.InputComplete);

  MainInputs ymd = YearMonthDay("2000-01-01", kNoCalendar);
  CheckInputComplete(ymd, state);
  EXPECT_FALSE(state.InputComplete);
  ymd.cboCalendar[1] = kJulian;
  CheckInputComplete(ymd, state);
  EXPECT_EQ(state.intInputDateType, kYearMonthDay);
}

}  // namespace
}  // namespace orv
