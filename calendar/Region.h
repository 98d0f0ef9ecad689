// A region's civil calendar as its records were dated: the Julian calendar
// up to the region's last Julian day, the Gregorian from its first Gregorian
// day (the days between were never dated there), and the day its year began
// over the centuries. England is the table's own row; the other regions are
// read from a data file at start (core/RegionFile) and added to the table.
//
// Dates are in January years (the year number changes on 1 January); the
// legal year a source wrote is LegalYearOf's ("February 10, 1749/50").
// Sweden kept a calendar of its own from 1700 to 1712: the Julian leap day of
// 1700 was left out (a day ahead of the Julian), and 30 February 1712 added
// (back to it).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/Calendars.h"

namespace orv {

// The day a year began: 1 January, or, in the years of a style, a later day
// whose days before it belong to the year before: 25 March (the
// Annunciation), 1 March (more veneto) or Easter Sunday (Easter style).
enum class YearStart { kJanuary, kAnnunciation, kMarch, kEaster };
struct YearStartStyle {
  YearStart start = YearStart::kJanuary;
  int32_t first_year = INT32_MIN;  // the January years it was kept in
  int32_t last_year = INT32_MAX;
};

struct RegionRules {
  std::string key, json_key, name, tag;
  YearMonthDay last_julian;      // the region's last Julian date
  YearMonthDay first_gregorian;  // its first Gregorian date
  bool swedish = false;          // Sweden's calendar of 1700-1712
  std::vector<YearStartStyle> year_starts;
  std::string leap_words;
};

// The legal year of a January-year date in the region.
int32_t RegionLegalYear(const RegionRules& rules, const YearMonthDay& date);

// The row of the region (its texts in `rules`, which must outlive it).
CalendarInfo RegionRow(const RegionRules& rules);

// The rules of a region's row; none for any other row.
const RegionRules* RegionRulesOf(const CalendarInfo& calendar);

// Whether the calendar is a region whose year began on 1 March (Venice): its
// records wrote the day first and their dual years more veneto,
// "1 February 1700/01 m.v.".
bool WritesMoreVeneto(const CalendarInfo& calendar);

// Whether the row is a region's: England's or one read from the regions' file.
bool IsRegion(const CalendarInfo& calendar);

// The day a region's year began on, over the centuries: "1 March, more
// veneto (years to 1797), 1 January otherwise"; empty for a calendar that is
// no region's.
std::string YearStartText(const CalendarInfo& calendar);

// Every region of the table: England first, then the regions read at start,
// in the order of their file.
std::vector<const CalendarInfo*> Regions();

// What a date of the table is reckoned by: "gregorian", "julian", or
// "swedish" (Sweden's dates of 1 March 1700 to 30 February 1712).
std::string_view ReckoningOf(const CalendarDate& date);

}  // namespace orv
