// What the main window shows and copies: the result texts of a day number in
// the three calendars, the weekday test, the clipboard text, and the texts
// that follow the Dee version and the calendar lists.
//
// Pure functions over plain values (MainInputs.h), like DateInput.h.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "main_window/MainInputs.h"

namespace orv {

// The eight output boxes after Calculate.
struct ResultTexts {
  QString txbOutputGC;
  QString txbOutputJC;
  QString txbOutputDEE;
  QString txbOutputGCwithAYN;
  QString txbOutputJCwithAYN;
  QString txbOutputDEEwithAYN;
  QString txbJDN;
  QString txbDayOfWeek;
};

// "January 1, 2000 AD": the day in the calendar named by the first letter of
// calendar, with the era style of cboYearDesADBCetc ("AD"/"BC" or "CE"/"BCE").
// An empty era list (position 0 or -1) is set to "CE" first.
QString EraDate(const QString& calendar, int32_t jdn, int& era_position);

// "2000-01-01 CE", "-4712-01-01 JC", "2000-01-02 D": astronomical year, month,
// day and the calendar's tag; years beyond 9999 in magnitude grouped.
QString AYNDate(const QString& calendar, int32_t jdn, const QString& dee_designation);

ResultTexts ResultsFor(int32_t jdn, int& era_position, const QString& dee_designation);

// The four lines put on the clipboard: labels padded to 20 characters, the
// Gregorian and Julian dates to 28 each; the Dee dates are not copied.
QString CopyResultText(const ResultTexts& results);

// The result as five lines ended by line feeds, for reading and scripts: the
// copied text's layout with the Dee row added and no trailing spaces.
QString ResultLines(const ResultTexts& results, const QString& dee_name);

// The weekday test of a month-day-year date: whether it falls on weekday
// (0 Sunday ... 6 Saturday) in the Gregorian and in the Julian calendar.
struct WeekdayOutcome {
  bool show_result = false;  // state.lngJDN holds the day to show
  bool gregorian_bold = false;
  bool julian_bold = false;
  UserMessage message;
};
WeekdayOutcome WeekdayTest(MainInputs& in, MainState& state, int weekday);

// A whole Calculate: the checks, then the conversion in the input's calendar,
// or the weekday test when a weekday is chosen. The messages come in the
// order the window shows them; on success state.lngJDN is the day to show.
struct Calculation {
  bool show_result = false;
  bool gregorian_bold = false;  // the weekday test found its answer here
  bool julian_bold = false;
  std::vector<MessageRequest> messages;
};
Calculation CalculateInput(MainInputs& in, MainState& state);

// The items of the calendar lists: instance 0 (month-day-year) "Gregorian
// Calendar", ... and the weekdays from position 4; instance 1 "Proleptic
// Gregorian", ...
QString CalendarListItem(int instance, int position, const QString& dee_name);

// The name of the input's calendar as GetJDN takes it: the item chosen in the
// notation's calendar list, without "Proleptic " ("Gregorian", "Julian",
// "Dee..."); empty without a complete input.
QString InputCalendarName(const MainInputs& in, const MainState& state);

// The explanations of the tags CE, JC and the Dee tag in force.
std::array<QString, 3> TagExplanations(const QString& dee_name, const QString& dee_designation);

// The tags of the year-month-day text after its calendar list was set to
// position (cboCalendar_Click): the text in capitals, the other calendars'
// tags replaced by the chosen one's.
QString TagsForCalendar(const QString& text, int position, const QString& dee_designation);

// The two Dee versions.
struct DeeVersion {
  int32_t epoch;
  QString name;         // strDeeCalendarName
  QString designation;  // strDeeCalendarDesignation
};
DeeVersion DeeVersionOf(bool dee_cecil);

// optDee_Click / optDeeCecil_Click: the tag in the year-month-day text and the
// wording of the tag explanation follow the version switched to.
void SwitchDeeTexts(QString& year_month_day_text, QString& tag_explanation, bool to_dee_cecil);

// The explanation of the Dee tag in force, for lblCE.
QString DeeTagExplanation(const DeeVersion& version);

}  // namespace orv
