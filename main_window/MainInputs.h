// The main window's input controls as plain values, and the window's flows
// over them: the window reads its controls into MainInputs, these functions
// turn them into the core's values (core/DateEntry.h), call the core and put
// what it rewrote back, and the window writes the controls. Field names are
// the names of the controls and properties they mirror.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "core/Calculation.h"
#include "core/DateEntry.h"
#include "core/DateTexts.h"

namespace orv {

// List positions; position 0 of every list is the empty item, then the
// calendars in table order (CalendarInfo::saved_index), and in the
// month-day-year list the weekdays after them.
inline constexpr int kNoCalendar = 0;
inline constexpr int kFirstWeekdayPosition = kMainCalendarCount + 1;  // Sunday ... Saturday

// Values of input date types (intInputDateType).
inline constexpr int16_t kNoCompleteInput = -1;
inline constexpr int16_t kMonthDayYear = static_cast<int16_t>(Notation::kMonthDayYear);
inline constexpr int16_t kYearMonthDay = static_cast<int16_t>(Notation::kYearMonthDay);

struct MainInputs {
  bool optInputDateWithoutAYN = false;  // month-day-year notation chosen
  bool optInputDateWithAYN = false;     // year-month-day notation chosen
  int cboMonthNames = 0;                // [0:12]
  int cboDayNumbers = 0;                // [0:31]
  QString txbYearADBCetc;
  int cboYearDesADBCetc = 0;  // Era
  std::array<int, 2> cboCalendar{kNoCalendar, kNoCalendar};
  QString txbYearCEJC;
  bool optPlus = false;
  bool optMinus = false;
  bool fraPlusMinusVisible = true;
  std::array<QString, 4> txbArith;  // years, months, weeks, days
};

// What the output frame shows: the day and its texts and, after a weekday
// test, the calendar that held the answer (its label is bold). Quit and Copy
// read this, never the boxes or their fonts.
struct ShownResult {
  int32_t jdn = 0;
  ResultTexts texts;
  bool found_in_gregorian = false;
  bool found_in_julian = false;
  Era era = Era::kCE;  // the era style of its month-name dates
};

// What the window keeps between calculations.
struct MainState {
  // The input date as last read (a Calculate without a complete input works
  // from it; month 0, no day, before the first or after an input that named
  // no calendar).
  CalendarDate InputDate{};
  int16_t intInputDateType = kNoCompleteInput;
  bool InputComplete = false;
  int32_t lngJDN = 0;  // of the input date after arithmetic; 0 = none yet
  DeeVersion dee_version = kDeeCecilVersion;
  std::optional<ShownResult> shown;  // none while the output frame is empty
};

// Sets InputComplete and intInputDateType from the controls of the chosen
// notation (the month-day-year year box is trimmed).
void CheckInputComplete(MainInputs& in, MainState& state);

// A complete month-day-year input with a weekday chosen in place of a
// calendar: the weekday test, which names no single day.
bool WeekdayChosen(const MainInputs& in, const MainState& state);

// "Please select type of input date" without a notation; with a complete
// input, the core's checks.
bool InputDateOK(MainInputs& in, MainState& state, UserNotice& message);

// Converts the input in the calendar the name begins with and applies the
// arithmetic; with no complete input it recomputes from the date held.
bool GetJDN(MainInputs& in, MainState& state, const QString& calendar_name, bool show_message,
            UserNotice& message);

// Calculate: the checks, then the conversion or the weekday test.
Calculation CalculateInput(MainInputs& in, MainState& state);

// Makes both calendar lists show a calendar (Gregorian when none or a weekday
// was chosen) and returns it.
CalendarId GetInputCalendar(MainInputs& in);

void ShowDateAsMDY(const CalendarDate& date, MainInputs& in);
void ShowDateAsYMD(const CalendarDate& date, MainInputs& in, const DeeVersion& dee);
int32_t GetYear(const MainInputs& in, int16_t input_date_type);

// The name of the input's calendar as GetJDN takes it ("Gregorian", "Julian",
// "Dee..."); empty without a complete input.
QString InputCalendarName(const MainInputs& in, const MainState& state);

}  // namespace orv
