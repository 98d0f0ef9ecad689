#include "calendar/Calendars.h"

#include "calendar/Calendar.h"

namespace orv {
namespace {

// The table's conversions: the same inline code that DateToJDN and JDNToDate
// run for these three.
DateStatus GregorianToJDN(DateRecord& date, const DeeVersion&) {
  return calendar_detail::CivilToJDN(date, true);
}
void GregorianFromJDN(DateRecord& date, const DeeVersion&) {
  calendar_detail::CivilFromJDN(date, true);
}
DateStatus JulianToJDN(DateRecord& date, const DeeVersion&) {
  return calendar_detail::CivilToJDN(date, false);
}
void JulianFromJDN(DateRecord& date, const DeeVersion&) {
  calendar_detail::CivilFromJDN(date, false);
}
DateStatus DeeToJDN(DateRecord& date, const DeeVersion& dee) {
  return DeeDateToJDNWithStatus(date, dee.epoch);
}
void DeeFromJDN(DateRecord& date, const DeeVersion& dee) { DeeJDNToDate(date, dee.epoch); }

}  // namespace

// The engine's rule, the one the conversions apply.
bool IsGregorianLeapYear(int32_t year) { return almanor::IsLeapYear(year, true); }

bool IsJulianLeapYear(int32_t year) { return almanor::IsLeapYear(year, false); }

const std::array<CalendarInfo, kCalendarCount> kCalendars = {{
    {kGregorianCode, 1, "gregorian", "Gregorian", "CE", "CE", true, IsGregorianLeapYear,
     GregorianToJDN, GregorianFromJDN},
    {kJulianCode, 2, "julian", "Julian", "JC", "JC", true, IsJulianLeapYear, JulianToJDN,
     JulianFromJDN},
    {kDeeCode, 3, "dee", "", "", "D", false, IsDeeLeapYear, DeeToJDN, DeeFromJDN},
}};

const CalendarInfo* CalendarByCode(int32_t code) {
  for (const CalendarInfo& calendar : kCalendars) {
    if (calendar.code == code) return &calendar;
  }
  return nullptr;
}

const CalendarInfo* CalendarByPosition(int list_position) {
  for (const CalendarInfo& calendar : kCalendars) {
    if (calendar.list_position == list_position) return &calendar;
  }
  return nullptr;
}

const CalendarInfo* CalendarByKey(std::string_view key) {
  for (const CalendarInfo& calendar : kCalendars) {
    if (calendar.key == key) return &calendar;
  }
  return nullptr;
}

const CalendarInfo* CalendarByTag(std::string_view tag, const DeeVersion& dee) {
  for (const CalendarInfo& calendar : kCalendars) {
    if (CalendarTag(calendar, dee) == tag) return &calendar;
  }
  return nullptr;
}

std::string_view CalendarName(const CalendarInfo& calendar, const DeeVersion& dee) {
  return calendar.name.empty() ? dee.name : calendar.name;
}

std::string_view CalendarTag(const CalendarInfo& calendar, const DeeVersion& dee) {
  return calendar.tag.empty() ? dee.designation : calendar.tag;
}

}  // namespace orv
