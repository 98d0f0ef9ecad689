#include "core/ReportBuilders.h"

#include <cmath>
#include <limits>

#include "astronomy/EquationOfTime.h"
#include "astronomy/SolEq.h"
#include "calendar/CalendarDate.h"
#include "calendar/DatePr2.h"
#include "calendar/Dee.h"
#include "core/DateEntry.h"
#include "core/DateTexts.h"
#include "core/NumberFormat.h"
#include "core/StrProc.h"

namespace orv {
namespace {

// Padding never goes negative: a text longer than its column gets none.
QString Spaces(qsizetype count) { return QString(std::max<qsizetype>(count, 0), u' '); }

// The date of a day in the calendar, and its year-month-day text.
CalendarDate DateOf(const CalendarInfo& calendar, int32_t jdn, QString& text) {
  const CalendarDate date = DateOfDay(jdn, calendar);
  text = YearMonthDayText(date, calendar.tag);
  return date;
}

// The instant (a day number plus the fraction of its day) as days since the
// end of February of its date's year, in the date's calendar.
double DayOfMarch(const CalendarDate& date, double instant) {
  return instant - DayNumberOf({date.year, 3, 1, date.calendar}).jdn + 1;
}

}  // namespace

DateSequenceRow DateSequenceDay(int32_t jdn, const DeeVersion& dee,
                                const DateSequenceRow* previous) {
  DateSequenceRow row;
  row.jdn = jdn;
  row.gregorian = DateOf(CalendarOf(CalendarId::kGregorian), jdn, row.gregorian_text);
  row.dee = DateOf(DeeRow(dee), jdn, row.dee_text);
  row.weekday = DayOfWeek(jdn);
  row.same = row.gregorian.year == row.dee.year && row.gregorian.month == row.dee.month &&
             row.gregorian.day == row.dee.day;
  if (previous != nullptr) {
    row.agreement_starts = row.same && !previous->same;
    row.agreement_ends = !row.same && previous->same;
  }
  return row;
}

QString DateSequenceText::Header() const {
  return "   Common Era date      " + QStringOf(dee_.name) + " date" +
         Spaces(dee_ == kDeeCecilVersion ? 9 : 14) + "Julian day number    Day of week";
}

QString DateSequenceText::Line(const DateSequenceRow& row) {
  const QString jdn_text = FormatGroupedInteger(row.jdn);
  QString line = "   " + row.gregorian_text;
  if (first_) first_column_padding_ = 21 - row.gregorian_text.size();
  line += Spaces(first_column_padding_) + row.dee_text;
  line += Spaces(2 - static_cast<qsizetype>(dee_.designation.size()));  // "D" as wide as "DC"
  if (first_) {
    first_jdn_length_ = jdn_text.size();
    line += Spaces(19 - jdn_text.size());
  } else {
    line += row.marked() ? QStringLiteral("  <--") : Spaces(5);
    line += Spaces(14 - jdn_text.size());
  }
  first_ = false;
  return line + jdn_text + Spaces(21 - first_jdn_length_) +
         QString::fromStdString(DayOfWeekName(static_cast<int16_t>(row.weekday)));
}

std::optional<DateSequenceRow> DateSequenceRows::Next() {
  if (next_jdn_ > std::numeric_limits<int32_t>::max()) return std::nullopt;
  DateSequenceRow row =
      DateSequenceDay(static_cast<int32_t>(next_jdn_), dee_, rows_ == 0 ? nullptr : &previous_);
  ++next_jdn_;
  ++rows_;
  same_days_ += row.same ? 1 : 0;
  previous_ = row;
  return row;
}

QString DateSequenceText::Summary(int64_t same_days, int64_t rows) {
  if (rows < 3) return QString();
  if (same_days == 0) return QStringLiteral("All days have different dates in the two calendars.");
  if (same_days == rows) return QStringLiteral("All days have the same date in the two calendars.");
  if (same_days == 1) return QStringLiteral("Only one day has the same date in the two calendars");
  const auto percent = static_cast<int64_t>(std::floor(100.0 * same_days / rows + 0.5));
  return NumberWords(same_days) + " days (" + QString::number(percent) +
         "%) have the same date in the two calendars.";
}

QString VernalEquinoxHeader(const DeeVersion& dee) {
  VernalEquinoxRun run;
  run.dee = dee;
  return VernalEquinoxHeader(run);
}

QString VernalEquinoxHeader(const VernalEquinoxRun& run) {
  return "  Year      Astronomical      Gregorian Calendar      " + QStringOf(run.dee.name) +
         " Calendar" + kCrLf + Spaces(12) + "Julian date" + Spaces(13) + "London" + Spaces(12) +
         (run.east ? run.longitude_label : QStringLiteral("'Washington'")) + kCrLf + kCrLf;
}

QString SolarTimeName(SolarTime time) {
  switch (time) {
    case SolarTime::kMean:
      return QStringLiteral("mean");
    case SolarTime::kApparent:
      return QStringLiteral("apparent");
    case SolarTime::kTrue:
      return QStringLiteral("true");
  }
  return {};
}

QString MeridianLabel(int degrees, int minutes, bool east) {
  return QStringLiteral("%1d%2m %3").arg(degrees).arg(minutes).arg(QChar(east ? u'E' : u'W'));
}

double LocalDayAndTime(double jd_ut, double degrees_east, SolarTime time) {
  double minutes = 0;  // apparent less mean solar time
  if (time == SolarTime::kApparent) minutes = -8.0;
  if (time == SolarTime::kTrue) {
    const double year = 2000.0 + (jd_ut - 2451545.0) / 365.25;
    minutes = EquationOfTimeMinutes(jd_ut + DeltaTMinutes(static_cast<int32_t>(year)) / 1440.0);
  }
  return jd_ut + 0.5 + degrees_east / 360.0 + minutes / 1440.0;
}

VernalEquinoxRow VernalEquinoxFor(int32_t year, const VernalEquinoxRun& run) {
  VernalEquinoxRow row;
  row.year = year;
  row.jd_ut = MarchEquinoxUT(year);

  double london = LocalDayAndTime(row.jd_ut, 0, run.solar_time);
  RoundToMinute(london);
  row.london = DateOfDay(static_cast<int32_t>(std::floor(london)), CalendarId::kGregorian);
  row.london_time = QString::fromStdString(DayFractionTime(london));
  row.london_day_of_march = DayOfMarch(row.london, london);

  double meridian = LocalDayAndTime(
      row.jd_ut, run.east ? run.longitude_degrees : -run.longitude_degrees, run.solar_time);
  RoundToMinute(meridian);
  row.meridian = DateOfDay(static_cast<int32_t>(std::floor(meridian)), DeeRow(run.dee));
  row.meridian_time = QString::fromStdString(DayFractionTime(meridian));
  row.meridian_day_of_march = DayOfMarch(row.meridian, meridian);

  row.cycle_position = year % 33 == 0 ? 33 : year % 33;
  row.dee_leap = IsDeeLeapYear(year);
  // A Dee-Cecil equinox is expected on March 20; Dee dates, a day later.
  const int expected_day = run.dee == kDeeCecilVersion ? 20 : 21;
  row.missed = row.meridian.month != 3 || row.meridian.day != expected_day;
  return row;
}

std::optional<VernalEquinoxRow> VernalEquinoxRows::Next() {
  if (Done()) return std::nullopt;
  VernalEquinoxRow row = VernalEquinoxFor(static_cast<int32_t>(next_year_), run_);
  ++next_year_;
  ++rows_;
  missed_ += row.missed ? 1 : 0;
  return row;
}

QString VernalEquinoxLine(const VernalEquinoxRow& row, const VernalEquinoxRun& run, int index) {
  const QString mark =
      index % 10 != 0 ? Spaces(2) : QStringLiteral(" ") + SolarTimeName(run.solar_time).front();
  // A space, then the year with a space for its sign; years 1 to 9 get one
  // more so that years below 100 take four characters.
  QString line = "  " + QString::number(row.year);
  if (line.size() == 3) line.prepend(u' ');
  line += Spaces(5) + FormatGroupedFixed(row.jd_ut, 4);
  line += Spaces(row.london.year < 10 ? 6 : 5) + YearMonthDayText(row.london, "CE") + u' ' +
          row.london_time + mark;
  line += Spaces(row.meridian.year < 10 ? 4 : 3) +
          YearMonthDayText(row.meridian, run.dee.designation) + u' ' + row.meridian_time + mark;
  line += u' ';
  if (row.cycle_position == 33) {
    line += QStringLiteral("33");
  } else {
    line += (row.cycle_position < 10 ? QStringLiteral(" ") : QString()) +
            QString::number(row.cycle_position) + (row.dee_leap ? QStringLiteral("*") : QString());
  }
  if (row.missed) line += QStringLiteral("  <--");
  return line;
}

QString VernalEquinoxSummary(const VernalEquinoxRun& run, int missed, int rows) {
  const bool dee_cecil = run.dee == kDeeCecilVersion;
  QString summary = "Number of VE not on March " +
                    (dee_cecil ? QStringLiteral("20") : QStringLiteral("21")) + " in " +
                    QStringOf(run.dee.name) + " Calendar for " + run.longitude_label + ": " +
                    QString::number(missed) + " of " + QString::number(rows);
  if (missed != 0) summary += " (" + FormatGroupedFixed(100.0 * missed / rows, 2) + "%)";
  return summary;
}

}  // namespace orv
