#include "main_window/ControlUpkeep.h"

#include "core/DateTexts.h"
#include "core/StrProc.h"

namespace orv {

void Timer1Tick(ControlStates& c, MainState& state,
                const std::array<QString, kMainCalendarCount>& tag_explanations) {
  MainInputs& in = c.in;
  CheckInputComplete(in, state);
  c.cmdCalculate_enabled = state.InputComplete;

  const bool weekday_chosen = WeekdayChosen(in, state);
  c.cmdDateSequence_enabled = state.InputComplete && !weekday_chosen;
  c.optPlus_enabled = c.cmdCalculate_enabled;
  c.optMinus_enabled = c.cmdCalculate_enabled;
  c.cmdQLsoftware_enabled = c.cmdDateSequence_enabled;
  c.fraPlusMinus_visible = !weekday_chosen;

  for (size_t i = 0; i < in.txbArith.size(); ++i) {
    c.txbArith_enabled[i] = in.optPlus || in.optMinus;
    if (!c.txbArith_enabled[i]) continue;
    // Singular exactly when the calculation will use the value 1: "1", "01",
    // "1 "; "1.0" is ten (the period separates digit groups), "1,000" a thousand.
    QString base = c.lblArith[i];
    while (base.endsWith(u's')) base.chop(1);
    const bool one = LeadingNumber(DigitsOnly(in.txbArith[i])) == 1.0;
    c.lblArith[i] = one ? base : base + u's';
  }

  // The tag typed so far is explained, and picks the calendar when none is chosen.
  const QString& text = in.txbYearCEJC;
  const CalendarInfo* named =
      c.txbYearCEJC_visible ? CalendarNamedInText(text, state.dee_version) : nullptr;
  c.lblCE_visible = named != nullptr;
  c.lblCE =
      named != nullptr ? tag_explanations[static_cast<size_t>(named->saved_index - 1)] : QString();

  c.cmdClear_visible[0] = (c.txbYearCEJC_visible && !text.isEmpty()) ||
                          (c.cboMonthNames_visible && in.cboMonthNames > 0);
  c.cmdClear_visible[1] = false;
  for (const QString& box : in.txbArith)
    c.cmdClear_visible[1] = c.cmdClear_visible[1] || !box.isEmpty();

  in.txbYearCEJC = in.txbYearCEJC.toUpper();

  if (named != nullptr && in.cboCalendar[1] == kNoCalendar) {
    in.cboCalendar[1] = named->saved_index;
  }
  c.cmdCopyResult_enabled = c.txbOutputGC_visible;
}

}  // namespace orv
