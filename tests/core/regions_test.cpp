// The regions as their records were dated: every switch of the data file
// (the last Julian day, the first Gregorian day, the weekday running on, the
// skipped days), Sweden's own calendar, and every year-start rule on both
// sides of its change.
#include <gtest/gtest.h>

#include <QFile>
#include <map>

#include "calendar/CalendarDate.h"
#include "core/RegionFile.h"

namespace orv {
namespace {

struct Region {
  std::shared_ptr<RegionRules> rules;
  CalendarInfo row;
  DayResult DayOf(int32_t year, int32_t month, int32_t day) const {
    return row.day_number(row, year, month, day);
  }
};

// The regions of the shipped file, by key.
const std::map<std::string, Region>& Regions() {
  static const std::map<std::string, Region> regions = [] {
    std::map<std::string, Region> read;
    QFile file(QStringLiteral(SHIPPED_REGIONS_FILE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    while (!file.atEnd()) {
      const std::string line = file.readLine().trimmed().toStdString();
      if (line.empty() || line[0] == '#') continue;
      const ReadRegion region = ReadRegionRow(line);
      EXPECT_TRUE(region.rules) << region.refusal;
      if (region.rules) read[region.rules->key] = {region.rules, RegionRow(*region.rules)};
    }
    return read;
  }();
  return regions;
}

int32_t Julian(int32_t year, int32_t month, int32_t day) {
  return DayNumberOf({year, month, day, CalendarId::kJulian}).jdn;
}

TEST(Regions, EverySwitchFromItsLastJulianDayToItsFirstGregorianDay) {
  const struct {
    const char* key;
    YearMonthDay last_julian, first_gregorian;
  } switches[] = {
      {"rome", {1582, 10, 4}, {1582, 10, 15}},
      {"france", {1582, 12, 9}, {1582, 12, 20}},
      {"germany-protestant", {1700, 2, 18}, {1700, 3, 1}},
      {"scotland", {1752, 9, 2}, {1752, 9, 14}},
      {"sweden", {1753, 2, 17}, {1753, 3, 1}},
      {"russia", {1918, 1, 31}, {1918, 2, 14}},
      {"greece", {1923, 2, 15}, {1923, 3, 1}},
      {"venice", {1582, 10, 4}, {1582, 10, 15}},
      {"florence", {1582, 10, 4}, {1582, 10, 15}},
  };
  ASSERT_EQ(Regions().size(), std::size(switches));
  for (const auto& s : switches) {
    const Region& region = Regions().at(s.key);
    const YearMonthDay& last = s.last_julian;
    const YearMonthDay& first = s.first_gregorian;
    const DayResult last_day = region.DayOf(last.year, last.month, last.day);
    ASSERT_TRUE(last_day) << s.key;
    EXPECT_EQ(last_day.jdn, Julian(last.year, last.month, last.day)) << s.key;
    EXPECT_EQ(region.DayOf(first.year, first.month, first.day).jdn, last_day.jdn + 1)
        << s.key << ": the next day, so the weekday runs on";
    EXPECT_EQ(DateOfDay(last_day.jdn + 1, CalendarId::kGregorian).day, first.day) << s.key;
    // The days between were never dated there.
    const YearMonthDay after{last.year, last.month, last.day + 1};
    EXPECT_FALSE(region.DayOf(after.year, after.month, after.day)) << s.key;
    const YearMonthDay found = region.row.date_of_day(region.row, last_day.jdn + 1);
    EXPECT_TRUE(found.year == first.year && found.month == first.month && found.day == first.day)
        << s.key;
  }
}

TEST(Regions, SwedenAheadOfTheJulianFrom1700To1712) {
  const Region& sweden = Regions().at("sweden");
  EXPECT_FALSE(sweden.DayOf(1700, 2, 29)) << "left out";
  EXPECT_EQ(sweden.DayOf(1700, 3, 1).jdn, Julian(1700, 2, 29));
  EXPECT_EQ(sweden.DayOf(1712, 2, 29).jdn, Julian(1712, 2, 28));
  EXPECT_EQ(sweden.DayOf(1712, 2, 30).jdn, Julian(1712, 2, 29)) << "30 February 1712";
  EXPECT_EQ(sweden.DayOf(1712, 3, 1).jdn, Julian(1712, 3, 1)) << "the Julian again";
  const YearMonthDay thirtieth = sweden.row.date_of_day(sweden.row, Julian(1712, 2, 29));
  EXPECT_TRUE(thirtieth.month == 2 && thirtieth.day == 30);
  for (const int32_t year : {1701, 1704, 1711, 1713}) {
    EXPECT_FALSE(sweden.DayOf(year, 2, 30)) << year << ": 30 February came in 1712 alone";
  }
}

TEST(Regions, EachYearStartOnBothSidesOfItsChange) {
  const struct {
    const char* key;
    YearMonthDay date;
    int32_t legal_year;
  } cases[] = {
      // Florence: 25 March, until 1749; 1 January from 1750.
      {"florence", {1749, 3, 24}, 1748},
      {"florence", {1749, 3, 25}, 1749},
      {"florence", {1750, 3, 24}, 1750},
      // Venice: 1 March (more veneto) until 1797.
      {"venice", {1700, 2, 1}, 1699},
      {"venice", {1797, 2, 28}, 1796},
      {"venice", {1797, 3, 1}, 1797},
      {"venice", {1798, 2, 1}, 1798},
      // Scotland: 25 March until 1599, 1 January from 1600.
      {"scotland", {1599, 3, 24}, 1598},
      {"scotland", {1600, 3, 24}, 1600},
      // France: Easter (Easter Sunday 1563 was 11 April, Julian) until 1563.
      {"france", {1563, 4, 10}, 1562},
      {"france", {1563, 4, 11}, 1563},
      {"france", {1564, 2, 1}, 1564},
      {"rome", {1600, 2, 1}, 1600},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RegionLegalYear(*Regions().at(c.key).rules, c.date), c.legal_year)
        << c.key << " " << c.date.year << "-" << c.date.month << "-" << c.date.day;
  }
  // As orvc calendars says it: the years that began on the day.
  EXPECT_EQ(YearStartText(Regions().at("scotland").row),
            "25 March (years 1155 to 1599), 1 January otherwise");
  EXPECT_EQ(YearStartText(Regions().at("venice").row),
            "1 March, more veneto (years to 1797), 1 January otherwise");
  EXPECT_EQ(YearStartText(Regions().at("rome").row), "1 January");
}

TEST(Regions, ARowThatIsNoRegionIsRefusedWithTheReason) {
  EXPECT_EQ(ReadRegionRow("x | X | XX").refusal,
            "a region has six fields: key | name | tag | last Julian date | first Gregorian date "
            "| year starts");
  EXPECT_EQ(ReadRegionRow("x | X | XX | 1582-10 | 1582-10-15 | january").refusal,
            "last Julian date: Y-M-D");
  EXPECT_EQ(ReadRegionRow("x | X | XX | 1582-10-04 | 1582-10-15 | lent 1-2").refusal,
            "year starts: january, annunciation, march or easter, not lent");
  EXPECT_EQ(ReadRegionRow("x | X | XX | 1582-10-04 | 1582-10-15 | march 1797").refusal,
            "year starts: a style's years as FIRST-LAST (march 1797)");
}

}  // namespace
}  // namespace orv
