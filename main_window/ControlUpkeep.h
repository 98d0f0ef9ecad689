// The main window's periodic upkeep: every half second the state of its
// buttons, labels and boxes is recomputed from what the user has typed, so
// Calculate becomes available as soon as the input is complete, the labels of
// the arithmetic follow singular and plural, the year-month-day tag is
// explained, upper-cased and picks its calendar.
#pragma once

#include <QString>
#include <array>

#include "main_window/MainInputs.h"

namespace orv {

// The controls the upkeep reads and sets, besides the inputs.
struct ControlStates {
  MainInputs in;
  bool txbYearCEJC_visible = false;
  bool cboMonthNames_visible = false;
  bool txbOutputGC_visible = false;
  std::array<QString, 4> lblArith;  // "years" / "year", ...
  QString lblCE;
  bool lblCE_visible = false;
  bool cmdCalculate_enabled = false;
  bool cmdDateSequence_enabled = false;
  bool cmdQLsoftware_enabled = false;
  bool optPlus_enabled = false;
  bool optMinus_enabled = false;
  bool fraPlusMinus_visible = true;
  std::array<bool, 4> txbArith_enabled{};
  std::array<bool, 2> cmdClear_visible{};
  bool cmdCopyResult_enabled = false;
};

// One firing of the upkeep (its thirteen steps, in order).
// tag_explanations: of each calendar's tag, in table order.
void Timer1Tick(ControlStates& controls, MainState& state,
                const std::array<QString, kMainCalendarCount>& tag_explanations);

}  // namespace orv
