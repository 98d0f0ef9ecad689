#include "core/DateTexts.h"

#include "calendar/Calendar.h"
#include "calendar/DatePr2.h"
#include "core/NumberFormat.h"
#include "core/StrProc.h"

namespace orv {
namespace {

DateRecord DateOf(const CalendarInfo& calendar, int32_t jdn, const DeeVersion& dee) {
  DateRecord date{};
  date.jdn = jdn;
  date.calendar = calendar.code;
  JDNToDate(date, dee);
  return date;
}

QString Padded(const QString& text, int width) { return text.leftJustified(width, u' ', true); }

// Appends the text cut or padded with spaces to the width.
void AppendPadded(QString& out, QStringView text, qsizetype width) {
  out += text.left(width);
  for (qsizetype i = text.size(); i < width; ++i) out += u' ';
}

// "January 1, 2000 AD": the month name, the day, the year of the era (grouped
// from 10,000 on) and the era, in the style chosen.
QString EraDateOf(const DateRecord& date, Era era) {
  QString text;
  text.reserve(28);
  const std::string_view month = MonthNames[date.month];
  text += QLatin1StringView(month.data(), static_cast<qsizetype>(month.size()));
  text += u' ';
  text += QString::number(date.day);
  text += u',';
  text += u' ';
  const int64_t era_year = date.year < 1 ? 1 - int64_t{date.year} : date.year;
  text += era_year > 9999 ? FormatGroupedInteger(era_year) : QString::number(era_year);
  const bool christian_era = era == Era::kAD || era == Era::kBC;
  if (christian_era) {
    text += date.year < 1 ? QLatin1StringView(" BC") : QLatin1StringView(" AD");
  } else {
    text += date.year < 1 ? QLatin1StringView(" BCE") : QLatin1StringView(" CE");
  }
  return text;
}

QString RowLabel(const CalendarInfo& calendar, const DeeVersion& dee) {
  // Made once for each calendar of the two versions: orvc writes them for
  // every date of a list.
  static const auto kLabels = [] {
    std::array<std::array<QString, kCalendarCount>, 2> labels;
    for (size_t v = 0; v < labels.size(); ++v) {
      for (size_t i = 0; i < kCalendarCount; ++i) {
        labels[v][i] = CalendarListName(kCalendars[i], kDeeVersions[v]) + u':';
      }
    }
    return labels;
  }();
  for (size_t v = 0; v < kDeeVersions.size(); ++v) {
    if (dee == kDeeVersions[v]) return kLabels[v][&calendar - kCalendars.data()];
  }
  return CalendarListName(calendar, dee) + u':';
}

}  // namespace

QString EraDate(const CalendarInfo& calendar, int32_t jdn, Era era, const DeeVersion& dee) {
  return EraDateOf(DateOf(calendar, jdn, dee), era);
}

Era ResultEra(Era chosen) { return chosen == Era::kNone ? Era::kCE : chosen; }

ResultTexts ResultsFor(int32_t jdn, Era era, const DeeVersion& dee) {
  ResultTexts results;
  for (size_t i = 0; i < kCalendars.size(); ++i) {
    const CalendarInfo& calendar = kCalendars[i];
    const DateRecord date = DateOf(calendar, jdn, dee);
    results.calendars[i] = {EraDateOf(date, era), TaggedYearMonthDay(date, dee)};
  }
  results.jdn = FormatGroupedInteger(jdn);
  results.day_of_week = QString::fromStdString(DayOfWeekName(DayOfWeek(jdn)));
  return results;
}

QString TaggedYearMonthDay(const DateRecord& date, const DeeVersion& dee) {
  return YearMonthDayText(date, QStringOf(CalendarTag(*CalendarByCode(date.calendar), dee)));
}

QString CopyResultText(const ResultTexts& results) {
  QString text;
  for (size_t i = 0; i < kCalendars.size(); ++i) {
    // The copy holds no Dee row, so the Dee version plays no part in the labels.
    if (kCalendars[i].code == kDeeCode) continue;
    const CalendarResult& row = results.calendars[i];
    text += Padded(RowLabel(kCalendars[i], kDeeCecilVersion), 20) + Padded(row.era_date, 28) +
            Padded(row.year_month_day, 28) + kCrLf;
  }
  return text + Padded("Julian day number:", 20) + results.jdn + kCrLf +
         Padded("Day of week:", 20) + results.day_of_week + kCrLf + kCrLf;
}

QString ResultLines(const ResultTexts& results, const DeeVersion& dee) {
  QString text;
  text.reserve(5 * 64);  // one allocation for the whole text
  for (size_t i = 0; i < kCalendars.size(); ++i) {
    const CalendarResult& row = results.calendars[i];
    AppendPadded(text, RowLabel(kCalendars[i], dee), 20);
    AppendPadded(text, row.era_date, 28);
    text += row.year_month_day;
    text += u'\n';
  }
  AppendPadded(text, u"Julian day number:", 20);
  text += results.jdn;
  text += u'\n';
  AppendPadded(text, u"Day of week:", 20);
  text += results.day_of_week;
  text += u'\n';
  return text;
}

QString CalendarListName(const CalendarInfo& calendar, const DeeVersion& dee) {
  return QStringOf(CalendarName(calendar, dee)) + QStringLiteral(" Calendar");
}

QString ProlepticCalendarName(const CalendarInfo& calendar, const DeeVersion& dee) {
  return QStringLiteral("Proleptic ") + QStringOf(CalendarName(calendar, dee));
}

QString TagExplanation(const CalendarInfo& calendar, const DeeVersion& dee) {
  // The Gregorian tag also stands for the name the calendar goes by.
  const QString reading =
      calendar.code == kGregorianCode ? QStringLiteral("'Common Era Calendar' = ") : QString();
  return "'" + QStringOf(CalendarTag(calendar, dee)) + "' = " + reading + "the proleptic " +
         QStringOf(CalendarName(calendar, dee)) + " Calendar with astronomical year numbering";
}

QString TagsForCalendar(const QString& text, const CalendarInfo& chosen, const DeeVersion& dee) {
  QString tags = text.toUpper();
  const QString chosen_tag = QStringOf(CalendarTag(chosen, dee));
  for (const CalendarInfo& other : kCalendars) {
    if (&other != &chosen) tags.replace(QStringOf(CalendarTag(other, dee)), chosen_tag);
  }
  return tags;
}

const CalendarInfo* CalendarNamedInText(const QString& text, const DeeVersion& dee) {
  // A text that holds several tags names the calendar of the first found in
  // this order.
  for (const int32_t code : {kDeeCode, kJulianCode, kGregorianCode}) {
    const CalendarInfo& calendar = *CalendarByCode(code);
    if (text.contains(QStringOf(CalendarTag(calendar, dee)))) return &calendar;
  }
  return nullptr;
}

void SwitchDeeTexts(QString& year_month_day_text, QString& tag_explanation, const DeeVersion& from,
                    const DeeVersion& to) {
  year_month_day_text.replace(" " + QStringOf(from.designation), " " + QStringOf(to.designation));
  tag_explanation
      .replace("'" + QStringOf(from.designation) + "'", "'" + QStringOf(to.designation) + "'")
      .replace(" " + QStringOf(from.name), " " + QStringOf(to.name));
}

}  // namespace orv
