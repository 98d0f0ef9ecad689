// The three settings the main window keeps between runs: the day number of
// the last result ("JDN"), the calendar of the notation in use ("CalNdx":
// "1" Gregorian, "2" Julian, "3" Dee, negative for year-month-day, "0" for no
// input) and the Dee version ("Dee": "D" or "DC").
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace orv {

// First and one-past-last day numbers a saved "JDN" may hold: -99999-01-01 to
// 99999-12-31 Gregorian.
inline constexpr int32_t kFirstRestorableJDN = -34802824;
inline constexpr int32_t kEndOfRestorableJDNs = 38245310;

// "<root>\<publisher>\ORVC" from program texts 273 and 310.
QString SettingsKeyPath(const QString& settings_root, const QString& publisher);

// The saved day number, rounded, when it is not 0 and within the range above.
std::optional<int32_t> RestorableJDN(const QString& saved);

// The calendar position 1, 2 or 3 that a saved "CalNdx" names, or 0.
int CalendarPositionOf(const QString& saved_calendar_index);

struct SettingsToSave {
  QString jdn;
  QString calendar_index;
  QString dee;
  int cboCalendar0;  // the month-day-year list, moved off a weekday to the calendar shown
};

// What Quit saves. A weekday test on display saves the calendar in which it
// found its answer (the bold label).
SettingsToSave SettingsFor(const QString& txbJDN, int16_t input_date_type,
                           const std::array<int, 2>& cboCalendar, bool gregorian_bold,
                           bool julian_bold, const QString& dee_designation);

}  // namespace orv
