// Exhaustive walks, labelled "exhaustive": not in the default run.
//   - every day of the program's range (JDN -34,802,824 to 38,245,310),
//   - every day of the signed 32-bit range,
// in the Gregorian, Julian, Dee and Dee-Cecil calendars: each day's date is
// the day after the previous date, month and day are in range, the date
// converts back to the same number, and the weekday advances by one;
//   - every day of each other calendar's range, converted there and back.
#include <climits>
#include <string>
#include <thread>

#include "calendar/Calendars.h"
#include "calendar/Dee.h"
#include "tests/calendar/day_walk.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

constexpr int64_t kFirstProgramDay = -34802824;  // -99999-01-01 Gregorian
constexpr int64_t kLastProgramDay = 38245310;    // 100000-01-01 Gregorian

TEST(DaySweep, EveryDayOfTheProgramRangeInEachCalendar) {
  EXPECT_EQ(WalkDays(kGregorianCode, kDeeCecilVersion, kFirstProgramDay, kLastProgramDay), "");
  EXPECT_EQ(WalkDays(kJulianCode, kDeeCecilVersion, kFirstProgramDay, kLastProgramDay), "");
  EXPECT_EQ(WalkDays(kDeeCode, kDeeVersion, kFirstProgramDay, kLastProgramDay), "");
  EXPECT_EQ(WalkDays(kDeeCode, kDeeCecilVersion, kFirstProgramDay, kLastProgramDay), "");
}

TEST(DaySweep, EveryDayOfThe32BitRangeInEachCalendar) {
  struct Version {
    int32_t calendar;
    DeeVersion dee;
  };
  for (const Version version :
       {Version{kGregorianCode, kDeeCecilVersion}, Version{kJulianCode, kDeeCecilVersion},
        Version{kDeeCode, kDeeVersion}, Version{kDeeCode, kDeeCecilVersion}}) {
    // Two halves side by side, the second starting on the first's last day.
    const int64_t middle = 0;
    std::string faults[2];
    std::thread lower(
        [&] { faults[0] = WalkDays(version.calendar, version.dee, INT32_MIN, middle); });
    std::thread upper(
        [&] { faults[1] = WalkDays(version.calendar, version.dee, middle, INT32_MAX); });
    lower.join();
    upper.join();
    EXPECT_EQ(faults[0], "");
    EXPECT_EQ(faults[1], "");
  }
}

// Every day of each other calendar of the table, over its whole range: the
// date converts back to the same day (so no two days share a date).
std::string WalkCalendar(const CalendarInfo& calendar, int64_t first, int64_t last) {
  for (int64_t day = first; day <= last; ++day) {
    const auto jdn = static_cast<int32_t>(day);
    const CalendarDate date = DateOfDay(jdn, calendar);
    const DayResult back = DayNumberOf(date);
    if (!back || back.jdn != jdn) {
      return std::string(calendar.key) + " jdn " + std::to_string(day) + ": " +
             std::to_string(date.year) + "-" + std::to_string(date.month) + "-" +
             std::to_string(date.day);
    }
  }
  return {};
}

TEST(DaySweep, EveryDayOfEveryOtherCalendarsRange) {
  for (const CalendarInfo* row : Calendars()) {
    const CalendarInfo& calendar = *row;
    if (calendar.saved_index != 0) continue;  // walked above
    const int64_t middle = (int64_t{calendar.first_day} + calendar.last_day) / 2;
    std::string faults[2];
    std::thread lower([&] { faults[0] = WalkCalendar(calendar, calendar.first_day, middle); });
    std::thread upper([&] { faults[1] = WalkCalendar(calendar, middle + 1, calendar.last_day); });
    lower.join();
    upper.join();
    EXPECT_EQ(faults[0], "");
    EXPECT_EQ(faults[1], "");
  }
}

}  // namespace
}  // namespace orv
