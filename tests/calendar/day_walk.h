// A walk over consecutive day numbers in one calendar: each day's date must
// be the day after the previous date, convert back to the same number, and
// fall on the weekday after the previous one.
#pragma once

#include <cstdint>
#include <sstream>
#include <string>

#include "calendar/Calendar.h"

namespace orv {

inline bool IsNextDay(const DateRecord& before, const DateRecord& after, const DeeVersion& dee) {
  if (after.year == before.year && after.month == before.month) {
    return after.day == before.day + 1;
  }
  DateRecord day_after_before{before.year, before.month, before.day + 1, before.calendar, 0, 0};
  DateToJDNWithStatus(day_after_before, dee);
  if (day_after_before.valid == 1 || after.day != 1) return false;  // the month had not ended
  if (before.month < 12) return after.year == before.year && after.month == before.month + 1;
  return after.year == before.year + 1 && after.month == 1;
}

// Walks [first, last] in the calendar of code calendar (and Dee version dee);
// returns a description of the first fault, or an empty text.
inline std::string WalkDays(int32_t calendar, const DeeVersion& dee, int64_t first, int64_t last) {
  DateRecord previous{0, 0, 0, calendar, static_cast<int32_t>(first), 0};
  JDNToDate(previous, dee);
  int previous_weekday = DayOfWeek(static_cast<int32_t>(first));
  for (int64_t day = first + 1; day <= last; ++day) {
    const auto jdn = static_cast<int32_t>(day);
    DateRecord date{0, 0, 0, calendar, jdn, 0};
    JDNToDate(date, dee);
    DateRecord back{date.year, date.month, date.day, calendar, 0, 0};
    DateToJDNWithStatus(back, dee);
    const int weekday = DayOfWeek(jdn);
    if (!IsNextDay(previous, date, dee) || back.valid != 1 || back.jdn != jdn ||
        weekday != (previous_weekday + 1) % 7) {
      std::ostringstream fault;
      fault << char(calendar) << " jdn " << day << ": " << previous.year << "-" << previous.month
            << "-" << previous.day << " then " << date.year << "-" << date.month << "-" << date.day;
      return fault.str();
    }
    previous = date;
    previous_weekday = weekday;
  }
  return {};
}

}  // namespace orv
