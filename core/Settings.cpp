#include "core/Settings.h"

#include <cmath>

#include "core/NumberFormat.h"
#include "core/StrProc.h"

namespace orv {
namespace {

// Spaces, an optional sign, digits, optionally a point and digits, spaces:
// a number as Quit writes it. (Checked by hand: a regular expression would
// compile and map its engine on every start.)
bool IsSavedNumber(const QString& text) {
  const QString number = TrimSpaces(text);
  qsizetype at = number.startsWith(u'+') || number.startsWith(u'-') ? 1 : 0;
  const auto digits = [&number, &at] {
    const qsizetype first = at;
    while (at < number.size() && number[at] >= u'0' && number[at] <= u'9') ++at;
    return at > first;
  };
  if (!digits()) return false;
  if (at < number.size() && number[at] == u'.') {
    ++at;
    if (!digits()) return false;
  }
  return at == number.size();
}

}  // namespace

QString SettingsKeyPath(const QString& settings_root, const QString& publisher) {
  return settings_root + u'\\' + publisher + u'\\' + kProgramAbbreviation;
}

std::optional<int32_t> RestorableJDN(const QString& saved) {
  // Only a number as Quit writes it (a fraction is rounded); a value of any
  // other shape, such as "1e300" or "12abc", is not ours and is ignored.
  if (!IsSavedNumber(saved)) return std::nullopt;
  const double jdn = std::nearbyint(LeadingNumber(saved));  // halves to even
  if (jdn == 0 || jdn < kFirstRestorableJDN || jdn >= kEndOfRestorableJDNs) return std::nullopt;
  return static_cast<int32_t>(jdn);
}

RestoredSettings RestoreSettings(const std::optional<QString>& jdn,
                                 const std::optional<QString>& calendar_index,
                                 const std::optional<QString>& dee) {
  RestoredSettings restored;
  if (!jdn) return restored;
  restored.jdn = RestorableJDN(*jdn);
  if (!restored.jdn || !calendar_index || !dee) return restored;
  // Anything but the Dee version's own designation is the default, Dee-Cecil.
  restored.dee = *dee == QStringLiteral("D") ? kDeeVersion : kDeeCecilVersion;
  const double position = std::fabs(std::nearbyint(LeadingNumber(*calendar_index)));
  restored.calendar = position >= 1 && position <= kMainCalendarCount
                          ? CalendarBySavedIndex(static_cast<int>(position))
                          : nullptr;
  restored.notation =
      calendar_index->startsWith(u'-') ? Notation::kYearMonthDay : Notation::kMonthDayYear;
  return restored;
}

SettingsToSave SettingsFor(const QString& shown_jdn, std::optional<Notation> notation,
                           const std::array<int, 2>& list_indexes, bool found_in_gregorian,
                           bool found_in_julian, const DeeVersion& dee) {
  SettingsToSave settings;
  settings.jdn = shown_jdn;
  settings.jdn = WithoutChars(settings.jdn, kTypedGroupSeparators);
  if (settings.jdn.isEmpty()) settings.jdn = QStringLiteral("0");
  settings.month_day_year_calendar = list_indexes[0];
  if (!notation) {
    settings.calendar_index = QStringLiteral("0");
  } else {
    const bool weekday_shown = *notation == Notation::kMonthDayYear &&
                               CalendarBySavedIndex(list_indexes[0]) == nullptr &&
                               list_indexes[0] > 0;
    if (weekday_shown) {
      if (found_in_gregorian) {
        settings.month_day_year_calendar = CalendarOf(CalendarId::kGregorian).saved_index;
      } else if (found_in_julian) {
        settings.month_day_year_calendar = CalendarOf(CalendarId::kJulian).saved_index;
      }
    }
    const bool year_month_day = *notation == Notation::kYearMonthDay;
    const int position = year_month_day ? list_indexes[1] : settings.month_day_year_calendar;
    settings.calendar_index =
        (year_month_day ? QStringLiteral("-") : QString()) + QString::number(position);
  }
  settings.dee = QStringOf(dee.designation);
  return settings;
}

}  // namespace orv
