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
  return typed;
}

// The calendar chosen in the notation's list; none for the empty item or a
// weekday.
const CalendarInfo* ChosenCalendar(const MainInputs& in, Notation notation) {
  return CalendarBySavedIndex(in.cboCalendar[static_cast<int>(notation)]);
}

// The weekday chosen in the month-day-year list in place of a calendar, 0
// Sunday ... 6 Saturday; -1 for none.
int ChosenWeekday(const MainInputs& in, Notation notation) {
  const int position = in.cboCalendar[static_cast<int>(notation)];
  return notation == Notation::kMonthDayYear && position >= kFirstWeekdayPosition
             ? position - kFirstWeekdayPosition
             : -1;
}

// The reading's text goes back into the box of its notation.
void WriteBack(Notation notation, const QString& text, MainInputs& in) {
  if (notation == Notation::kYearMonthDay) {
    in.txbYearCEJC = text;
  } else {
    in.txbYearADBCetc = text;
  }
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
  const TypedDate typed = TypedDateOf(in);
  if (typed.notation == Notation::kMonthDayYear) in.txbYearADBCetc = TrimSpaces(in.txbYearADBCetc);
  state.InputComplete = IsComplete(typed, ChosenCalendar(in, typed.notation) != nullptr ||
                                              ChosenWeekday(in, typed.notation) >= 0);
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
  const TypedDate typed = TypedDateOf(in, state.intInputDateType);
  DateReadingRules form = MainWindowRules(ChosenCalendar(in, typed.notation), state.dee_version);
  form.form_only = true;
  const DateReading checked = ReadDate(typed, form);
  message = checked.refusal;
  WriteBack(typed.notation, checked.text, in);
  return !message;
}

bool GetJDN(MainInputs& in, MainState& state, const QString& calendar_name, bool show_message,
            UserNotice& message) {
  const bool has_input = state.intInputDateType != kNoCompleteInput;
  const TypedDate typed = TypedDateOf(in, state.intInputDateType);
  const ArithmeticInput arithmetic = ArithmeticOf(in);
  // The calendar whose letter the name begins with; a weekday's name names none.
  const CalendarInfo* calendar =
      calendar_name.isEmpty() ? nullptr : CalendarByCode(calendar_name.front().unicode());
  if (has_input && calendar == nullptr) {
    state.InputDate = CalendarDate{};
    if (show_message) message = Notice(NoticeKind::kNoSuchDate);
    return false;
  }
  CalendarDate held = state.InputDate;
  held.calendar = InForce(CalendarOf(held.calendar), state.dee_version).id;
  const InputDay input =
      has_input ? DayOfInput(typed, MainWindowRules(calendar, state.dee_version, show_message),
                             arithmetic)
                : DayOfInput(held, arithmetic);
  if (has_input) WriteBack(typed.notation, input.text, in);
  in.txbArith = input.amounts;
  if (input.date) state.InputDate = *input.date;
  if (input.refusal) message = input.refusal;
  if (input.day) state.lngJDN = *input.day;
  return input.day.has_value();
}

Calculation CalculateInput(MainInputs& in, MainState& state) {
  if (!NotationChosen(in)) {
    Calculation refused;
    refused.messages.emplace_back(NoticeKind::kNoNotation);
    return refused;
  }
  if (state.intInputDateType == kNoCompleteInput) return {};
  const TypedDate typed = TypedDateOf(in, state.intInputDateType);
  Calculation calculation =
      Calculate(typed, MainWindowRules(ChosenCalendar(in, typed.notation), state.dee_version),
                ChosenWeekday(in, typed.notation), ArithmeticOf(in));
  WriteBack(typed.notation, calculation.input.text, in);
  in.txbArith = calculation.input.amounts;
  if (calculation.input.date) state.InputDate = *calculation.input.date;
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
  const Era chosen =
      in.cboYearDesADBCetc >= 0 ? static_cast<Era>(in.cboYearDesADBCetc) : Era::kNone;
  const TypedDate shown = MonthDayYearOf(date, chosen);
  in.cboMonthNames = shown.month;
  in.cboDayNumbers = shown.day;
  in.txbYearADBCetc = shown.year;
  in.cboYearDesADBCetc = static_cast<int>(shown.era);
}

void ShowDateAsYMD(const CalendarDate& date, MainInputs& in, const DeeVersion& dee) {
  in.txbYearCEJC = YearMonthDayOf(date, ChosenCalendar(in, Notation::kYearMonthDay), dee);
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
