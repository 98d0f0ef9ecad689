// Report rows as typed fields.
#include "core/ReportRecords.h"

#include <gtest/gtest.h>

#include "core/DayFiles.h"
#include "tests/PrintQString.h"

namespace orv {
namespace {

TEST(ReportRecords, CsvQuotesOnlyWhatNeedsIt) {
  const Record record = {{"a", "x,y"}, {"b", "say \"hi\""}, {"c", true}, {"d", 2.5}, {"e", "z"}};
  EXPECT_EQ(CsvHeader(record), "a,b,c,d,e");
  EXPECT_EQ(CsvLine(record), "\"x,y\",\"say \"\"hi\"\"\",true,2.5,z");
  EXPECT_EQ(CsvText({record, record}).count("\r\n"), 3);
}

// The calendars window's rows as a table: a calendar a line, none outside
// its range left empty, the day's figures on every line (of the instant when
// a time was given).
TEST(ReportRecords, DayRowsACalendarEach) {
  const CalendarRows rows = CalendarRowsOf(2451545, Era::kCE, RowCalendars(kDeeCecilVersion), ',');
  const QString csv = CsvText(DayRecords(2451545, rows));
  EXPECT_EQ(csv.count("\r\n"), static_cast<qsizetype>(rows.days.size()) + 1);
  EXPECT_TRUE(csv.startsWith(
      "jdn,day_of_week,calendar,name,era_date,ymd_date,mjd,day_of_year,iso_ordinal,jd,unix\r\n"
      "2451545,Saturday,gregorian,Gregorian,\"January 1, 2000 CE\",2000-01-01 CE,51544,1,"
      "2000-001,2451544.5,946684800\r\n"));
  const QString before =
      CsvText(DayRecords(0, CalendarRowsOf(0, Era::kCE, RowCalendars(kDeeCecilVersion), ',')));
  EXPECT_TRUE(before.contains(",persian,Persian,,,-2400001,"));
  const CalendarRows noon =
      CalendarRowsOf(2451545, Era::kCE, RowCalendars(kDeeCecilVersion), ',', 43'200'000'000);
  EXPECT_TRUE(CsvText(DayRecords(2451545, noon)).contains(",2451545.000000,946728000\r\n"));
}

}  // namespace
}  // namespace orv
