// Plain values of the main window: what its input controls hold and the state
// it keeps between calculations. The window reads its controls into
// MainInputs, the logic (DateInput.h, DateOutput.h) works on these values and
// says what to show, and the window writes them back. Field names are the
// names of the controls and properties they mirror.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

#include "calendar/DateRecord.h"
#include "ui_services/MessageBox.h"

namespace orv {

// The caption of the Calculate button, also the title of most messages.
inline const QString kCalculateCaption = QStringLiteral("Calculate");
inline const QString kInvalidInputTitle = QStringLiteral("Invalid input");

// List positions; position 0 of every list is the empty item.
enum CalendarPosition : int { kNoCalendar = 0, kGregorian = 1, kJulian = 2, kDee = 3 };
inline constexpr int kFirstWeekdayPosition = 4;  // cboCalendar(0): 4 Sunday ... 10 Saturday
enum EraPosition : int { kNoEra = 0, kEraAD = 1, kEraBC = 2, kEraCE = 3, kEraBCE = 4 };

// Values of input date types (intInputDateType).
inline constexpr int16_t kNoCompleteInput = -1;
inline constexpr int16_t kMonthDayYear = 0;
inline constexpr int16_t kYearMonthDay = 1;

struct MainInputs {
  bool optInputDateWithoutAYN = false;  // month-day-year notation chosen
  bool optInputDateWithAYN = false;     // year-month-day notation chosen
  int cboMonthNames = 0;                // [0:12]
  int cboDayNumbers = 0;                // [0:31]
  QString txbYearADBCetc;
  int cboYearDesADBCetc = kNoEra;  // EraPosition
  std::array<int, 2> cboCalendar{kNoCalendar, kNoCalendar};
  QString txbYearCEJC;
  bool optPlus = false;
  bool optMinus = false;
  bool fraPlusMinusVisible = true;
  std::array<QString, 4> txbArith;  // years, months, weeks, days
};

// What the window keeps between calculations.
struct MainState {
  int16_t intInputDateType = kNoCompleteInput;
  bool InputComplete = false;
  int32_t lngJDN = 0;  // of the input date after arithmetic; 0 = none yet
  QString strDeeCalendarName = QStringLiteral("Dee-Cecil");
  QString strDeeCalendarDesignation = QStringLiteral("DC");
  DateRecord InputDate{};
  QStringList DateParts;                 // year, month, day of a year-month-day input
  std::array<int32_t, 4> ArithValues{};  // years, months, weeks, days
};

inline MessageRequest Message(const QString& text, MessageStyle style,
                              const QString& title = kCalculateCaption) {
  return MessageRequest{text, style, MessageButtons::kOk, title};
}

}  // namespace orv
