// Easter by both computi: dates from the almanacs, every year of
// vectors/make_easter_vectors.py (dateutil, pymeeus and convertdate), and
// what every Easter must be: a Sunday from 22 March to 25 April.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "calendar/Easter.h"

namespace orv {
namespace {

// The examples of the header, at compile time.
static_assert(GregorianEaster(2025) == CalendarDate{2025, 4, 20, CalendarId::kGregorian});
static_assert(JulianEaster(2025) == CalendarDate{2025, 4, 7, CalendarId::kJulian});
static_assert(JulianEasterInGregorian(2025) == CalendarDate{2025, 4, 20, CalendarId::kGregorian});

// "2025-04-20", "0326-04-03", as the vectors write dates; "-" for none.
std::string Iso(const std::optional<CalendarDate>& date) {
  if (!date) return "-";
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date->year, date->month, date->day);
  return text;
}

void ExpectEaster(int32_t year, const std::string& gregorian, const std::string& julian,
                  const std::string& julian_in_gregorian) {
  EXPECT_EQ(Iso(GregorianEaster(year)), gregorian) << year;
  EXPECT_EQ(Iso(JulianEaster(year)), julian) << year;
  EXPECT_EQ(Iso(JulianEasterInGregorian(year)), julian_in_gregorian) << year;
}

TEST(Easter, KnownDatesAndTheEndsOfBothComputi) {
  struct Case {
    int32_t year;
    const char* gregorian;
    const char* julian;
    const char* julian_in_gregorian;
  };
  const Case cases[] = {
      {2025, "2025-04-20", "2025-04-07", "2025-04-20"},  // both churches on one Sunday
      {2000, "2000-04-23", "2000-04-17", "2000-04-30"},
      {1818, "1818-03-22", "1818-04-14", "1818-04-26"},  // the earliest Gregorian Easter
      {1943, "1943-04-25", "1943-04-12", "1943-04-25"},  // the latest
      {1954, "1954-04-18", "1954-04-12", "1954-04-25"},  // 25 April moved back a week
      {711, "-", "0711-04-12", "0711-04-16"},            // 532 years apart
      {1243, "-", "1243-04-12", "1243-04-19"},
      {1583, "1583-04-10", "1583-03-31", "1583-04-10"},
      {1582, "-", "1582-04-15", "1582-04-25"},
      {326, "-", "0326-04-03", "0326-04-04"},
      {325, "-", "-", "-"},
      {99999, "99999-03-28", "99999-04-19", "100001-05-06"},
      {100000, "-", "-", "-"},
      {0, "-", "-", "-"},
      {INT32_MIN, "-", "-", "-"},
      {INT32_MAX, "-", "-", "-"},
  };
  for (const Case& c : cases) ExpectEaster(c.year, c.gregorian, c.julian, c.julian_in_gregorian);
}

TEST(Easter, AgreesWithTheReferenceDates) {
  std::ifstream file(std::string(CALENDAR_VECTORS_DIR) + "/easter.tsv");
  std::string line;
  ASSERT_TRUE(std::getline(file, line));  // the header
  int records = 0;
  while (std::getline(file, line)) {
    std::istringstream fields(line);
    int32_t year = 0;
    std::string gregorian, julian, julian_in_gregorian;
    fields >> year >> gregorian >> julian >> julian_in_gregorian;
    ASSERT_FALSE(fields.fail()) << line;
    ExpectEaster(year, gregorian, julian, julian_in_gregorian);
    ++records;
  }
  EXPECT_GT(records, 4700);
}

// Days after 21 March in the date's own calendar (22 March is 1); -1 outside
// March and April.
int32_t DaysAfterMarch21(const CalendarDate& date) {
  return date.month == 3 ? date.day - 21 : date.month == 4 ? date.day + 10 : -1;
}
// 0 is Sunday.
int32_t Weekday(const CalendarDate& date) {
  const bool gregorian = date.calendar == CalendarId::kGregorian;
  return almanor::DayOfWeek(
      static_cast<int32_t>(almanor::ToJDN(date.year, date.month, date.day, gregorian)));
}

TEST(Easter, EveryYearASundayFrom22MarchTo25April) {
  for (int32_t year = kJulianEasterFirstYear; year <= kEasterLastYear; ++year) {
    const std::optional<CalendarDate> gregorian = GregorianEaster(year);
    const std::optional<CalendarDate> julian = JulianEaster(year);
    ASSERT_EQ(gregorian.has_value(), year >= kGregorianEasterFirstYear) << year;
    ASSERT_TRUE(julian.has_value()) << year;
    for (const std::optional<CalendarDate>& date : {gregorian, julian}) {
      if (!date) continue;
      ASSERT_EQ(date->year, year);
      ASSERT_EQ(Weekday(*date), 0) << Iso(date);
      ASSERT_GE(DaysAfterMarch21(*date), 1) << Iso(date);
      ASSERT_LE(DaysAfterMarch21(*date), 35) << Iso(date);
    }
    // The Julian computus repeats every 532 years (19 x 28).
    if (year + 532 <= kEasterLastYear) {
      const std::optional<CalendarDate> later = JulianEaster(year + 532);
      ASSERT_TRUE(later && later->month == julian->month && later->day == julian->day) << year;
    }
  }
}

TEST(Easter, LineForTheCalendarsWindow) {
  struct Case {
    int32_t year;
    char group_separator;
    const char* line;
  };
  const Case cases[] = {
      {2025, ',', "Easter 2025: April 20 (Gregorian); April 7 Julian = April 20 Gregorian"},
      {2024, ',', "Easter 2024: March 31 (Gregorian); April 22 Julian = May 5 Gregorian"},
      {1200, ',', "Easter 1200: April 9 Julian = April 16 Gregorian"},
      {300, ',', "Easter 300: no computus"},
      {-12345, ',', "Easter -12,345: no computus"},
      {99999, ' ',
       "Easter 99 999: March 28 (Gregorian); April 19 Julian = May 6, 100 001 Gregorian"},
      {100000, '.', "Easter 100.000: no date after 99.999"},
  };
  for (const Case& c : cases) EXPECT_EQ(EasterLine(c.year, c.group_separator), c.line);
}

}  // namespace
}  // namespace orv
