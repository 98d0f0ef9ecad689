// The three settings the main window keeps between runs: the day number of
// the last result ("JDN"), the calendar of the notation in use ("CalNdx": the
// calendar's list position, negative for year-month-day, "0" for no input)
// and the Dee version ("Dee": its designation, "D" or "DC").
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "calendar/Calendars.h"
#include "core/DateEntry.h"

namespace orv {

// The program's abbreviation: it names its settings key and its text file.
inline const QString kProgramAbbreviation = QStringLiteral("ORVC");

// First and one-past-last day numbers a saved "JDN" may hold: -99999-01-01 to
// 99999-12-31 Gregorian.
inline constexpr int32_t kFirstRestorableJDN = -34802824;
inline constexpr int32_t kEndOfRestorableJDNs = 38245310;

// "<root>\<publisher>\ORVC" from program texts 273 and 310.
QString SettingsKeyPath(const QString& settings_root, const QString& publisher);

// The saved day number, rounded, when it is not 0 and within the range above.
std::optional<int32_t> RestorableJDN(const QString& saved);

// What a saved set restores, from the three values as read (absent when the
// read failed). Each step needs the one before; the first that fails ends the
// restore and what was restored so far stays.
struct RestoredSettings {
  std::optional<int32_t> jdn;     // the last day number
  std::optional<DeeVersion> dee;  // the version to put in force
  // The input to show and calculate: the day in this calendar and notation.
  const CalendarInfo* calendar = nullptr;
  Notation notation = Notation::kMonthDayYear;
};
RestoredSettings RestoreSettings(const std::optional<QString>& jdn,
                                 const std::optional<QString>& calendar_index,
                                 const std::optional<QString>& dee);

struct SettingsToSave {
  QString jdn;
  QString calendar_index;
  QString dee;
  // The saved index of the month-day-year calendar: after a weekday test, the
  // calendar that held the answer takes the weekday's place.
  int month_day_year_calendar;
};

// What Quit saves, from the shown day number, the notation of a complete
// input (none: no complete input) and the two calendar lists' positions. A
// weekday test on display saves the calendar in which it found its answer.
SettingsToSave SettingsFor(const QString& shown_jdn, std::optional<Notation> notation,
                           const std::array<int, 2>& list_indexes, bool found_in_gregorian,
                           bool found_in_julian, const DeeVersion& dee);

}  // namespace orv
