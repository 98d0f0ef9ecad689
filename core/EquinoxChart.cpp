#include "core/EquinoxChart.h"

#include <algorithm>
#include <cmath>

#include "core/StrProc.h"

namespace orv {

YearTicks YearAxisTicks(int32_t first_year, int32_t last_year) {
  const int64_t years = int64_t{last_year} - first_year + 1;
  int32_t step = 1;
  for (int32_t decade = 1;; decade *= 10) {
    step = decade;
    if ((years + step - 1) / step <= kMostYearTicks) break;
    step = 2 * decade;
    if ((years + step - 1) / step <= kMostYearTicks) break;
    step = 5 * decade;
    if ((years + step - 1) / step <= kMostYearTicks) break;
  }
  // The first multiple of the step from the first year on (years may be 0 or less).
  const int32_t remainder = ((first_year % step) + step) % step;
  return {remainder == 0 ? first_year : first_year + step - remainder, step};
}

ValueTicks ValueAxisTicks(double low, double high) {
  low = std::min(low, 0.0);
  high = std::max(high, 0.0);
  ValueTicks ticks;
  for (double decade = 1;; decade *= 10) {
    for (const double step : {decade, 2 * decade, 5 * decade}) {
      ticks.step = step;
      ticks.bottom = std::floor(low / step) * step;
      ticks.top = std::max(std::ceil(high / step) * step, ticks.bottom + step);
      if ((ticks.top - ticks.bottom) / step <= kMostValueTicks) return ticks;
    }
  }
}

EquinoxChart EquinoxChartFor(const VernalEquinoxRun& run, int32_t first_year, int years) {
  EquinoxChart chart;
  const QString dee_name = QStringOf(run.dee.name);
  chart.london_name = QStringLiteral("Gregorian, London");
  chart.meridian_name = QStringLiteral("%1, %2").arg(dee_name, run.longitude_label);
  chart.missed_name = QStringLiteral("%1 off its day").arg(dee_name);
  chart.expected_day = run.dee == kDeeCecilVersion ? 20 : 21;
  chart.band_name = QStringLiteral("Expected day, March %1").arg(chart.expected_day);
  chart.many_years = years > 200;

  double low = 1e9;
  double high = -1e9;
  chart.first_year = first_year;
  chart.last_year = first_year;
  VernalEquinoxRun from = run;
  from.first_year = first_year;
  VernalEquinoxRows rows(from);
  while (rows.rows() < years && !rows.Done()) {
    const VernalEquinoxRow row = *rows.Next();
    const auto year = static_cast<double>(row.year);
    chart.london.append({year, row.london_day_of_march});
    chart.meridian.append({year, row.meridian_day_of_march});
    if (row.missed) chart.missed.append({year, row.meridian_day_of_march});
    low = std::min({low, row.london_day_of_march, row.meridian_day_of_march});
    high = std::max({high, row.london_day_of_march, row.meridian_day_of_march});
    chart.last_year = row.year;
  }
  chart.year_ticks = YearAxisTicks(chart.first_year, chart.last_year);
  chart.bottom_day = std::floor(std::min(low, chart.expected_day - 1.0));
  chart.top_day = std::ceil(std::max(high, chart.expected_day + 2.0));
  chart.title = QStringLiteral(
                    "March equinoxes %1\u2013%2: %3 of %4 %5 dates off March %6 "
                    "(%7, %8 solar time)")
                    .arg(chart.first_year)
                    .arg(chart.last_year)
                    .arg(chart.missed.size())
                    .arg(chart.london.size())
                    .arg(dee_name)
                    .arg(chart.expected_day)
                    .arg(run.longitude_label, SolarTimeName(run.solar_time));
  return chart;
}

}  // namespace orv
