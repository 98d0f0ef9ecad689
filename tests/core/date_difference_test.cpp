// How far apart two days are, and the round trip through the arithmetic.
#include "core/DateDifference.h"

#include <gtest/gtest.h>

#include <random>

#include "calendar/Calendar.h"
#include "core/CalendarDay.h"
#include "core/DateEntry.h"
#include "tests/PrintQString.h"

namespace orv {
namespace {

CalendarDate Read(const char* text, const DeeVersion& dee = kDeeCecilVersion) {
  const DateReading reading = ReadDate(QString::fromLatin1(text), {nullptr, nullptr, dee});
  EXPECT_TRUE(reading.date.has_value()) << text;
  return reading.date.value_or(CalendarDate{});
}

int32_t DayOf(const CalendarDate& date) { return DayNumberOf(date).jdn; }

TEST(DateDifference, DaysWeeksAndTheMonthEndRule) {
  struct Case {
    const char* from;
    const char* to;
    const char* days;
    const char* weeks;
    const char* years_months_days;
  };
  const Case cases[] = {
      {"2000-01-31 CE", "2000-02-29 CE", "29", "4 weeks, 1 day", "0 years, 1 month, 0 days"},
      {"2000-01-31 CE", "2000-03-01 CE", "30", "4 weeks, 2 days", "0 years, 1 month, 1 day"},
      {"2000-03-31 CE", "2000-02-29 CE", "-31", "-4 weeks, -3 days", "0 years, -1 month, 0 days"},
      {"1582-10-05 JC", "1582-10-15 CE", "0", "0 weeks, 0 days", "0 years, 0 months, 0 days"},
      {"1-01-01 CE", "2000-01-01 CE", "730,119", "104,302 weeks, 5 days",
       "1,999 years, 0 months, 0 days"},
      {"32-02-29 DC", "33-02-28 DC", "365", "52 weeks, 1 day", "1 year, 0 months, 0 days"},
  };
  for (const Case& c : cases) {
    const DifferenceTexts texts = TextsOf(DifferenceInCalendar(Read(c.from), DayOf(Read(c.to))));
    EXPECT_EQ(texts.days, c.days) << c.from << " " << c.to;
    EXPECT_EQ(texts.weeks, c.weeks) << c.from << " " << c.to;
    EXPECT_EQ(texts.years_months_days, c.years_months_days) << c.from << " " << c.to;
  }
}

// Adding the years, months and days back with the program's arithmetic gives
// the second date, in every calendar, forwards and backwards.
TEST(DateDifference, AddedBackGivesTheSecondDate) {
  std::mt19937 random(20261207);
  std::uniform_int_distribution<int32_t> day(-34000000, 38000000);
  std::uniform_int_distribution<int32_t> near(-3000, 3000);
  for (const CalendarId calendar :
       {CalendarId::kGregorian, CalendarId::kJulian, CalendarId::kDee, CalendarId::kDeeCecil}) {
    for (int i = 0; i < 5000; ++i) {
      const int32_t from_day = day(random);
      const CalendarDate from = DateOfDay(from_day, calendar);
      const int32_t to = i % 2 == 0 ? day(random) : from_day + near(random);
      const DateDifference d = DifferenceInCalendar(from, to);
      ASSERT_EQ(d.days, int64_t{to} - from_day);
      ASSERT_LE(std::abs(d.months), 11);
      const bool forwards = d.days >= 0;
      const ArithmeticValues amounts = {static_cast<int32_t>(std::abs(d.years)),
                                        static_cast<int32_t>(std::abs(d.months)), 0,
                                        static_cast<int32_t>(std::abs(d.remainder_days))};
      const Result<MovedDay> back = AddToCalendarDate(from, amounts, forwards);
      ASSERT_TRUE(back);
      ASSERT_EQ(back->jdn, to) << static_cast<int>(calendar) << " from " << from_day << " to "
                               << to;
      // The most whole months: one more would pass the second date.
      const int64_t months = std::abs(d.years) * 12 + std::abs(d.months) + 1;
      const ArithmeticValues more = {static_cast<int32_t>(months / 12),
                                     static_cast<int32_t>(months % 12), 0, 0};
      if (const Result<MovedDay> past = AddToCalendarDate(from, more, forwards)) {
        ASSERT_TRUE(forwards ? past->jdn > to : past->jdn < to) << from_day << " " << to;
      }
    }
  }
}

// From the other calendars: added back with their own arithmetic, or days and
// weeks alone where a calendar has no years and months to add.
TEST(DateDifference, InTheOtherCalendars) {
  std::mt19937 random(20261208);
  std::uniform_int_distribution<int32_t> day(1948440, 3182000);
  for (const CalendarId id :
       {CalendarId::kIslamic, CalendarId::kPersian, CalendarId::kRevisedJulian}) {
    for (int i = 0; i < 300; ++i) {
      const CalendarDate from = DateOfDay(day(random), id);
      const int32_t to = day(random);
      const DateDifference d = DifferenceInCalendar(from, to);
      ASSERT_TRUE(d.has_years_and_months);
      const ArithmeticValues amounts = {static_cast<int32_t>(std::abs(d.years)),
                                        static_cast<int32_t>(std::abs(d.months)), 0,
                                        static_cast<int32_t>(std::abs(d.remainder_days))};
      const Result<MovedDay> back = AddToCalendarDate(from, amounts, d.days >= 0);
      ASSERT_TRUE(back);
      ASSERT_EQ(back->jdn, to);
    }
  }
  const DateDifference hebrew = DifferenceInCalendar({5760, 10, 23, CalendarId::kHebrew}, 2451605);
  EXPECT_FALSE(hebrew.has_years_and_months);
  const DifferenceTexts texts = TextsOf(hebrew);
  EXPECT_EQ(texts.weeks, "8 weeks, 4 days");
  EXPECT_EQ(DifferenceLines("5760-10-23 AM", "2000-03-01 CE", texts, "Hebrew Calendar").size(), 4);
}

}  // namespace
}  // namespace orv
