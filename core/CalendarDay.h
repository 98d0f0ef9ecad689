// A day in any calendar of the table: its two texts, why a date names no
// day, and adding years, months, weeks and days in it.
//
//   DayIn(CalendarOf(CalendarId::kHebrew), 2451545, Era::kCE, ',')
//     .year_month_day                              // "5760-10-23 AM"
#pragma once

#include <QString>
#include <QStringView>
#include <optional>
#include <string>
#include <vector>

#include "calendar/Calendars.h"
#include "core/DateEntry.h"

namespace orv {

// A day, and the time of day (UT) when one was given: the day is the civil
// day at Greenwich that holds the instant.
inline constexpr int64_t kMicrosecondsADay = 86'400'000'000;
struct DayAndTime {
  int32_t jdn = 0;
  std::optional<int64_t> microseconds;  // since 0 h UT, [0, kMicrosecondsADay)
};

struct DayInCalendar {
  const CalendarInfo* calendar = nullptr;
  std::optional<CalendarDate> date;  // none outside the calendar's range
  std::string year_month_day;        // "5760-10-23 AM", "1999-W52-6"; empty when none
  std::string month_name_text;       // "Tevet 23, 5760 AM"; empty when none
  int32_t legal_year = 0;            // the England calendar's legal year ("1731" of 1731/32)
};

// The day's texts in the calendar. The month-name text of the main window's
// calendars carries the era in the style given (see ResultEra); the others
// write their own: "Tevet 23, 5760 AM", "Saturday, week 52 of 1999",
// "1 Vendémiaire an II", "February 11, 1731/32" (UTF-8).
DayInCalendar DayIn(const CalendarInfo& calendar, int32_t jdn, Era era, char group_separator);

// The same, calendar after calendar, in texts whose room is kept from one
// to the next: orvc writes every calendar's texts for each line it reads.
class DayTexts {
 public:
  const DayInCalendar& In(const CalendarInfo& calendar, int32_t jdn, Era era, char group_separator);

 private:
  DayInCalendar day_;
};

// "1999-W52-6" or "2000-01-01 CE": the year-month-day text of a date (years
// of five or more digits grouped).
void AppendCalendarYearMonthDay(std::string& out, const CalendarDate& date, char group_separator);

// "12,345" or "2024": a year as the program writes it, grouped from 10,000 on
// in magnitude.
void AppendYear(std::string& out, int64_t year, char group_separator);

// Why a date names no day of its calendar, in the rule it breaks: a month
// the year has not ("5785 AM is a common year: it has no Adar II."), a day
// past its month's end, a day the calendar skipped, or a year beyond the
// calendar's range (which the notice names).
Notice WhyNoDay(const CalendarDate& date);

// The one date arithmetic, for every calendar of the table: years and
// months (in a calendar that has them: a day past the month's end becomes
// its last day), then weeks and days on the day number; `plus` adds, else
// subtracts. The final day number and the date after years and months, or
// the refusal (no years and months in the calendar; a result beyond its
// range).
struct MovedDay {
  int32_t jdn = 0;
  CalendarDate moved;  // the date after years and months
};
Result<MovedDay> AddToCalendarDate(const CalendarDate& date, const ArithmeticValues& values,
                                   bool plus);

// A calendar's row of the day: "Hebrew Calendar:" padded to the label's
// width, the month-name text to the date's (each followed by at least two
// spaces, however long), the year-month-day text ("no date" outside the
// calendar's range), a line feed.
void AppendCalendarLine(std::string& out, const DayInCalendar& day, size_t label_width,
                        size_t date_width);

// Every calendar's row of the day, in table order: "Hebrew Calendar:" padded
// to 28 characters (or to the longest such label and two spaces), the
// month-name text to 34 (followed by at least two spaces, however long), the
// year-month-day text ("no date" outside the calendar's range); then the day
// number and the weekday as AppendResultLines writes them. Lines end in line
// feeds.
void AppendAllCalendarLines(std::string& out, int32_t jdn, Era era, const DeeVersion& dee,
                            CalendarListing listing = {});

// The figures of the day, or of the instant when a time was given, as the
// calendars window shows them (digit groups by the separator given).
struct DayFigures {
  std::string mjd;          // the Modified Julian Day: "60,389"
  std::string day_of_year;  // in the Gregorian calendar: "80"
  std::string iso_ordinal;  // "2024-080"
  std::string julian_date;  // "2,460,389.5", "2,460,389.629410"
  std::string unix_time;    // "1,710,892,800"
  std::string instant;      // what the last two are of: "0 h UT", "03:06:21 UT"
};

// The calendars of the calendars window's rows: those in force in table
// order, England's row showing the region chosen (calendar/Region.h), then
// the definitions given (those the user compares).
std::vector<const CalendarInfo*> RowCalendars(
    const DeeVersion& dee, const CalendarInfo* region = nullptr,
    const std::vector<const CalendarInfo*>& definitions = {});

// What the calendars window shows for a day: a row each calendar given,
// Easter of the day's (Gregorian) year and the day's figures; for no day,
// rows without texts.
struct CalendarRows {
  std::vector<DayInCalendar> days;
  std::string easter;  // "Easter 2024: March 31 (Gregorian); April 22 Julian = May 5 Gregorian"
  std::optional<DayFigures> figures;
  std::optional<DayAndTime> instant;  // the day and the time the figures are of
};
CalendarRows CalendarRowsOf(std::optional<int32_t> jdn, Era era,
                            const std::vector<const CalendarInfo*>& calendars, char group_separator,
                            std::optional<int64_t> time_of_day = std::nullopt);

// What a date typed as its source wrote it was read as, in the region's
// calendar: "\"10 Feb 1749\" in England: Saturday, February 10, 1749/50
// (Julian), February 21, 1750 CE in the Gregorian calendar." (the Gregorian
// date left out once the region reckons by it).
std::string RegionReadingText(std::string_view typed, const CalendarInfo& region, int32_t jdn,
                              char group_separator);
// How to type a date into the region's row, with a date of the region
// (10 February 1750 Julian) in its style: "Type a date into the region's row
// as Venice's records wrote it (\"21 February 1749/50 m.v.\"), or as
// year-month-day with its year counted from 1 January (1750-02-21 VE)."
std::string RegionHintText(const CalendarInfo& region);
// The rows as copied: "Hebrew:" padded to 28 characters, the month-name date
// to 34, the year-month-day date, CR LF; then the Easter line and the
// figures ("Modified Julian Day:" padded to 28, its value), each and CR LF.
std::string CopiedCalendarRows(const CalendarRows& rows);

// "I", "IV", "MMCCVIII": the year of the French Republic (1 to 3999).
std::string RomanNumeral(int32_t number);

}  // namespace orv
