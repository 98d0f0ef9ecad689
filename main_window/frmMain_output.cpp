// frmMain: calculating and showing the result, the weekday test, Today, the
// Clear buttons, the Dee version and the clipboard.
#include "calendar/Calendar.h"
#include "calendar/DatePr2.h"
#include "calendar/Dee.h"
#include "main_window/DateInput.h"
#include "main_window/DateOutput.h"
#include "main_window/frmMain.h"
#include "platform/Clipboard.h"
#include "ui_services/Geometry.h"
#include "ui_services/QL_common.h"
#include "ui_services/frmPopUp.h"

namespace orv {

void frmMain::cmdCalculate_Click() {
  ClearOutput();
  MainInputs in = ReadInputs();
  const Calculation calculation = CalculateInput(in, *this);
  WriteInputs(in);
  for (const MessageRequest& message : calculation.messages) ShowMessageBox(message, this);
  if (!calculation.show_result) {
    ClearOutput();
    return;
  }
  ShowResults();
  if (calculation.gregorian_bold || calculation.julian_bold) {
    QFont font = lblGregorian->font();
    font.setBold(calculation.gregorian_bold);
    lblGregorian->setFont(font);
    font.setBold(calculation.julian_bold);
    lblJulian->setFont(font);
  }
}

void frmMain::ShowResults() {
  int era = cboYearDesADBCetc->currentIndex();
  const ResultTexts results = ResultsFor(lngJDN, era, strDeeCalendarDesignation);
  cboYearDesADBCetc->setCurrentIndex(era);
  const std::pair<QLineEdit*, QString> boxes[] = {
      {txbOutputGC, results.txbOutputGC},
      {txbOutputJC, results.txbOutputJC},
      {txbOutputDEE, results.txbOutputDEE},
      {txbOutputGCwithAYN, results.txbOutputGCwithAYN},
      {txbOutputJCwithAYN, results.txbOutputJCwithAYN},
      {txbOutputDEEwithAYN, results.txbOutputDEEwithAYN},
      {txbJDN, results.txbJDN},
      {txbDayOfWeek, results.txbDayOfWeek}};
  for (const auto& [box, text] : boxes) {
    box->setText(text);
    box->setCursorPosition(0);
    box->setVisible(true);
  }
}

QString frmMain::AYNDate(const QString& strCalendar, int32_t jdn) const {
  return orv::AYNDate(strCalendar, jdn, strDeeCalendarDesignation);
}

void frmMain::FillLists() {
  cboMonthNames->clear();
  for (const std::string_view month : MonthNames) {
    cboMonthNames->addItem(QString::fromLatin1(month.data(), static_cast<qsizetype>(month.size())));
  }
  cboDayNumbers->clear();
  cboDayNumbers->addItem(QString());
  for (int day = 1; day <= 31; ++day) cboDayNumbers->addItem(QString::number(day));
  cboYearDesADBCetc->clear();
  for (const QString& era : kEraItems) cboYearDesADBCetc->addItem(era);
  cboCalendar[0]->clear();
  // Position 3, the Dee calendar, is named by ApplyDeeVersion.
  for (int position = 0; position < kFirstWeekdayPosition + 7; ++position) {
    cboCalendar[0]->addItem(position == kDee ? QString()
                                             : CalendarListItem(0, position, QString()));
  }
  cboCalendar[1]->clear();
  for (int position = 0; position <= kDee; ++position) {
    cboCalendar[1]->addItem(position == kDee ? QString()
                                             : CalendarListItem(1, position, QString()));
  }
  for (QComboBox* list :
       {cboMonthNames, cboDayNumbers, cboYearDesADBCetc, cboCalendar[0], cboCalendar[1]}) {
    list->setCurrentIndex(0);
  }
}

void frmMain::cboCalendar_Click(int index) {
  if (index != 1) return;
  txbYearCEJC->setText(TagsForCalendar(txbYearCEJC->text(), cboCalendar[1]->currentIndex(),
                                       strDeeCalendarDesignation));
}

void frmMain::optDee_Click() { SwitchDeeVersion(false); }

void frmMain::optDeeCecil_Click() { SwitchDeeVersion(true); }

// Puts the version in force and renames its tag in the year-month-day text and
// in the tag explanation.
void frmMain::SwitchDeeVersion(bool dee_cecil) {
  const DeeVersion version = DeeVersionOf(dee_cecil);
  SetDeeEpoch(version.epoch);
  strDeeCalendarDesignation = version.designation;
  strDeeCalendarName = version.name;
  QString text = txbYearCEJC->text();
  QString explanation = lblCE->text();
  SwitchDeeTexts(text, explanation, dee_cecil);
  txbYearCEJC->setText(text);
  lblCE->setText(explanation);
  ApplyDeeVersion();
}

void frmMain::ApplyDeeVersion() {
  lblDee->setText(strDeeCalendarName + ":");
  txbOutputDEE->setAccessibleName(lblDee->text());
  txbOutputDEEwithAYN->setAccessibleName(lblDee->text() + " year-month-day");
  cboCalendar[0]->setItemText(kDee, CalendarListItem(0, kDee, strDeeCalendarName));
  cboCalendar[1]->setItemText(kDee, CalendarListItem(1, kDee, strDeeCalendarName));
  strTagExplanation[2] =
      DeeTagExplanation({DeeEpoch(), strDeeCalendarName, strDeeCalendarDesignation});
  if (cmdCalculate->isEnabled() && !txbOutputGC->text().isEmpty() && blnStartupCompleted) {
    cmdCalculate_Click();
  } else {
    ClearOutput();
  }
}

void frmMain::ClearInputs() {
  txbYearADBCetc->clear();
  txbYearCEJC->clear();
  for (QComboBox* list : {cboMonthNames, cboDayNumbers, cboYearDesADBCetc})
    list->setCurrentIndex(0);
  lblCE->clear();
  ClearOutput();
  MainInputs in = ReadInputs();
  in.optPlus = in.optMinus = false;
  for (QString& box : in.txbArith) box.clear();
  WriteInputs(in);
}

void frmMain::cmdClear_Click(int index) {
  if (index == 1) {
    MainInputs in = ReadInputs();
    for (QString& box : in.txbArith) box.clear();
    in.optPlus = in.optMinus = false;
    WriteInputs(in);
  } else {
    ClearInputs();
    cboCalendar[0]->setCurrentIndex(0);
    cboCalendar[1]->setCurrentIndex(0);
    ClearOutput();
  }
  if (isVisible()) cmdToday->setFocus();
}

void frmMain::cmdToday_Click() {
  if (!optInputDateWithoutAYN->isChecked() && !optInputDateWithAYN->isChecked()) {
    optInputDateWithoutAYN->setChecked(true);
  }
  if (!GetInputCalendar(true)) return;
  const int era = cboYearDesADBCetc->currentIndex();
  if (era <= kNoEra || era == kEraBCE) cboYearDesADBCetc->setCurrentIndex(EraIndex("CE"));
  if (era == kEraBC) cboYearDesADBCetc->setCurrentIndex(EraIndex("AD"));
  TodayRecord.jdn = TodayJDN();
  JDNToDate(TodayRecord);
  ShowDateAsMDY(TodayRecord);
  ShowDateAsYMD(TodayRecord);
  ClearOutput();
  SetFocusIfAvailable(cmdCalculate);
}

void frmMain::cmdCopyResult_Click() {
  CopyResultToClipboard();
  SetFocusIfAvailable(cmdCalculate);
}

void frmMain::CopyResultToClipboard() {
  ResultTexts shown;
  shown.txbOutputGC = txbOutputGC->text();
  shown.txbOutputGCwithAYN = txbOutputGCwithAYN->text();
  shown.txbOutputJC = txbOutputJC->text();
  shown.txbOutputJCwithAYN = txbOutputJCwithAYN->text();
  shown.txbJDN = txbJDN->text();
  shown.txbDayOfWeek = txbDayOfWeek->text();
  ReplaceClipboardText(CopyResultText(shown));

  // Where the button stands: its place in the window plus the window's outer
  // corner, in twips.
  const int top = PixelsToTwips(cmdCopyResult->y() + frameGeometry().top()) + 400;
  const int left = PixelsToTwips(cmdCopyResult->x() + frameGeometry().left()) + 20;
  cmdCopyResult->setVisible(false);
  PopUpWindow().PopUp(QStringLiteral("Result copied to clipboard"), 2920, 300, 2000, top, left);
  cmdCopyResult->setVisible(true);
}

}  // namespace orv
