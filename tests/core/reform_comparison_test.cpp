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
  EXPECT_NEAR(all.summaries[0].drift_days_per_millennium, -7.6, 0.2);
  // The Gregorian and Dee calendars hold the equinox within a few days.
  EXPECT_NEAR(all.summaries[1].drift_days_per_millennium, 0, 0.3);
  EXPECT_EQ(MonthDayText(all.summaries[4].month, all.summaries[4].day), "03-20");  // Dee-Cecil
  EXPECT_GT(all.summaries[4].share, 0.75);
  // The Persian calendar begins the day after the equinox of 622 and ends the
  // day before that of 4000: it dates the equinoxes of 623 to 3999.
  EXPECT_FALSE(all.rows[621].dates[5]);
  EXPECT_TRUE(all.rows[622].dates[5]);
  EXPECT_EQ(all.summaries[5].rows, 3999 - 622);
  const QStringList lines = ComparisonSummaryLines(run, all);
  ASSERT_EQ(lines.size(), 8);
  EXPECT_TRUE(lines.back().startsWith(
      "Over 1-4000 at 0d0m W the Julian date drifts 7.6 days a thousand years earlier; the "
      "Gregorian date keeps within 03-19 to 03-22;"))
      << qPrintable(lines.back());
  EXPECT_EQ(ComparisonHeader(), "  Year  JC      CE      RJ      D       DC      AP      EN");
  EXPECT_EQ(ComparisonLine(all.rows[2023]),
            "  2024  03-07   03-20   03-20   03-22   03-21   01-01   03-20");
}

TEST(ReformComparison, AChartSpansEveryRunSinceTheLastClear) {
  ComparisonRun charted = ChartedRuns(std::nullopt, AtGreenwich(2000, 12), 12);
  EXPECT_EQ(charted.first_year, 2000);
  EXPECT_EQ(charted.years, 12);
  // A run that stopped short counts the years it gave; an earlier one widens
  // the span back, at the latest run's meridian.
  ComparisonRun east = AtGreenwich(1990, 5);
  east.east = true;
  charted = ChartedRuns(charted, east, 3);
  EXPECT_EQ(charted.first_year, 1990);
  EXPECT_EQ(charted.years, 22);
  EXPECT_TRUE(charted.east);
  charted = ChartedRuns(charted, AtGreenwich(3998, 12), 3);
  EXPECT_EQ(charted.years, 4000 - 1990 + 1);
}

}  // namespace
}  // namespace orv
