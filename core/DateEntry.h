// The main window's input as the core takes it: whether it is complete, the
// year it names, a date written into its boxes, a typed day number, and the
// amounts of the date arithmetic with the window's order and words. Reading
// the typed date itself is core/DateReading.h's.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "calendar/Calendars.h"
#include "core/DateReading.h"
#include "core/Notice.h"

namespace orv {

// Everything the checks need is there: the month-day-year notation has month,
// day, era, a calendar or a weekday chosen and a year that is more than
// spaces; the year-month-day notation has a text and a calendar chosen.
bool IsComplete(const TypedDate& typed, bool calendar_or_weekday_chosen);

// The astronomical year of the input: the whole year, digit groups included
// (10,000 is 10000), BC/BCE turned into astronomical numbering.
int32_t YearOfTypedDate(const TypedDate& typed);

// A date as the month-day-year boxes show it: its month, day, year text and
// the era that fits its year in the style chosen.
TypedDate MonthDayYearOf(const CalendarDate& date, Era chosen);
// A date as the year-month-day box shows it, with the tag of the calendar
// chosen (the Dee tag in force when none is).
QString YearMonthDayOf(const CalendarDate& date, const CalendarInfo* chosen, const DeeVersion& dee);

// The day a typed Julian day number or Julian Date names, read by one rule:
// - commas, apostrophes or spaces between groups of exactly three digits
//   group them, as the program writes "2,451,545";
// - a single point is a decimal point, whatever follows it ("245.500" is
//   245.5);
// - a single comma not followed by exactly three digits is a decimal comma
//   ("2451545,5"; "2,451" is 2,451);
// - several points in well-formed groups group them, and then a comma is the
//   decimal comma ("2.451.545,5");
// - any other mix is no number ("2,451,545,5", "2.451.545.5", "2451545,500").
// A Julian Date with a fraction names the civil day that holds it,
// floor(JD + 0.5): "2451545.5" is day 2,451,546, "2451545.25" day 2,451,545.
// nullopt when the text is no such number or has more than 12 digits before
// its fraction.
std::optional<int64_t> DayOfTypedJulianDate(const QString& text);

// The time of day (UT, microseconds since 0 h of that day) of a typed Julian
// Date with a fraction, to the microsecond: "2451545.25" is 18:00 of day
// 2,451,545, "2451545.5" 0 h of day 2,451,546. None for a whole day number
// or a text that is no such number.
std::optional<int64_t> TimeOfTypedJulianDate(const QString& text);

// The day of a typed Julian day number (the forms above) as a date in the
// calendar, to be written into the input fields. Refused, with the message,
// when the text is not such a number or the day's year lies beyond the years
// the input fields take (99,999 either side of year 0).
Result<CalendarDate> DayOfTypedJDN(const QString& text, CalendarId calendar, const DeeVersion& dee);

// The date arithmetic: plus or minus years, months, weeks and days.
struct ArithmeticInput {
  bool plus = false;
  bool minus = false;
  bool apply = true;               // false: the amounts are checked, but the day stays as typed
  std::array<QString, 4> amounts;  // years, months, weeks, days, as typed
};
using ArithmeticValues = std::array<int32_t, 4>;

// The check of an amount as typed, once the user is done with it: a notice
// for a negative value (the text stays) or for other characters than digits
// and group separators (the text is emptied); `text` as the box keeps it.
struct TypedAmount {
  UserNotice refusal;
  QString text;
};
TypedAmount CheckTypedAmount(const QString& typed);

// Reads the four amounts. Refuses a negative value, and one beyond 32 bits.
Result<ArithmeticValues> ReadArithValues(const std::array<QString, 4>& amounts);

// The main window's day of its input: the typed date read by its rules, or
// the date it holds (a Calculate without a complete input), then moved by the
// amounts when they are to be applied, a sign is chosen and there is one. A
// typed date's amounts are checked even when they are not applied. A result
// beyond the calendar is refused in the window's words ("Invalid amount").
struct InputDay {
  std::optional<int32_t> day;
  // The date to keep: as read, after the years and months when they were
  // added; none when the typed date's form was refused.
  std::optional<CalendarDate> date;
  UserNotice refusal;              // none when the reading says nothing (no day, no explanation)
  QString text;                    // the typed text as written back (DateReading::text)
  std::array<QString, 4> amounts;  // the amounts as written back: trimmed once checked
};
InputDay DayOfInput(const TypedDate& typed, const DateReadingRules& rules,
                    const ArithmeticInput& arithmetic);
InputDay DayOfInput(const CalendarDate& held, const ArithmeticInput& arithmetic);

}  // namespace orv
