// The texts of a day: what the main window shows and copies after Calculate,
// what the command line prints, the calendar lists' items and the
// explanations of the year-month-day tags.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/Calendars.h"
#include "core/DateEntry.h"
#include "core/NumberFormat.h"

namespace orv {

// "January 1, 2000 AD": the day in the calendar, with the era in the style of
// `era` (AD/BC or CE/BCE; pass one that is set, see ResultEra).
QString EraDate(const CalendarInfo& calendar, int32_t jdn, Era era, const DeeVersion& dee);
// The same text of a date, in UTF-8.
std::string EraDateText(const CalendarDate& date, Era era, char group_separator);

// The era style the results are shown with: the one chosen, CE when none.
Era ResultEra(Era chosen);

// The day in every calendar, in table order, with its number and weekday.
// The texts are ASCII, made on plain characters: orvc makes them for every
// line of a long list; the windows take them as QString at their edge.
struct CalendarResult {
  CalendarDate date;           // the day in this calendar
  std::string era_date;        // "January 1, 2000 CE"
  std::string year_month_day;  // "2000-01-01 CE"
};
struct ResultTexts {
  std::array<CalendarResult, kMainCalendarCount> calendars;
  std::string jdn;          // grouped: "2,451,545"
  std::string day_of_week;  // "Saturday"
};
// (Digits grouped by the separator given: the platform's unless a caller
// that makes many has looked it up once.)
ResultTexts ResultsFor(int32_t jdn, Era era, const DeeVersion& dee,
                       char group_separator = GroupSeparator());

// Appends "2000-01-01 CE": the astronomical year (grouped by the separator
// beyond 9999 in magnitude), two-digit month and day, a space and the tag.
void AppendYearMonthDay(std::string& out, const CalendarDate& date, std::string_view tag,
                        char group_separator);

// "2000-01-01 CE": the date as year-month-day (AppendYearMonthDay) with the
// tag given, digits grouped as the platform groups them.
QString YearMonthDayText(const CalendarDate& date, std::string_view tag);

// A date as year-month-day with its calendar's tag ("1582-10-05 JC", the Dee
// version's tag for a Dee date).
QString TaggedYearMonthDay(const CalendarDate& date);

// The four lines the main window copies: labels padded to 20 characters, the
// Gregorian and Julian dates to 28 each; the Dee dates are not copied.
QString CopyResultText(const ResultTexts& results);

// Appends the result as lines ended by line feeds, for reading and scripts:
// the copied text's layout with every calendar's row and no trailing spaces;
// `more_rows` (lines of other calendars) after the three calendars' rows.
void AppendResultLines(std::string& out, const ResultTexts& results, const DeeVersion& dee,
                       std::string_view more_rows = {});

// "Gregorian Calendar" (the month-day-year list) and "Proleptic Gregorian"
// (the year-month-day list).
QString CalendarListName(const CalendarInfo& calendar, const DeeVersion& dee);
QString ProlepticCalendarName(const CalendarInfo& calendar, const DeeVersion& dee);

// "'JC' = the proleptic Julian Calendar with astronomical year numbering".
QString TagExplanation(const CalendarInfo& calendar, const DeeVersion& dee);

// The year-month-day text after its calendar was chosen: in capitals, with
// the other calendars' tags replaced by the chosen one's.
QString TagsForCalendar(const QString& text, const CalendarInfo& chosen, const DeeVersion& dee);

// The calendar a year-month-day text names by its tag, as the window's upkeep
// finds it: the Dee tag in force first, then JC, then CE; null for none.
const CalendarInfo* CalendarNamedInText(const QString& text, const DeeVersion& dee);

// On a switch of the Dee version: the tag in the year-month-day text and the
// wording of the Dee tag's explanation follow the version switched to.
struct DeeTexts {
  QString year_month_day;
  QString tag_explanation;
};
DeeTexts SwitchDeeTexts(DeeTexts texts, const DeeVersion& from, const DeeVersion& to);

}  // namespace orv
