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
  calendar.from_jdn(date, dee);
  return date;
}

QString Padded(const QString& text, int width) { return text.leftJustified(width, u' ', true); }

QString RowLabel(const CalendarInfo& calendar, const DeeVersion& dee) {
  return CalendarListName(calendar, dee) + u':';
}

}  // namespace

QString EraDate(const CalendarInfo& calendar, int32_t jdn, Era era, const DeeVersion& dee) {
  const DateRecord date = DateOf(calendar, jdn, dee);
  QString text =
      QString::fromLatin1(MonthNames[date.month].data()) + " " + QString::number(date.day) + ",";
  const int64_t era_year = date.year < 1 ? 1 - int64_t{date.year} : date.year;
  text += " " + (era_year > 9999 ? FormatGroupedInteger(era_year) : QString::number(era_year));
  const bool christian_era = era == Era::kAD || era == Era::kBC;
  if (christian_era) return text + (date.year < 1 ? " BC" : " AD");
  return text + (date.year < 1 ? " BCE" : " CE");
}

Era ResultEra(Era chosen) { return chosen == Era::kNone ? Era::kCE : chosen; }

ResultTexts ResultsFor(int32_t jdn, Era era, const DeeVersion& dee) {
  ResultTexts results;
  for (size_t i = 0; i < kCalendars.size(); ++i) {
    const CalendarInfo& calendar = kCalendars[i];
    results.calendars[i] = {
        EraDate(calendar, jdn, era, dee),
        YearMonthDayText(DateOf(calendar, jdn, dee), QStringOf(CalendarTag(calendar, dee)))};
  }
  results.jdn = FormatGroupedInteger(jdn);
  results.day_of_week = QString::fromStdString(DayOfWeekName(DayOfWeek(jdn)));
  return results;
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
  for (size_t i = 0; i < kCalendars.size(); ++i) {
    const CalendarResult& row = results.calendars[i];
    text += Padded(RowLabel(kCalendars[i], dee), 20) + Padded(row.era_date, 28) +
            row.year_month_day + u'\n';
  }
  return text + Padded("Julian day number:", 20) + results.jdn + u'\n' +
         Padded("Day of week:", 20) + results.day_of_week + u'\n';
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
