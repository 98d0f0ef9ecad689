// Calendars defined as data: the shipped definitions against the built-in
// rows and outside references, and what keeps a file from being a calendar.
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <memory>

#include "calendar/CalendarDate.h"
#include "core/ProposalFile.h"

namespace orv {
namespace {

// A shipped definition, read, and its row (not added to the table).
struct Defined {
  std::shared_ptr<ProposalRules> rules;
  CalendarInfo row;
  YearMonthDay DateOf(int32_t jdn) const { return row.date_of_day(row, jdn); }
  DayResult DayOf(int32_t year, int32_t month, int32_t day) const {
    return row.day_number(row, year, month, day);
  }
};

Defined Shipped(const char* file) {
  QFile definition(QStringLiteral(SHIPPED_CALENDARS_DIR "/") + QLatin1String(file));
  EXPECT_TRUE(definition.open(QIODevice::ReadOnly)) << file;
  const ReadDefinition read = ReadCalendarDefinition(definition.readAll());
  EXPECT_EQ(read.refusal, "") << file;
  Defined defined{read.rules, {}};
  if (read.rules) defined.row = ProposalRow(*read.rules);
  return defined;
}

// The rows of a vector file, split at tabs, without its header.
std::vector<QStringList> Vectors(const char* file) {
  QFile vectors(QStringLiteral(CALENDAR_VECTORS_DIR "/") + QLatin1String(file));
  EXPECT_TRUE(vectors.open(QIODevice::ReadOnly)) << file;
  std::vector<QStringList> rows;
  vectors.readLine();
  while (!vectors.atEnd())
    rows.push_back(QString::fromUtf8(vectors.readLine()).trimmed().split('\t'));
  return rows;
}

TEST(CalendarDefinitions, TheBuiltInSolarCalendarsRestatedAgreeDayForDay) {
  const struct {
    const char* file;
    CalendarId built_in;
  } cases[] = {{"gregorian-rule.json", CalendarId::kGregorian},
               {"julian-rule.json", CalendarId::kJulian},
               {"revised-julian-rule.json", CalendarId::kRevisedJulian},
               {"dee-rule.json", CalendarId::kDee},
               {"dee-cecil-rule.json", CalendarId::kDeeCecil}};
  for (const auto& c : cases) {
    const Defined defined = Shipped(c.file);
    ASSERT_TRUE(defined.rules);
    const CalendarInfo& built_in = CalendarOf(c.built_in);
    // Every day from 3,000 BC to AD 3,500, then days spread over the 32-bit range.
    const auto agree = [&](int32_t jdn) {
      const CalendarDate date = DateOfDay(jdn, built_in);
      const YearMonthDay ours = defined.DateOf(jdn);
      if (ours.year != date.year || ours.month != date.month || ours.day != date.day) return false;
      return defined.DayOf(date.year, date.month, date.day).jdn == jdn;
    };
    for (int32_t jdn = 625'000; jdn <= 3'000'000; ++jdn) {
      ASSERT_TRUE(agree(jdn)) << c.file << " at day " << jdn;
    }
    for (int64_t jdn = INT32_MIN + 400; jdn < INT32_MAX - 400; jdn += 104'729) {
      ASSERT_TRUE(agree(static_cast<int32_t>(jdn))) << c.file << " at day " << jdn;
    }
  }
}

TEST(CalendarDefinitions, PersianArithmeticAgainstTheAstronomicalAndEmacs) {
  const Defined thirty_three = Shipped("persian-33.json");
  const CalendarInfo& persian = CalendarOf(CalendarId::kPersian);
  for (int32_t year = 1178; year <= 1502; ++year) {
    ASSERT_EQ(thirty_three.DayOf(year, 1, 1).jdn, DayNumberOf({year, 1, 1, persian.id}).jdn)
        << year;
  }
  EXPECT_NE(thirty_three.DayOf(1503, 1, 1).jdn, DayNumberOf({1503, 1, 1, persian.id}).jdn)
      << "the two part in 1503 AP";
  EXPECT_TRUE(IsLeapYearOf(thirty_three.row, 1399));
  EXPECT_TRUE(IsLeapYearOf(thirty_three.row, 1403));
  EXPECT_EQ(thirty_three.DayOf(1403, 12, 30).jdn, 2460755);  // 20 March 2025
  const Defined cycle = Shipped("persian-2820.json");
  const std::vector<QStringList> emacs = Vectors("persian_2820.tsv");
  ASSERT_EQ(emacs.size(), 3000u);
  for (const QStringList& row : emacs) {
    ASSERT_EQ(cycle.DayOf(row[0].toInt(), 1, 1).jdn, row[1].toInt()) << row[0].toStdString();
  }
}

TEST(CalendarDefinitions, CopticAndEthiopianAgainstIntl) {
  for (const auto& [file, vectors] :
       {std::pair{"coptic.json", "coptic.tsv"}, std::pair{"ethiopian.json", "ethiopian.tsv"}}) {
    const Defined defined = Shipped(file);
    const std::vector<QStringList> years = Vectors(vectors);
    ASSERT_EQ(years.size(), 3000u) << vectors;
    for (const QStringList& row : years) {
      const int32_t year = row[0].toInt();
      const int32_t first = row[1].toInt();
      // The year's first and last day: every day between is 12 × 30 and the rest.
      ASSERT_EQ(defined.DayOf(year, 1, 1).jdn, first) << file << " " << year;
      const int32_t last = first + row[2].toInt() - 1;
      const YearMonthDay end = defined.DateOf(last);
      ASSERT_TRUE(end.year == year && end.month == 13 && end.day == row[2].toInt() - 360)
          << file << " " << year;
    }
  }
  const Defined coptic = Shipped("coptic.json");
  EXPECT_EQ(coptic.DayOf(1741, 1, 1).jdn, 2460565);   // 11 September 2024
  EXPECT_EQ(coptic.DayOf(1739, 13, 6).jdn, 2460199);  // 11 September 2023
  EXPECT_EQ(MonthNameOf(coptic.row, 1739, 13), "Nesi");
}

TEST(CalendarDefinitions, LeapYearsCountedByTheRules) {
  const Defined rule_128 = Shipped("rule-128.json");
  const Defined herschel = Shipped("herschel.json");
  int leaps_128 = 0;
  int leaps_4000 = 0;
  for (int32_t year = 1; year <= 4000; ++year) {
    leaps_128 += year <= 128 && IsLeapYearOf(rule_128.row, year) ? 1 : 0;
    leaps_4000 += IsLeapYearOf(herschel.row, year) ? 1 : 0;
  }
  EXPECT_EQ(leaps_128, 31);    // 32 years divisible by 4, less 128 itself
  EXPECT_EQ(leaps_4000, 969);  // the Gregorian 970, less 4000
  EXPECT_FALSE(IsLeapYearOf(herschel.row, 8000));
  EXPECT_TRUE(IsLeapYearOf(herschel.row, 2000));
  EXPECT_EQ(LeapYearsThrough(*rule_128.rules, 0), 0);
  EXPECT_EQ(LeapYearsThrough(*rule_128.rules, -128), -31) << "years -127 to 0; 0 is a 128th";
}

TEST(CalendarDefinitions, TheWorldReformsKeepTheirPublishedFacts) {
  const Defined fixed = Shipped("international-fixed.json");
  const Defined world = Shipped("world.json");
  const Defined symmetry = Shipped("symmetry454.json");
  const auto gregorian = [](int32_t year, int32_t month, int32_t day) {
    return DayNumberOf({year, month, day, CalendarId::kGregorian}).jdn;
  };
  for (int32_t year = 1582; year <= 2420; ++year) {
    const bool leap = IsGregorianLeapYear(year);
    // International Fixed: Sol 1 is 18 June, Leap Day 17 June, Year Day 31 December.
    ASSERT_EQ(fixed.DayOf(year, 7, 1).jdn, gregorian(year, 6, 18)) << year;
    ASSERT_EQ(fixed.DayOf(year, 14, 1).jdn, leap ? gregorian(year, 6, 17) : 0) << year;
    ASSERT_EQ(fixed.DayOf(year, 15, 1).jdn, gregorian(year, 12, 31)) << year;
    // World: Leapyear Day is 1 July, Worldsday 31 December, W-March 1 of a common year 3 March.
    ASSERT_EQ(world.DayOf(year, 13, 1).jdn, leap ? gregorian(year, 7, 1) : 0) << year;
    ASSERT_EQ(world.DayOf(year, 14, 1).jdn, gregorian(year, 12, 31)) << year;
    if (!leap) {
      ASSERT_EQ(world.DayOf(year, 3, 1).jdn, gregorian(year, 3, 3)) << year;
    }
    // Symmetry454: every month begins on a Monday.
    for (int32_t month = 1; month <= 12; ++month) {
      ASSERT_EQ(DayOfWeek(symmetry.DayOf(year, month, 1).jdn), 1) << year << "-" << month;
    }
  }
  EXPECT_EQ(MonthNameOf(fixed.row, 2024, 15), "Year Day");
  EXPECT_EQ(symmetry.DayOf(2019, 1, 7).jdn, gregorian(2019, 1, 6));
  EXPECT_EQ(symmetry.DayOf(2019, 8, 24).jdn, gregorian(2019, 8, 21));
  int leap_weeks = 0;
  for (int32_t year = 1; year <= 293; ++year) leap_weeks += IsLeapYearOf(symmetry.row, year);
  EXPECT_EQ(leap_weeks, 52);
}

TEST(CalendarDefinitions, WhatIsNoCalendarIsRefusedWithItsField) {
  const std::string months = R"("months": [{"name": "A", "days": 365}])";
  const struct {
    std::string json;
    const char* refusal;
  } cases[] = {
      {"{", "the file is not JSON (unterminated object at byte 1)"},
      {"[]", "the file is not one calendar's object"},
      {R"({"key": "x", "tag": "XX"})", "name: a text is needed"},
      {R"({"name": "X", "key": "Bad Key", "tag": "XX"})",
       "key: lower-case letters, digits and hyphens, beginning with a letter"},
      {R"({"name": "X", "key": "x", "tag": "XX", "months": []})",
       "months: a list of months is needed: [{\"name\": \"January\", \"days\": 31}, ...]"},
      {R"({"name": "X", "key": "x", "tag": "XX", "months": [{"name": "A", "days": 0}]})",
       "months[0].days: a whole number from 1 to 400 is needed"},
      {R"({"name": "X", "key": "x", "tag": "XX", "months": [{"name": "A", "days": 30}],
           "epoch": 0})",
       "months: they make a year of 30 days; a solar calendar's year has 300 to 400"},
      {R"({"name": "X", "key": "x", "tag": "XX", )" + months + "}",
       "epoch: the day its year 1 begins is needed"},
      {R"({"name": "X", "key": "x", "tag": "XX", )" + months + R"(, "epoch": "2000-02-30 CE"})",
       "epoch: February 2000 CE has days 1 to 29."},
      {R"({"name": "X", "key": "x", "tag": "XX", )" + months +
           R"(, "epoch": 0, "leap": [{"every": 4}]})",
       "leap: the rules make leap years, but nothing is added in one (leap_days, an intercalary "
       "day of leap years)"},
      {R"({"name": "X", "key": "x", "tag": "XX", )" + months +
           R"(, "epoch": 0, "leap": [{"every": 4, "remainders": [4]}]})",
       "leap[0]: a remainder from 0 to 3"},
      {R"({"name": "X", "key": "x", "tag": "XX", )" + months +
           R"(, "epoch": 0, "leap": [{"often": 4}]})",
       "leap[0]: a rule is one of every, cycle, linear or gregorian"},
      {R"({"name": "X", "key": "x", "tag": "XX", )" + months +
           R"(, "epoch": 0, "leap": [{"every": 999983}, {"every": 999979}]})",
       "leap[1]: the rules repeat only after more than 1000000 years"},
      {R"({"name": "X", "key": "x", "tag": "XX", )" + months +
           R"(, "epoch": 0, "intercalary": [{"name": "Y", "after": 2}]})",
       "intercalary[0].after: a whole number from 0 to 1 is needed"},
  };
  for (const auto& c : cases) {
    const ReadDefinition read = ReadCalendarDefinition(QByteArray::fromStdString(c.json));
    EXPECT_FALSE(read.rules) << c.json;
    EXPECT_EQ(read.refusal, c.refusal) << c.json;
  }
}

}  // namespace
}  // namespace orv
