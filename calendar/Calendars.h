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
#include <optional>
#include <span>
#include <string_view>

#include "calendar/CalendarDate.h"
#include "calendar/DateRecord.h"
#include "calendar/Dee.h"

namespace orv {

// How a calendar writes its dates, beyond the common year-month-day text
// ("2000-01-01 CE") and month-name text ("January 1, 2000 CE").
enum class TextForm : uint8_t {
  kEra,         // month-name text with the era the user chose: "January 1, 2000 AD"
  kTag,         // month-name text with the tag: "Tishri 1, 5785 AM"
  kIsoWeek,     // "1999-W52-6"; "Saturday, week 52 of 1999"
  kRepublican,  // month-name text "1 Vendémiaire an II"
  kLegalYear,   // month-name text with the legal year beside the January year: "February 11,
                // 1731/32"
};

struct CalendarInfo {
  CalendarId id;  // its place in this table
  int32_t code;   // its letter in the Date record (DateRecord::calendar); 0: none
  // Its number in the saved setting "CalNdx", which is also its place in the
  // main window's calendar lists; 0 for the calendars not in them.
  int saved_index;
  std::string_view key;       // lower-case name for the command line: "revised-julian"
  std::string_view json_key;  // its key in JSON: "revised_julian"
  std::string_view name;      // "Gregorian"; the Dee calendar: its version's name
  std::string_view tag;       // year-month-day tag "CE"; the Dee calendar: its version's; ISO: none
  // What marks a typed year-month-day text as this calendar's when another
  // calendar is chosen: the tag, or for the Dee calendar "D" (both versions).
  std::string_view mark;
  bool tag_implied;  // a year-month-day date typed without a tag gets this one
  TextForm text_form;
  // The name of a month of a year ("Adar I" in a Hebrew leap year), empty for
  // a month the calendar does not have.
  std::string_view (*month_name)(int32_t year, int32_t month);
  bool (*is_leap_year)(int32_t year);
  std::string_view leap_rule;  // in words, one line of ASCII
  // Whether years and months can be added to its dates (a day past the
  // month's end becomes its last day); days and weeks can be added to all.
  bool adds_years_and_months;
  // The day numbers it dates, both included (DayNumberOf and DateOfDay
  // convert); every 32-bit day for the calendars without an epoch.
  int32_t first_day;
  int32_t last_day;
};

inline constexpr std::size_t kCalendarCount = 10;
extern const std::array<CalendarInfo, kCalendarCount> kCalendars;

// The calendars of the main window, the first rows of the table: its lists,
// its output rows, the tags its year-month-day box reads and what it saves.
inline constexpr std::size_t kMainCalendarCount = 3;
inline std::span<const CalendarInfo, kMainCalendarCount> MainCalendars() {
  return std::span(kCalendars).first<kMainCalendarCount>();
}

// Whether the calendar dates the day (its range).
inline bool Dates(const CalendarInfo& calendar, int32_t jdn) {
  return jdn >= calendar.first_day && jdn <= calendar.last_day;
}

// The day in the calendar; none outside its range.
std::optional<CalendarDate> DateIn(const CalendarInfo& calendar, int32_t jdn,
                                   const DeeVersion& dee);

// The row of a calendar.
inline const CalendarInfo& CalendarOf(CalendarId id) { return kCalendars[static_cast<size_t>(id)]; }

bool IsGregorianLeapYear(int32_t year);
bool IsJulianLeapYear(int32_t year);

// "January" ... "December" for 1 to 12, the month names of the calendars of
// Julian descent.
std::string_view RomanMonthName(int32_t year, int32_t month);

// Lookups; null when no calendar matches.
const CalendarInfo* CalendarByCode(int32_t code);
const CalendarInfo* CalendarBySavedIndex(int index);
const CalendarInfo* CalendarByKey(std::string_view key);
// Exact tag, with the Dee version's designation as the Dee tag, among the
// calendars given (the whole table unless the main window's are).
const CalendarInfo* CalendarByTag(std::string_view tag, const DeeVersion& dee,
                                  std::span<const CalendarInfo> among = kCalendars);

// The name ("Gregorian", "Julian", the Dee version's) and the tag.
std::string_view CalendarName(const CalendarInfo& calendar, const DeeVersion& dee);
std::string_view CalendarTag(const CalendarInfo& calendar, const DeeVersion& dee);

}  // namespace orv
