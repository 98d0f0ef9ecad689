#include "main_window/MainSettings.h"

#include <QRegularExpression>
#include <cmath>

#include "main_window/MainInputs.h"
#include "ui_services/StrProc.h"

namespace orv {

QString SettingsKeyPath(const QString& settings_root, const QString& publisher) {
  return settings_root + u'\\' + publisher + QStringLiteral("\\ORVC");
}

std::optional<int32_t> RestorableJDN(const QString& saved) {
  // Only a number as Quit writes it (a fraction is rounded); a value of any
  // other shape, such as "1e300" or "12abc", is not ours and is ignored.
  static const QRegularExpression number(QStringLiteral("^ *[+-]?[0-9]+(\\.[0-9]+)? *$"));
  if (!number.match(saved).hasMatch()) return std::nullopt;
  const double jdn = std::nearbyint(LeadingNumber(saved));  // halves to even
  if (jdn == 0 || jdn < kFirstRestorableJDN || jdn >= kEndOfRestorableJDNs) return std::nullopt;
  return static_cast<int32_t>(jdn);
}

int CalendarPositionOf(const QString& saved_calendar_index) {
  const double position = std::fabs(std::nearbyint(LeadingNumber(saved_calendar_index)));
  if (position == 1.0) return kGregorian;
  if (position == 2.0) return kJulian;
  if (position == 3.0) return kDee;
  return kNoCalendar;
}

SettingsToSave SettingsFor(const QString& txbJDN, int16_t input_date_type,
                           const std::array<int, 2>& cboCalendar, bool gregorian_bold,
                           bool julian_bold, const QString& dee_designation) {
  SettingsToSave settings;
  settings.jdn = txbJDN;
  RemoveChars(settings.jdn, QStringLiteral(",.' "));
  if (settings.jdn.isEmpty()) settings.jdn = QStringLiteral("0");
  settings.cboCalendar0 = cboCalendar[0];
  if (input_date_type == kNoCompleteInput) {
    settings.calendar_index = QStringLiteral("0");
  } else {
    if (input_date_type == kMonthDayYear && cboCalendar[0] >= kFirstWeekdayPosition) {
      if (gregorian_bold) {
        settings.cboCalendar0 = kGregorian;
      } else if (julian_bold) {
        settings.cboCalendar0 = kJulian;
      }
    }
    const int position = input_date_type == kMonthDayYear ? settings.cboCalendar0 : cboCalendar[1];
    settings.calendar_index = (input_date_type == kYearMonthDay ? QStringLiteral("-") : QString()) +
                              QString::number(position);
  }
  settings.dee = dee_designation;
  return settings;
}

}  // namespace orv
