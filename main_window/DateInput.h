// Reading and checking the typed date, and the date arithmetic.
//
// Pure functions over the main window's values (MainInputs.h): each takes the
// control values and the window state, rewrites what the window would rewrite
// (trimmed or upper-cased boxes, an appended tag, a canonical date), and puts
// the message to show, if any, into `message`. The first failing check wins,
// in the order the functions document.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "main_window/MainInputs.h"

namespace orv {

// The eras of cboYearDesADBCetc by position: "", "AD", "BC", "CE", "BCE".
inline const std::array<QString, 5> kEraItems = {QString(), QStringLiteral("AD"),
                                                 QStringLiteral("BC"), QStringLiteral("CE"),
                                                 QStringLiteral("BCE")};

// Sets InputComplete and intInputDateType from the controls of the chosen
// notation (the month-day-year year box is trimmed).
void CheckInputComplete(MainInputs& in, MainState& state);

// The checks of the typed text, in their fixed order: notation chosen; for a
// year-month-day date tag consistency, tag present (" CE" or " JC" appended
// when the calendar says which), tag valid, three pieces, year within 99,999,
// month and day in range (the pieces go to state.DateParts); for a
// month-day-year date the year's characters, leading zeros, sign and range.
bool InputDateOK(MainInputs& in, MainState& state, UserMessage& message);

// Fills state.InputDate from the checked input in the calendar whose name
// begins with calendar_name's first letter, validates it, rewrites the date
// boxes in canonical form, applies the arithmetic and sets state.lngJDN.
// With no complete input it recomputes from the InputDate held.
bool GetJDN(MainInputs& in, MainState& state, const QString& calendar_name, bool show_message,
            UserMessage& message);

// Converts state.InputDate; when the date does not exist and show_message is
// set, explains why (with the leap-year lines for 29 February).
bool ValidateInputDate(MainState& state, bool show_message, UserMessage& message);

// Makes both calendar lists show a calendar (Gregorian when none or a weekday
// was chosen) and returns its calendar code.
int32_t GetInputCalendar(MainInputs& in);

// Writes a date into the month-day-year controls, choosing the era that fits
// its year; and into the year-month-day box with the tag of cboCalendar(1).
void ShowDateAsMDY(const DateRecord& date, MainInputs& in);
void ShowDateAsYMD(const DateRecord& date, MainInputs& in, const QString& dee_designation);

// The astronomical year of the input: the whole year, digit groups included
// (10,000 is 10000), with BC/BCE turned into astronomical numbering.
int32_t GetYear(const MainInputs& in, int16_t input_date_type);

// Position of the era text in cboYearDesADBCetc, or -1.
int EraIndex(const QString& era);

// What happens when an arithmetic box is left: a message for a negative value
// (the text stays) or for other characters (the box is emptied).
UserMessage ArithBoxLeft(QString& text);

// Reads the four arithmetic boxes into state.ArithValues. Refuses a negative
// value, and a value that does not fit in 32 bits.
bool ReadArithValues(const MainInputs& in, MainState& state, UserMessage& message);

// Adds (plus) or subtracts years and months; false when the year leaves the
// 32-bit range.
bool ApplyYearsMonths(DateRecord& date, const std::array<int32_t, 4>& values, bool plus);

// Years and months, then the month-end rule (a day past the month's end
// becomes its last day), then weeks and days on the day number. On success
// date holds the date after years and months and, in jdn, the final day
// number; false when a result does not fit in 32 bits.
bool ApplyDateArithmetic(DateRecord& date, const std::array<int32_t, 4>& values, bool plus);

}  // namespace orv
