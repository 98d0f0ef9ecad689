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

namespace {

template <const auto& kNames>
std::string_view NameFromList(int32_t /*year*/, int32_t month) {
  return month >= 1 && static_cast<size_t>(month) < kNames.size()
             ? kNames[static_cast<size_t>(month)]
             : std::string_view();
}

std::string_view NoMonthName(int32_t /*year*/, int32_t /*month*/) { return {}; }

}  // namespace

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
    {CalendarId::kRevisedJulian, 0, 0, "revised-julian", "revised_julian", "Revised Julian", "RJ",
     "RJ", true, TextForm::kTag, RomanMonthName, IsRevisedJulianLeapYear, kRevisedJulianLeapRule,
     true, kRevisedJulianFirstDay, kRevisedJulianLastDay},
    {CalendarId::kIsoWeek, 0, 0, "iso-week", "iso_week", "ISO Week", "", "", false,
     TextForm::kIsoWeek, NoMonthName, IsIsoWeekLeapYear, kIsoWeekLeapRule, false, kIsoWeekFirstDay,
     kIsoWeekLastDay},
    {CalendarId::kHebrew, 0, 0, "hebrew", "hebrew", "Hebrew", "AM", "AM", true, TextForm::kTag,
     HebrewMonthName, IsHebrewLeapYear, kHebrewLeapRule, false, kHebrewFirstDay, kHebrewLastDay},
    {CalendarId::kIslamic, 0, 0, "islamic", "islamic", "Islamic", "AH", "AH", true, TextForm::kTag,
     NameFromList<kIslamicMonthNames>, IsIslamicLeapYear, kIslamicLeapRule, true, kIslamicFirstDay,
     kIslamicLastDay},
    {CalendarId::kPersian, 0, 0, "persian", "persian", "Persian", "AP", "AP", true, TextForm::kTag,
     NameFromList<kPersianMonthNames>, IsPersianLeapYear, kPersianLeapRule, true, kPersianFirstDay,
     kPersianLastDay},
    {CalendarId::kFrenchRepublican, 0, 0, "french-republican", "french_republican",
     "French Republican", "FR", "FR", true, TextForm::kRepublican,
     NameFromList<kFrenchRepublicanMonthNames>, IsFrenchRepublicanLeapYear,
     kFrenchRepublicanLeapRule, false, kFrenchRepublicanFirstDay, kFrenchRepublicanLastDay},
    {CalendarId::kEngland, 0, 0, "england", "england", "England", "EN", "EN", true,
     TextForm::kLegalYear, RomanMonthName, IsEnglandLeapYear, kEnglandLeapRule, false,
     kEnglandFirstDay, kEnglandLastDay},
}};

static_assert(static_cast<size_t>(CalendarId::kEngland) == kCalendarCount - 1,
              "a row for every id, in the order of the ids");

std::optional<CalendarDate> DateIn(const CalendarInfo& calendar, int32_t jdn,
                                   const DeeVersion& dee) {
  if (!Dates(calendar, jdn)) return std::nullopt;
  return DateOfDay(jdn, calendar.id, dee);
}

const CalendarInfo* CalendarByCode(int32_t code) {
  if (code == 0) return nullptr;  // the calendars without a record code
  for (const CalendarInfo& calendar : kCalendars) {
    if (calendar.code == code) return &calendar;
  }
  return nullptr;
}

const CalendarInfo* CalendarBySavedIndex(int saved_index) {
  if (saved_index == 0) return nullptr;  // none chosen; the other calendars have no index
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
  if (tag.empty()) return nullptr;  // the ISO week date has no tag
  for (const CalendarInfo& calendar : among) {
    if (CalendarTag(calendar, dee) == tag) return &calendar;
  }
  return nullptr;
}

std::string_view CalendarName(const CalendarInfo& calendar, const DeeVersion& dee) {
  return calendar.id == CalendarId::kDee ? dee.name : calendar.name;
}

std::string_view CalendarTag(const CalendarInfo& calendar, const DeeVersion& dee) {
  return calendar.id == CalendarId::kDee ? dee.designation : calendar.tag;
}

}  // namespace orv
