// frmMain: the periodic upkeep of the controls (Timer1, every 500 ms).
#include "main_window/ControlUpkeep.h"
#include "main_window/frmMain.h"
#include "ui_services/TextBox.h"

namespace orv {

void frmMain::Timer1_Timer() { RunUpkeep(false); }

void frmMain::RunUpkeep(bool while_typing) {
  ControlStates c;
  c.in = ReadInputs();
  c.txbYearCEJC_visible = !txbYearCEJC->isHidden();
  c.cboMonthNames_visible = !cboMonthNames->isHidden();
  c.txbOutputGC_visible = !txbOutputGC->isHidden();
  for (int i = 0; i < 4; ++i) c.lblArith[i] = lblArith[i]->text();
  c.lblCE = lblCE->text();

  Timer1Tick(c, *this, strTagExplanation);
  // A space may be the start of a digit group ("1 000"): the year box is
  // tidied by the next round of the timer, not under the user's fingers.
  if (while_typing) c.in.txbYearADBCetc = txbYearADBCetc->text();

  // The upper-cased year-month-day text keeps the user's selection and caret.
  RewriteKeepingSelection(txbYearCEJC, c.in.txbYearCEJC);
  WriteInputs(c.in);

  cmdCalculate->setEnabled(c.cmdCalculate_enabled);
  cmdDateSequence->setEnabled(c.cmdDateSequence_enabled);
  cmdQLsoftware->setEnabled(c.cmdQLsoftware_enabled);
  optPlus->setEnabled(c.optPlus_enabled);
  optMinus->setEnabled(c.optMinus_enabled);
  fraPlusMinus->setVisible(c.fraPlusMinus_visible);
  for (int i = 0; i < 4; ++i) {
    txbArith[i]->setEnabled(c.txbArith_enabled[i]);
    lblArith[i]->setText(c.lblArith[i]);
  }
  lblCE->setVisible(c.lblCE_visible);
  lblCE->setText(c.lblCE);
  cmdClear[0]->setVisible(c.cmdClear_visible[0]);
  cmdClear[1]->setVisible(c.cmdClear_visible[1]);
  QFont normal = cmdCopyResult->font();
  normal.setBold(false);
  cmdCopyResult->setFont(normal);
  cmdCopyResult->setEnabled(c.cmdCopyResult_enabled);
}

}  // namespace orv
