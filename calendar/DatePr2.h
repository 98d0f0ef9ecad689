// The shared vocabulary of date text: month and weekday names, the three date
// orders, times of day from fractions of a day, rounding to the minute, today's
// date, and the text of a Date record.
//
// Texts are UTF-8 std::string; nothing here uses a window or keeps state that
// changes after start-up.
//
//   DateRecord d{2000, 3, 20, kJulianCode, 0, 0};
//   DateText(d, DateOrderDMY, ".", ",", true);   // "20.03.2000 JC"
//   TimeOfDayText(0.75, false);                   // "18:00"
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "calendar/DateRecord.h"

namespace orv {

// Date-order codes.
inline constexpr int16_t DateOrderMDY = 0;  // month, day, year
inline constexpr int16_t DateOrderDMY = 1;  // day, month, year
inline constexpr int16_t DateOrderYMD = 2;  // year, month, day

// Index 0 is empty; 1 "January" ... 12 "December", indexed by a record's month.
inline constexpr std::array<std::string_view, 13> MonthNames = {
    "",     "January", "February",  "March",   "April",    "May",     "June",
    "July", "August",  "September", "October", "November", "December"};

// The tables above are compile-time constants, so start-up has nothing left
// to fill; the call stays part of the start-up sequence and may be repeated.
inline void InitDateTables() {}

// "Sunday" ... "Saturday" for 0 to 6 (German names with the German flag),
// empty for any other number. With pad, names shorter than "Wednesday" are
// padded with spaces to 9 characters.
std::string DayOfWeekName(int16_t day_of_week, bool pad = false, bool german = false);

// "hh:mm" or "hh:mm:ss" of a fraction of a day; "XX:XX:XX" outside [0, 1).
std::string TimeOfDayText(double day_fraction, bool with_seconds);

// "hh:mm" of the fractional part of a day number (x.75 gives "18:00").
std::string DayFractionTime(double day_number);

// Rounds a day number with fraction to the nearest minute (30 s rounds down);
// 23:59:30.5 and later become the next whole day.
void RoundToMinute(double& day_number);

// The current local date, Gregorian.
struct LocalDate {
  int32_t year;
  int32_t month;  // [1:12]
  int32_t day;    // [1:31]
};

// Where TodayDate reads the date; tests fix "today" through it. An empty
// function restores the system clock.
void SetLocalDateSource(std::function<LocalDate()> source);

// Year, month, day of today, calendar 'G', and its jdn and valid.
void TodayDate(DateRecord& date);
int32_t TodayJDN();

// The text of a record in the given order, joined by separator; years beyond
// +-9999 grouped with thousands_separator (not for calendar 'A', which is also
// always joined by "-"). A negative year is bracketed in day- or month-first
// order: 03-20-(-500). With tag: " AN" for 'A', " JC" for 'J', " CE" for 'G'.
std::string DateText(const DateRecord& date, int16_t order, std::string_view separator,
                     std::string_view thousands_separator, bool tag);

// The number text with the separator between groups of three digits, through
// the almanor library. An empty separator returns the text unchanged.
std::string SeparateThousands(std::string_view number, std::string_view separator);

// Cuts the text before its first NUL character.
void CutAtNul(std::string& text);

}  // namespace orv
