// frmMain: restoring the last date, calendar and Dee version at start-up and
// saving them on Quit.
#include "calendar/CalendarDate.h"
#include "core/ProgramTexts.h"
#include "core/Registry3.h"
#include "core/Settings.h"
#include "main_window/frmMain.h"

namespace orv {
namespace {

QString KeyPath() { return SettingsKeyPath(ProgramText(273), ProgramText(310)); }

// Reads one setting; only a read with the status "0 OK" counts.
std::optional<QString> ReadSetting(const QString& name) {
  RegistryRead read = GetRegistryValue(kHKeyCurrentUser, KeyPath(), name);
  if (read.status != QStringLiteral("0 OK")) return std::nullopt;
  return read.value;
}

}  // namespace

void frmMain::LoadSettings() {
  const RestoredSettings restored =
      RestoreSettings(ReadSetting(QStringLiteral("JDN")), ReadSetting(QStringLiteral("CalNdx")),
                      ReadSetting(QStringLiteral("Dee")));
  if (!restored.jdn) return;
  lngJDN = *restored.jdn;
  if (!restored.dee) return;
  (*restored.dee == kDeeVersion ? optDee : optDeeCecil)->setChecked(true);
  if (restored.calendar == nullptr) return;

  const CalendarDate date = DateOfDay(lngJDN, InForce(*restored.calendar, dee_version));
  const auto notation = static_cast<int>(restored.notation);
  intInputDateType = static_cast<int16_t>(notation);
  (restored.notation == Notation::kYearMonthDay ? optInputDateWithAYN : optInputDateWithoutAYN)
      ->setChecked(true);
  cboCalendar[notation]->setCurrentIndex(restored.calendar->saved_index);
  if (restored.notation == Notation::kYearMonthDay) {
    ShowDateAsYMD(date);
  } else {
    ShowDateAsMDY(date);
  }
  cmdCalculate_Click();  // the restored date is shown at once
}

void frmMain::SaveSettings() {
  const std::optional<Notation> notation =
      intInputDateType == kNoCompleteInput ? std::nullopt
                                           : std::optional(static_cast<Notation>(intInputDateType));
  const SettingsToSave settings =
      SettingsFor(shown ? QString::number(shown->jdn) : QString(), notation,
                  {cboCalendar[0]->currentIndex(), cboCalendar[1]->currentIndex()},
                  shown && shown->found_in_gregorian, shown && shown->found_in_julian, dee_version);
  cboCalendar[0]->setCurrentIndex(settings.month_day_year_calendar);
  const QString key = KeyPath();
  // The statuses are not examined: a store that cannot be written must not
  // keep the program from ending.
  SetRegistryValue(kHKeyCurrentUser, key, QStringLiteral("JDN"), settings.jdn);
  SetRegistryValue(kHKeyCurrentUser, key, QStringLiteral("CalNdx"), settings.calendar_index);
  SetRegistryValue(kHKeyCurrentUser, key, QStringLiteral("Dee"), settings.dee);
}

}  // namespace orv
