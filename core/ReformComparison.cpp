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
std::optional<int32_t> DayOf(const CalendarInfo& calendar, int32_t year, int month, int day) {
  const DayResult found = DayNumberOf({year, month, day, calendar.id});
  if (!found) return std::nullopt;
  return found.jdn;
}

// The most common month-day's day nearest the date (in the date's year or
// the one either side): the offsets are counted from it.
std::optional<int32_t> NearestCommonDay(const CalendarInfo& calendar, const CalendarDate& date,
                                        int32_t jdn, const ComparisonSummary& summary) {
  std::optional<int32_t> nearest;
  for (const int32_t year : {date.year - 1, date.year, date.year + 1}) {
    const std::optional<int32_t> day = DayOf(calendar, year, summary.month, summary.day);
    if (day && (!nearest || std::abs(*day - jdn) < std::abs(*nearest - jdn))) nearest = day;
  }
  return nearest;
}

// A least-squares line through the offsets against the year.
struct Fit {
  double n = 0, sum_x = 0, sum_y = 0, sum_xx = 0, sum_xy = 0;
  void Add(double x, double y) {
    n += 1;
    sum_x += x;
    sum_y += y;
    sum_xx += x * x;
    sum_xy += x * y;
  }
  // Days a thousand years; none over fewer than kFewestDriftYears years.
  std::optional<double> DaysPerMillennium() const {
    const double denominator = n * sum_xx - sum_x * sum_x;
    if (n < kFewestDriftYears || denominator == 0) return std::nullopt;
    return 1000.0 * (n * sum_xy - sum_x * sum_y) / denominator;
  }
};

// The offsets from the most common date: the earliest and latest dates, and
// the drift of each run of years on one rule.
void Spread(std::vector<ComparisonRow>& rows, const CalendarInfo& calendar, size_t column,
            ComparisonSummary& summary) {
  std::vector<Fit> fits;
  std::vector<bool> julian;  // a piece's rule
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
    const double offset = row.local - *common;
    row.offsets[column] = offset;
    if (summary.pieces.empty() || julian.back() != IsJulianReckoning(*date)) {
      summary.pieces.push_back({{}, row.year, row.year, 0, std::nullopt});
      julian.push_back(IsJulianReckoning(*date));
      fits.emplace_back();
    }
    summary.pieces.back().last_year = row.year;
    ++summary.pieces.back().rows;
    fits.back().Add(row.year, offset);
  }
  for (size_t i = 0; i < summary.pieces.size(); ++i) {
    summary.pieces[i].drift_days_per_millennium = fits[i].DaysPerMillennium();
    if (summary.pieces.size() > 1) summary.pieces[i].rule = julian[i] ? "Julian" : "Gregorian";
  }
  if (summary.pieces.size() == 1) {
    summary.drift_days_per_millennium = summary.pieces[0].drift_days_per_millennium;
  }
}

std::vector<ComparisonRow> RowsOf(const ComparisonRun& run,
                                  const std::vector<const CalendarInfo*>& calendars) {
  std::vector<ComparisonRow> rows;
  const double degrees_east = run.east ? run.longitude_degrees : -run.longitude_degrees;
  for (int64_t year = run.first_year;
       year < run.first_year + run.years && IsEquinoxYear(static_cast<int32_t>(year)); ++year) {
    ComparisonRow row;
    row.year = static_cast<int32_t>(year);
    row.local = LocalDayAndTime(MarchEquinoxUT(row.year), degrees_east, run.solar_time);
    const auto day = static_cast<int32_t>(std::floor(row.local));
    for (const CalendarInfo* calendar : calendars) row.dates.push_back(DateIn(*calendar, day));
    row.offsets.resize(calendars.size());
    rows.push_back(row);
  }
  return rows;
}

// Each calendar's most common date, its share and spread, over the rows.
void Summarise(ReformComparison& comparison) {
  comparison.summaries.resize(comparison.calendars.size());
  for (size_t i = 0; i < comparison.calendars.size(); ++i) {
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
    Spread(comparison.rows, *comparison.calendars[i], i, summary);
  }
}

QString DriftText(const std::optional<double>& drift) {
  if (!drift) return QStringLiteral("no drift: fewer than %1 years").arg(kFewestDriftYears);
  return QStringLiteral("drift %1 days a thousand years").arg(FormatGroupedFixed(*drift, 1));
}

// "follows the Julian date to 1752 (drift ...) and the Gregorian after (drift ...)"
QString PiecesText(const std::vector<DriftPiece>& pieces, bool with_drifts) {
  QStringList parts;
  for (size_t i = 0; i < pieces.size(); ++i) {
    const DriftPiece& piece = pieces[i];
    QString part = QStringLiteral("the %1").arg(QStringOf(piece.rule));
    if (i == 0) {
      part += QStringLiteral(" date to %1").arg(piece.last_year);
    } else if (i + 1 == pieces.size()) {
      part += QStringLiteral(" after");
    } else {
      part += QStringLiteral(" from %1 to %2").arg(piece.first_year).arg(piece.last_year);
    }
    if (with_drifts) part += " (" + DriftText(piece.drift_days_per_millennium) + ')';
    parts << part;
  }
  const QString last = parts.takeLast();
  return "follows " + (parts.isEmpty() ? last : parts.join(QStringLiteral(", ")) + " and " + last);
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

QString ComparisonPlace(const ComparisonRun& run) {
  return QStringLiteral("at %1, %2 solar time")
      .arg(run.longitude_label, SolarTimeName(run.solar_time));
}

ReformComparison CompareReforms(const ComparisonRun& run) {
  return CompareReforms(std::vector<ComparisonRun>{run});
}

std::vector<const CalendarInfo*> ComparedIn(const ComparisonRun& run) {
  std::vector<const CalendarInfo*> calendars = ComparedCalendars();
  for (const CalendarInfo* definition : run.definitions) {
    if (std::find(calendars.begin(), calendars.end(), definition) == calendars.end()) {
      calendars.push_back(definition);
    }
  }
  return calendars;
}

ReformComparison CompareReforms(const std::vector<ComparisonRun>& runs) {
  ReformComparison comparison;
  comparison.calendars = runs.empty() ? ComparedCalendars() : ComparedIn(runs.front());
  for (const ComparisonRun& run : runs) {
    const std::vector<ComparisonRow> rows = RowsOf(run, comparison.calendars);
    comparison.rows.insert(comparison.rows.end(), rows.begin(), rows.end());
  }
  std::stable_sort(comparison.rows.begin(), comparison.rows.end(),
                   [](const ComparisonRow& a, const ComparisonRow& b) { return a.year < b.year; });
  Summarise(comparison);
  return comparison;
}

QString ComparisonTitle(const ComparisonRun& run) {
  const int64_t last = std::min<int64_t>(run.first_year + run.years - 1, kLastEquinoxYear);
  return QStringLiteral("March equinoxes %1-%2 %3")
      .arg(run.first_year)
      .arg(last)
      .arg(ComparisonPlace(run));
}

QString ComparisonHeader(const std::vector<const CalendarInfo*>& calendars) {
  QString header = QStringLiteral("  Year  ");
  for (const CalendarInfo* calendar : calendars) {
    header += Padded(QStringOf(calendar->tag));
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
  for (size_t i = 0; i < comparison.calendars.size(); ++i) {
    const ComparisonSummary& summary = comparison.summaries[i];
    const QString name = QStringOf(comparison.calendars[i]->name);
    if (summary.rows == 0) {
      lines << name + ": no year of the run";
      continue;
    }
    QString line = QStringLiteral("%1: %2 in %3 of the years (%4 to %5), ")
                       .arg(name, MonthDayText(summary.month, summary.day),
                            FormatGroupedFixed(100.0 * summary.share, 1) + '%',
                            MonthDayText(summary.earliest_month, summary.earliest_day),
                            MonthDayText(summary.latest_month, summary.latest_day));
    const bool one_rule = summary.pieces.size() == 1;
    lines << line + (one_rule ? DriftText(summary.drift_days_per_millennium)
                              : PiecesText(summary.pieces, true));
    // A calendar that drifts a day or more in the run is said to drift; the
    // others keep within their earliest and latest dates.
    const std::optional<double>& drift = summary.drift_days_per_millennium;
    if (!one_rule) {
      clauses << QStringLiteral("the %1 date %2").arg(name, PiecesText(summary.pieces, false));
    } else if (drift && std::fabs(*drift) * summary.rows / 1000.0 >= 1.0) {
      clauses << QStringLiteral("the %1 date drifts %2 days a thousand years %3")
                     .arg(name, FormatGroupedFixed(std::fabs(*drift), 1),
                          *drift < 0 ? QStringLiteral("earlier") : QStringLiteral("later"));
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

namespace {

bool Coincide(const std::vector<ComparisonRow>& rows, size_t a, size_t b) {
  return std::all_of(rows.begin(), rows.end(), [a, b](const ComparisonRow& row) {
    const std::optional<double>& first = row.offsets[a];
    const std::optional<double>& second = row.offsets[b];
    return first.has_value() == second.has_value() &&
           (!first || std::fabs(*first - *second) < 1e-9);
  });
}

}  // namespace

EquinoxChart ComparisonChart(const QString& places, const ReformComparison& comparison) {
  EquinoxChart chart;
  if (comparison.rows.empty()) return chart;
  chart.first_year = comparison.rows.front().year;
  chart.last_year = comparison.rows.back().year;
  chart.year_ticks = YearAxisTicks(chart.first_year, chart.last_year);
  chart.many_years = comparison.rows.size() > 200;
  chart.title = QStringLiteral(
                    "The March equinox against each calendar's most common date, "
                    "%1-%2 %3")
                    .arg(chart.first_year)
                    .arg(chart.last_year)
                    .arg(places);
  // Lines of the calendars that drift, and of those that keep their date,
  // with the lowest and highest offsets of each group.
  std::array<EquinoxChart::Panel, 2> panels;
  std::array<std::pair<double, double>, 2> spans{{{0, 0}, {0, 0}}};
  const size_t columns = comparison.calendars.size();
  std::vector<int> line_of(columns, -1);  // a calendar's line, -1: its own
  for (size_t i = 0; i < columns; ++i) {
    line_of[i] = -1;
    if (comparison.summaries[i].rows == 0) continue;
    for (size_t earlier = 0; earlier < i && line_of[i] < 0; ++earlier) {
      if (comparison.summaries[earlier].rows > 0 && line_of[earlier] < 0 &&
          Coincide(comparison.rows, earlier, i)) {
        line_of[i] = static_cast<int>(earlier);
      }
    }
  }
  for (size_t i = 0; i < columns; ++i) {
    if (comparison.summaries[i].rows == 0 || line_of[i] >= 0) continue;
    EquinoxChart::Line line;
    line.colour = static_cast<int>(i);
    QStringList names;
    for (size_t same = i; same < columns; ++same) {
      if (same == i || line_of[same] == static_cast<int>(i)) {
        names << QStringOf(comparison.calendars[same]->name);
      }
    }
    line.name = names.join(QStringLiteral(", "));
    double low = 0;
    double high = 0;
    for (const ComparisonRow& row : comparison.rows) {
      if (!row.offsets[i]) continue;
      line.points.append({static_cast<double>(row.year), *row.offsets[i]});
      low = std::min(low, *row.offsets[i]);
      high = std::max(high, *row.offsets[i]);
    }
    const size_t panel = high - low > kKeptDays ? 0 : 1;
    panels[panel].lines.append(line);
    spans[panel] = {std::min(spans[panel].first, low), std::max(spans[panel].second, high)};
  }
  const bool both = !panels[0].lines.isEmpty() && !panels[1].lines.isEmpty();
  panels[0].y_title = both ? QStringLiteral("Days (drifting)") : QStringLiteral("Days");
  panels[1].y_title = both ? QStringLiteral("Days (keeping their date)") : QStringLiteral("Days");
  for (size_t panel = 0; panel < panels.size(); ++panel) {
    if (panels[panel].lines.isEmpty()) continue;
    panels[panel].ticks = ValueAxisTicks(spans[panel].first, spans[panel].second);
    chart.panels.append(panels[panel]);
  }
  return chart;
}

}  // namespace orv
