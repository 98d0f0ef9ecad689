// A typed date: its checks, reading it into a date of its calendar, and the
// date arithmetic.
//
// The two notations a user types a date in:
//   - month-day-year: a month, a day, a year text ("1,582") and an era (AD,
//     BC, CE, BCE), in a calendar;
//   - year-month-day: one text, an astronomical year with the calendar's tag
//     ("-4712-01-01 JC", "2000-01-02 DC").
// Each function takes plain values, rewrites what the user sees rewritten
// (trimmed or upper-cased text, an appended tag, the canonical date) and puts
// the notice to give, if any, into `message`. The first failing check wins,
// in the order the functions document. Both front ends use these functions.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "calendar/Calendars.h"
#include "calendar/YearMonthDay.h"
#include "core/Notice.h"

namespace orv {

enum class Notation { kMonthDayYear = 0, kYearMonthDay = 1 };

// Eras in the order of the era list, position 0 being none.
enum class Era { kNone = 0, kAD, kBC, kCE, kBCE };
inline const std::array<QString, 5> kEraTexts = {QString(), QStringLiteral("AD"),
                                                 QStringLiteral("BC"), QStringLiteral("CE"),
                                                 QStringLiteral("BCE")};
std::optional<Era> EraFromText(const QString& text);

// The era a date of this astronomical year is shown with, in the style the
// user chose (AD/BC or CE/BCE; CE/BCE when none was chosen).
Era EraForYear(Era chosen, int64_t year);

// The year, month and day of a checked year-month-day text: none until the
// check has passed (the month-day-year notation keeps them in its fields).
using CheckedYearMonthDay = std::optional<YearMonthDay>;

struct TypedDate {
  Notation notation = Notation::kYearMonthDay;
  QString year_month_day;  // the year-month-day text
  int month = 0;           // [0:12], 0 when none is chosen
  int day = 0;             // [0:31], 0 when none is chosen
  QString year;            // the month-day-year year text
  Era era = Era::kNone;
  // The input's calendar; null when none is chosen (or a weekday is).
  const CalendarInfo* calendar = nullptr;
  int weekday = -1;  // month-day-year: the weekday to test for, 0 Sunday ... 6 Saturday
  // Whether a refusal names the rule the date breaks (core/CalendarDay.h:
  // WhyNoDay), the range a year lies beyond, and which Dee version is in
  // force; the main window's own words ("Invalid input date") when not.
  bool say_why = false;
};

// Everything a check needs is there: the month-day-year notation has month,
// day, era, a calendar or a weekday and a year; the year-month-day notation
// has a text and a calendar. (The month-day-year year text is trimmed.)
bool IsComplete(TypedDate& typed);

// The checks of the typed text, in their fixed order. Year-month-day: tag
// consistency, tag present (the tag of a calendar that implies it appended),
// tag valid (with no calendar chosen, the tag's calendar becomes the input's),
// three checked, year within 99,999, month and day in range; the checked (year,
// month, day) go to `checked`. Month-day-year: the year's
// characters, leading zeros, sign and range.
UserNotice CheckTypedDate(TypedDate& typed, const DeeVersion& dee, CheckedYearMonthDay& checked);

// Reads a checked input (year-month-day: its checked) into `date`, in the
// calendar given, and returns the day it names; a month-day-year year text is
// rewritten as the conversion read it (grouped from 9,999 on), a
// year-month-day text in canonical form. `date` holds what was read even when
// it names no day; then, when `explain` is set, the message says why (with
// the leap-year lines for 29 February).
std::optional<int32_t> ReadTypedDate(TypedDate& typed, const CheckedYearMonthDay& checked,
                                     CalendarId calendar, const DeeVersion& dee, bool explain,
                                     CalendarDate& date, UserNotice& message);

// The astronomical year of the input: the whole year, digit groups included
// (10,000 is 10000), BC/BCE turned into astronomical numbering.
int32_t YearOfTypedDate(const TypedDate& typed);

// Writes a date into the month-day-year fields (the era that fits its year),
// or into the year-month-day text with the tag of the input's calendar (the
// Dee tag when none is chosen).
void PutDateInMonthDayYear(const CalendarDate& date, TypedDate& typed);
void PutDateInYearMonthDay(const CalendarDate& date, TypedDate& typed, const DeeVersion& dee);

// What is left of a year-month-day text once its digits, "-" and group
// separators are taken away: its tag, as ASCII letters; any other character
// stands as a byte that is part of no tag.
std::string LettersOfDateText(QStringView text);

// The calendar a year-month-day text names by its tag ("2000-01-01 CE";
// the Dee tag of the version in force): `untagged` for a text with no tag
// at all; null when its letters name no calendar ("BC", the other Dee
// version's tag), so that the checks say what is wrong with them.
const CalendarInfo* CalendarOfTaggedText(const QString& text, const DeeVersion& dee,
                                         const CalendarInfo* untagged);

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

// The check of an amount as typed, once the user is done with it: a message
// for a negative value (the text stays) or for other characters than digits
// and group separators (the text is emptied).
UserNotice CheckTypedAmount(QString& text);

// Reads the four amounts. Refuses a negative value, and one beyond 32 bits.
Result<ArithmeticValues> ReadArithValues(const std::array<QString, 4>& amounts);

// The date arithmetic of the main window: AddToCalendarDate (the one
// arithmetic, core/CalendarDay.h), the final day, with `date` moved to the
// date after years and months; none, and `date` as it was, when a result does
// not fit in 32 bits (the window's own message says so).
std::optional<int32_t> ApplyDateArithmetic(CalendarDate& date, const ArithmeticValues& values,
                                           bool plus);

// The day of the input: reads the typed date (its checked, for the
// year-month-day notation) into `date` in the calendar, when `typed` is given;
// otherwise `date` is taken as it is (and `calendar` is not used). Then
// applies the arithmetic when it is to be applied, a sign is chosen and it has
// an amount, moving `date` by the years and months. The amounts are trimmed.
std::optional<int32_t> DayOfInput(TypedDate* typed, const CheckedYearMonthDay& checked,
                                  CalendarId calendar, ArithmeticInput& arithmetic,
                                  const DeeVersion& dee, bool explain, CalendarDate& date,
                                  UserNotice& message);

}  // namespace orv
