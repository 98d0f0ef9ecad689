// The shared vocabulary of date text: month and weekday names, times of day
// from fractions of a day, rounding to the minute, and today's date. (The
// year-month-day text of a date is the core's YearMonthDayText.)
//
// Texts are UTF-8 std::string; nothing here uses a window or keeps state that
// changes after start-up.
//
//   DayOfWeekName(6);             // "Saturday"
//   TimeOfDayText(0.75, false);   // "18:00"
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "calendar/DateRecord.h"

namespace orv {

// Index 0 is empty; 1 "January" ... 12 "December", indexed by a record's month.
inline constexpr std::array<std::string_view, 13> MonthNames = {
    "",     "January", "February",  "March",   "April",    "May",     "June",
    "July", "August",  "September", "October", "November", "December"};

// "Sunday" ... "Saturday" for 0 to 6, empty for any other number.
std::string DayOfWeekName(int16_t day_of_week);

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

}  // namespace orv
