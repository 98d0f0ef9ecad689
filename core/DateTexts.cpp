#include "core/DateTexts.h"

#include <algorithm>
#include <charconv>

#include "calendar/CalendarDate.h"
#include "calendar/DatePr2.h"
#include "core/NumberFormat.h"
#include "core/StrProc.h"

namespace orv {
namespace {

// Appends the text cut or padded with spaces to the width.
void AppendPadded(std::string& out, std::string_view text, size_t width) {
  const size_t start = out.size();
  out += text;
  out.resize(start + width, ' ');
}

// "Gregorian Calendar": the name of the month-day-year list's item.
void AppendListName(std::string& out, const CalendarInfo& calendar, const DeeVersion& dee) {
  out += CalendarName(calendar, dee);
  out += " Calendar";
}

// "January 1, 2000 AD": the month name, the day, the year of the era (grouped
// from 10,000 on) and the era, in the style chosen.
std::string EraDateOf(const CalendarDate& date, const CalendarInfo& calendar, Era era,
                      char group_separator) {
  std::string text;
  text.reserve(32);
  text += MonthNameOf(calendar, date.year, date.month);
  text += ' ';
  AppendInteger(text, date.day);
  text += ", ";
  const int64_t era_year = date.year < 1 ? 1 - int64_t{date.year} : date.year;
  if (era_year > 9999) {
    AppendGroupedInteger(text, era_year, group_separator);
  } else {
    AppendInteger(text, era_year);
  }
  const bool christian_era = era == Era::kAD || era == Era::kBC;
  if (christian_era) {
    text += date.year < 1 ? " BC" : " AD";
  } else {
    text += date.year < 1 ? " BCE" : " CE";
  }
  return text;
}

// "Gregorian Calendar:" cut or padded with spaces to 20 characters.
void AppendRowLabel(std::string& out, const CalendarInfo& calendar, const DeeVersion& dee) {
  const size_t start = out.size();
  AppendListName(out, calendar, dee);
  out += ':';
  out.resize(start + 20, ' ');
}

}  // namespace

QString EraDate(const CalendarInfo& calendar, int32_t jdn, Era era, const DeeVersion& dee) {
  return QString::fromStdString(
      EraDateOf(DateOfDay(jdn, InForce(calendar, dee)), calendar, era, GroupSeparator()));
}

std::string EraDateText(const CalendarDate& date, Era era, char group_separator) {
  return EraDateOf(date, CalendarOf(date.calendar), era, group_separator);
}

Era ResultEra(Era chosen) { return chosen == Era::kNone ? Era::kCE : chosen; }

ResultTexts ResultsFor(int32_t jdn, Era era, const DeeVersion& dee, char group_separator) {
  ResultTexts results;
  for (size_t i = 0; i < kMainCalendarCount; ++i) {
    const CalendarInfo& calendar = *MainCalendars()[i];
    CalendarResult& result = results.calendars[i];
    result.date = DateOfDay(jdn, InForce(calendar, dee));
    result.era_date = EraDateOf(result.date, calendar, era, group_separator);
    AppendYearMonthDay(result.year_month_day, result.date, CalendarTag(calendar, dee),
                       group_separator);
  }
  AppendGroupedInteger(results.jdn, jdn, group_separator);
  results.day_of_week = DayOfWeekName(DayOfWeek(jdn));
  return results;
}

void AppendYearMonthDay(std::string& out, const CalendarDate& date, std::string_view tag,
                        char group_separator) {
  // Made here and appended at once (a year with groups first on its own):
  // this runs for every date orvc writes.
  char text[64];
  char* at = text;
  if (date.year > 9999 || date.year < -9999) {
    AppendGroupedInteger(out, date.year, group_separator);
  } else {
    at = std::to_chars(at, text + sizeof text, date.year).ptr;
  }
  for (const int32_t part : {date.month, date.day}) {
    *at++ = '-';
    if (part >= 0 && part < 100) {  // every month and day: two digits
      *at++ = static_cast<char>('0' + part / 10);
      *at++ = static_cast<char>('0' + part % 10);
    } else {
      at = std::to_chars(at, text + sizeof text, part).ptr;
    }
  }
  *at++ = ' ';
  if (tag.size() <= static_cast<size_t>(text + sizeof text - at)) {
    at = std::copy(tag.begin(), tag.end(), at);
    out.append(text, static_cast<size_t>(at - text));
  } else {
    out.append(text, static_cast<size_t>(at - text));
    out += tag;
  }
}

QString YearMonthDayText(const CalendarDate& date, std::string_view tag) {
  std::string text;
  // The locale's separator is looked up only for a year that has groups.
  const bool grouped = date.year > 9999 || date.year < -9999;
  AppendYearMonthDay(text, date, tag, grouped ? GroupSeparator() : ',');
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString TaggedYearMonthDay(const CalendarDate& date) {
  return YearMonthDayText(date, CalendarOf(date.calendar).tag);
}

QString CopyResultText(const ResultTexts& results) {
  std::string text;
  for (size_t i = 0; i < kMainCalendarCount; ++i) {
    // The copy holds no Dee row, so the Dee version plays no part in the labels.
    const CalendarInfo& calendar = *MainCalendars()[i];
    if (calendar.version_of == CalendarId::kDee) continue;
    const CalendarResult& row = results.calendars[i];
    AppendRowLabel(text, calendar, kDeeCecilVersion);
    AppendPadded(text, row.era_date, 28);
    AppendPadded(text, row.year_month_day, 28);
    text += "\r\n";
  }
  AppendPadded(text, "Julian day number:", 20);
  text += results.jdn + "\r\n";
  AppendPadded(text, "Day of week:", 20);
  text += results.day_of_week + "\r\n\r\n";
  return QString::fromStdString(text);
}

void AppendResultLines(std::string& out, const ResultTexts& results, const DeeVersion& dee,
                       std::string_view more_rows) {
  for (size_t i = 0; i < kMainCalendarCount; ++i) {
    const CalendarResult& row = results.calendars[i];
    AppendRowLabel(out, *MainCalendars()[i], dee);
    AppendPadded(out, row.era_date, 28);
    out += row.year_month_day;
    out += '\n';
  }
  out += more_rows;
  AppendPadded(out, "Julian day number:", 20);
  out += results.jdn;
  out += '\n';
  AppendPadded(out, "Day of week:", 20);
  out += results.day_of_week;
  out += '\n';
}

QString CalendarListName(const CalendarInfo& calendar, const DeeVersion& dee) {
  std::string name;
  AppendListName(name, calendar, dee);
  return QString::fromStdString(name);
}

QString ProlepticCalendarName(const CalendarInfo& calendar, const DeeVersion& dee) {
  return QStringLiteral("Proleptic ") + QStringOf(CalendarName(calendar, dee));
}

QString TagExplanation(const CalendarInfo& calendar, const DeeVersion& dee) {
  // The Gregorian tag also stands for the name the calendar goes by.
  const QString reading = calendar.id == CalendarId::kGregorian
                              ? QStringLiteral("'Common Era Calendar' = ")
                              : QString();
  return "'" + QStringOf(CalendarTag(calendar, dee)) + "' = " + reading + "the proleptic " +
         QStringOf(CalendarName(calendar, dee)) + " Calendar with astronomical year numbering";
}

QString TagsForCalendar(const QString& text, const CalendarInfo& chosen, const DeeVersion& dee) {
  QString tags = text.toUpper();
  const QString chosen_tag = QStringOf(CalendarTag(chosen, dee));
  for (const CalendarInfo* other : MainCalendars()) {
    if (other != &chosen) tags.replace(QStringOf(CalendarTag(*other, dee)), chosen_tag);
  }
  return tags;
}

const CalendarInfo* CalendarNamedInText(const QString& text, const DeeVersion& dee) {
  // A text that holds several tags names the calendar of the first found,
  // from the last of the main window's list (the Dee calendar) up.
  const auto calendars = MainCalendars();
  for (auto calendar = calendars.rbegin(); calendar != calendars.rend(); ++calendar) {
    if (ContainsAscii(text, CalendarTag(**calendar, dee))) return *calendar;
  }
  return nullptr;
}

DeeTexts SwitchDeeTexts(DeeTexts texts, const DeeVersion& from, const DeeVersion& to) {
  texts.year_month_day.replace(" " + QStringOf(from.designation), " " + QStringOf(to.designation));
  texts.tag_explanation
      .replace("'" + QStringOf(from.designation) + "'", "'" + QStringOf(to.designation) + "'")
      .replace(" " + QStringOf(from.name), " " + QStringOf(to.name));
  return texts;
}

}  // namespace orv
