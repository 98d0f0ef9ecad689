#include "calendar/Calendars.h"

#include <climits>

#include "calendar/Calendar.h"
#include "calendar/DatePr2.h"

namespace orv {

// The engine's rule, the one the conversions apply.
bool IsGregorianLeapYear(int32_t year) { return almanor::IsLeapYear(year, true); }

bool IsJulianLeapYear(int32_t year) { return almanor::IsLeapYear(year, false); }

const std::array<CalendarInfo, kCalendarCount> kCalendars = {{
    {CalendarId::kGregorian, kGregorianCode, 1, "gregorian", "Gregorian", "CE", "CE", true,
     &MonthNames, IsGregorianLeapYear, INT32_MIN, INT32_MAX},
    {CalendarId::kJulian, kJulianCode, 2, "julian", "Julian", "JC", "JC", true, &MonthNames,
     IsJulianLeapYear, INT32_MIN, INT32_MAX},
    {CalendarId::kDee, kDeeCode, 3, "dee", "", "", "D", false, &MonthNames, IsDeeLeapYear,
     INT32_MIN, INT32_MAX},
}};

static_assert(static_cast<size_t>(CalendarId::kDee) == kCalendarCount - 1,
              "a row for every id, in the order of the ids");

const CalendarInfo* CalendarByCode(int32_t code) {
  for (const CalendarInfo& calendar : kCalendars) {
    if (calendar.code == code) return &calendar;
  }
  return nullptr;
}

const CalendarInfo* CalendarBySavedIndex(int saved_index) {
  for (const CalendarInfo& calendar : kCalendars) {
    if (calendar.saved_index == saved_index) return &calendar;
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
