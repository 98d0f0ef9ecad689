#include "calendar/Region.h"

#include <array>
#include <string>
#include <tuple>

#include "calendar/Easter.h"
#include "calendar/England.h"
#include "platform/almanor/almanor_engine.h"

namespace orv {
namespace {

const RegionRules& RulesOf(const CalendarInfo& self) {
  return *static_cast<const RegionRules*>(self.rules);
}

bool Before(const YearMonthDay& a, const YearMonthDay& b) {
  return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

// Sweden's own calendar: from 1 March 1700, the day after 28 February, to
// 30 February 1712 its dates ran a day ahead of the Julian.
constexpr YearMonthDay kSwedishFirst{1700, 3, 1};
constexpr YearMonthDay kSwedishLast{1712, 2, 30};
constexpr int64_t kSwedishFirstDay = almanor::ToJDN(1700, 2, 29, false);
constexpr int64_t kSwedishLastDay = almanor::ToJDN(1712, 2, 29, false);

bool InSwedishYears(const RegionRules& rules, const YearMonthDay& date) {
  return rules.swedish && !Before(date, kSwedishFirst) && !Before(kSwedishLast, date);
}

bool IsJulianReckoning(const RegionRules& rules, const YearMonthDay& date) {
  return !Before(rules.last_julian, date);
}

DayResult RegionDayNumber(const CalendarInfo& self, int32_t year, int32_t month, int32_t day) {
  const RegionRules& rules = RulesOf(self);
  const YearMonthDay date{year, month, day};
  if (rules.swedish && year == 1700 && month == 2 && day == 29) return {};  // left out
  if (InSwedishYears(rules, date)) {
    if (year == 1712 && month == 2 && day == 30) return calendar_rows::Counted(kSwedishLastDay);
    if (!almanor::IsDate(year, month, day, false)) return {};
    return calendar_rows::Counted(almanor::ToJDN(year, month, day, false) - 1);
  }
  if (IsJulianReckoning(rules, date)) {
    if (!almanor::IsDate(year, month, day, false)) return {};
    return calendar_rows::Counted(almanor::ToJDN(year, month, day, false));
  }
  if (Before(date, rules.first_gregorian)) return {};  // the days the region skipped
  if (!almanor::IsDate(year, month, day, true)) return {};
  return calendar_rows::Counted(almanor::ToJDN(year, month, day, true));
}

YearMonthDay RegionDateOfDay(const CalendarInfo& self, int32_t jdn) {
  const RegionRules& rules = RulesOf(self);
  if (rules.swedish && jdn >= kSwedishFirstDay && jdn <= kSwedishLastDay) {
    if (jdn == kSwedishLastDay) return kSwedishLast;
    const almanor::Date found = almanor::FromJDN(jdn + 1, false);
    return {found.year, found.month, found.day};
  }
  const int64_t last_julian_day =
      almanor::ToJDN(rules.last_julian.year, rules.last_julian.month, rules.last_julian.day, false);
  const almanor::Date found = almanor::FromJDN(jdn, jdn > last_julian_day);
  return {found.year, found.month, found.day};
}

bool RegionLeap(const CalendarInfo& self, int32_t year) {
  const RegionRules& rules = RulesOf(self);
  if (rules.swedish && year == 1700) return false;  // its leap day left out
  return almanor::IsLeapYear(year, year > rules.last_julian.year);
}

int32_t RegionRowLegalYear(const CalendarInfo& self, const YearMonthDay& date) {
  return RegionLegalYear(RulesOf(self), date);
}

bool RegionJulianReckoning(const CalendarInfo& self, const YearMonthDay& date) {
  return IsJulianReckoning(RulesOf(self), date);
}

std::string_view RegionMonthName(const CalendarInfo& /*self*/, int32_t year, int32_t month) {
  return RomanMonthName(year, month);
}

}  // namespace

int32_t RegionLegalYear(const RegionRules& rules, const YearMonthDay& date) {
  for (const YearStartStyle& style : rules.year_starts) {
    if (date.year < style.first_year || date.year > style.last_year) continue;
    bool before_start = false;
    switch (style.start) {
      case YearStart::kJanuary:
        break;
      case YearStart::kAnnunciation:
        before_start = date.month < 3 || (date.month == 3 && date.day < 25);
        break;
      case YearStart::kMarch:
        before_start = date.month < 3;
        break;
      case YearStart::kEaster:
        if (const std::optional<CalendarDate> easter = JulianEaster(date.year)) {
          before_start = Before(date, {easter->year, easter->month, easter->day});
        }
        break;
    }
    return before_start ? date.year - 1 : date.year;
  }
  return date.year;
}

const RegionRules* RegionRulesOf(const CalendarInfo& calendar) {
  return calendar.day_number == RegionDayNumber ? &RulesOf(calendar) : nullptr;
}

bool WritesMoreVeneto(const CalendarInfo& calendar) {
  const RegionRules* rules = RegionRulesOf(calendar);
  if (rules == nullptr) return false;
  for (const YearStartStyle& style : rules->year_starts) {
    if (style.start == YearStart::kMarch) return true;
  }
  return false;
}

std::string YearStartText(const CalendarInfo& calendar) {
  if (calendar.id == CalendarId::kEngland) return std::string(kEnglandYearStart);
  const RegionRules* rules = RegionRulesOf(calendar);
  if (rules == nullptr) return {};
  std::string text;
  for (const YearStartStyle& style : rules->year_starts) {
    static constexpr std::array<std::string_view, 4> kDays = {
        "1 January", "25 March", "1 March, more veneto", "Easter Sunday"};
    text += kDays[static_cast<size_t>(style.start)];
    // The years that began on that day: a date before it in the January
    // years of the style belongs to the year before.
    text += " (years ";
    text += style.first_year > 1 ? std::to_string(style.first_year - 1) + " to " : "to ";
    text += std::to_string(style.last_year) + "), ";
  }
  return text.empty() ? "1 January" : text + "1 January otherwise";
}

bool IsRegion(const CalendarInfo& calendar) {
  return calendar.id == CalendarId::kEngland || RegionRulesOf(calendar) != nullptr;
}

std::vector<const CalendarInfo*> Regions() {
  std::vector<const CalendarInfo*> regions{&CalendarOf(CalendarId::kEngland)};
  for (const CalendarInfo* calendar : Calendars()) {
    if (RegionRulesOf(*calendar) != nullptr) regions.push_back(calendar);  // after England
  }
  return regions;
}

std::string_view ReckoningOf(const CalendarDate& date) {
  const CalendarInfo& calendar = CalendarOf(date.calendar);
  const RegionRules* rules = RegionRulesOf(calendar);
  if (rules != nullptr && InSwedishYears(*rules, {date.year, date.month, date.day})) {
    return "swedish";
  }
  return IsJulianReckoning(date) ? "julian" : "gregorian";
}

CalendarInfo RegionRow(const RegionRules& rules) {
  CalendarInfo row = FileRow(rules.key, rules.json_key, rules.name, rules.tag, &rules);
  row.text_form = TextForm::kLegalYear;
  row.month_name = RegionMonthName;
  row.is_leap_year = RegionLeap;
  row.leap_rule = rules.leap_words;
  row.adds_years_and_months = true;
  row.day_number = RegionDayNumber;
  row.date_of_day = RegionDateOfDay;
  row.legal_year = RegionRowLegalYear;
  row.julian_reckoning = RegionJulianReckoning;
  return row;
}

}  // namespace orv
