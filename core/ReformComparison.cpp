#include "core/ReformComparison.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

#include "astronomy/SolEq.h"
#include "calendar/Calendars.h"
#include "core/NumberFormat.h"
#include "core/StrProc.h"

namespace orv {
namespace {

constexpr int kColumnWidth = 8;

// The day number of month-day in the year, or none where the year lacks it.
std::optional<int32_t> DayOf(const SolarCalendar& calendar, int32_t year, int month, int day) {
  const DayResult found = DayNumberOf({year, month, day, calendar.id}, calendar.dee);
  if (!found) return std::nullopt;
  return found.jdn;
}

// The most common month-day's day nearest the date (in the date's year or
// the one either side): the offsets are counted from it.
std::optional<int32_t> NearestCommonDay(const SolarCalendar& calendar, const CalendarDate& date,
                                        int32_t jdn, const ComparisonSummary& summary) {
  std::optional<int32_t> nearest;
  for (const int32_t year : {date.year - 1, date.year, date.year + 1}) {
    const std::optional<int32_t> day = DayOf(calendar, year, summary.month, summary.day);
    if (day && (!nearest || std::abs(*day - jdn) < std::abs(*nearest - jdn))) nearest = day;
  }
  return nearest;
}

// The offsets from the most common date: the earliest and latest dates, and
// the least-squares slope of the offset against the year.
void Spread(std::vector<ComparisonRow>& rows, size_t column, ComparisonSummary& summary) {
  const SolarCalendar& calendar = kSolarCalendars[column];
  double n = 0, sum_x = 0, sum_y = 0, sum_xx = 0, sum_xy = 0;
  int earliest = 0, latest = 0;
  bool first = true;
  for (ComparisonRow& row : rows) {
    const std::optional<CalendarDate>& date = row.dates[column];
    if (!date) continue;
    const auto jdn = static_cast<int32_t>(std::floor(row.local));
    const std::optional<int32_t> common = NearestCommonDay(calendar, *date, jdn, summary);
    if (!common) continue;
    const int whole_days = jdn - *common;
    if (first || whole_days < earliest) {
      earliest = whole_days;
      summary.earliest_month = date->month;
      summary.earliest_day = date->day;
    }
    if (first || whole_days > latest) {
      latest = whole_days;
      summary.latest_month = date->month;
      summary.latest_day = date->day;
    }
    first = false;
    const double x = row.year;
    const double y = row.local - *common;
    row.offsets[column] = y;
    n += 1;
    sum_x += x;
    sum_y += y;
    sum_xx += x * x;
    sum_xy += x * y;
  }
  const double denominator = n * sum_xx - sum_x * sum_x;
  if (n >= 2 && denominator != 0) {
    summary.drift_days_per_millennium = 1000.0 * (n * sum_xy - sum_x * sum_y) / denominator;
  }
}

QString Padded(const QString& text) { return text.leftJustified(kColumnWidth); }

QString WithoutTrailingSpaces(QString text) {
  while (text.endsWith(u' ')) text.chop(1);
  return text;
}

}  // namespace

QString MonthDayText(int month, int day) {
  return QStringLiteral("%1-%2").arg(month, 2, 10, QChar('0')).arg(day, 2, 10, QChar('0'));
}

ComparisonRun ComparisonAt(const VernalEquinoxRun& place, int32_t first_year, int64_t years) {
  ComparisonRun run;
  run.first_year = first_year;
  run.years = years;
  run.longitude_degrees = place.longitude_degrees;
  run.east = place.east;
  run.longitude_label = place.longitude_label;
  run.solar_time = place.solar_time;
  return run;
}

ComparisonRun ChartedRuns(const std::optional<ComparisonRun>& charted, ComparisonRun run,
                          int64_t rows) {
  int64_t first = run.first_year;
  int64_t last = run.first_year + rows - 1;
  if (charted) {
    first = std::min<int64_t>(first, charted->first_year);
    last = std::max(last, charted->first_year + charted->years - 1);
  }
  run.first_year = static_cast<int32_t>(first);
  run.years = last - first + 1;
  return run;
}

ReformComparison CompareReforms(const ComparisonRun& run) {
  ReformComparison comparison;
  const double degrees_east = run.east ? run.longitude_degrees : -run.longitude_degrees;
  for (int64_t year = run.first_year;
       year < run.first_year + run.years && IsEquinoxYear(static_cast<int32_t>(year)); ++year) {
    ComparisonRow row;
    row.year = static_cast<int32_t>(year);
    row.local = LocalDayAndTime(MarchEquinoxUT(row.year), degrees_east, run.solar_time);
    const auto day = static_cast<int32_t>(std::floor(row.local));
    for (size_t i = 0; i < kSolarCalendars.size(); ++i) {
      row.dates[i] = DateIn(CalendarOf(kSolarCalendars[i].id), day, kSolarCalendars[i].dee);
    }
    comparison.rows.push_back(row);
  }
  for (size_t i = 0; i < kSolarCalendars.size(); ++i) {
    ComparisonSummary& summary = comparison.summaries[i];
    std::map<std::pair<int, int>, int> counts;
    for (const ComparisonRow& row : comparison.rows) {
      if (row.dates[i]) ++counts[{row.dates[i]->month, row.dates[i]->day}];
    }
    int most = 0;
    for (const auto& [month_day, count] : counts) {
      summary.rows += count;
      if (count > most) {
        most = count;
        summary.month = month_day.first;
        summary.day = month_day.second;
      }
    }
    if (summary.rows == 0) continue;
    summary.share = static_cast<double>(most) / summary.rows;
    Spread(comparison.rows, i, summary);
  }
  return comparison;
}

QString ComparisonHeader() {
  QString header = QStringLiteral("  Year  ");
  for (const SolarCalendar& calendar : kSolarCalendars) {
    header += Padded(QStringOf(calendar.tag));
  }
  return WithoutTrailingSpaces(header);
}

QString ComparisonLine(const ComparisonRow& row) {
  QString line = QString::number(row.year).rightJustified(6) + QStringLiteral("  ");
  for (const std::optional<CalendarDate>& date : row.dates) {
    line += Padded(date ? MonthDayText(date->month, date->day) : QStringLiteral("-"));
  }
  return WithoutTrailingSpaces(line);
}

QStringList ComparisonSummaryLines(const ComparisonRun& run, const ReformComparison& comparison) {
  QStringList lines;
  QStringList clauses;
  for (size_t i = 0; i < kSolarCalendars.size(); ++i) {
    const ComparisonSummary& summary = comparison.summaries[i];
    const QString name = QStringOf(kSolarCalendars[i].name);
    if (summary.rows == 0) {
      lines << name + ": no year of the run";
      continue;
    }
    const QString drift = FormatGroupedFixed(summary.drift_days_per_millennium, 1);
    lines << QStringLiteral("%1: %2 in %3 of the years (%4 to %5), drift %6 days a thousand years")
                 .arg(name, MonthDayText(summary.month, summary.day),
                      FormatGroupedFixed(100.0 * summary.share, 1) + '%',
                      MonthDayText(summary.earliest_month, summary.earliest_day),
                      MonthDayText(summary.latest_month, summary.latest_day), drift);
    // A calendar that drifts a day or more in the run is said to drift; the
    // others keep within their earliest and latest dates.
    const double years = comparison.rows.size();
    if (std::fabs(summary.drift_days_per_millennium) * years / 1000.0 >= 1.0) {
      clauses << QStringLiteral("the %1 date drifts %2 days a thousand years %3")
                     .arg(name, FormatGroupedFixed(std::fabs(summary.drift_days_per_millennium), 1),
                          summary.drift_days_per_millennium < 0 ? QStringLiteral("earlier")
                                                                : QStringLiteral("later"));
    } else {
      clauses << QStringLiteral("the %1 date keeps within %2 to %3")
                     .arg(name, MonthDayText(summary.earliest_month, summary.earliest_day),
                          MonthDayText(summary.latest_month, summary.latest_day));
    }
  }
  if (comparison.rows.empty()) return lines;
  lines << QStringLiteral("Over %1-%2 at %3 %4.")
               .arg(comparison.rows.front().year)
               .arg(comparison.rows.back().year)
               .arg(run.longitude_label, clauses.join(QStringLiteral("; ")));
  return lines;
}

}  // namespace orv

namespace orv {

EquinoxChart ComparisonChart(const ComparisonRun& run, const ReformComparison& comparison) {
  EquinoxChart chart;
  if (comparison.rows.empty()) return chart;
  chart.first_year = comparison.rows.front().year;
  chart.last_year = comparison.rows.back().year;
  chart.year_ticks = YearAxisTicks(chart.first_year, chart.last_year);
  chart.many_years = comparison.rows.size() > 200;
  chart.title = QStringLiteral(
                    "The March equinox against each calendar's most common date, "
                    "%1-%2 at %3 (%4 solar time)")
                    .arg(chart.first_year)
                    .arg(chart.last_year)
                    .arg(run.longitude_label, SolarTimeName(run.solar_time));
  chart.y_title = QStringLiteral("Days from the most common date");
  double low = 0;
  double high = 1;
  for (size_t i = 0; i < kSolarCalendars.size(); ++i) {
    const ComparisonSummary& summary = comparison.summaries[i];
    if (summary.rows == 0) continue;
    EquinoxChart::Line line;
    line.name = QStringOf(kSolarCalendars[i].name);
    for (const ComparisonRow& row : comparison.rows) {
      if (!row.offsets[i]) continue;
      line.points.append({static_cast<double>(row.year), *row.offsets[i]});
      low = std::min(low, *row.offsets[i]);
      high = std::max(high, *row.offsets[i]);
    }
    chart.lines.append(line);
  }
  chart.bottom_day = std::floor(low);
  chart.top_day = std::ceil(high);
  return chart;
}

}  // namespace orv
