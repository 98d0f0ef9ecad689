// frmMain: the date arithmetic boxes and clearing the output.
#include "main_window/frmMain.h"
#include "reports/frmCalendars.h"

namespace orv {

void frmMain::txbArith_LostFocus(int index) {
  const TypedAmount amount = CheckTypedAmount(txbArith[index]->text());
  txbArith[index]->setText(amount.text);
  Show(MessageOf(amount.refusal, kInvalidInputTitle));
}

void frmMain::ClearOutput() {
  shown.reset();
  if (calendars_window != nullptr) calendars_window->ShowDay(std::nullopt, Era::kCE);
  for (QLineEdit* box : {txbOutputGC, txbOutputGCwithAYN, txbOutputJC, txbOutputJCwithAYN,
                         txbOutputDEE, txbOutputDEEwithAYN, txbJDN, txbDayOfWeek}) {
    box->clear();
    box->setVisible(false);
  }
  for (QLabel* label : {lblGregorian, lblJulian, lblDee}) {
    QFont normal = label->font();
    normal.setBold(false);
    label->setFont(normal);
  }
}

}  // namespace orv
