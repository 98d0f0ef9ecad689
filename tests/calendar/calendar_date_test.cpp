// Dates as values: the pure conversions and the table's rows.
#include "calendar/CalendarDate.h"

#include <gtest/gtest.h>

#include <climits>

#include "calendar/Calendars.h"

namespace orv {
namespace {

// The conversions are constexpr: a program may fix days at compile time.
static_assert(DayNumberOf({2000, 1, 1, CalendarId::kGregorian}, kDeeCecilVersion).jdn == 2451545);
static_assert(DayNumberOf({2000, 1, 2, CalendarId::kDee}, kDeeVersion).jdn == 2451545);
static_assert(DateOfDay(2451545, CalendarId::kJulian, kDeeCecilVersion) ==
              CalendarDate{1999, 12, 19, CalendarId::kJulian});
static_assert(!DayNumberOf({1900, 2, 29, CalendarId::kGregorian}, kDeeCecilVersion));

TEST(CalendarDate, EveryCalendarConvertsBothWaysToTheEndsOfThe32BitRange) {
  for (const CalendarInfo& calendar : kCalendars) {
    EXPECT_EQ(&CalendarOf(calendar.id), &calendar) << "the table is in the order of the ids";
    for (const DeeVersion& dee : kDeeVersions) {
      for (const int32_t jdn : {INT32_MIN, calendar.first_day, -1, 0, 2299161, INT32_MAX}) {
        if (!Dates(calendar, jdn)) continue;
        const CalendarDate date = DateOfDay(jdn, calendar.id, dee);
        EXPECT_EQ(date.calendar, calendar.id);
        const DayResult back = DayNumberOf(date, dee);
        EXPECT_EQ(back.status, DateStatus::kValid) << calendar.key << " " << jdn;
        EXPECT_EQ(back.jdn, jdn) << calendar.key;
      }
      // One day past the end names no 32-bit day.
      CalendarDate last = DateOfDay(INT32_MAX, calendar.id, dee);
      last.day += 1;
      if (DayNumberOf(last, dee).status != DateStatus::kNoSuchDate) {  // not past a month's end
        EXPECT_EQ(DayNumberOf(last, dee).status, DateStatus::kOutOfRange) << calendar.key;
      }
    }
  }
}

}  // namespace
}  // namespace orv
