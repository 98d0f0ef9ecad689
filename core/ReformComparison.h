// How well each solar calendar keeps the March equinox on its day: for a run
// of years (1 to 4000), the date of the equinox, at a chosen meridian and in
// a chosen solar time, in every solar calendar of the table — Julian,
// Gregorian, Revised Julian, Dee, Dee-Cecil, Persian, England — and per
// calendar the date it holds most often, the share of years on it, the
// earliest and latest dates and the drift in days a thousand years (the
// least-squares slope of the equinox's offset from its most common date).
// A drift is given only over at least a century of years on one rule: a
// shorter run has none, and England (Julian to 1752, Gregorian after) has
// one for each rule it followed.
//
//   ComparisonRun run;  run.first_year = 1;  run.years = 4000;
//   const ReformComparison comparison = CompareReforms(run);
//   *comparison.summaries[0].drift_days_per_millennium;  // Julian: about -7.6
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "calendar/Calendars.h"
#include "core/EquinoxChart.h"
#include "core/ReportBuilders.h"

namespace orv {

struct ComparisonRun {
  int32_t first_year = 1;
  int64_t years = 12;             // the rows: up to the table's last year
  double longitude_degrees = 77;  // from Greenwich, in the direction `east` says
  bool east = false;
  QString longitude_label = QStringLiteral("77d0m W");
  SolarTime solar_time = SolarTime::kApparent;
  // Calendars defined by files compared too, after the table's (the
  // proposals a user ticks; orvc compare --with-proposals: all of them).
  std::vector<const CalendarInfo*> definitions = {};
};

// The calendars a run compares: the table's solar calendars, then its
// definitions.
std::vector<const CalendarInfo*> ComparedIn(const ComparisonRun& run);

// The years from first_year at the meridian and in the solar time of an
// equinox report's run.
ComparisonRun ComparisonAt(const VernalEquinoxRun& place, int32_t first_year, int64_t years);

// "at 77d0m W, apparent solar time": where and in what time a run's dates are.
QString ComparisonPlace(const ComparisonRun& run);

struct ComparisonRow {
  int32_t year = 0;
  double local = 0;  // the instant as a Julian date from local midnight (floor: the day)
  // The equinox's date in each calendar compared, in the comparison's
  // order; none outside the calendar's range (the Persian calendar begins
  // in 622).
  std::vector<std::optional<CalendarDate>> dates;
  // The instant's offset in days from the calendar's most common date (the
  // summary's), where it has a date.
  std::vector<std::optional<double>> offsets;
};

// The fewest years on one rule that a drift is given over.
inline constexpr int kFewestDriftYears = 100;

// The years a calendar followed one rule: all of them, or for England the
// Julian years (to 1752) and the Gregorian ones (from 1753).
struct DriftPiece {
  std::string_view rule;  // "" for a calendar of one rule; "Julian", "Gregorian"
  int32_t first_year = 0;
  int32_t last_year = 0;
  int rows = 0;
  std::optional<double> drift_days_per_millennium;  // none over fewer than kFewestDriftYears
};

struct ComparisonSummary {
  int rows = 0;   // years the calendar dates
  int month = 0;  // the date it holds most often
  int day = 0;
  double share = 0;                          // of the years on it, 0 to 1
  int earliest_month = 0, earliest_day = 0;  // the equinox's earliest and latest dates,
  int latest_month = 0, latest_day = 0;      // counted from the most common one
  // Over the whole run when it has one rule; none when the years are too
  // few, or when the calendar changed its rule (see pieces).
  std::optional<double> drift_days_per_millennium;
  std::vector<DriftPiece> pieces;  // in order of the years
};

struct ReformComparison {
  // The solar calendars of the table (ComparedCalendars), a column each.
  std::vector<const CalendarInfo*> calendars;
  std::vector<ComparisonRow> rows;
  std::vector<ComparisonSummary> summaries;  // a calendar each
};
ReformComparison CompareReforms(const ComparisonRun& run);
// The rows of several runs (those since a window was last cleared) in order
// of the years, the summaries worked out over all of them.
ReformComparison CompareReforms(const std::vector<ComparisonRun>& runs);

// "03-21": a month and day as the summaries write them.
QString MonthDayText(int month, int day);

// The table's header: the years, meridian and time kind of the run, then the
// calendars by their tags (a line each); a row's line (64 characters); and
// the summary lines (a line a calendar, then the sentence); without line
// breaks at their ends.
QString ComparisonTitle(const ComparisonRun& run);
QString ComparisonHeader(const std::vector<const CalendarInfo*>& calendars = ComparedCalendars());
QString ComparisonLine(const ComparisonRow& row);
QStringList ComparisonSummaryLines(const ComparisonRun& run, const ReformComparison& comparison);

// The chart of the offsets against the year: a line a calendar, one line
// for calendars whose offsets coincide over the years charted (named
// "Dee, Dee-Cecil"); the calendars that drift more than kKeptDays in a panel
// of their own above those that keep their date, each panel on round ticks
// through 0 (the most common date). `places`: the runs' meridians and times.
inline constexpr double kKeptDays = 4;
EquinoxChart ComparisonChart(const QString& places, const ReformComparison& comparison);

}  // namespace orv
