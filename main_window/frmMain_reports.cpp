// frmMain: opening the two report windows.
#include "core/ReportBuilders.h"
#include "main_window/frmMain.h"
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
