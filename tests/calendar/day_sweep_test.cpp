// Exhaustive walks, labelled "exhaustive": not in the default run.
//   - every day of the program's range (JDN -34,802,824 to 38,245,310),
//   - every day of the signed 32-bit range,
// in the Gregorian, Julian, Dee and Dee-Cecil calendars: each day's date is
// the day after the previous date, month and day are in range, the date
// converts back to the same number, and the weekday advances by one.
#include <atomic>
#include <climits>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>

#include "calendar/Dee.h"
#include "tests/calendar/day_walk.h"

namespace orv {
namespace {

constexpr int64_t kFirstProgramDay = -34802824;  // -99999-01-01 Gregorian
constexpr int64_t kLastProgramDay = 38245310;    // 100000-01-01 Gregorian

TEST(DaySweep, EveryDayOfTheProgramRangeInEachCalendar) {
  WalkDays(kGregorianCode, kFirstProgramDay, kLastProgramDay);
  WalkDays(kJulianCode, kFirstProgramDay, kLastProgramDay);
  SetDeeEpoch(kDeeEpoch);
  WalkDays(kDeeCode, kFirstProgramDay, kLastProgramDay);
  SetDeeEpoch(kDeeCecilEpoch);
  WalkDays(kDeeCode, kFirstProgramDay, kLastProgramDay);
}

// A lean walk for four billion days: returns a description of the first
// fault, or an empty text.
std::string WalkQuickly(int32_t calendar, int64_t first, int64_t last) {
  DateRecord previous{0, 0, 0, calendar, static_cast<int32_t>(first), 0};
  JDNToDate(previous);
  int previous_weekday = DayOfWeek(static_cast<int32_t>(first));
  for (int64_t day = first + 1; day <= last; ++day) {
    const auto jdn = static_cast<int32_t>(day);
    DateRecord date{0, 0, 0, calendar, jdn, 0};
    JDNToDate(date);
    bool ok = date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 31;
    if (ok && date.year == previous.year && date.month == previous.month) {
      ok = date.day == previous.day + 1;
    } else if (ok) {
      ok = date.day == 1 && IsNextDay(previous, date);
    }
    DateRecord back{date.year, date.month, date.day, calendar, 0, 0};
    DateToJDN(back);
    ok = ok && back.valid == 1 && back.jdn == jdn;
    const int weekday = DayOfWeek(jdn);
    ok = ok && weekday == (previous_weekday + 1) % 7;
    if (!ok) {
      std::ostringstream fault;
      fault << char(calendar) << " jdn " << day << ": " << date.year << "-" << date.month << "-"
            << date.day;
      return fault.str();
    }
    previous = date;
    previous_weekday = weekday;
  }
  return {};
}

TEST(DaySweep, EveryDayOfThe32BitRangeInEachCalendar) {
  struct Version {
    int32_t calendar;
    int32_t epoch;
  };
  for (const Version version :
       {Version{kGregorianCode, kDeeCecilEpoch}, Version{kJulianCode, kDeeCecilEpoch},
        Version{kDeeCode, kDeeEpoch}, Version{kDeeCode, kDeeCecilEpoch}}) {
    SetDeeEpoch(version.epoch);
    // Two halves side by side, the second starting on the first's last day.
    const int64_t middle = 0;
    std::string faults[2];
    std::thread lower([&] { faults[0] = WalkQuickly(version.calendar, INT32_MIN, middle); });
    std::thread upper([&] { faults[1] = WalkQuickly(version.calendar, middle, INT32_MAX); });
    lower.join();
    upper.join();
    EXPECT_EQ(faults[0], "");
    EXPECT_EQ(faults[1], "");
  }
  SetDeeEpoch(kDeeCecilEpoch);
}

}  // namespace
}  // namespace orv
