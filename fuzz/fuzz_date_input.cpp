// The typed-date checks, GetJDN and the arithmetic, in both notations, with
// random list positions and boxes. Must hold: no crash; every notice has its
// words; an accepted date without arithmetic converts back to itself.
#include <cstdlib>

#include "calendar/CalendarDate.h"
#include "calendar/Dee.h"
#include "core/DateTexts.h"
#include "fuzz/FuzzInput.h"
#include "main_window/MainInputs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orv;
  FuzzInput input(data, size);
  MainState state;
  state.dee_version = input.Flag() ? kDeeCecilVersion : kDeeVersion;

  MainInputs in;
  in.optInputDateWithoutAYN = input.Flag();
  in.optInputDateWithAYN = !in.optInputDateWithoutAYN && input.Flag();
  in.cboMonthNames = input.Below(13);
  in.cboDayNumbers = input.Below(32);
  in.txbYearADBCetc = input.Text(12);
  in.cboYearDesADBCetc = input.Below(5);
  in.cboCalendar = {input.Below(11), input.Below(4)};
  in.txbYearCEJC = input.Text(24);
  in.optPlus = input.Flag();
  in.optMinus = !in.optPlus && input.Flag();
  in.fraPlusMinusVisible = input.Flag();
  for (QString& box : in.txbArith) box = input.Flag() ? input.Text(12) : QString();

  CheckInputComplete(in, state);
  const Calculation calculation = CalculateInput(in, state);
  for (const Notice& notice : calculation.messages) {
    if (NoticeText(notice).isEmpty()) std::abort();
  }
  const bool arithmetic = in.fraPlusMinusVisible && (in.optPlus || in.optMinus);
  if (calculation.day && !arithmetic && state.intInputDateType >= 0 &&
      in.cboCalendar[0] < kFirstWeekdayPosition) {
    // The day shown is the date read.
    if (DateOfDay(state.lngJDN, state.InputDate.calendar) != state.InputDate) {
      std::abort();
    }
  }
  if (calculation.day) {
    ResultsFor(state.lngJDN, ResultEra(static_cast<Era>(in.cboYearDesADBCetc)), state.dee_version);
  }
  return 0;
}
