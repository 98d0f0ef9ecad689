// The main window's input: the year it names, dates written into its boxes,
// typed day numbers, the arithmetic and the weekday test.
#include "core/DateEntry.h"

#include <gtest/gtest.h>

#include <climits>

#include "calendar/Calendar.h"
#include "core/Calculation.h"
#include "core/StrProc.h"
#include "tests/PrintQString.h"

namespace orv {
namespace {

// A notice in the program's words; none when there is none.
std::optional<QString> Words(const UserNotice& notice) {
  if (!notice) return std::nullopt;
  return NoticeText(*notice);
}

struct Outcome {
  Calculation calculation;
  int32_t jdn() const { return calculation.day.value_or(0); }
  // The words of the first notice.
  std::optional<QString> first() const {
    if (calculation.messages.empty()) return std::nullopt;
    return NoticeText(calculation.messages.front());
  }
};

// A Calculate by the main window's rules, in the calendar of the code (0: the
// weekday test for the weekday).
Outcome CalculateWith(const TypedDate& typed, int32_t code, ArithmeticInput arithmetic = {},
                      int weekday = -1) {
  return {Calculate(typed, MainWindowRules(CalendarByCode(code), kDeeCecilVersion), weekday,
                    arithmetic)};
}

TEST(DateEntry, YearsOfTheInput) {
  EXPECT_EQ(YearOfTypedDate(TypedDate::OfMonthDayYear(1, 1, "10,000", Era::kCE)), 10000);
  EXPECT_EQ(YearOfTypedDate(TypedDate::OfMonthDayYear(1, 1, "1 BC", Era::kBCE)), 0);
  EXPECT_EQ(YearOfTypedDate(TypedDate::OfMonthDayYear(3, 15, "44", Era::kBC)), -43);
  EXPECT_EQ(YearOfTypedDate(TypedDate::OfYearMonthDay("-12,345-01-05 CE")), -12345);
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
  // The instant of a Julian Date with a fraction, in the day it names.
  const struct {
    const char* text;
    std::optional<int64_t> time;  // microseconds since 0 h UT
  } instants[] = {
      {"2451545", std::nullopt},
      {"2451545.25", 64'800'000'000},
      {"2451545.5", 0},
      {"2460389.629410", 11'181'024'000},
      {"-5.5", 0},
      {"-5.75", 64'800'000'000},
      {"-5.25", 21'600'000'000},
      {"2,451,545.000001", 43'200'086'400},
      {"2451545,9999999999999", 43'200'000'000},  // rounded to the microsecond
  };
  for (const auto& c : instants) EXPECT_EQ(TimeOfTypedJulianDate(c.text), c.time) << c.text;
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
  const CalendarInfo* julian = &CalendarOf(CalendarId::kJulian);
  for (const Case& c : cases) {
    const CalendarDate date{c.year, 3, 20, CalendarId::kJulian};
    const TypedDate shown = MonthDayYearOf(date, c.era_before);
    EXPECT_EQ(shown.month, 3);
    EXPECT_EQ(shown.day, 20);
    EXPECT_EQ(shown.year, c.year_box) << c.year;
    EXPECT_EQ(shown.era, c.era_after) << c.year;
    EXPECT_EQ(YearMonthDayOf(date, julian, kDeeCecilVersion), c.year_month_day) << c.year;
  }
  EXPECT_EQ(YearMonthDayOf({1, 1, 1, CalendarId::kDee}, nullptr, kDeeVersion), "1-01-01 D");
}

struct Amounts {
  bool plus;
  const char* years;
  const char* months;
  const char* weeks;
  const char* days;
};

Outcome CalculateArithmetic(const char* date, int32_t calendar, const Amounts& a) {
  return CalculateWith(TypedDate::OfYearMonthDay(date), calendar,
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
  EXPECT_EQ(run.calculation.input.date->day, 29);
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
  const TypedAmount negative = CheckTypedAmount("-3");
  EXPECT_EQ(Words(negative.refusal), "Negative values not permitted in the arithmetical function.");
  EXPECT_EQ(negative.text, "-3") << "the box keeps its text";
  const TypedAmount letters = CheckTypedAmount("12a");
  EXPECT_EQ(Words(letters.refusal), "Invalid input in the arithmetical function.");
  EXPECT_EQ(letters.text, "") << "the box is emptied";
  const TypedAmount grouped = CheckTypedAmount(" 1,300'290. ");
  EXPECT_EQ(grouped.refusal, std::nullopt);
  EXPECT_EQ(grouped.text, " 1,300'290. ");
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
    const Outcome run = CalculateWith(
        TypedDate::OfMonthDayYear(1, 1, QString::number(c.year), Era::kAD), 0, {}, c.weekday);
    EXPECT_EQ(run.calculation.day.has_value(), c.found) << c.year << " " << c.weekday;
    EXPECT_EQ(run.calculation.in_gregorian, c.in_gregorian);
    EXPECT_EQ(run.calculation.in_julian, c.in_julian);
    EXPECT_EQ(run.first(), c.message ? std::optional<QString>(c.message) : std::nullopt);
    if (c.found) {
      EXPECT_EQ(run.jdn(), c.jdn);
    }
  }
  // A refused amount is reported once and ends the test.
  const Outcome refused = CalculateWith(TypedDate::OfMonthDayYear(1, 1, "2000", Era::kAD), 0,
                                        {true, false, false, {"", "", "", "-1"}}, 0);
  EXPECT_EQ(refused.calculation.messages.size(), 1u);
  EXPECT_FALSE(refused.calculation.day.has_value());
  // A date only one calendar has is on the weekday there, in either voice:
  // 29 February 1900 is a Tuesday in the Julian calendar.
  for (const ReadingVoice voice : {ReadingVoice::kMainWindow, ReadingVoice::kProgram}) {
    DateReadingRules rules;
    rules.voice = voice;
    const WeekdayOutcome julian_only =
        WeekdayTest(TypedDate::OfMonthDayYear(2, 29, "1900", Era::kAD), {}, rules, 2);
    EXPECT_TRUE(julian_only.in_julian);
    EXPECT_EQ(julian_only.day, 2415092);
    EXPECT_FALSE(julian_only.message);
  }
}

}  // namespace
}  // namespace orv
