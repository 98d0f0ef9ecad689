// The calendars the program knows, as data: one row each, in the order of the
// calendar lists. Input checks, output rows, lists, saved settings and the
// command line iterate this table; adding a calendar is one new row, its id
// (calendar/CalendarDate.h) and its conversions there.
//
//   const CalendarInfo& julian = CalendarOf(CalendarId::kJulian);
//   CalendarTag(julian, kDeeCecilVersion);         // "JC"
//   CalendarByTag("DC", kDeeCecilVersion)->id;     // CalendarId::kDee
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "calendar/CalendarDate.h"
#include "calendar/DateRecord.h"
#include "calendar/Dee.h"

namespace orv {

// Month names, index 0 empty: 1 "January" ... 12 "December".
using MonthNameList = std::array<std::string_view, 13>;

struct CalendarInfo {
  CalendarId id;  // its place in this table
  int32_t code;   // its letter in the Date record (DateRecord::calendar)
  // Its number in the saved setting "CalNdx" (0 = none), which is also its
  // place in the windows' calendar lists.
  int saved_index;
  std::string_view key;   // lower-case name for the command line and JSON
  std::string_view name;  // "Gregorian"; empty: the Dee version's name
  std::string_view tag;   // year-month-day tag "CE"; empty: the Dee version's designation
  // What marks a typed year-month-day text as this calendar's when another
  // calendar is chosen: the tag, or for the Dee calendar "D" (both versions).
  std::string_view mark;
  bool tag_implied;  // a year-month-day date typed without a tag gets this one
  const MonthNameList* month_names;
  bool (*is_leap_year)(int32_t year);
  // The day numbers it dates, both included (DayNumberOf and DateOfDay
  // convert); every 32-bit day for these three.
  int32_t first_day;
  int32_t last_day;
};

inline constexpr std::size_t kCalendarCount = 3;
extern const std::array<CalendarInfo, kCalendarCount> kCalendars;

// The row of a calendar.
inline const CalendarInfo& CalendarOf(CalendarId id) { return kCalendars[static_cast<size_t>(id)]; }

bool IsGregorianLeapYear(int32_t year);
bool IsJulianLeapYear(int32_t year);

// Lookups; null when no calendar matches.
const CalendarInfo* CalendarByCode(int32_t code);
const CalendarInfo* CalendarBySavedIndex(int index);
const CalendarInfo* CalendarByKey(std::string_view key);
// Exact tag, with the Dee version's designation as the Dee tag.
const CalendarInfo* CalendarByTag(std::string_view tag, const DeeVersion& dee);

// The name ("Gregorian", "Julian", the Dee version's) and the tag.
std::string_view CalendarName(const CalendarInfo& calendar, const DeeVersion& dee);
std::string_view CalendarTag(const CalendarInfo& calendar, const DeeVersion& dee);

}  // namespace orv
