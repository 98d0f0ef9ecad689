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
  ExpectEaster(2025, "2025-04-20", "2025-04-07", "2025-04-20");  // both churches on one Sunday
  ExpectEaster(2000, "2000-04-23", "2000-04-17", "2000-04-30");
  ExpectEaster(1818, "1818-03-22", "1818-04-14", "1818-04-26");  // the earliest Gregorian Easter
  ExpectEaster(1943, "1943-04-25", "1943-04-12", "1943-04-25");  // the latest
  ExpectEaster(1583, "1583-04-10", "1583-03-31", "1583-04-10");
  ExpectEaster(1582, "-", "1582-04-15", "1582-04-25");
  ExpectEaster(326, "-", "0326-04-03", "0326-04-04");
  ExpectEaster(99999, "99999-03-28", "99999-04-19", "100001-05-06");
  for (const int32_t year : {325, 100000, 0, INT32_MIN, INT32_MAX})
    ExpectEaster(year, "-", "-", "-");
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

TEST(Easter, EveryYearASundayFrom22MarchTo25April) {
  for (int32_t year = kJulianEasterFirstYear; year <= kEasterLastYear; ++year) {
    ASSERT_EQ(GregorianEaster(year).has_value(), year >= kGregorianEasterFirstYear) << year;
    for (const std::optional<CalendarDate>& date : {GregorianEaster(year), JulianEaster(year)}) {
      if (!date) continue;
      const bool gregorian = date->calendar == CalendarId::kGregorian;
      const int64_t jdn = almanor::ToJDN(date->year, date->month, date->day, gregorian);
      ASSERT_EQ(almanor::DayOfWeek(static_cast<int32_t>(jdn)), 0) << Iso(date);
      ASSERT_TRUE(date->year == year &&
                  (date->month == 3 ? date->day >= 22 : date->month == 4 && date->day <= 25))
          << Iso(date);
    }
  }
}

TEST(Easter, LineForTheCalendarsWindow) {
  EXPECT_EQ(EasterLine(2024),
            "Easter 2024: March 31 (Gregorian); April 22 Julian = May 5 Gregorian");
  EXPECT_EQ(EasterLine(1200), "Easter 1200: April 9 Julian = April 16 Gregorian");
  EXPECT_EQ(EasterLine(-12345), "Easter -12,345: no computus");
  EXPECT_EQ(EasterLine(99999, ' '),
            "Easter 99 999: March 28 (Gregorian); April 19 Julian = May 6, 100 001 Gregorian");
  EXPECT_EQ(EasterLine(100000, '.'), "Easter 100.000: no date after 99.999");
}

}  // namespace
}  // namespace orv
