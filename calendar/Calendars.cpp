#include "calendar/Calendars.h"

#include "platform/almanor/almanor.h"

namespace orv {
namespace {

DateStatus AlmanorToJDN(DateRecord& date, const DeeVersion&) {
  almanor_date record{date.year, date.month, date.day, date.calendar, date.jdn, date.valid};
  const int32_t result = euro_date_to_jdn(&record);
  date.jdn = record.jdn;
  date.valid = record.valid;
  if (result == ALMANOR_OK) return DateStatus::kValid;
  return result == ALMANOR_OUT_OF_RANGE ? DateStatus::kOutOfRange : DateStatus::kNoSuchDate;
}

void AlmanorFromJDN(DateRecord& date, const DeeVersion&) {
  almanor_date record{date.year, date.month, date.day, date.calendar, date.jdn, date.valid};
  jdn_to_euro_date(&record);
  date.year = record.year;
  date.month = record.month;
  date.day = record.day;
}

DateStatus DeeToJDN(DateRecord& date, const DeeVersion& dee) {
  return DeeDateToJDNWithStatus(date, dee);
}

void DeeFromJDN(DateRecord& date, const DeeVersion& dee) { DeeJDNToDate(date, dee); }

}  // namespace

bool IsGregorianLeapYear(int32_t year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

bool IsJulianLeapYear(int32_t year) { return year % 4 == 0; }

const std::array<CalendarInfo, kCalendarCount> kCalendars = {{
    {kGregorianCode, 1, "gregorian", "Gregorian", "CE", "CE", true, IsGregorianLeapYear,
     AlmanorToJDN, AlmanorFromJDN},
    {kJulianCode, 2, "julian", "Julian", "JC", "JC", true, IsJulianLeapYear, AlmanorToJDN,
     AlmanorFromJDN},
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

const CalendarInfo* CalendarByName(std::string_view name) {
  constexpr std::string_view kProleptic = "Proleptic ";
  if (name.starts_with(kProleptic)) name.remove_prefix(kProleptic.size());
  return name.empty() ? nullptr : CalendarByCode(static_cast<unsigned char>(name.front()));
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
