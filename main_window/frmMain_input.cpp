// frmMain: reading and checking the typed date.
#include <QKeyEvent>

#include "core/StrProc.h"
#include "main_window/frmMain.h"
#include "ui_services/QL_common.h"
#include "ui_services/TextBox.h"

namespace orv {

bool frmMain::InputDateOK() {
  MainInputs in = ReadInputs();
  UserNotice message;
  const bool ok = orv::InputDateOK(in, *this, message);
  WriteInputs(in);
  Show(MessageOf(message));
  return ok;
}

bool frmMain::GetJDN(const QString& calendar_name, bool show_message) {
  MainInputs in = ReadInputs();
  UserNotice message;
  const bool ok = orv::GetJDN(in, *this, calendar_name, show_message, message);
  WriteInputs(in);
  Show(MessageOf(message));
  return ok;
}

void frmMain::GetInputCalendar() {
  MainInputs in = ReadInputs();
  TodayRecord.calendar = orv::GetInputCalendar(in);
  WriteInputs(in);
}

void frmMain::ShowDateAsMDY(const CalendarDate& date) {
  MainInputs in = ReadInputs();
  orv::ShowDateAsMDY(date, in);
  WriteInputs(in);
}

void frmMain::ShowDateAsYMD(const CalendarDate& date) {
  MainInputs in = ReadInputs();
  orv::ShowDateAsYMD(date, in, dee_version);
  WriteInputs(in);
}

int32_t frmMain::GetYear() const { return orv::GetYear(ReadInputs(), intInputDateType); }

void frmMain::optInputDateWithoutAYN_Click() {
  for (QWidget* control :
       {static_cast<QWidget*>(cboMonthNames), static_cast<QWidget*>(cboDayNumbers),
        static_cast<QWidget*>(txbYearADBCetc), static_cast<QWidget*>(cboYearDesADBCetc),
        static_cast<QWidget*>(cboCalendar[0])}) {
    control->setVisible(true);
  }
  txbYearCEJC->setVisible(false);
  cboCalendar[1]->setVisible(false);
  QFont bold = optInputDateWithoutAYN->font();
  bold.setBold(true);
  optInputDateWithoutAYN->setFont(bold);
  bold.setBold(false);
  optInputDateWithAYN->setFont(bold);
  SetFocusIfAvailable(cmdCalculate);
}

void frmMain::optInputDateWithAYN_Click() {
  txbYearCEJC->setVisible(true);
  cboCalendar[1]->setVisible(true);
  for (QWidget* control :
       {static_cast<QWidget*>(cboMonthNames), static_cast<QWidget*>(cboDayNumbers),
        static_cast<QWidget*>(txbYearADBCetc), static_cast<QWidget*>(cboYearDesADBCetc),
        static_cast<QWidget*>(cboCalendar[0])}) {
    control->setVisible(false);
  }
  QFont bold = optInputDateWithAYN->font();
  bold.setBold(true);
  optInputDateWithAYN->setFont(bold);
  bold.setBold(false);
  optInputDateWithoutAYN->setFont(bold);
  // A text with the Gregorian or Julian tag picks its calendar at once.
  if (cboCalendar[1]->currentIndex() == kNoCalendar) {
    for (const int32_t code : {kGregorianCode, kJulianCode}) {
      const CalendarInfo& calendar = *CalendarByCode(code);
      if (txbYearCEJC->text().contains(QStringOf(calendar.tag))) {
        cboCalendar[1]->setCurrentIndex(calendar.saved_index);
        break;
      }
    }
  }
  SetFocusIfAvailable(cmdCalculate);
}

void frmMain::txbYearCEJC_LostFocus() {
  RewriteKeepingSelection(txbYearCEJC, txbYearCEJC->text().toUpper());
}

void frmMain::DateBox_Enter() {
  if (cmdCalculate->isEnabled()) cmdCalculate_Click();
}

}  // namespace orv
