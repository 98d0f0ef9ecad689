#include "core/ReportBuilders.h"

#include <cmath>
#include <limits>

#include "calendar/Calendar.h"
#include "calendar/DatePr2.h"
#include "calendar/Dee.h"
#include "core/DateEntry.h"
#include "core/NumberFormat.h"
#include "core/SolEq.h"
#include "core/StrProc.h"

namespace orv {
namespace {

constexpr int kMostRows = 800;

MessageRequest DoItMessage(const QString& text, MessageStyle style) {
  return MessageRequest{text, style, MessageButtons::kOk, kDoItCaption};
}

// Padding never goes negative: a text longer than its column gets none.
QString Spaces(qsizetype count) { return QString(std::max<qsizetype>(count, 0), u' '); }

// Appends a line and keeps the box's length up to date.
void AppendLine(ReportOutput& output, int64_t& length, const QString& line) {
  output.text += line + kCrLf;
  length += line.size() + 2;
}

QString SameDateSentence(int count, int days) {
  if (count == 0) return QStringLiteral("All days have different dates in the two calendars.");
  if (count == days) return QStringLiteral("All days have the same date in the two calendars.");
  if (count == 1) return QStringLiteral("Only one day has the same date in the two calendars");
  const auto percent = static_cast<int64_t>(std::floor(100.0 * count / days + 0.5));
  return NumberWords(count) + " days (" + QString::number(percent) +
         "%) have the same date in the two calendars.";
}

QString DateTextOf(const DateRecord& date) {
  return QString::fromStdString(DateText(date, DateOrderYMD, "-", ",", false));
}

// The year-month-day text of a day in the calendar.
QString YearMonthDayOf(int32_t code, int32_t jdn, const DeeVersion& dee) {
  DateRecord date{0, 0, 0, code, jdn, 0};
  JDNToDate(date, dee);
  return YearMonthDayText(date, QStringOf(CalendarTag(*CalendarByCode(code), dee)));
}

}  // namespace

RunCount ReadRunCount(QString& text, const QString& too_many) {
  text = TrimSpaces(text);
  RunCount result;
  if (text.isEmpty()) return result;
  if (!IsWholeNumber(text, false, QString())) {
    result.message = DoItMessage("Invalid input for number of days.", MessageStyle::kInformation);
    return result;
  }
  const double count = LeadingNumber(text);
  if (count > kMostRows) {
    result.message = DoItMessage(too_many, MessageStyle::kInformation);
    return result;
  }
  result.count = static_cast<int>(count);
  return result;
}

ReportOutput BuildDateSequence(const DateSequenceRun& run) {
  ReportOutput output;
  int64_t length = run.box.length;
  if (run.box.contains_ce) {
    output.text += kCrLf;
    length += 2;
  }
  if (length == 0) {
    AppendLine(output, length,
               "   Common Era date      " + QStringOf(run.dee.name) + " date" +
                   Spaces(run.dee == kDeeCecilVersion ? 9 : 14) +
                   "Julian day number    Day of week");
    AppendLine(output, length, QString());
  }

  int same_days = 0;
  bool previous_same = false;
  qsizetype first_column_padding = 0;
  qsizetype first_jdn_length = 0;
  for (int i = 0; i < run.days; ++i) {
    if (length > run.box.capacity) {
      output.message = DoItMessage("Textbox is full.", MessageStyle::kExclamation);
      return output;  // no summary
    }
    const int64_t day = int64_t{run.first_jdn} + i;
    if (day > std::numeric_limits<int32_t>::max()) {
      output.message = DoItMessage("The sequence ends at the last day that can be numbered.",
                                   MessageStyle::kInformation);
      break;
    }
    const auto jdn = static_cast<int32_t>(day);
    const QString gregorian = YearMonthDayOf(kGregorianCode, jdn, run.dee);
    const QString dee = YearMonthDayOf(kDeeCode, jdn, run.dee);
    QString gregorian_digits = gregorian;
    RemoveChars(gregorian_digits, QStringLiteral("CE "));
    QString dee_digits = dee;
    RemoveChars(dee_digits, QStringLiteral("CDE "));
    const bool same = gregorian_digits == dee_digits;
    const QString jdn_text = FormatGroupedInteger(jdn);

    QString line = "   " + gregorian;
    if (i == 0) first_column_padding = 21 - gregorian.size();
    line += Spaces(first_column_padding) + dee;
    line += Spaces(2 - static_cast<qsizetype>(run.dee.designation.size()));  // "D" as wide as "DC"
    if (i == 0) {
      first_jdn_length = jdn_text.size();
      line += Spaces(19 - jdn_text.size());
    } else {
      line += same != previous_same ? QStringLiteral("  <--") : Spaces(5);
      line += Spaces(14 - jdn_text.size());
    }
    line += jdn_text + Spaces(21 - first_jdn_length) +
            QString::fromStdString(DayOfWeekName(DayOfWeek(jdn)));
    AppendLine(output, length, line);
    ++output.rows;
    same_days += same ? 1 : 0;
    previous_same = same;
  }

  if (output.rows >= 3) {
    output.text += kCrLf + SameDateSentence(same_days, output.rows) + kCrLf;
  }
  return output;
}

QString VernalEquinoxHeader(const DeeVersion& dee) {
  return "  Year      Astronomical      Gregorian Calendar      " + QStringOf(dee.name) +
         " Calendar" + kCrLf + Spaces(12) + "Julian date" + Spaces(13) + "London" + Spaces(12) +
         "'Washington'" + kCrLf + kCrLf;
}

MessageRequest VernalEquinoxOutOfRangeMessage() {
  return MessageRequest{
      QStringLiteral("Vernal equinoxes are calculated only for years in the range %1 through %2.")
          .arg(kFirstEquinoxYear)
          .arg(kLastEquinoxYear),
      MessageStyle::kInformation, MessageButtons::kOk, QStringLiteral("Out of range")};
}

ReportOutput BuildVernalEquinoxTable(const VernalEquinoxRun& run) {
  ReportOutput output;
  if (!IsEquinoxYear(run.first_year)) {
    output.message = VernalEquinoxOutOfRangeMessage();
    return output;  // nothing to add to the box
  }
  int64_t length = run.box.length;
  if (length == 0) {
    output.text = VernalEquinoxHeader(run.dee);
    length = output.text.size();
  } else if (run.box.contains_ce) {
    output.text += kCrLf;
    length += 2;
  }

  const double apparent_shift = run.apparent_time ? 8.0 / 1440.0 : 0.0;
  const QString time_kind = run.apparent_time ? QStringLiteral(" a") : QStringLiteral(" m");
  // A Dee-Cecil equinox is expected on March 20; Dee dates, a day later.
  const bool dee_cecil = run.dee == kDeeCecilVersion;
  const QString expected_day = dee_cecil ? QStringLiteral("-20 D") : QStringLiteral("-21 D");
  int32_t year = run.first_year;
  int off_day = 0;
  for (int i = 0; i < run.years; ++i, ++year) {
    if (!IsEquinoxYear(year)) {
      output.message = VernalEquinoxOutOfRangeMessage();
      break;  // the summary still follows
    }
    if (length > run.box.capacity) {
      output.message = DoItMessage("Textbox is full.", MessageStyle::kExclamation);
      return output;  // no summary
    }
    const double x = MarchEquinoxUT(year);
    const QString mark = i % 10 == 0 ? time_kind : Spaces(2);

    // A space, then the year with a space for its sign; years 1 to 9 get
    // one more so that years below 100 take four characters.
    QString line = "  " + QString::number(year);
    if (line.size() == 3) line.prepend(u' ');
    line += Spaces(5) + FormatGroupedFixed(x, 4);

    double london = x + 0.5 - apparent_shift;
    RoundToMinute(london);
    DateRecord gregorian{0, 0, 0, kGregorianCode, static_cast<int32_t>(std::floor(london)), 0};
    JDNToDate(gregorian);
    line += Spaces(gregorian.year < 10 ? 6 : 5) + DateTextOf(gregorian) + " CE " +
            QString::fromStdString(DayFractionTime(london)) + mark;

    double washington = x + 0.5 - run.longitude_degrees / 360.0 - apparent_shift;
    RoundToMinute(washington);
    DateRecord dee{0, 0, 0, kDeeCode, static_cast<int32_t>(std::floor(washington)), 0};
    DeeJDNToDate(dee, run.dee);
    line += Spaces(dee.year < 10 ? 4 : 3) + DateTextOf(dee) + u' ' +
            QStringOf(run.dee.designation) + u' ' +
            QString::fromStdString(DayFractionTime(washington)) + mark;

    const int position = year % 33;
    line += u' ';
    if (position == 0) {
      line += QStringLiteral("33");
    } else {
      line += (position < 10 ? QStringLiteral(" ") : QString()) + QString::number(position) +
              (IsDeeLeapYear(year) ? QStringLiteral("*") : QString());
    }
    if (!line.contains(expected_day)) {
      line += QStringLiteral("  <--");
      ++off_day;
    }
    AppendLine(output, length, line);
    ++output.rows;
  }

  // The count is out of the years listed: fewer than asked when the run
  // reached the last year of the table.
  if (run.years >= 2 && output.rows >= 1) {
    QString summary = "Number of VE not on March " +
                      (dee_cecil ? QStringLiteral("20") : QStringLiteral("21")) + " in " +
                      QStringOf(run.dee.name) + " Calendar for " + run.longitude_label + ": " +
                      QString::number(off_day) + " of " + QString::number(output.rows);
    if (off_day != 0) {
      summary += " (" + FormatGroupedFixed(100.0 * off_day / output.rows, 2) + "%)";
    }
    output.text += kCrLf + summary + kCrLf;
  }
  return output;
}

}  // namespace orv
