// A walk over consecutive day numbers in one calendar: each day's date must
// be the day after the previous date, convert back to the same number, and
// fall on the weekday after the previous one.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "calendar/Calendar.h"

namespace orv {

inline bool IsNextDay(const DateRecord& before, const DateRecord& after) {
  DateRecord day_after_before{before.year, before.month, before.day + 1, before.calendar, 0, 0};
  DateToJDN(day_after_before);
  const bool month_ended = day_after_before.valid != 1;
  if (!month_ended) {
    return after.year == before.year && after.month == before.month && after.day == before.day + 1;
  }
  if (after.day != 1) return false;
  if (before.month < 12) return after.year == before.year && after.month == before.month + 1;
  return after.year == before.year + 1 && after.month == 1;
}

// Walks [first, last] in the calendar of code calendar; stops at the first fault.
inline void WalkDays(int32_t calendar, int64_t first, int64_t last) {
  DateRecord previous{0, 0, 0, calendar, static_cast<int32_t>(first), 0};
  JDNToDate(previous);
  for (int64_t jdn = first; jdn <= last; ++jdn) {
    DateRecord date{0, 0, 0, calendar, static_cast<int32_t>(jdn), 0};
    JDNToDate(date);
    DateRecord back{date.year, date.month, date.day, calendar, 0, 0};
    DateToJDN(back);
    ASSERT_EQ(back.valid, 1) << char(calendar) << " jdn " << jdn;
    ASSERT_EQ(back.jdn, jdn) << char(calendar) << " " << date.year << "-" << date.month << "-"
                             << date.day;
    if (jdn > first) {
      ASSERT_TRUE(IsNextDay(previous, date))
          << char(calendar) << " jdn " << jdn << ": " << previous.year << "-" << previous.month
          << "-" << previous.day << " then " << date.year << "-" << date.month << "-" << date.day;
      ASSERT_EQ(DayOfWeek(static_cast<int32_t>(jdn)),
                (DayOfWeek(static_cast<int32_t>(jdn - 1)) + 1) % 7);
    }
    previous = date;
  }
}

}  // namespace orv
