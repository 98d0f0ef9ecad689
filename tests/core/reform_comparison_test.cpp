// The March equinox in every solar calendar, and how well each keeps it.
#include "core/ReformComparison.h"

#include <gtest/gtest.h>

#include "tests/PrintQString.h"

namespace orv {
namespace {

ComparisonRun AtGreenwich(int32_t first_year, int64_t years) {
  ComparisonRun run;
  run.first_year = first_year;
  run.years = years;
  run.longitude_degrees = 0;
  run.longitude_label = QStringLiteral("0d0m W");
  return run;
}

TEST(ReformComparison, TheGregorianColumnIsTheEquinoxReportsLondonDate) {
  for (const SolarTime time : {SolarTime::kMean, SolarTime::kApparent, SolarTime::kTrue}) {
    ComparisonRun run = AtGreenwich(1580, 60);
    run.solar_time = time;
    VernalEquinoxRun report;
    report.solar_time = time;
    for (const ComparisonRow& row : CompareReforms(run).rows) {
      const VernalEquinoxRow london = VernalEquinoxFor(row.year, report);
      ASSERT_TRUE(row.dates[1]);
      EXPECT_EQ(row.dates[1]->month, london.london.month) << row.year;
      EXPECT_EQ(row.dates[1]->day, london.london.day) << row.year;
    }
  }
}

TEST(ReformComparison, DriftsAndShares) {
  const ComparisonRun run = AtGreenwich(1, 4000);
  const ReformComparison all = CompareReforms(run);
  ASSERT_EQ(all.rows.size(), 4000u);
  // The Julian year is 11 minutes too long: about 7.6 days a thousand years.
  EXPECT_NEAR(*all.summaries[0].drift_days_per_millennium, -7.6, 0.2);
  // The Gregorian and Dee calendars hold the equinox within a few days.
  EXPECT_NEAR(*all.summaries[1].drift_days_per_millennium, 0, 0.3);
  EXPECT_EQ(MonthDayText(all.summaries[4].month, all.summaries[4].day), "03-20");  // Dee-Cecil
  EXPECT_GT(all.summaries[4].share, 0.75);
  // The Persian calendar begins the day after the equinox of 622 and ends the
  // day before that of 4000: it dates the equinoxes of 623 to 3999.
  EXPECT_FALSE(all.rows[621].dates[5]);
  EXPECT_TRUE(all.rows[622].dates[5]);
  EXPECT_EQ(all.summaries[5].rows, 3999 - 622);
  const QStringList lines = ComparisonSummaryLines(run, all);
  ASSERT_EQ(lines.size(), 8);
  // England drifts with the Julian calendar to 1752, then keeps its date.
  EXPECT_FALSE(all.summaries[6].drift_days_per_millennium);
  EXPECT_TRUE(lines[6].endsWith(
      "follows the Julian date to 1752 (drift -7.7 days a thousand years) and the Gregorian "
      "after (drift -0.1 days a thousand years)"))
      << qPrintable(lines[6]);
  EXPECT_TRUE(lines.back().startsWith(
      "Over 1-4000 at 0d0m W the Julian date drifts 7.6 days a thousand years earlier; the "
      "Gregorian date keeps within 03-19 to 03-22;"))
      << qPrintable(lines.back());
  EXPECT_EQ(ComparisonHeader(), "  Year  JC      CE      RJ      D       DC      AP      EN");
  EXPECT_EQ(ComparisonLine(all.rows[2023]),
            "  2024  03-07   03-20   03-20   03-22   03-21   01-01   03-20");
}

TEST(ReformComparison, ADriftNeedsACenturyOfYearsOnOneRule) {
  struct Case {
    int32_t first_year;
    int64_t years;
    const char* england;  // England's summary after its dates
  } const cases[] = {
      {2024, 1, "no drift: fewer than 100 years"},
      {1700, 99,
       "follows the Julian date to 1752 (no drift: fewer than 100 years) and the "
       "Gregorian after (no drift: fewer than 100 years)"},
      {1800, 100, "drift -7.3 days a thousand years"},
  };
  for (const Case& c : cases) {
    const ComparisonRun run = AtGreenwich(c.first_year, c.years);
    const ReformComparison comparison = CompareReforms(run);
    EXPECT_EQ(comparison.summaries[0].drift_days_per_millennium.has_value(), c.years >= 100);
    EXPECT_TRUE(ComparisonSummaryLines(run, comparison)[6].endsWith(c.england))
        << qPrintable(ComparisonSummaryLines(run, comparison)[6]);
  }
  EXPECT_EQ(ComparisonTitle(AtGreenwich(3990, 20)),
            "March equinoxes 3990-4000 at 0d0m W, apparent solar time");
}

TEST(ReformComparison, TheChartOfTheRunsSinceTheLastClear) {
  // Two runs, the later one first: their rows in order of the years.
  const ReformComparison two = CompareReforms({AtGreenwich(3000, 1000), AtGreenwich(1, 1000)});
  ASSERT_EQ(two.rows.size(), 2000u);
  EXPECT_EQ(two.rows[999].year, 1000);
  EXPECT_EQ(two.rows[1000].year, 3000);
  // Dee and Dee-Cecil share a line; the drifting calendars get a panel of
  // their own above those that keep their date.
  const EquinoxChart chart = ComparisonChart("at 0d0m W", two);
  ASSERT_EQ(chart.panels.size(), 2);
  QStringList drifting, keeping;
  for (const EquinoxChart::Line& line : chart.panels[0].lines) drifting << line.name;
  for (const EquinoxChart::Line& line : chart.panels[1].lines) keeping << line.name;
  EXPECT_EQ(drifting.join('|'), "Julian|England");
  EXPECT_EQ(keeping.join('|'), "Gregorian|Revised Julian|Dee, Dee-Cecil|Persian");
  EXPECT_EQ(chart.panels[0].ticks.step, 10);
  EXPECT_EQ(chart.panels[1].ticks.step, 1);
}

TEST(ReformComparison, ValueTicksAreRoundAndPassThroughZero) {
  struct Case {
    double low, high, bottom, top, step;
  } const cases[] = {
      {-1.6, 2.3, -2, 3, 1},
      {0.2, 0.7, 0, 1, 1},
      {-16.4, 14.2, -20, 20, 10},
      {3, 38, 0, 40, 10},
  };
  for (const Case& c : cases) {
    const ValueTicks ticks = ValueAxisTicks(c.low, c.high);
    EXPECT_EQ(ticks.bottom, c.bottom) << c.low;
    EXPECT_EQ(ticks.top, c.top) << c.high;
    EXPECT_EQ(ticks.step, c.step) << c.low;
  }
}

}  // namespace
}  // namespace orv
