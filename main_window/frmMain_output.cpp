// frmMain: calculating and showing the result, the weekday test, Today, the
// Clear buttons, the Dee version and the clipboard.
#include "calendar/CalendarDate.h"
#include "calendar/DatePr2.h"
#include "calendar/Dee.h"
#include "core/DateTexts.h"
#include "core/ReportBuilders.h"
#include "core/StrProc.h"
#include "main_window/frmMain.h"
#include "reports/frmCalendars.h"
#include "ui_services/Clipboard.h"
#include "ui_services/Geometry.h"
#include "ui_services/QL_common.h"
#include "ui_services/frmPopUp.h"

namespace orv {

void frmMain::cmdCalculate_Click() {
  ClearOutput();
  MainInputs in = ReadInputs();
  const Calculation calculation = CalculateInput(in, *this);
  WriteInputs(in);
  for (const Notice& notice : calculation.messages) ShowMessageBox(MessageOf(notice), this);
  if (!calculation.day) {
    ClearOutput();
    return;
  }
  ShowResults();
  if (calculation.in_gregorian || calculation.in_julian) {
    shown->found_in_gregorian = calculation.in_gregorian;
    shown->found_in_julian = calculation.in_julian;
    QFont font = lblGregorian->font();
    font.setBold(calculation.in_gregorian);
    lblGregorian->setFont(font);
    font.setBold(calculation.in_julian);
    lblJulian->setFont(font);
  }
}

std::array<std::pair<QLineEdit*, QLineEdit*>, kMainCalendarCount> frmMain::OutputBoxes() const {
  return {{{txbOutputGC, txbOutputGCwithAYN},
           {txbOutputJC, txbOutputJCwithAYN},
           {txbOutputDEE, txbOutputDEEwithAYN}}};
}

void frmMain::ShowResults() {
  const Era era = ResultEra(static_cast<Era>(std::max(cboYearDesADBCetc->currentIndex(), 0)));
  cboYearDesADBCetc->setCurrentIndex(static_cast<int>(era));
  const ResultTexts results = ResultsFor(lngJDN, era, dee_version);
  shown = ShownResult{lngJDN, results, false, false, era};
  std::vector<std::pair<QLineEdit*, const std::string*>> boxes = {
      {txbJDN, &results.jdn}, {txbDayOfWeek, &results.day_of_week}};
  for (size_t i = 0; i < kMainCalendarCount; ++i) {
    boxes.emplace_back(OutputBoxes()[i].first, &results.calendars[i].era_date);
    boxes.emplace_back(OutputBoxes()[i].second, &results.calendars[i].year_month_day);
  }
  for (const auto& [box, text] : boxes) {
    box->setText(QString::fromStdString(*text));
    box->setCursorPosition(0);
    box->setVisible(true);
  }
  if (calendars_window != nullptr) calendars_window->ShowDay(lngJDN, era);
}

QString frmMain::strDeeCalendarName() const { return QStringOf(dee_version.name); }

QString frmMain::strDeeCalendarDesignation() const { return QStringOf(dee_version.designation); }

void frmMain::FillLists() {
  cboMonthNames->clear();
  for (const std::string_view month : MonthNames) cboMonthNames->addItem(QStringOf(month));
  cboDayNumbers->clear();
  cboDayNumbers->addItem(QString());
  for (int day = 1; day <= 31; ++day) cboDayNumbers->addItem(QString::number(day));
  cboYearDesADBCetc->clear();
  for (const QString& era : kEraTexts) cboYearDesADBCetc->addItem(era);
  // The calendars' items are named by ApplyDeeVersion, for the version in force.
  for (QComboBox* list : cboCalendar) {
    list->clear();
    for (size_t position = 0; position <= kMainCalendarCount; ++position) list->addItem(QString());
  }
  for (int16_t weekday = 0; weekday < 7; ++weekday) {
    cboCalendar[0]->addItem(QString::fromStdString(DayOfWeekName(weekday)));
  }
  for (QComboBox* list :
       {cboMonthNames, cboDayNumbers, cboYearDesADBCetc, cboCalendar[0], cboCalendar[1]}) {
    list->setCurrentIndex(0);
  }
}

void frmMain::cboCalendar_Click(int index) {
  if (index != 1) return;
  const CalendarInfo* calendar = CalendarBySavedIndex(cboCalendar[1]->currentIndex());
  txbYearCEJC->setText(calendar != nullptr
                           ? TagsForCalendar(txbYearCEJC->text(), *calendar, dee_version)
                           : txbYearCEJC->text().toUpper());
}

void frmMain::optDee_Click() { SwitchDeeVersion(kDeeVersion); }

void frmMain::optDeeCecil_Click() { SwitchDeeVersion(kDeeCecilVersion); }

// Makes the version the window's and renames its tag in the year-month-day text and
// in the tag explanation.
void frmMain::SwitchDeeVersion(const DeeVersion& version) {
  const DeeVersion previous = dee_version;
  dee_version = version;
  const DeeTexts switched = SwitchDeeTexts({txbYearCEJC->text(), lblCE->text()}, previous, version);
  txbYearCEJC->setText(switched.year_month_day);
  lblCE->setText(switched.tag_explanation);
  ApplyDeeVersion();
}

void frmMain::ApplyDeeVersion() {
  lblDee->setText(strDeeCalendarName() + ":");
  txbOutputDEE->setAccessibleName(lblDee->text());
  txbOutputDEEwithAYN->setAccessibleName(lblDee->text() + " year-month-day");
  for (size_t i = 0; i < kMainCalendarCount; ++i) {
    const CalendarInfo& calendar = *MainCalendars()[i];
    cboCalendar[0]->setItemText(calendar.saved_index, CalendarListName(calendar, dee_version));
    cboCalendar[1]->setItemText(calendar.saved_index, ProlepticCalendarName(calendar, dee_version));
    strTagExplanation[i] = TagExplanation(calendar, dee_version);
  }
  if (cmdCalculate->isEnabled() && shown && blnStartupCompleted) {
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
  GetInputCalendar();
  TodayRecord = DateOfDay(TodayJDN(), InForce(CalendarOf(TodayRecord.calendar), dee_version));
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
  if (!shown) return;
  ReplaceClipboardText(CopyResultText(shown->texts));

  // Where the button stands: its place in the window plus the window's outer
  // corner, in twips.
  const int top = PixelsToTwips(cmdCopyResult->y() + frameGeometry().top()) + 400;
  const int left = PixelsToTwips(cmdCopyResult->x() + frameGeometry().left()) + 20;
  cmdCopyResult->setVisible(false);
  PopUpWindow().PopUp(QStringLiteral("Result copied to clipboard"), 2920, 300, 2000, top, left);
  cmdCopyResult->setVisible(true);
}

}  // namespace orv
