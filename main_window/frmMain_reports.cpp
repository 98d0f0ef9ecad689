// frmMain: opening the two report windows.
#include <algorithm>

#include "calendar/CalendarDate.h"
#include "calendar/DatePr2.h"
#include "core/DateEntry.h"
#include "core/DateTexts.h"
#include "core/ReportBuilders.h"
#include "core/StrProc.h"
#include "main_window/frmMain.h"
#include "reports/frmCalendars.h"
#include "reports/frmDateDifference.h"
#include "reports/frmDateSequence.h"
#include "reports/frmVernalEquinoxes.h"
#include "ui_services/Geometry.h"

namespace orv {
namespace {

void ShowModeless(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace

QString frmMain::InputCalendarName() const { return orv::InputCalendarName(ReadInputs(), *this); }

QPoint frmMain::ReportWindowPosition() const {
  const QPoint corner = frameGeometry().topLeft();
  return {corner.x() + TwipsToPixels(160), corner.y() + fraOutput->y() + TwipsToPixels(300)};
}

bool frmMain::ReadInputDay() { return InputDateOK() && GetJDN(InputCalendarName(), true); }

void frmMain::cmdDateSequence_Click() {
  if (!ReadInputDay()) return;
  if (date_sequence_window == nullptr) date_sequence_window = new frmDateSequence(*this, this);
  ShowModeless(date_sequence_window);
}

void frmMain::cmdDateDifference_Click() {
  // The first date is the input's day, when the input names one that exists.
  QString from;
  if (InputComplete && !WeekdayChosen(ReadInputs(), *this)) {
    if (!ReadInputDay()) return;
    from =
        TaggedYearMonthDay(DateOfDay(lngJDN, InForce(CalendarOf(InputDate.calendar), dee_version)));
  }
  if (date_difference_window == nullptr) {
    date_difference_window = new frmDateDifference(*this, this);
  }
  if (!from.isEmpty()) date_difference_window->txbFromDate->setText(from);
  date_difference_window->ClearResults();  // each opening starts without a result
  ShowModeless(date_difference_window);
  date_difference_window->txbToDate->setFocus();
}

void frmMain::txbGoToJDN_Enter() {
  const QString text = txbGoToJDN->text();
  // The calendars window shows the instant of a Julian Date with a fraction.
  const std::optional<int64_t> day = DayOfTypedJulianDate(text);
  const std::optional<int64_t> time = TimeOfTypedJulianDate(text);
  if (calendars_window != nullptr && day && time && almanor::FitsIn32Bits(*day)) {
    calendars_window->ExpectInstant({static_cast<int32_t>(*day), time});
  }
  GoToTypedDay(text);
}

void frmMain::GoToDay(int32_t jdn) { GoToTypedDay(QString::number(jdn)); }

void frmMain::GoToTypedDay(const QString& day_number) {
  // Nothing changes until the number is known to be a day the input can show.
  MainInputs in = ReadInputs();
  if (!in.optInputDateWithoutAYN && !in.optInputDateWithAYN) in.optInputDateWithoutAYN = true;
  const CalendarId calendar = orv::GetInputCalendar(in);
  const Result<CalendarDate> day = DayOfTypedJDN(day_number, calendar, dee_version);
  if (!day) {
    Show(MessageOf(day.refusal()));
    return;
  }
  WriteInputs(in);
  ShowDateAsMDY(*day);
  ShowDateAsYMD(*day);
  Timer1_Timer();  // the input is complete: the upkeep learns its notation
  cmdCalculate_Click();
}

void frmMain::cmdCalendars_Click() {
  if (calendars_window == nullptr) calendars_window = new frmCalendars(*this, this);
  // The day shown here, or today while nothing is calculated.
  if (shown) {
    calendars_window->ShowDay(shown->jdn, shown->era);
  } else {
    calendars_window->ShowDay(
        TodayJDN(), ResultEra(static_cast<Era>(std::max(cboYearDesADBCetc->currentIndex(), 0))));
  }
  ShowModeless(calendars_window);
}

void frmMain::ProposalsChanged() {
  if (calendars_window != nullptr) calendars_window->ProposalsChanged();
}

void frmMain::cmdQLsoftware_Click() {
  if (!InputDateOK()) return;
  const int32_t year = GetYear();
  if (vernal_equinox_window == nullptr) vernal_equinox_window = new frmVernalEquinoxes(*this, this);
  vernal_equinox_window->lngYear = year;
  if (!IsEquinoxYear(year)) {
    VEOutOfRangeMsg();
    return;
  }
  if (GetJDN(InputCalendarName(), true)) ShowModeless(vernal_equinox_window);
}

}  // namespace orv
