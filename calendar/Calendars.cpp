#include "calendar/Calendars.h"

#include <climits>

#include "calendar/Calendar.h"
#include "calendar/DatePr2.h"

namespace orv {

// The engine's rule, the one the conversions apply.
bool IsGregorianLeapYear(int32_t year) { return almanor::IsLeapYear(year, true); }

bool IsJulianLeapYear(int32_t year) { return almanor::IsLeapYear(year, false); }

std::string_view RomanMonthName(int32_t /*year*/, int32_t month) {
  return month >= 1 && month <= 12 ? MonthNames[static_cast<size_t>(month)] : std::string_view();
}

const std::array<CalendarInfo, kCalendarCount> kCalendars = {{
    {CalendarId::kGregorian, kGregorianCode, 1, "gregorian", "gregorian", "Gregorian", "CE", "CE",
     true, TextForm::kEra, RomanMonthName, IsGregorianLeapYear,
     "divisible by 4, except centuries not divisible by 400", true, INT32_MIN, INT32_MAX},
    {CalendarId::kJulian, kJulianCode, 2, "julian", "julian", "Julian", "JC", "JC", true,
     TextForm::kEra, RomanMonthName, IsJulianLeapYear, "divisible by 4", true, INT32_MIN,
     INT32_MAX},
    {CalendarId::kDee, kDeeCode, 3, "dee", "dee", "", "", "D", false, TextForm::kEra,
     RomanMonthName, IsDeeLeapYear, "8 in 33: years 4, 8, ..., 32 of each 33-year cycle", true,
     INT32_MIN, INT32_MAX},
}};

static_assert(static_cast<size_t>(CalendarId::kDee) == kCalendarCount - 1,
              "a row for every id, in the order of the ids");

std::optional<CalendarDate> DateIn(const CalendarInfo& calendar, int32_t jdn,
                                   const DeeVersion& dee) {
  if (!Dates(calendar, jdn)) return std::nullopt;
  return DateOfDay(jdn, calendar.id, dee);
}

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

const CalendarInfo* CalendarByTag(std::string_view tag, const DeeVersion& dee,
                                  std::span<const CalendarInfo> among) {
  for (const CalendarInfo& calendar : among) {
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
