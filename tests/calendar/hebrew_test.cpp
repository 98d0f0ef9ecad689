#include "calendar/Hebrew.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <sstream>
#include <string>

namespace orv {
namespace {

// The dates of make_hebrew_vectors.py, from an independent implementation.
TEST(Hebrew, AgreesWithTheReferenceVectorsBothWays) {
  std::ifstream in(CALENDAR_VECTORS_DIR "/hebrew.tsv");
  std::string line;
  int records = 0;
  for (std::getline(in, line); std::getline(in, line); ++records) {
    std::istringstream fields(line);
    int32_t jdn = 0;
    YearMonthDay date{};
    ASSERT_TRUE(fields >> jdn >> date.year >> date.month >> date.day) << line;
    EXPECT_EQ(HebrewDateOfDay(jdn), date) << line;
    EXPECT_TRUE(IsHebrewDate(date.year, date.month, date.day)) << line;
    EXPECT_EQ(HebrewDayNumber(date.year, date.month, date.day), jdn) << line;
  }
  EXPECT_GT(records, 13000);
}

TEST(Hebrew, YearLengthsAndMonthNames) {
  // One year of each of the six lengths, as the printed tables give them.
  const int32_t cases[][2] = {{5781, 353}, {5786, 354}, {5785, 355},
                              {5784, 383}, {5782, 384}, {5779, 385}};
  for (const auto& [year, days] : cases) EXPECT_EQ(HebrewDaysInYear(year), days) << year;
  EXPECT_EQ(HebrewMonthName(5784, 12), "Adar I");
  EXPECT_EQ(HebrewMonthName(5785, 12), "Adar");
  EXPECT_EQ(HebrewMonthName(5785, 13), "");
}

// Each day is the day after the one before, month lengths and the year
// change included, and converts back.
TEST(Hebrew, EveryDayFollowsTheDayBefore) {
  YearMonthDay before = HebrewDateOfDay(1999999);
  for (int32_t jdn = 2000000; jdn <= 2800000; ++jdn) {
    const YearMonthDay date = HebrewDateOfDay(jdn);
    const int32_t next_month =
        before.month == 6 ? 7 : before.month % HebrewMonthsInYear(date.year) + 1;
    const bool next_day =
        date.day == 1
            ? before.day == HebrewDaysInMonth(before.year, before.month) && date.month == next_month
            : date.month == before.month && date.day == before.day + 1;
    ASSERT_TRUE(next_day && date.year == before.year + (date.day == 1 && date.month == 7)) << jdn;
    ASSERT_TRUE(IsHebrewDate(date.year, date.month, date.day)) << jdn;
    ASSERT_EQ(HebrewDayNumber(date.year, date.month, date.day), jdn);
    before = date;
  }
}

TEST(Hebrew, RangeEndsAndRefusedDates) {
  // The vectors hold both ends; past them, the day before the first is in
  // year 0 and the day after the last has no 32-bit number.
  EXPECT_EQ(HebrewDayNumber(0, 6, 29), kHebrewFirstDay - 1);
  const YearMonthDay last = HebrewDateOfDay(kHebrewLastDay);
  EXPECT_FALSE(IsHebrewDate(last.year, last.month, last.day + 1));
  // 5784 is deficient and leap, 5785 complete and common.
  const int32_t cases[][4] = {{5784, 13, 29, 1}, {5785, 13, 1, 0},     {5785, 8, 30, 1},
                              {5784, 8, 30, 0},  {5785, 9, 30, 1},     {5784, 9, 30, 0},
                              {5784, 12, 30, 1}, {5784, 14, 1, 0},     {5784, 0, 1, 0},
                              {5784, 7, 0, 0},   {5784, 7, 31, 0},     {0, 6, 29, 0},
                              {0, 7, 1, 0},      {INT32_MAX, 7, 1, 0}, {INT32_MIN, 7, 1, 0}};
  for (const auto& [year, month, day, exists] : cases) {
    EXPECT_EQ(IsHebrewDate(year, month, day), exists == 1) << year << "-" << month << "-" << day;
  }
}

}  // namespace
}  // namespace orv
