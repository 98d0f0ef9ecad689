// The Revised Julian, ISO week, tabular Islamic and English calendars against
// the reference dates of vectors/make_arithmetic_vectors.py, worked out there
// from the rules by other routes, and against their own rules day by day.
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <span>
#include <sstream>
#include <string>
#include <utility>

#include "calendar/England.h"
#include "calendar/Islamic.h"
#include "calendar/IsoWeek.h"
#include "calendar/RevisedJulian.h"

namespace orv {
namespace {

// One calendar's functions, and its leap day: the date that exists in leap
// years only.
struct Arithmetic {
  const char* name;  // also the vector file's name, without ".tsv"
  bool (*is_date)(int32_t, int32_t, int32_t);
  int64_t (*day_number)(int32_t, int32_t, int32_t);
  YearMonthDay (*date_of_day)(int32_t);
  bool (*is_leap_year)(int32_t);
  int32_t leap_month;
  int32_t leap_day;
};

const Arithmetic kCalendars[] = {
    {"revised_julian", IsRevisedJulianDate, RevisedJulianDayNumber, RevisedJulianDateOfDay,
     IsRevisedJulianLeapYear, 2, 29},
    {"iso_week", IsIsoWeekDate, IsoWeekDayNumber, IsoWeekDateOfDay, IsIsoWeekLeapYear, 53, 1},
    {"islamic", IsIslamicDate, IslamicDayNumber, IslamicDateOfDay, IsIslamicLeapYear, 12, 30},
    {"england", IsEnglandDate, EnglandDayNumber, EnglandDateOfDay, IsEnglandLeapYear, 2, 29},
};
const Arithmetic& kRevisedJulian = kCalendars[0];
const Arithmetic& kIsoWeek = kCalendars[1];
const Arithmetic& kIslamic = kCalendars[2];
const Arithmetic& kEngland = kCalendars[3];

// The examples of the headers, at compile time.
static_assert(RevisedJulianDayNumber(2000, 1, 1) == 2451545);
static_assert(RevisedJulianDateOfDay(2743798) == YearMonthDay{2800, 3, 1});
static_assert(IsoWeekDateOfDay(2454830) == YearMonthDay{2009, 1, 1});
static_assert(IsoWeekDayNumber(2004, 53, 7) == 2453373);
static_assert(IslamicDayNumber(1445, 9, 1) == 2460381);
static_assert(IslamicDateOfDay(kIslamicFirstDay) == YearMonthDay{1, 1, 1});
static_assert(EnglandDayNumber(1752, 9, 14) == 2361222);
static_assert(EnglandDateOfDay(2361221) == YearMonthDay{1752, 9, 2});
static_assert(EnglandLegalYear(1732, 2, 11) == 1731);

// The date after a date: the next day of its month or week, the first of the
// next, or of the next year's first; for England also 14 September 1752,
// twelve days on from the 2nd.
YearMonthDay NextDate(const Arithmetic& calendar, const YearMonthDay& date) {
  for (int32_t later = 1; later <= 12; ++later) {
    if (calendar.is_date(date.year, date.month, date.day + later)) {
      return {date.year, date.month, date.day + later};
    }
  }
  if (calendar.is_date(date.year, date.month + 1, 1)) return {date.year, date.month + 1, 1};
  return {date.year + 1, 1, 1};
}

TEST(ArithmeticCalendars, AgreeWithTheReferenceDates) {
  for (const Arithmetic& calendar : kCalendars) {
    std::ifstream file(std::string(CALENDAR_VECTORS_DIR) + "/" + calendar.name + ".tsv");
    std::string line;
    ASSERT_TRUE(std::getline(file, line)) << calendar.name;  // the header
    int records = 0;
    while (std::getline(file, line)) {
      std::istringstream fields(line);
      int32_t jdn = 0;
      YearMonthDay expected{};
      int32_t legal_year = 0;
      fields >> jdn >> expected.year >> expected.month >> expected.day;
      ASSERT_FALSE(fields.fail()) << calendar.name << ": " << line;
      EXPECT_EQ(calendar.date_of_day(jdn), expected) << calendar.name << " " << jdn;
      EXPECT_TRUE(calendar.is_date(expected.year, expected.month, expected.day)) << line;
      EXPECT_EQ(calendar.day_number(expected.year, expected.month, expected.day), jdn) << line;
      if (fields >> legal_year) {  // England's
        const auto [year, month, day] = expected;
        EXPECT_EQ(EnglandLegalYear(year, month, day), legal_year) << line;
        EXPECT_EQ(IsEnglandJulianReckoning(year, month, day), jdn <= kEnglandLastJulianDay) << line;
      }
      ++records;
    }
    EXPECT_GT(records, 3000) << calendar.name;
  }
}

TEST(ArithmeticCalendars, EveryDayFollowsTheDayBefore) {
  // 800,000 days (2,190 years) from September 763 to January 2954: whole
  // cycles of each calendar (900, 30 and 400 years), and England's change of
  // calendar.
  for (const Arithmetic& calendar : kCalendars) {
    YearMonthDay previous = calendar.date_of_day(2'000'000);
    for (int32_t jdn = 2'000'001; jdn <= 2'800'000; ++jdn) {
      const YearMonthDay date = calendar.date_of_day(jdn);
      ASSERT_EQ(date, NextDate(calendar, previous)) << calendar.name << " " << jdn;
      ASSERT_TRUE(calendar.is_date(date.year, date.month, date.day)) << calendar.name << jdn;
      ASSERT_EQ(calendar.day_number(date.year, date.month, date.day), jdn) << calendar.name;
      previous = date;
    }
  }
}

TEST(ArithmeticCalendars, DatesThatDoNotExistOrLieBeyondTheRange) {
  // Revised Julian: a Gregorian leap day; -100 leaves 800, not a leap
  // century; shapes; the days either side of the 32-bit range. ISO weeks:
  // 53rd weeks of short years; shapes; beyond the range. Islamic: Dhu al-Hijja
  // 30 in common years; years 0 and -1; beyond the range. England: the omitted
  // days; 29 February 1800 (Gregorian); beyond the range. (The vector files
  // hold the leap days that do exist.)
  const YearMonthDay revised_julian[] = {{2800, 2, 29}, {-100, 2, 29},      {2001, 4, 31},
                                         {2001, 13, 1}, {-5884328, 11, 21}, {5874902, 11, 22}};
  const YearMonthDay iso_week[] = {{2005, 53, 1}, {2019, 53, 1},     {2009, 0, 1},    {2009, 1, 8},
                                   {2009, 1, 0},  {-5884323, 19, 5}, {5874898, 23, 3}};
  const YearMonthDay islamic[] = {{1, 12, 30}, {30, 12, 30}, {1445, 2, 30},
                                  {0, 12, 29}, {-1, 1, 1},   {6054563, 9, 19}};
  const YearMonthDay england[] = {
      {1752, 9, 3}, {1752, 9, 13}, {1800, 2, 29}, {-5884202, 3, 15}, {5874898, 6, 4}};
  const std::pair<const Arithmetic&, std::span<const YearMonthDay>> cases[] = {
      {kRevisedJulian, revised_julian},
      {kIsoWeek, iso_week},
      {kIslamic, islamic},
      {kEngland, england}};
  for (const auto& [calendar, dates] : cases) {
    for (const YearMonthDay& date : dates) {
      EXPECT_FALSE(calendar.is_date(date.year, date.month, date.day))
          << calendar.name << " " << date.year << "-" << date.month << "-" << date.day;
    }
  }
  // Years at the 32-bit limits: counted without overflow, and refused.
  for (const Arithmetic& calendar : kCalendars) {
    for (int32_t year : {INT32_MIN, INT32_MIN + 1, INT32_MAX - 1, INT32_MAX}) {
      for (const YearMonthDay& date : {YearMonthDay{year, 1, 1}, YearMonthDay{year, 12, 31}}) {
        EXPECT_FALSE(calendar.is_date(date.year, date.month, date.day)) << calendar.name << year;
      }
    }
  }
}

TEST(RevisedJulian, AgreesWithTheGregorianCalendarFromMarch1600ToFebruary2800) {
  const auto from = static_cast<int32_t>(almanor::ToJDN(1600, 3, 1, true));
  const auto to = static_cast<int32_t>(almanor::ToJDN(2800, 2, 28, true));
  for (int32_t jdn = from - 1; jdn <= to + 1; ++jdn) {
    const almanor::Date gregorian = almanor::FromJDN(jdn, true);
    const bool same =
        RevisedJulianDateOfDay(jdn) == YearMonthDay{gregorian.year, gregorian.month, gregorian.day};
    ASSERT_EQ(same, jdn >= from && jdn <= to) << jdn;
  }
}

TEST(ArithmeticCalendars, LeapYearsAreTheYearsWithTheLeapDay) {
  for (const Arithmetic& calendar : kCalendars) {
    for (int32_t year = -3000; year <= 3000; ++year) {
      ASSERT_EQ(calendar.is_leap_year(year),
                calendar.is_date(year, calendar.leap_month, calendar.leap_day))
          << calendar.name << " " << year;
    }
  }
}

}  // namespace
}  // namespace orv
