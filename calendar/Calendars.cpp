#include "calendar/Calendars.h"

#include <algorithm>
#include <climits>

#include "calendar/Calendar.h"
#include "calendar/DatePr2.h"
#include "calendar/Dee.h"
#include "calendar/England.h"
#include "calendar/FrenchRepublican.h"
#include "calendar/Hebrew.h"
#include "calendar/Islamic.h"
#include "calendar/IsoWeek.h"
#include "calendar/Persian.h"
#include "calendar/Proposal.h"
#include "calendar/RevisedJulian.h"
#include "platform/almanor/almanor_engine.h"

namespace orv {

// The engine's rule, the one the conversions apply.
bool IsGregorianLeapYear(int32_t year) { return almanor::IsLeapYear(year, true); }

bool IsJulianLeapYear(int32_t year) { return almanor::IsLeapYear(year, false); }

std::string_view RomanMonthName(int32_t /*year*/, int32_t month) {
  return month >= 1 && month <= 12 ? MonthNames[static_cast<size_t>(month)] : std::string_view();
}

namespace {

// The table: every row in order, the rows added at run time, and what they
// keep for their functions.
struct CalendarTable {
  std::vector<const CalendarInfo*> rows = [] {
    std::vector<const CalendarInfo*> built_in;
    built_in.reserve(kBuiltInCalendars.size());
    for (const CalendarInfo& row : kBuiltInCalendars) built_in.push_back(&row);
    return built_in;
  }();
  std::deque<CalendarInfo> added;
  std::vector<std::shared_ptr<const void>> kept_rules;
};

// The program's one calendar table: the built-in rows, and those added at
// start-up (calendars defined outside the program).
CalendarTable& TheCalendarTable() {
  static CalendarTable table;
  return table;
}

}  // namespace

const std::vector<const CalendarInfo*>& Calendars() { return TheCalendarTable().rows; }

const CalendarInfo& AddedCalendarAt(size_t index) {
  return TheCalendarTable().added[index - kBuiltInCalendarCount];
}

AddedCalendar AddCalendar(CalendarInfo row, std::shared_ptr<const void> rules) {
  CalendarTable& table = TheCalendarTable();
  if (row.key.empty() || row.json_key.empty() || row.name.empty() || row.day_number == nullptr ||
      row.date_of_day == nullptr || row.month_name == nullptr || row.is_leap_year == nullptr) {
    return {nullptr, "a calendar needs a key, a JSON key, a name and its conversions"};
  }
  const bool capitals = std::ranges::all_of(row.tag, [](char c) { return c >= 'A' && c <= 'Z'; });
  if (row.tag.size() < 2 || row.tag.size() > 3 || !capitals) {
    return {nullptr, "a tag is two or three capital letters"};
  }
  // A date of the main window's calendars is known by its mark anywhere in
  // the text ("D" in "2000-01-01 DC"): a tag holding one would read as theirs.
  for (const CalendarInfo* main : MainCalendars()) {
    if (row.tag.find(main->mark) != std::string_view::npos) {
      return {nullptr, "the tag " + std::string(row.tag) + " holds " + std::string(main->mark) +
                           ", which marks a date of the " + std::string(main->name) + " calendar"};
    }
  }
  for (const CalendarInfo* other_row : table.rows) {
    const CalendarInfo& other = *other_row;
    if (other.key == row.key || other.json_key == row.json_key) {
      return {nullptr, "the key " + std::string(row.key) + " is the " + std::string(other.name) +
                           " calendar's"};
    }
    if (!row.tag.empty() && (other.tag == row.tag || other.mark == row.tag)) {
      return {nullptr, "the tag " + std::string(row.tag) + " is the " + std::string(other.name) +
                           " calendar's"};
    }
  }
  row.id = static_cast<CalendarId>(table.rows.size());
  row.code = 0;  // the Date record knows only its three calendars
  row.saved_index = 0;
  row.version_of = row.id;
  if (row.compared != 0) {
    int last = 0;
    for (const CalendarInfo* other : table.rows) last = std::max(last, other->compared);
    row.compared = last + 1;
  }
  row.rules = rules.get();
  if (rules) table.kept_rules.push_back(std::move(rules));
  table.added.push_back(row);
  table.rows.push_back(&table.added.back());
  return {table.rows.back(), {}};
}

std::array<const CalendarInfo*, kMainCalendarCount> MainCalendars() {
  return {&CalendarOf(CalendarId::kGregorian), &CalendarOf(CalendarId::kJulian),
          &CalendarOf(CalendarId::kDee)};
}

namespace {

// Every region when `region` is none and `regions` is set.
std::vector<const CalendarInfo*> ListedInForce(const DeeVersion& dee, bool definitions,
                                               bool regions, const CalendarInfo* region) {
  std::vector<const CalendarInfo*> listed;
  for (const CalendarInfo* calendar : Calendars()) {
    // A calendar of versions is listed once, where its first row stands.
    if (calendar->version_of != calendar->id) continue;
    if (calendar->on_request) {
      const bool definition = ProposalRulesOf(*calendar) != nullptr;
      if (definition ? !definitions : (!regions && calendar != region)) continue;
    }
    listed.push_back(&InForce(*calendar, dee));
  }
  return listed;
}

}  // namespace

std::vector<const CalendarInfo*> CalendarsInForce(const DeeVersion& dee, CalendarListing listing) {
  return ListedInForce(dee, listing.definitions, false, listing.region);
}

std::vector<const CalendarInfo*> EveryCalendarInForce(const DeeVersion& dee) {
  return ListedInForce(dee, true, true, nullptr);
}

std::string_view ListedKey(const CalendarInfo& calendar) {
  return CalendarOf(calendar.version_of).key;
}

std::string_view ListedJsonKey(const CalendarInfo& calendar) {
  return CalendarOf(calendar.version_of).json_key;
}

bool IsVersion(const CalendarInfo& calendar) {
  const CalendarId head = calendar.version_of;
  return std::ranges::any_of(Calendars(), [&](const CalendarInfo* other) {
    return other->version_of == head && other != &calendar;
  });
}

std::vector<const CalendarInfo*> ComparedCalendars(bool with_definitions) {
  std::vector<const CalendarInfo*> compared;
  for (const CalendarInfo* calendar : Calendars()) {
    if (!with_definitions && calendar->on_request) continue;
    if (calendar->compared != 0) compared.push_back(calendar);
  }
  std::ranges::sort(compared, {}, &CalendarInfo::compared);
  return compared;
}

std::optional<CalendarDate> DateIn(const CalendarInfo& calendar, int32_t jdn) {
  if (!Dates(calendar, jdn)) return std::nullopt;
  return DateOfDay(jdn, calendar);
}

int32_t LegalYearOf(const CalendarDate& date) {
  const CalendarInfo& calendar = CalendarOf(date.calendar);
  if (calendar.legal_year == nullptr) return date.year;
  return calendar.legal_year(calendar, {date.year, date.month, date.day});
}

bool IsJulianReckoning(const CalendarDate& date) {
  const CalendarInfo& calendar = CalendarOf(date.calendar);
  return calendar.julian_reckoning != nullptr &&
         calendar.julian_reckoning(calendar, {date.year, date.month, date.day});
}

const CalendarInfo* CalendarByCode(int32_t code) {
  if (code == 0) return nullptr;  // the calendars without a record code
  for (const CalendarInfo* calendar : Calendars()) {
    if (calendar->code == code) return calendar;
  }
  return nullptr;
}

const CalendarInfo* CalendarBySavedIndex(int saved_index) {
  if (saved_index == 0) return nullptr;  // none chosen; the other calendars have no index
  for (const CalendarInfo* calendar : Calendars()) {
    if (calendar->saved_index == saved_index) return calendar;
  }
  return nullptr;
}

const CalendarInfo* CalendarByKey(std::string_view key, const DeeVersion& dee) {
  for (const CalendarInfo* calendar : EveryCalendarInForce(dee)) {
    if (ListedKey(*calendar) == key) return calendar;
  }
  return nullptr;
}

const CalendarInfo* CalendarByTag(std::string_view tag, const DeeVersion& dee) {
  if (tag.empty()) return nullptr;  // the ISO week date has no tag
  for (const CalendarInfo* calendar : EveryCalendarInForce(dee)) {
    if (calendar->tag == tag) return calendar;
  }
  return nullptr;
}

const CalendarInfo* MainCalendarByTag(std::string_view tag, const DeeVersion& dee) {
  if (tag.empty()) return nullptr;
  for (const CalendarInfo* calendar : MainCalendars()) {
    if (InForce(*calendar, dee).tag == tag) return calendar;
  }
  return nullptr;
}

std::string_view CalendarName(const CalendarInfo& calendar, const DeeVersion& dee) {
  return InForce(calendar, dee).name;
}

std::string_view CalendarTag(const CalendarInfo& calendar, const DeeVersion& dee) {
  return InForce(calendar, dee).tag;
}

}  // namespace orv
