#include "main_window/ControlUpkeep.h"

#include "main_window/DateInput.h"
#include "ui_services/StrProc.h"

namespace orv {

void Timer1Tick(ControlStates& c, MainState& state,
                const std::array<QString, 3>& tag_explanations) {
  MainInputs& in = c.in;
  CheckInputComplete(in, state);
  c.cmdCalculate_enabled = state.InputComplete;

  const bool weekday_chosen = state.intInputDateType == kMonthDayYear &&
                              in.cboCalendar[0] >= kFirstWeekdayPosition && c.cmdCalculate_enabled;
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
    const QString base = TrimTrailingChars(c.lblArith[i], QStringLiteral("s"));
    const bool one = LeadingNumber(DigitsOnly(in.txbArith[i], false, false)) == 1.0;
    c.lblArith[i] = one ? base : base + u's';
  }

  const QString& designation = state.strDeeCalendarDesignation;
  const QString& text = in.txbYearCEJC;
  c.lblCE_visible =
      c.txbYearCEJC_visible && (text.contains(QStringLiteral("CE")) ||
                                text.contains(QStringLiteral("JC")) || text.contains(designation));
  if (!c.lblCE_visible) {
    c.lblCE.clear();
  } else if (text.contains(designation)) {
    c.lblCE = tag_explanations[2];
  } else if (text.contains(QStringLiteral("JC"))) {
    c.lblCE = tag_explanations[1];
  } else if (text.contains(QStringLiteral("CE"))) {
    c.lblCE = tag_explanations[0];
  }

  c.cmdClear_visible[0] = (c.txbYearCEJC_visible && !text.isEmpty()) ||
                          (c.cboMonthNames_visible && in.cboMonthNames > 0);
  c.cmdClear_visible[1] = false;
  for (const QString& box : in.txbArith)
    c.cmdClear_visible[1] = c.cmdClear_visible[1] || !box.isEmpty();

  in.txbYearCEJC = in.txbYearCEJC.toUpper();

  if (!c.lblCE.isEmpty() && in.cboCalendar[1] == kNoCalendar) {
    if (c.lblCE.contains(designation)) {
      in.cboCalendar[1] = kDee;
    } else if (c.lblCE.contains(QStringLiteral("JC"))) {
      in.cboCalendar[1] = kJulian;
    } else if (c.lblCE.contains(QStringLiteral("CE"))) {
      in.cboCalendar[1] = kGregorian;
    }
  }
  c.cmdCopyResult_enabled = c.txbOutputGC_visible;
}

}  // namespace orv
