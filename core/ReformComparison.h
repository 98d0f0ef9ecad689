// How well each solar calendar keeps the March equinox on its day: for a run
// of years (1 to 4000), the date of the equinox, at a chosen meridian and in
// a chosen solar time, in every solar calendar of the table — Julian,
// Gregorian, Revised Julian, Dee, Dee-Cecil, Persian, England — and per
// calendar the date it holds most often, the share of years on it, the
// earliest and latest dates and the drift in days a thousand years (the
// least-squares slope of the equinox's offset from its most common date).
//
//   ComparisonRun run;  run.first_year = 1;  run.years = 4000;
//   const ReformComparison comparison = CompareReforms(run);
//   comparison.summaries[0].drift_days_per_millennium;  // Julian: about 7.8
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "calendar/CalendarDate.h"
#include "core/EquinoxChart.h"
#include "core/ReportBuilders.h"

namespace orv {

// A solar calendar of the comparison: its calendar and, for the Dee
// calendar, its version; its key in JSON and CSV.
struct SolarCalendar {
  CalendarId id;
  DeeVersion dee;
  std::string_view json_key;  // "julian", "dee_cecil"
  std::string_view name;      // "Julian", "Dee-Cecil"
  std::string_view tag;       // its column's head in the table: "JC", "DC"
};
inline constexpr std::array<SolarCalendar, 7> kSolarCalendars = {{
    {CalendarId::kJulian, kDeeCecilVersion, "julian", "Julian", "JC"},
    {CalendarId::kGregorian, kDeeCecilVersion, "gregorian", "Gregorian", "CE"},
    {CalendarId::kRevisedJulian, kDeeCecilVersion, "revised_julian", "Revised Julian", "RJ"},
    {CalendarId::kDee, kDeeVersion, "dee", "Dee", "D"},
    {CalendarId::kDee, kDeeCecilVersion, "dee_cecil", "Dee-Cecil", "DC"},
    {CalendarId::kPersian, kDeeCecilVersion, "persian", "Persian", "AP"},
    {CalendarId::kEngland, kDeeCecilVersion, "england", "England", "EN"},
}};

struct ComparisonRun {
  int32_t first_year = 1;
  int64_t years = 12;             // the rows: up to the table's last year
  double longitude_degrees = 77;  // from Greenwich, in the direction `east` says
  bool east = false;
  QString longitude_label = QStringLiteral("77d0m W");
  SolarTime solar_time = SolarTime::kApparent;
};

// The years from first_year at the meridian and in the solar time of an
// equinox report's run.
ComparisonRun ComparisonAt(const VernalEquinoxRun& place, int32_t first_year, int64_t years);

// The years a chart of several runs spans: from the earliest first year to
// the latest last year of the runs charted so far (none after a Clear) and
// the new run, which gave `rows` years; at the new run's meridian and time.
ComparisonRun ChartedRuns(const std::optional<ComparisonRun>& charted, ComparisonRun run,
                          int64_t rows);

struct ComparisonRow {
  int32_t year = 0;
  double local = 0;  // the instant as a Julian date from local midnight (floor: the day)
  // The equinox's date in each calendar of kSolarCalendars; none outside
  // the calendar's range (the Persian calendar begins in 622).
  std::array<std::optional<CalendarDate>, kSolarCalendars.size()> dates;
  // The instant's offset in days from the calendar's most common date (the
  // summary's), where it has a date.
  std::array<std::optional<double>, kSolarCalendars.size()> offsets;
};

struct ComparisonSummary {
  int rows = 0;   // years the calendar dates
  int month = 0;  // the date it holds most often
  int day = 0;
  double share = 0;                          // of the years on it, 0 to 1
  int earliest_month = 0, earliest_day = 0;  // the equinox's earliest and latest dates,
  int latest_month = 0, latest_day = 0;      // counted from the most common one
  double drift_days_per_millennium = 0;
};

struct ReformComparison {
  std::vector<ComparisonRow> rows;
  std::array<ComparisonSummary, kSolarCalendars.size()> summaries;
};
ReformComparison CompareReforms(const ComparisonRun& run);

// "03-21": a month and day as the summaries write them.
QString MonthDayText(int month, int day);

// The table's header (the calendars by their tags), a row's line (64
// characters: 800 of them fit a report box) and the summary lines (a line a
// calendar, then the sentence), without line breaks at their ends.
QString ComparisonHeader();
QString ComparisonLine(const ComparisonRow& row);
QStringList ComparisonSummaryLines(const ComparisonRun& run, const ReformComparison& comparison);

// The chart of the offsets: a line a calendar against the year.
EquinoxChart ComparisonChart(const ComparisonRun& run, const ReformComparison& comparison);

}  // namespace orv
