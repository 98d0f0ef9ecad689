// The two reports row by row: each row as values and as its line of text,
// the generators that give the rows of a run one after another, the header
// and summary texts. The windows (reports/ReportRuns.h) and orvc build their
// output from these.
#pragma once

#include <QJsonValue>
#include <QString>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "calendar/CalendarDate.h"
#include "calendar/Dee.h"
#include "core/Notice.h"

namespace orv {

// The years the equinox table covers.
inline constexpr int32_t kFirstEquinoxYear = 1;
inline constexpr int32_t kLastEquinoxYear = 4000;
inline bool IsEquinoxYear(int64_t year) {
  return year >= kFirstEquinoxYear && year <= kLastEquinoxYear;
}

// A row of a report as named fields in their order (core/ReportRecords.h).
using Record = std::vector<std::pair<QString, QJsonValue>>;

// Date sequence: days from first_jdn on, the Gregorian and the Dee date of
// each, its day number and weekday; days on which both dates begin or cease
// to agree are marked, and a sentence counts the days that agree.
//
// Row by row, for any length (the command line streams them):
struct DateSequenceRow {
  int32_t jdn = 0;
  CalendarDate gregorian;
  CalendarDate dee;               // in the run's version
  QString gregorian_text;         // "2016-02-26 CE"
  QString dee_text;               // "2016-02-26 DC"
  int weekday = 0;                // 0 Sunday ... 6 Saturday
  bool same = false;              // both calendars give the same year, month and day
  bool agreement_starts = false;  // same, and the day before was not (never the first row)
  bool agreement_ends = false;    // not same, and the day before was
  bool marked() const { return agreement_starts || agreement_ends; }
};
// The row of a day; previous is the row of the day before, if it is listed.
DateSequenceRow DateSequenceDay(int32_t jdn, const DeeVersion& dee,
                                const DateSequenceRow* previous);
// The text of the rows: the header line, then one line a row (the first row
// sets the columns), then the sentence on the days that agree, which a run
// of fewer than three rows leaves out. No line breaks.
class DateSequenceText {
 public:
  explicit DateSequenceText(const DeeVersion& dee) : dee_(dee) {}
  QString Header() const;
  QString Line(const DateSequenceRow& row);
  static QString Summary(int64_t same_days, int64_t rows);  // empty below three rows

 private:
  DeeVersion dee_;
  bool first_ = true;
  qsizetype first_column_padding_ = 0;
  qsizetype first_jdn_length_ = 0;
};

// The rows of a sequence one day after another from its first, each knowing
// the day before, with the counts the summary needs. The window's runs and
// orvc's stream both take their rows from here.
class DateSequenceRows {
 public:
  DateSequenceRows(int32_t first_jdn, const DeeVersion& dee) : next_jdn_(first_jdn), dee_(dee) {}
  // The next day's row; nullopt past the last day that can be numbered.
  std::optional<DateSequenceRow> Next();
  int64_t rows() const { return rows_; }
  int64_t same_days() const { return same_days_; }

 private:
  int64_t next_jdn_;
  DeeVersion dee_;
  DateSequenceRow previous_;
  int64_t rows_ = 0;
  int64_t same_days_ = 0;
};

// Vernal equinox table: for each year the March equinox as a Julian date
// (UT), the Gregorian date and time at London and the Dee date and time at
// the 'Washington' meridian, the year's place in the 33-year cycle, and a
// mark where the Dee equinox misses its expected day.
// The solar time the dates and times are given in: mean; apparent with the
// equation of time taken as a fixed -8 minutes (its value at the March
// equinox today); or true, with the equation of time computed for the
// instant (astronomy/EquationOfTime.h).
enum class SolarTime { kMean, kApparent, kTrue };
// "mean", "apparent", "true": in JSON, CSV and the chart.
QString SolarTimeName(SolarTime time);

struct VernalEquinoxRun {
  int32_t first_year = 1;
  int years = 0;                  // 1 to 800
  double longitude_degrees = 77;  // from Greenwich, in the direction `east` says
  bool east = false;              // west of Greenwich unless set
  QString longitude_label;        // "77d0m W", "12d30m E"
  SolarTime solar_time = SolarTime::kApparent;
  DeeVersion dee = kDeeCecilVersion;
};

// "77d0m W", "12d30m E": a meridian as the reports name it.
QString MeridianLabel(int degrees, int minutes, bool east);

// The instant as a Julian date counted from local midnight (its whole part
// the civil day's number) in the solar time given, at the meridian east of
// Greenwich by `degrees_east` (negative: west).
double LocalDayAndTime(double jd_ut, double degrees_east, SolarTime time);

// Row by row: the equinox of one year (1 to 4000) with the run's meridian,
// time kind and Dee version.
struct VernalEquinoxRow {
  int32_t year = 0;
  double jd_ut = 0;       // the instant, a Julian date in universal time
  CalendarDate london;    // Gregorian, at London in the run's solar time
  QString london_time;    // "03:06"
  CalendarDate meridian;  // Dee (the run's version), at the run's meridian
  QString meridian_time;  // "21:58"
  // The instants as days of March, for the chart: 20.25 is 20 March 06:00
  // (days since the end of February of the date's year and calendar).
  double london_day_of_march = 0;
  double meridian_day_of_march = 0;
  int cycle_position = 0;  // 1 to 33
  bool dee_leap = false;
  bool missed = false;  // the Dee date is not March 21 (Dee) or 20 (Dee-Cecil)
};
VernalEquinoxRow VernalEquinoxFor(int32_t year, const VernalEquinoxRun& run);

// The rows of a table one year after another from run.first_year, up to the
// table's last year, with the counts the summary needs; shared by the window
// and orvc.
class VernalEquinoxRows {
 public:
  explicit VernalEquinoxRows(const VernalEquinoxRun& run) : run_(run), next_year_(run.first_year) {}
  // No year left: the next is outside the table.
  bool Done() const { return !IsEquinoxYear(next_year_); }
  // The next year's row; nullopt when Done().
  std::optional<VernalEquinoxRow> Next();
  int rows() const { return rows_; }
  int missed() const { return missed_; }

 private:
  VernalEquinoxRun run_;
  int64_t next_year_;
  int rows_ = 0;
  int missed_ = 0;
};
// A row's line; the time kind ("a", "m" or "t") is shown on every tenth row from
// the first (index 0, 10, 20 ...). No line break.
QString VernalEquinoxLine(const VernalEquinoxRow& row, const VernalEquinoxRun& run, int index);
// "Number of VE not on March 20 in ... : 3 of 12 (25.00%)".
QString VernalEquinoxSummary(const VernalEquinoxRun& run, int missed, int rows);

// The three header lines of the table; an east meridian's column is headed
// by its name in place of 'Washington'.
QString VernalEquinoxHeader(const DeeVersion& dee);
QString VernalEquinoxHeader(const VernalEquinoxRun& run);

}  // namespace orv
