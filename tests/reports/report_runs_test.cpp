#include "reports/ReportRuns.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "astronomy/SolEq.h"
#include "calendar/Dee.h"
#include "core/ReportRecords.h"
#include "tests/PrintQString.h"

namespace orv {
namespace {

const QString kDeeCecilHeader =
    "   Common Era date      Dee-Cecil date         Julian day number    Day of week\r\n\r\n";

DateSequenceRun Sequence(int32_t first_jdn, int days, bool dee) {
  DateSequenceRun run;
  run.first_jdn = first_jdn;
  run.days = days;
  run.dee = dee ? kDeeVersion : kDeeCecilVersion;
  return run;
}

class ReportRunsTest : public ::testing::Test {};

// A vernal equinox run into a box (an empty one unless given).
ReportOutput Table(const VernalEquinoxRun& run, const ReportBox& box = {}) {
  return BuildVernalEquinoxTable(run, box);
}

TEST_F(ReportRunsTest, DateSequenceMarksWhereTheCalendarsPartAndCountsTheAgreeingDays) {
  // 26 February 2016 (Gregorian): Dee-Cecil 2016 has no 29 February, so the
  // two calendars agree for three days and then part.
  const ReportOutput output = BuildDateSequence(Sequence(2457445, 8, false));
  const QString expected =
      kDeeCecilHeader +
      "   2016-02-26 CE        2016-02-26 DC          2,457,445            Friday\r\n"
      "   2016-02-27 CE        2016-02-27 DC          2,457,446            Saturday\r\n"
      "   2016-02-28 CE        2016-02-28 DC          2,457,447            Sunday\r\n"
      "   2016-02-29 CE        2016-03-01 DC  <--     2,457,448            Monday\r\n"
      "   2016-03-01 CE        2016-03-02 DC          2,457,449            Tuesday\r\n"
      "   2016-03-02 CE        2016-03-03 DC          2,457,450            Wednesday\r\n"
      "   2016-03-03 CE        2016-03-04 DC          2,457,451            Thursday\r\n"
      "   2016-03-04 CE        2016-03-05 DC          2,457,452            Friday\r\n"
      "\r\n"
      "Three days (38%) have the same date in the two calendars.\r\n";
  EXPECT_EQ(output.text, expected);
  EXPECT_EQ(output.rows, 8);
  EXPECT_EQ(output.message, std::nullopt);
}

TEST_F(ReportRunsTest, DateSequenceMarksTheFirstDayAfterAnAgreeingRunToo) {
  // 27 February 2017: Dee-Cecil's 29 February brings the calendars together.
  const ReportOutput output = BuildDateSequence(Sequence(2457812, 4, false));
  EXPECT_TRUE(output.text.contains("   2017-02-27 CE        2017-02-28 DC          2,457,812"));
  EXPECT_TRUE(output.text.contains("   2017-02-28 CE        2017-02-29 DC          2,457,813"));
  EXPECT_TRUE(output.text.contains("   2017-03-01 CE        2017-03-01 DC  <--     2,457,814"));
  EXPECT_TRUE(output.text.contains("   2017-03-02 CE        2017-03-02 DC          2,457,815"));
  EXPECT_TRUE(
      output.text.endsWith("\r\nTwo days (50%) have the same date in the two calendars.\r\n"));
}

TEST_F(ReportRunsTest, DateSequenceSummaries) {
  struct Case {
    int32_t first_jdn;
    int days;
    bool dee;
    const char* summary;  // nullptr: none
  };
  const Case cases[] = {
      {2451545, 1, false, nullptr},
      {2451545, 3, false, "All days have the same date in the two calendars."},
      {2451545, 3, true, "All days have different dates in the two calendars."},
      {2457447, 3, false, "Only one day has the same date in the two calendars"},
      {2457445, 800, false, "434 days (54%) have the same date in the two calendars."},
  };
  for (const Case& c : cases) {
    const ReportOutput output = BuildDateSequence(Sequence(c.first_jdn, c.days, c.dee));
    EXPECT_EQ(output.rows, c.days);
    const QString last_line = output.text.section("\r\n", -2, -2);
    if (c.summary) {
      EXPECT_EQ(last_line, c.summary) << c.days;
    } else {
      EXPECT_TRUE(last_line.contains(" CE ")) << "no summary for " << c.days << " days";
    }
  }
}

TEST_F(ReportRunsTest, DateSequenceColumnsAreTheSameInBothDeeVersions) {
  const ReportOutput dee = BuildDateSequence(Sequence(2451545, 3, true));
  const ReportOutput dee_cecil = BuildDateSequence(Sequence(2451545, 3, false));
  EXPECT_TRUE(dee.text.startsWith(
      "   Common Era date      Dee date              Julian day number    Day of week\r\n\r\n"));
  EXPECT_TRUE(dee.text.contains(
      "   2000-01-01 CE        2000-01-02 D           2,451,545            Saturday\r\n"));
  const auto row_width = [](const QString& text) { return text.section("\r\n", 2, 2).size(); };
  EXPECT_EQ(row_width(dee.text), row_width(dee_cecil.text));
}

TEST_F(ReportRunsTest, DateSequenceRunsFollowEarlierText) {
  DateSequenceRun again = Sequence(2451545, 1, false);
  again.box = {500, true, 64512};
  EXPECT_TRUE(BuildDateSequence(again).text.startsWith("\r\n   2000-01-01 CE"))
      << "one empty line, no second header";
  DateSequenceRun foreign = Sequence(2451545, 1, false);
  foreign.box = {10, false, 64512};
  EXPECT_TRUE(BuildDateSequence(foreign).text.startsWith("   2000-01-01 CE"));

  DateSequenceRun full = Sequence(2451545, 800, false);
  full.box = {64000, true, 64512};
  const ReportOutput stopped = BuildDateSequence(full);
  EXPECT_EQ(stopped.message, (MessageRequest{"Textbox is full.", MessageStyle::kExclamation,
                                             MessageButtons::kOk, "Do it"}));
  EXPECT_EQ(stopped.rows, 7);  // 64000 + 2 + 7 rows of 77 characters passes 64512
  EXPECT_FALSE(stopped.text.contains("calendars"));

  DateSequenceRun last = Sequence(2147483645, 5, false);
  const ReportOutput end = BuildDateSequence(last);
  EXPECT_EQ(end.rows, 3) << "never past the last day that can be numbered";
  ASSERT_TRUE(end.message.has_value());
}

VernalEquinoxRun Equinoxes(int32_t first_year, int years, bool dee_cecil, bool apparent) {
  VernalEquinoxRun run;
  run.first_year = first_year;
  run.years = years;
  run.longitude_degrees = 77.0;
  run.longitude_label = "77d0m W";
  run.solar_time = apparent ? SolarTime::kApparent : SolarTime::kMean;
  run.dee = dee_cecil ? kDeeCecilVersion : kDeeVersion;
  return run;
}

TEST_F(ReportRunsTest, VernalEquinoxRowsInBothTimeKinds) {
  InitEquinoxTerms();
  const ReportOutput mean = Table(Equinoxes(2024, 1, true, false));
  const QString header =
      "  Year      Astronomical      Gregorian Calendar      Dee-Cecil Calendar\r\n"
      "            Julian date             London            'Washington'\r\n\r\n";
  // London 03:06 mean time; 'Washington' (77 degrees west) 5 h 8 min behind.
  EXPECT_EQ(
      mean.text,
      header +
          "  2024     2,460,389.6295     2024-03-20 CE 03:06 m   2024-03-20 DC 21:58 m 11\r\n");
  const ReportOutput apparent = Table(Equinoxes(2024, 1, true, true));
  EXPECT_TRUE(apparent.text.endsWith(
      "  2024     2,460,389.6295     2024-03-20 CE 02:58 a   2024-03-20 DC 21:50 a 11\r\n"));
  // The same instant in the Dee version is 21 March, its expected day.
  const ReportOutput dee = Table(Equinoxes(2024, 1, false, false));
  EXPECT_TRUE(dee.text.endsWith(
      "  2024     2,460,389.6295     2024-03-20 CE 03:06 m   2024-03-21 D 21:58 m 11\r\n"))
      << dee.text.toStdString();
}

TEST_F(ReportRunsTest, AnEastMeridianAndTrueSolarTime) {
  // The same instant east and west: times apart by twice the longitude.
  VernalEquinoxRun east = Equinoxes(2024, 1, true, false);
  east.east = true;
  east.longitude_label = "77d0m E";
  const VernalEquinoxRow west_row = VernalEquinoxFor(2024, Equinoxes(2024, 1, true, false));
  const VernalEquinoxRow east_row = VernalEquinoxFor(2024, east);
  EXPECT_EQ(west_row.meridian_time, "21:58");
  EXPECT_EQ(east_row.meridian_time, "08:14");  // 21:58 + 2 x 5 h 8 min, the next day
  EXPECT_EQ(DayNumberOf(east_row.meridian).jdn, DayNumberOf(west_row.meridian).jdn + 1);
  const QString table = Table(east).text;
  EXPECT_TRUE(table.contains("London            77d0m E\r\n")) << "the column names the meridian";
  EXPECT_EQ(VernalEquinoxSummary(east, 1, 2),
            "Number of VE not on March 20 in Dee-Cecil Calendar for 77d0m E: 1 of 2 (50.00%)");
  // True solar time: the equation of time of the instant (-7 min 28 s in
  // March 2024, against the fixed -8 of apparent time) and the mark "t".
  VernalEquinoxRun true_time = Equinoxes(2024, 1, true, false);
  true_time.solar_time = SolarTime::kTrue;
  EXPECT_EQ(VernalEquinoxFor(2024, true_time).london_time, "02:59");
  EXPECT_TRUE(Table(true_time).text.contains(" 02:59 t "));
  EXPECT_EQ(SolarTimeName(SolarTime::kTrue), "true");
}

TEST_F(ReportRunsTest, VernalEquinoxFieldsMarksAndSummary) {
  const ReportOutput output = Table(Equinoxes(1, 12, false, true));
  const QStringList lines = output.text.split("\r\n");
  ASSERT_GE(lines.size(), 3 + 12 + 2);
  EXPECT_TRUE(lines[3].startsWith("   1     1,721,"));  // years below 10 take four characters
  EXPECT_TRUE(lines[3].contains(" a   ")) << "row 0 carries the time kind";
  EXPECT_TRUE(lines[4].contains(" CE ") && !lines[4].contains(" a ")) << "row 1 does not";
  EXPECT_TRUE(lines[13].contains(" a ")) << "and row 10 again";
  // Years 3, 7 and 11 reach 'Washington' on 22 March (Dee).
  EXPECT_TRUE(lines[5].endsWith("  3  <--"));
  EXPECT_TRUE(lines[6].endsWith("  4*"));
  EXPECT_EQ(lines[lines.size() - 2],
            "Number of VE not on March 21 in Dee Calendar for 77d0m W: 3 of 12 (25.00%)");
  EXPECT_EQ(Table(Equinoxes(1, 12, true, true)).text.section("\r\n", -2, -2),
            "Number of VE not on March 20 in Dee-Cecil Calendar for 77d0m W: 3 of 12 (25.00%)");
  EXPECT_EQ(Table(Equinoxes(2013, 12, false, true)).text.section("\r\n", -2, -2),
            "Number of VE not on March 21 in Dee Calendar for 77d0m W: 0 of 12");

  const ReportOutput one = Table(Equinoxes(2024, 1, true, true));
  EXPECT_FALSE(one.text.contains("Number of VE")) << "one year: no summary";
}

TEST_F(ReportRunsTest, VernalEquinoxCycleField) {
  // 2013 is the 33rd year of its cycle, 2016 a Dee leap year (position 3 of the next).
  const ReportOutput output = Table(Equinoxes(2013, 5, true, false));
  const QStringList lines = output.text.split("\r\n");
  EXPECT_TRUE(lines[3].endsWith(" 33")) << lines[3].toStdString();
  EXPECT_TRUE(lines[4].endsWith("  1"));
  EXPECT_TRUE(lines[7].endsWith("  4*")) << lines[7].toStdString();
}

TEST_F(ReportRunsTest, VernalEquinoxRunStoppingAt4000CountsTheYearsListed) {
  const ReportOutput output = Table(Equinoxes(3998, 5, true, true));
  EXPECT_EQ(output.rows, 3);
  EXPECT_EQ(output.message, MessageOf(Notice{NoticeKind::kEquinoxYearOutOfRange}));
  const QString summary = output.text.section("\r\n", -2, -2);
  EXPECT_TRUE(summary.contains(" of 3")) << summary.toStdString();
  VernalEquinoxRun past = Equinoxes(4001, 5, true, true);
  EXPECT_EQ(Table(past, {500, true, 64512}).text, "") << "nothing for the box, not even a line";
}

TEST_F(ReportRunsTest, RunCounts) {
  struct Case {
    const char* typed;
    int count;
    const char* message;
  };
  const Case cases[] = {{" 14 ", 14, nullptr},
                        {"", 0, nullptr},
                        {"800", 800, nullptr},
                        {"801", 0, "Too many days"},
                        {"1a", 0, "Invalid input for number of days."},
                        {"-5", 0, "Invalid input for number of days."}};
  for (const Case& c : cases) {
    QString text = c.typed;
    const RunCount result = ReadRunCount(text, "Too many days");
    EXPECT_EQ(result.count, c.count) << c.typed;
    EXPECT_EQ(text, QString(c.typed).trimmed());
    if (c.message) {
      EXPECT_EQ(result.message, (MessageRequest{c.message, MessageStyle::kInformation,
                                                MessageButtons::kOk, "Do it"}));
    } else {
      EXPECT_EQ(result.message, std::nullopt);
    }
  }
}

}  // namespace
}  // namespace orv
