#include "main_window/MainInputs.h"

#include "calendar/DatePr2.h"
#include "core/DateTexts.h"
#include "core/StrProc.h"

namespace orv {
namespace {

bool NotationChosen(const MainInputs& in) {
  return in.optInputDateWithoutAYN || in.optInputDateWithAYN;
}

// The input as the core takes it, in the notation the last completeness
// check found (or, before one, the notation chosen).
TypedDate TypedDateOf(const MainInputs& in, int16_t input_date_type = kNoCompleteInput) {
  TypedDate typed;
  if (input_date_type != kNoCompleteInput) {
    typed.notation = static_cast<Notation>(input_date_type);
  } else {
    typed.notation = in.optInputDateWithAYN && !in.optInputDateWithoutAYN ? Notation::kYearMonthDay
                                                                          : Notation::kMonthDayYear;
  }
  typed.year_month_day = in.txbYearCEJC;
  typed.month = in.cboMonthNames;
  typed.day = in.cboDayNumbers;
  typed.year = in.txbYearADBCetc;
  typed.era = in.cboYearDesADBCetc >= 0 ? static_cast<Era>(in.cboYearDesADBCetc) : Era::kNone;
  const int position = in.cboCalendar[static_cast<int>(typed.notation)];
  typed.calendar = CalendarBySavedIndex(position);
  if (typed.notation == Notation::kMonthDayYear && position >= kFirstWeekdayPosition) {
    typed.weekday = position - kFirstWeekdayPosition;
  }
  return typed;
}

void WriteTypedDate(const TypedDate& typed, MainInputs& in) {
  in.txbYearCEJC = typed.year_month_day;
  in.cboMonthNames = typed.month;
  in.cboDayNumbers = typed.day;
  in.txbYearADBCetc = typed.year;
  in.cboYearDesADBCetc = static_cast<int>(typed.era);
}

ArithmeticInput ArithmeticOf(const MainInputs& in) {
  // Hidden during a weekday test: its amounts are checked but not applied.
  return {in.optPlus, in.optMinus, in.fraPlusMinusVisible, in.txbArith};
}

}  // namespace

void CheckInputComplete(MainInputs& in, MainState& state) {
  state.InputComplete = false;
  state.intInputDateType = kNoCompleteInput;
  if (!NotationChosen(in)) return;
  TypedDate typed = TypedDateOf(in);
  state.InputComplete = IsComplete(typed);
  in.txbYearADBCetc = typed.year;
  if (state.InputComplete) state.intInputDateType = static_cast<int16_t>(typed.notation);
}

bool WeekdayChosen(const MainInputs& in, const MainState& state) {
  return state.InputComplete && state.intInputDateType == kMonthDayYear &&
         in.cboCalendar[0] >= kFirstWeekdayPosition;
}

bool InputDateOK(MainInputs& in, MainState& state, UserNotice& message) {
  if (!NotationChosen(in)) {
    message = Notice{NoticeKind::kNoNotation};
    return false;
  }
  if (state.intInputDateType == kNoCompleteInput) return true;
  TypedDate typed = TypedDateOf(in, state.intInputDateType);
  message = CheckTypedDate(typed, state.dee_version, state.DateParts);
  WriteTypedDate(typed, in);
  return !message;
}

bool GetJDN(MainInputs& in, MainState& state, const QString& calendar_name, bool show_message,
            UserNotice& message) {
  const bool has_input = state.intInputDateType != kNoCompleteInput;
  TypedDate typed = TypedDateOf(in, state.intInputDateType);
  ArithmeticInput arithmetic = ArithmeticOf(in);
  // The calendar whose letter the name begins with; a weekday's name names none.
  const CalendarInfo* calendar =
      calendar_name.isEmpty() ? nullptr : CalendarByCode(calendar_name.front().unicode());
  if (has_input && calendar == nullptr) {
    state.InputDate = CalendarDate{};
    if (show_message) message = Notice(NoticeKind::kNoSuchDate);
    return false;
  }
  const std::optional<int32_t> day =
      DayOfInput(has_input ? &typed : nullptr, state.DateParts,
                 calendar != nullptr ? calendar->id : state.InputDate.calendar, arithmetic,
                 state.dee_version, show_message, state.InputDate, message);
  if (has_input) WriteTypedDate(typed, in);
  in.txbArith = arithmetic.amounts;
  if (day) state.lngJDN = *day;
  return day.has_value();
}

Calculation CalculateInput(MainInputs& in, MainState& state) {
  if (!NotationChosen(in)) {
    Calculation refused;
    refused.messages.emplace_back(NoticeKind::kNoNotation);
    return refused;
  }
  if (state.intInputDateType == kNoCompleteInput) return {};
  TypedDate typed = TypedDateOf(in, state.intInputDateType);
  ArithmeticInput arithmetic = ArithmeticOf(in);
  Calculation calculation =
      Calculate(typed, arithmetic, state.dee_version, state.DateParts, state.InputDate);
  WriteTypedDate(typed, in);
  in.txbArith = arithmetic.amounts;
  if (calculation.day) state.lngJDN = *calculation.day;
  return calculation;
}

CalendarId GetInputCalendar(MainInputs& in) {
  const int gregorian = CalendarOf(CalendarId::kGregorian).saved_index;
  if (in.optInputDateWithoutAYN) {
    if (CalendarBySavedIndex(in.cboCalendar[0]) == nullptr) in.cboCalendar[0] = gregorian;
    in.cboCalendar[1] = in.cboCalendar[0];
  } else if (in.optInputDateWithAYN) {
    if (in.cboCalendar[1] == kNoCalendar) in.cboCalendar[1] = gregorian;
    in.cboCalendar[0] = in.cboCalendar[1];
  }
  const CalendarInfo* calendar =
      CalendarBySavedIndex(in.optInputDateWithAYN ? in.cboCalendar[1] : in.cboCalendar[0]);
  return calendar != nullptr ? calendar->id : CalendarId::kGregorian;
}

void ShowDateAsMDY(const CalendarDate& date, MainInputs& in) {
  TypedDate typed = TypedDateOf(in);
  PutDateInMonthDayYear(date, typed);
  WriteTypedDate(typed, in);
}

void ShowDateAsYMD(const CalendarDate& date, MainInputs& in, const DeeVersion& dee) {
  TypedDate typed = TypedDateOf(in);
  typed.calendar = CalendarBySavedIndex(in.cboCalendar[1]);
  PutDateInYearMonthDay(date, typed, dee);
  WriteTypedDate(typed, in);
}

int32_t GetYear(const MainInputs& in, int16_t input_date_type) {
  TypedDate typed = TypedDateOf(in, input_date_type);
  // Without a complete input the year box of the year-month-day notation is read.
  if (input_date_type == kNoCompleteInput) typed.notation = Notation::kYearMonthDay;
  return YearOfTypedDate(typed);
}

QString InputCalendarName(const MainInputs& in, const MainState& state) {
  if (state.intInputDateType == kNoCompleteInput) return QString();
  const CalendarInfo* calendar = CalendarBySavedIndex(in.cboCalendar[state.intInputDateType]);
  if (calendar == nullptr) {
    // A weekday in the month-day-year list: its name, as the list shows it.
    const int position = in.cboCalendar[state.intInputDateType];
    return position >= kFirstWeekdayPosition
               ? QString::fromStdString(
                     DayOfWeekName(static_cast<int16_t>(position - kFirstWeekdayPosition)))
               : QString();
  }
  const DeeVersion& dee = state.dee_version;
  return state.intInputDateType == kYearMonthDay ? QStringOf(CalendarName(*calendar, dee))
                                                 : CalendarListName(*calendar, dee);
}

}  // namespace orv
