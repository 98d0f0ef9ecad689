// frmMain: restoring the last date, calendar and Dee version at start-up and
// saving them on Quit.
#include "calendar/Calendar.h"
#include "main_window/MainSettings.h"
#include "main_window/frmMain.h"
#include "ui_services/ProgramTexts.h"
#include "ui_services/Registry3.h"

namespace orv {
namespace {

QString KeyPath() { return SettingsKeyPath(ProgramText(273), ProgramText(310)); }

// Reads one setting; only a read with the status "0 OK" counts.
bool ReadSetting(const QString& name, QString& value) {
  return GetRegistryValue(kHKeyCurrentUser, KeyPath(), name, value) == QStringLiteral("0 OK");
}

}  // namespace

void frmMain::LoadSettings() {
  // Each step needs the one before; the first that fails ends the restore and
  // what was restored so far stays.
  QString saved_jdn;
  if (!ReadSetting(QStringLiteral("JDN"), saved_jdn)) return;
  const std::optional<int32_t> jdn = RestorableJDN(saved_jdn);
  if (!jdn) return;
  lngJDN = *jdn;

  QString calendar_index;
  if (!ReadSetting(QStringLiteral("CalNdx"), calendar_index)) return;
  QString dee;
  if (!ReadSetting(QStringLiteral("Dee"), dee)) return;
  if (dee == QStringLiteral("D")) {
    optDee->setChecked(true);
  } else {
    optDeeCecil->setChecked(true);
  }

  const int position = CalendarPositionOf(calendar_index);
  if (position == kNoCalendar) return;
  const int32_t codes[] = {0, kGregorianCode, kJulianCode, kDeeCode};
  DateRecord date{};
  date.jdn = lngJDN;
  date.calendar = codes[position];
  JDNToDate(date);
  if (calendar_index.startsWith(u'-')) {
    intInputDateType = kYearMonthDay;
    optInputDateWithAYN->setChecked(true);
    cboCalendar[1]->setCurrentIndex(position);
    ShowDateAsYMD(date);
  } else {
    intInputDateType = kMonthDayYear;
    optInputDateWithoutAYN->setChecked(true);
    cboCalendar[0]->setCurrentIndex(position);
    ShowDateAsMDY(date);
  }
  cmdCalculate_Click();  // the restored date is shown at once
}

void frmMain::SaveSettings() {
  const SettingsToSave settings =
      SettingsFor(txbJDN->text(), intInputDateType,
                  {cboCalendar[0]->currentIndex(), cboCalendar[1]->currentIndex()},
                  lblGregorian->font().bold(), lblJulian->font().bold(), strDeeCalendarDesignation);
  cboCalendar[0]->setCurrentIndex(settings.cboCalendar0);
  const QString key = KeyPath();
  // The statuses are not examined: a store that cannot be written must not
  // keep the program from ending.
  SetRegistryValue(kHKeyCurrentUser, key, QStringLiteral("JDN"), settings.jdn);
  SetRegistryValue(kHKeyCurrentUser, key, QStringLiteral("CalNdx"), settings.calendar_index);
  SetRegistryValue(kHKeyCurrentUser, key, QStringLiteral("Dee"), settings.dee);
}

}  // namespace orv
