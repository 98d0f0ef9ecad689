// Every day of the program's range in all four calendars. Labelled
// "exhaustive": not in the default run.
#include <climits>

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

}  // namespace
}  // namespace orv
