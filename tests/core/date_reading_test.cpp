// The one reader: the checks in their order in both voices, the text
// written back, the day, and every calendar's own form.
#include "core/DateReading.h"

#include <gtest/gtest.h>

#include "calendar/Calendar.h"
#include "core/StrProc.h"
#include "tests/PrintQString.h"

namespace orv {
namespace {

const DeeVersion kDee = kDeeCecilVersion;

// The words of the reading's refusal; none when there is none.
std::optional<QString> Words(const DateReading& reading) {
  if (!reading.refusal) return std::nullopt;
  return NoticeText(*reading.refusal);
}

TEST(DateReading, YearMonthDayRefusalsInTheirOrderInBothVoices) {
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
    QString message;   // the main window's words
    QString why = {};  // the program's, when they differ
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
    const QString text = QString::fromLatin1(c.text);
    const CalendarInfo* calendar = CalendarByCode(c.calendar);
    const DateReading main_window = ReadDate(text, MainWindowRules(calendar, c.dee));
    EXPECT_EQ(Words(main_window), c.message) << c.text;
    EXPECT_FALSE(main_window) << c.text;
    const DateReading program = ReadDate(text, {calendar, nullptr, c.dee});
    EXPECT_EQ(Words(program), c.why.isEmpty() ? c.message : c.why) << c.text;
  }
}

TEST(DateReading, WrittenBackAfterTheChecksAndOnceRead) {
  struct Case {
    const char* typed;
    int32_t calendar;
    const char* after_check;
    const char* once_read;
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
    DateReadingRules rules = MainWindowRules(CalendarByCode(c.calendar), kDee);
    rules.form_only = true;
    const DateReading checked = ReadDate(QString::fromLatin1(c.typed), rules);
    EXPECT_FALSE(checked.refusal) << c.typed;
    EXPECT_FALSE(checked.date) << "the form alone names no day";
    EXPECT_EQ(checked.text, c.after_check);
    rules.form_only = false;
    const DateReading read = ReadDate(QString::fromLatin1(c.typed), rules);
    ASSERT_TRUE(read) << c.typed;
    EXPECT_EQ(read.text, c.once_read);
    EXPECT_EQ(read.date->year, c.year);
  }
}

TEST(DateReading, MainWindowLeapDayExplanationNamesTheCalendar) {
  const QString invalid = "The input date is invalid.";
  const auto lines = [&](const char* calendar, const char* year) {
    return invalid + kCrLf + kCrLf + "In the " + calendar + " Calendar" + kCrLf + year +
           " is not a leap year.";
  };
  struct Case {
    TypedDate typed;
    int32_t calendar;
    DeeVersion dee;
    QString text;
  };
  TypedDate year_month_day;
  const auto typed = [&](const char* text) {
    year_month_day.year_month_day = text;
    return year_month_day;
  };
  const Case cases[] = {
      {typed("2001-02-29 CE"), kGregorianCode, kDee, lines("Gregorian", "2001")},
      {TypedDate::OfMonthDayYear(2, 29, "2001", Era::kAD), kJulianCode, kDee,
       lines("Julian", "2001")},
      {typed("33-02-29 D"), kDeeCode, kDeeVersion, lines("Dee", "33")},
      {typed("-1-02-29 CE"), kGregorianCode, kDee, invalid},  // no lines
      {typed("2001-04-31 CE"), kGregorianCode, kDee, invalid},
  };
  for (const Case& c : cases) {
    const CalendarInfo* calendar = CalendarByCode(c.calendar);
    const DateReading reading = ReadDate(c.typed, MainWindowRules(calendar, c.dee));
    EXPECT_EQ(Words(reading), c.text);
    ASSERT_TRUE(reading.date) << "the date read is kept though it names no day";
    EXPECT_EQ(Words(ReadDate(c.typed, MainWindowRules(calendar, c.dee, false))), std::nullopt);
  }
}

TEST(DateReading, MonthDayYearYearBox) {
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
  const CalendarInfo* gregorian = &CalendarOf(CalendarId::kGregorian);
  for (const Case& c : cases) {
    const DateReading reading = ReadDate(TypedDate::OfMonthDayYear(3, 15, c.typed, Era::kAD),
                                         MainWindowRules(gregorian, kDee));
    EXPECT_EQ(Words(reading), c.message) << c.typed;
    EXPECT_EQ(reading.day.has_value(), !c.message.has_value()) << c.typed;
    EXPECT_EQ(reading.text, c.after) << c.typed;
  }
  const DateReading before_christ =
      ReadDate(TypedDate::OfMonthDayYear(3, 15, "44", Era::kBC), MainWindowRules(gregorian, kDee));
  EXPECT_EQ(before_christ.date->year, -43);
}

// Every calendar by the program's voice: the text written back, or the
// refusal in the words of the rule the date breaks.
TEST(DateReading, ReadsTheDatesOfEveryCalendar) {
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
      {u"1749/0-02-10 EN", nullptr, 2360286, "1750-02-10 EN"},
      {u"1699/00-02-10 EN", nullptr, 2342023, "1700-02-10 EN"},
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
    EXPECT_EQ(reading.day.value_or(0), c.jdn) << qPrintable(QString::fromUtf16(c.text));
    EXPECT_EQ(reading.refusal ? NoticeText(*reading.refusal) : reading.text,
              QString::fromUtf8(c.refusal))
        << qPrintable(QString::fromUtf16(c.text));
  }
  // Without a calendar for an untagged date it is refused.
  EXPECT_EQ(ReadDate(u"2000-01-01", {nullptr, nullptr, kDee}).refusal->kind, NoticeKind::kNoTag);
}

TEST(DateReading, ATimeOfDayAfterTheDateInTheProgramsVoice) {
  struct Case {
    const char16_t* text;
    int32_t jdn;                  // 0: refused with `written`
    std::optional<int64_t> time;  // microseconds since 0 h UT
    const char* written;
  };
  const Case cases[] = {
      {u"2024-03-20 CE 03:06:21", 2460390, 11'181'000'000, "2024-03-20 CE 03:06:21"},
      {u"2024-03-20T03:06", 2460390, 11'160'000'000, "2024-03-20 CE 03:06:00"},
      {u"2024-03-20t23:59:59.5z ce", 2460390, 86'399'500'000, "2024-03-20 CE 23:59:59.5"},
      {u"5784-13-10 AM 0:00 UT", 2460390, 0, "5784-13-10 AM 00:00:00"},
      {u"2024-03-20", 2460390, std::nullopt, "2024-03-20 CE"},
      {u"2024-03-20 CE 24:00", 0, std::nullopt,
       "'24:00' is not a time of day (UT): hours 0 to 23, minutes and seconds 0 to 59."},
      {u"2024-03-20 CE 3:6", 0, std::nullopt, "Invalid input date"},  // no time of that form
  };
  const CalendarInfo* gregorian = &CalendarOf(CalendarId::kGregorian);
  for (const Case& c : cases) {
    const DateReading reading = ReadDate(c.text, {nullptr, gregorian, kDee});
    EXPECT_EQ(reading.day.value_or(0), c.jdn) << qPrintable(QString::fromUtf16(c.text));
    EXPECT_EQ(reading.time_of_day, c.time) << qPrintable(QString::fromUtf16(c.text));
    EXPECT_EQ(reading.refusal ? NoticeText(*reading.refusal) : reading.text, c.written);
  }
  // The main window takes no time.
  EXPECT_EQ(Words(ReadDate(u"2024-03-20 CE 03:06:21", MainWindowRules(gregorian, kDee))),
            "Invalid input date");
}

}  // namespace
}  // namespace orv
