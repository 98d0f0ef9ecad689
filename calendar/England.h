// The civil calendar of England (and of the British colonies): the Julian
// calendar up to Wednesday 2 September 1752, the Gregorian from Thursday 14
// September 1752; the eleven days between were never dated. Julian before and
// Gregorian after, as far as 32-bit day numbers go.
//
// Dates here are in January years: the year number changes on 1 January
// throughout. The legal year began on Lady Day, 25 March, from 1155 until the
// end of 1751, so a day of January to 24 March in those years belongs to the
// legal year before, and documents of the time carry that year. The program
// shows both ("February 11, 1731/32": legal year 1731, January year 1732);
// EnglandLegalYear gives the legal one.
//
//   EnglandDayNumber(1752, 9, 14);    // 2361222, the day after 1752-09-02
//   EnglandDateOfDay(2361221);        // {1752, 9, 2}
//   IsEnglandDate(1752, 9, 3);        // false
//   EnglandLegalYear(1732, 2, 11);    // 1731
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <string_view>

#include "calendar/DatePr2.h"
#include "calendar/YearMonthDay.h"
#include "platform/almanor/almanor_engine.h"

namespace orv {

inline constexpr int32_t kEnglandFirstDay = std::numeric_limits<int32_t>::min();
inline constexpr int32_t kEnglandLastDay = std::numeric_limits<int32_t>::max();
inline constexpr int32_t kEnglandLastJulianDay = 2361221;  // Wednesday 2 September 1752
static_assert(almanor::ToJDN(1752, 9, 2, false) == kEnglandLastJulianDay);
static_assert(almanor::ToJDN(1752, 9, 14, true) == kEnglandLastJulianDay + 1);

// Whether the date, if it exists, is reckoned in the Julian calendar: whether
// it comes before 14 September 1752. (The omitted days 3 to 13 September
// 1752 count as before; no day has those dates.)
constexpr bool IsEnglandJulianReckoning(int32_t year, int32_t month, int32_t day) {
  if (year != 1752) return year < 1752;
  return month < 9 || (month == 9 && day < 14);
}

// 1752 is a leap year in both calendars.
constexpr bool IsEnglandLeapYear(int32_t year) { return almanor::IsLeapYear(year, year >= 1752); }

// The day number of a date with month 1 to 12 and day 1 to 31, in 64 bits;
// the omitted days of 1752 run on from 2 September.
constexpr int64_t EnglandDayNumber(int32_t year, int32_t month, int32_t day) {
  return almanor::ToJDN(year, month, day, !IsEnglandJulianReckoning(year, month, day));
}

// Whether the date exists (not 3 to 13 September 1752; 29 February 1700 does,
// 29 February 1800 does not) and its day number is a 32-bit one.
constexpr bool IsEnglandDate(int32_t year, int32_t month, int32_t day) {
  const bool julian = IsEnglandJulianReckoning(year, month, day);
  if (julian && year == 1752 && month == 9 && day > 2) return false;
  return almanor::IsDate(year, month, day, !julian) &&
         almanor::FitsIn32Bits(EnglandDayNumber(year, month, day));
}

// The date of any 32-bit day number.
constexpr YearMonthDay EnglandDateOfDay(int32_t jdn) {
  const almanor::Date found = almanor::FromJDN(jdn, jdn > kEnglandLastJulianDay);
  return {found.year, found.month, found.day};
}

// The legal year of a date: from 25 March 1155 to 31 December 1751 a day from
// 1 January to 24 March belongs to the previous legal year (the year then
// began on Lady Day, 25 March); otherwise it is the January year. So 1155 ran
// from 1 January 1155 to 24 March 1156, and 1751 from 25 March to 31 December.
constexpr int32_t EnglandLegalYear(int32_t year, int32_t month, int32_t day) {
  const bool before_lady_day = month < 3 || (month == 3 && day < 25);
  return year >= 1156 && year <= 1751 && before_lady_day ? year - 1 : year;
}

// Index 0 empty; 1 "January" ... 12 "December".
inline constexpr std::array<std::string_view, 13> kEnglandMonthNames = MonthNames;

inline constexpr std::string_view kEnglandLeapRule =
    "Julian rule to 1751, Gregorian from 1752 (3-13 September 1752 omitted)";
// The day its legal year began on.
inline constexpr std::string_view kEnglandYearStart =
    "25 March (years 1155 to 1751), 1 January otherwise";

}  // namespace orv
