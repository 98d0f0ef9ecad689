// The typed date: checks in their order, rewrites, the day it names, the
// arithmetic and the weekday test.
#include "core/DateEntry.h"

#include <gtest/gtest.h>

#include <climits>

#include "calendar/Calendar.h"
#include "core/Calculation.h"
#include "core/StrProc.h"
#include "tests/PrintQString.h"

namespace orv {
namespace {

TypedDate YearMonthDay(const QString& text, int32_t code) {
  TypedDate typed;
  typed.year_month_day = text;
  typed.calendar = CalendarByCode(code);
  return typed;
}

TypedDate MonthDayYear(int month, int day, const QString& year, Era era, int32_t code) {
  TypedDate typed;
  typed.notation = Notation::kMonthDayYear;
  typed.month = month;
  typed.day = day;
  typed.year = year;
  typed.era = era;
  typed.calendar = CalendarByCode(code);
  return typed;
}

// A notice in the program's words; none when there is none.
std::optional<QString> Words(const UserNotice& notice) {
  if (!notice) return std::nullopt;
  return NoticeText(*notice);
}

struct Outcome {
  Calculation calculation;
  CheckedYearMonthDay checked;
  CalendarDate date;
  int32_t jdn() const { return calculation.day.value_or(0); }
  // The words of the first notice.
  std::optional<QString> first() const {
    if (calculation.messages.empty()) return std::nullopt;
    return NoticeText(calculation.messages.front());
  }
};

Outcome CalculateWith(TypedDate& typed, const DeeVersion& dee = kDeeCecilVersion,
                      ArithmeticInput arithmetic = {}) {
  Outcome run;
  run.calculation = Calculate(typed, arithmetic, dee, run.checked, run.date);
  return run;
}

TEST(DateEntry, YearMonthDayRefusalsInTheirOrder) {
  const QString ad_bc = "The calendar designators 'AD' and 'BC'" + kCrLf +
                        "can only be used with month,day,year dates.";
  const QString invalid = "Invalid input date";
  const QString inconsistent = "Inconsistent calendar designations in year-month-day date.";
  const QString out_of_range = "Input date is out of permitted range.";
  const QString named_range = "Input date is out of permitted range: years -99,999 to 99,999.";
  struct Case {
    const char* text;
    int32_t calendar;
    DeeVersion dee;
    QString message;
    QString why = {};  // the refusal that says why (orvc, our own windows), when it differs
  };
  const Case cases[] = {
      {"2000-01-01 JC", kGregorianCode, kDeeCecilVersion, inconsistent},
      {"2000-01-01 AD", kGregorianCode, kDeeCecilVersion, inconsistent},  // the D of AD
      {"2000-01-01 AD", kDeeCode, kDeeVersion, ad_bc},
      {"2000-01-01 BC", kGregorianCode, kDeeCecilVersion, ad_bc},
      {"2000-01-01", kDeeCode, kDeeCecilVersion,
       "Please specify calendar for year-month-day date."},
      {"2000-01-01 XY", kGregorianCode, kDeeCecilVersion, invalid},
      {"2000-01-01 D", kDeeCode, kDeeCecilVersion, invalid,
       "'D' is the tag of the Dee calendar, but the version in force is Dee-Cecil: its tag is "
       "'DC'."},
      {"2000-01-01 DC", kDeeCode, kDeeVersion, invalid,
       "'DC' is the tag of the Dee-Cecil calendar, but the version in force is Dee: its tag is "
       "'D'."},
      {"2000--01-01 CE", kGregorianCode, kDeeCecilVersion, invalid},
      {"2000-13-01 CE", kGregorianCode, kDeeCecilVersion, invalid,
       "2000 CE has 12 months: it has no month 13."},
      {"2000-04-31 JC", kJulianCode, kDeeCecilVersion, "The input date is invalid.",
       "April 2000 JC has days 1 to 30."},
      {"100000-01-01 CE", kGregorianCode, kDeeCecilVersion, out_of_range, named_range},
      {"99999999999999999999-01-01 CE", kGregorianCode, kDeeCecilVersion, out_of_range,
       named_range},
  };
  for (const Case& c : cases) {
    for (const bool say_why : {false, true}) {
      TypedDate typed = YearMonthDay(c.text, c.calendar);
      typed.say_why = say_why;
      const Outcome run = CalculateWith(typed, c.dee);
      EXPECT_EQ(run.first(), say_why && !c.why.isEmpty() ? c.why : c.message) << c.text;
      EXPECT_FALSE(run.calculation.day.has_value()) << c.text;
    }
  }
}

TEST(DateEntry, YearMonthDayAcceptedAndRewritten) {
  struct Case {
    const char* typed;
    int32_t calendar;
    const char* after_check;
    const char* after_calculation;
    int32_t year;
  };
  const Case cases[] = {
      {" 2000-3-20 ", kGregorianCode, "2000-3-20 CE", "2000-03-20 CE", 2000},
      {"99999-12-31 ce", kGregorianCode, "99999-12-31 CE", "99,999-12-31 CE", 99999},
      {"12,345-1-5", kGregorianCode, "12,345-1-5 CE", "12,345-01-05 CE", 12345},
      {"2000-1-2 dc", kDeeCode, "2000-1-2 DC", "2000-01-02 DC", 2000},
      {"-500-3-20- jc", kJulianCode, "-500-3-20- JC", "-500-03-20 JC",
       -500},  // a hyphen at the end
  };
  for (const Case& c : cases) {
    TypedDate typed = YearMonthDay(c.typed, c.calendar);
    CheckedYearMonthDay checked;
    EXPECT_EQ(CheckTypedDate(typed, kDeeCecilVersion, checked), std::nullopt) << c.typed;
    EXPECT_EQ(typed.year_month_day, c.after_check);
    const Outcome run = CalculateWith(typed);
    EXPECT_TRUE(run.calculation.day.has_value()) << c.typed;
    EXPECT_EQ(typed.year_month_day, c.after_calculation);
    EXPECT_EQ(run.date.year, c.year);
  }
}

TEST(DateEntry, LeapDayExplanationNamesTheCalendar) {
  const QString invalid = "The input date is invalid.";
  const auto lines = [&](const char* calendar, const char* year) {
    return invalid + kCrLf + kCrLf + "In the " + calendar + " Calendar" + kCrLf + year +
           " is not a leap year.";
  };
  struct Case {
    TypedDate typed;
    DeeVersion dee;
    QString text;
  };
  Case cases[] = {
      {YearMonthDay("2001-02-29 CE", kGregorianCode), kDeeCecilVersion, lines("Gregorian", "2001")},
      {MonthDayYear(2, 29, "2001", Era::kAD, kJulianCode), kDeeCecilVersion,
       lines("Julian", "2001")},
      {YearMonthDay("33-02-29 D", kDeeCode), kDeeVersion, lines("Dee", "33")},
      {YearMonthDay("-1-02-29 CE", kGregorianCode), kDeeCecilVersion, invalid},  // no lines
      {YearMonthDay("2001-04-31 CE", kGregorianCode), kDeeCecilVersion, invalid},
  };
  for (Case& c : cases) {
    const Outcome run = CalculateWith(c.typed, c.dee);
    EXPECT_EQ(run.first(), c.text);
  }
}

TEST(DateEntry, MonthDayYearYearBox) {
  const QString zero =
      "Zero and negative years not accepted." + kCrLf + "Input the date as year-month-day.";
  const QString invalid_year = "Invalid year value";
  struct Case {
    const char* typed;
    std::optional<QString> message;
    const char* after;  // the box after the check (and after the reading when accepted)
  };
  const Case cases[] = {
      {"007", std::nullopt, "7"},
      {"000", zero, "0"},
      {"+5", invalid_year, "+5"},
      {"1e3", invalid_year, "1e3"},
      {"100,000", "Year is out of permitted range", "100,000"},
      {"99,999", std::nullopt, "99,999"},
      {"9999", std::nullopt, "9,999"},
      {"9'999", std::nullopt, "9,999"},  // the program's own grouping in some locales
      {" 1 000 ", std::nullopt, "1000"},
  };
  for (const Case& c : cases) {
    TypedDate typed = MonthDayYear(3, 15, c.typed, Era::kAD, kGregorianCode);
    const Outcome run = CalculateWith(typed);
    EXPECT_EQ(run.first(), c.message) << c.typed;
    EXPECT_EQ(run.calculation.day.has_value(), !c.message.has_value()) << c.typed;
    EXPECT_EQ(typed.year, c.after) << c.typed;
  }
}

TEST(DateEntry, YearsOfTheInput) {
  EXPECT_EQ(YearOfTypedDate(MonthDayYear(1, 1, "10,000", Era::kCE, kGregorianCode)), 10000);
  EXPECT_EQ(YearOfTypedDate(MonthDayYear(1, 1, "1 BC", Era::kBCE, kGregorianCode)), 0);
  EXPECT_EQ(YearOfTypedDate(MonthDayYear(3, 15, "44", Era::kBC, kJulianCode)), -43);
  EXPECT_EQ(YearOfTypedDate(YearMonthDay("-12,345-01-05 CE", kGregorianCode)), -12345);
}

TEST(DateEntry, TypedJulianDatesNameTheirCivilDay) {
  struct Case {
    const char* text;
    std::optional<int64_t> day;
  };
  const Case cases[] = {
      {" 2451545 ", 2451545},
      {"2,451,548", 2451548},  // grouped as the program writes it
      {"2'451 545", 2451545},
      {"2,451", 2451},
      {"2451545.5", 2451546},  // a single point: a decimal point of any length
      {"2451545.25", 2451545},
      {"2451545.", 2451545},
      {"2,451,545.500", 2451546},
      {"1721425.500", 1721426},
      {"245.500", 246},
      {"2460389.629", 2460390},
      {"2451545,5", 2451546},  // a single comma before other than three digits
      {"2 451 545,49", 2451545},
      {"2.451.547", 2451547},  // points in groups, then a decimal comma
      {"2.451.545,5", 2451546},
      {"-5.5", -5},
      {"-5.5001", -6},
      {"2451545,500", std::nullopt},  // the refused mixes
      {"2,451,545,5", std::nullopt},
      {"2.451.545.5", std::nullopt},
      {"2,451.545,5", std::nullopt},
      {"2.451,545", std::nullopt},
      {"1.2.3", std::nullopt},
      {"2451545.5x", std::nullopt},
      {"x2451545", std::nullopt},
      {",5", std::nullopt},
      {".5", std::nullopt},
      {"1234567890123", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(DayOfTypedJulianDate(c.text), c.day) << c.text;
}

TEST(DateEntry, DatesWrittenBackIntoBothNotations) {
  struct Case {
    int32_t year;
    Era era_before;
    const char* year_box;
    Era era_after;
    const char* year_month_day;
  };
  const Case cases[] = {
      {2000, Era::kNone, "2000", Era::kCE, "2000-03-20 JC"},
      {2000, Era::kBC, "2000", Era::kAD, "2000-03-20 JC"},
      {10000, Era::kAD, "10,000", Era::kAD, "10,000-03-20 JC"},
      {0, Era::kNone, "1", Era::kBCE, "0-03-20 JC"},
      {-9999, Era::kCE, "10000", Era::kBCE, "-9999-03-20 JC"},
      {-10000, Era::kBC, "10,001", Era::kBC, "-10,000-03-20 JC"},
  };
  for (const Case& c : cases) {
    TypedDate typed = YearMonthDay("", kJulianCode);
    typed.era = c.era_before;
    const CalendarDate date{c.year, 3, 20, CalendarId::kJulian};
    PutDateInMonthDayYear(date, typed);
    PutDateInYearMonthDay(date, typed, kDeeCecilVersion);
    EXPECT_EQ(typed.month, 3);
    EXPECT_EQ(typed.day, 20);
    EXPECT_EQ(typed.year, c.year_box) << c.year;
    EXPECT_EQ(typed.era, c.era_after) << c.year;
    EXPECT_EQ(typed.year_month_day, c.year_month_day) << c.year;
  }
  TypedDate dee = YearMonthDay("", kDeeCode);
  PutDateInYearMonthDay({1, 1, 1, CalendarId::kDee}, dee, kDeeVersion);
  EXPECT_EQ(dee.year_month_day, "1-01-01 D");
}

struct Amounts {
  bool plus;
  const char* years;
  const char* months;
  const char* weeks;
  const char* days;
};

Outcome CalculateArithmetic(const char* date, int32_t calendar, const Amounts& a) {
  TypedDate typed = YearMonthDay(date, calendar);
  return CalculateWith(typed, kDeeCecilVersion,
                       {a.plus, !a.plus, true, {a.years, a.months, a.weeks, a.days}});
}

TEST(DateArithmetic, YearsMonthsThenMonthEndThenWeeksAndDays) {
  struct Case {
    const char* date;
    int32_t calendar;
    Amounts amounts;
    int32_t year, month, day;  // the result, in the input's calendar
  };
  const Case cases[] = {
      {"2000-01-31 CE", kGregorianCode, {true, "", "1", "", ""}, 2000, 2, 29},
      {"2000-01-31 CE", kGregorianCode, {true, "", "13", "", ""}, 2001, 2, 28},
      {"2000-03-31 CE", kGregorianCode, {false, "", "1", "", ""}, 2000, 2, 29},
      {"2000-11-15 CE", kGregorianCode, {true, "", "2", "", ""}, 2001, 1, 15},
      {"2000-02-15 CE", kGregorianCode, {false, "", "3", "", ""}, 1999, 11, 15},
      {"2000-02-29 CE", kGregorianCode, {true, "1", "", "", ""}, 2001, 2, 28},
      {"2000-03-31 CE", kGregorianCode, {false, "", "", "", "30"}, 2000, 3, 1},
      {"2000-01-01 CE", kGregorianCode, {true, "", "", "", "1.5"}, 2000, 1, 16},
      {"1-06-15 CE", kGregorianCode, {false, "1", "", "", ""}, 0, 6, 15},
      {"36-01-31 DC", kDeeCode, {true, "", "1", "", ""}, 36, 2, 28},  // a Gregorian leap year
  };
  for (const Case& c : cases) {
    const Outcome run = CalculateArithmetic(c.date, c.calendar, c.amounts);
    ASSERT_TRUE(run.calculation.day.has_value()) << c.date;
    const CalendarDate result =
        DateOfDay(run.jdn(), InForce(*CalendarByCode(c.calendar), kDeeCecilVersion));
    EXPECT_EQ(result.year, c.year) << c.date;
    EXPECT_EQ(result.month, c.month) << c.date;
    EXPECT_EQ(result.day, c.day) << c.date;
  }
  // Weeks and days move the day number only: the date held is the month end.
  const Outcome run =
      CalculateArithmetic("2000-01-31 CE", kGregorianCode, {true, "", "1", "2", "3"});
  EXPECT_EQ(run.date.day, 29);
  EXPECT_EQ(run.jdn(), 2451604 + 17);
}

TEST(DateArithmetic, RefusalsAndThe32BitLimit) {
  const QString negative = "Negative values not permitted in the arithmetical function.";
  const QString invalid = "Invalid input in the arithmetical function.";
  struct Case {
    const char* date;
    Amounts amounts;
    QString message;
  };
  const Case cases[] = {
      {"2000-01-01 CE", {true, "-1", "", "", ""}, negative},
      {"2000-01-01 CE", {true, "", "", "", " -5"}, negative},  // a leading space hides nothing
      {"2000-01-01 CE", {true, "2147483648", "", "", ""}, invalid},
      {"2000-01-01 CE", {true, "2147483647", "", "", ""}, invalid},  // year beyond 32 bits
      {"2000-01-01 CE", {true, "5874000", "", "", ""}, invalid},     // day number beyond
      {"-99999-01-01 CE", {false, "2147383648", "", "", ""}, invalid},
      {"2000-01-31 CE", {true, "5872898", "5", "", ""}, invalid},  // month end near the limit
  };
  for (const Case& c : cases) {
    const Outcome run = CalculateArithmetic(c.date, kGregorianCode, c.amounts);
    EXPECT_EQ(run.first(), c.message) << c.date;
    EXPECT_FALSE(run.calculation.day.has_value());
  }
  // The last day whose number fits: 5874898-06-03 Gregorian.
  EXPECT_EQ(
      CalculateArithmetic("2000-06-03 CE", kGregorianCode, {true, "5872898", "", "", ""}).jdn(),
      INT32_MAX);
}

TEST(DateArithmetic, LeavingABox) {
  QString negative = "-3";
  EXPECT_EQ(Words(CheckTypedAmount(negative)),
            "Negative values not permitted in the arithmetical function.");
  EXPECT_EQ(negative, "-3") << "the box keeps its text";
  QString letters = "12a";
  EXPECT_EQ(Words(CheckTypedAmount(letters)), "Invalid input in the arithmetical function.");
  EXPECT_EQ(letters, "") << "the box is emptied";
  QString grouped = " 1,300'290. ";
  EXPECT_EQ(CheckTypedAmount(grouped), std::nullopt);
}

TEST(WeekdayTest, Outcomes) {
  struct Case {
    int32_t year;
    int weekday;
    bool found, in_gregorian, in_julian;
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
    TypedDate typed = MonthDayYear(1, 1, QString::number(c.year), Era::kAD, 0);
    typed.weekday = c.weekday;
    const Outcome run = CalculateWith(typed);
    EXPECT_EQ(run.calculation.day.has_value(), c.found) << c.year << " " << c.weekday;
    EXPECT_EQ(run.calculation.in_gregorian, c.in_gregorian);
    EXPECT_EQ(run.calculation.in_julian, c.in_julian);
    EXPECT_EQ(run.first(), c.message ? std::optional<QString>(c.message) : std::nullopt);
    if (c.found) {
      EXPECT_EQ(run.jdn(), c.jdn);
    }
  }
  // A refused amount is reported once and ends the test.
  TypedDate typed = MonthDayYear(1, 1, "2000", Era::kAD, 0);
  typed.weekday = 0;
  const Outcome refused =
      CalculateWith(typed, kDeeCecilVersion, {true, false, false, {"", "", "", "-1"}});
  EXPECT_EQ(refused.calculation.messages.size(), 1u);
  EXPECT_FALSE(refused.calculation.day.has_value());
}

}  // namespace
}  // namespace orv
