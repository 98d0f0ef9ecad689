// Dates as values: the pure conversions and the table's rows.
#include "calendar/CalendarDate.h"

#include <gtest/gtest.h>

#include <climits>

#include "calendar/Calendars.h"

namespace orv {
namespace {

TEST(CalendarDate, TheRowsConvertTheirOwnCalendar) {
  EXPECT_EQ(DayNumberOf({2000, 1, 1, CalendarId::kGregorian}).jdn, 2451545);
  EXPECT_EQ(DayNumberOf({2000, 1, 2, CalendarId::kDee}).jdn, 2451545);
  EXPECT_EQ(DayNumberOf({2000, 1, 1, CalendarId::kDeeCecil}).jdn, 2451545);
  EXPECT_EQ(DateOfDay(2451545, CalendarId::kJulian),
            (CalendarDate{1999, 12, 19, CalendarId::kJulian}));
  EXPECT_FALSE(DayNumberOf({1900, 2, 29, CalendarId::kGregorian}));
}

TEST(CalendarDate, EveryCalendarConvertsBothWaysToTheEndsOfThe32BitRange) {
  for (const CalendarInfo* row : Calendars()) {
    const CalendarInfo& calendar = *row;
    EXPECT_EQ(&CalendarOf(calendar.id), &calendar) << "the table is in the order of the ids";
    for (const int32_t jdn : {INT32_MIN, calendar.first_day, -1, 0, 2299161, INT32_MAX}) {
      if (!Dates(calendar, jdn)) continue;
      const CalendarDate date = DateOfDay(jdn, calendar);
      EXPECT_EQ(date.calendar, calendar.id);
      const DayResult back = DayNumberOf(date);
      EXPECT_EQ(back.status, DateStatus::kValid) << calendar.key << " " << jdn;
      EXPECT_EQ(back.jdn, jdn) << calendar.key;
    }
    // One day past the end names no 32-bit day.
    CalendarDate last = DateOfDay(INT32_MAX, calendar);
    last.day += 1;
    if (DayNumberOf(last).status != DateStatus::kNoSuchDate) {  // not past a month's end
      EXPECT_EQ(DayNumberOf(last).status, DateStatus::kOutOfRange) << calendar.key;
    }
  }
}

// The rule AddCalendar keeps for the rows it adds holds for the built-in
// ones: no tag beyond the main window's holds one of their marks.
TEST(CalendarDate, NoOtherTagHoldsTheMarkOfAMainWindowCalendar) {
  for (const CalendarInfo& calendar : kBuiltInCalendars) {
    if (calendar.saved_index != 0) continue;
    for (const CalendarInfo* main : MainCalendars()) {
      EXPECT_EQ(calendar.tag.find(main->mark), std::string_view::npos) << calendar.key;
    }
  }
}

// The Dee calendar is two rows; the version in force picks the one shown
// wherever the program lists its calendars, under the Dee calendar's key.
TEST(CalendarDate, TheDeeVersionInForceStandsForTheDeeCalendar) {
  for (const DeeVersion& dee : kDeeVersions) {
    const CalendarInfo& row = DeeRow(dee);
    EXPECT_EQ(row.tag, dee.designation);
    EXPECT_EQ(row.epoch, dee.epoch);
    EXPECT_EQ(&InForce(CalendarOf(CalendarId::kDee), dee), &row);
    EXPECT_EQ(&InForce(CalendarOf(CalendarId::kJulian), dee), &CalendarOf(CalendarId::kJulian));
    const std::vector<const CalendarInfo*> listed = CalendarsInForce(dee);
    ASSERT_EQ(listed.size(), kBuiltInCalendarCount - 1);
    EXPECT_EQ(listed[2], &row);
    EXPECT_EQ(ListedKey(*listed[2]), "dee");
    EXPECT_EQ(ListedJsonKey(*listed[2]), "dee");
    EXPECT_EQ(CalendarByKey("dee", dee), &row);
    EXPECT_EQ(CalendarByTag(dee.designation, dee), &row);
    EXPECT_EQ(MainCalendarByTag(dee.designation, dee), &CalendarOf(CalendarId::kDee));
  }
  EXPECT_EQ(CalendarByTag("D", kDeeCecilVersion), nullptr);  // the version not in force
  EXPECT_EQ(CalendarByKey("dee-cecil", kDeeCecilVersion), nullptr);
  std::vector<std::string_view> compared;
  for (const CalendarInfo* calendar : ComparedCalendars()) compared.push_back(calendar->json_key);
  EXPECT_EQ(compared, (std::vector<std::string_view>{"julian", "gregorian", "revised_julian", "dee",
                                                     "dee_cecil", "persian", "england"}));
}

}  // namespace
}  // namespace orv
