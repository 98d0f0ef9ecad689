#include "calendar/Calendar.h"

#include <gtest/gtest.h>

#include <climits>

#include "calendar/Dee.h"

namespace orv {
namespace {

TEST(Calendar, CalendarCodeChoosesTheConversion) {
  struct Case {
    int32_t calendar;
    DeeVersion dee;
    int32_t jdn;
  };
  // 2000-01-01 in each calendar: Gregorian, Julian, Dee, Dee-Cecil.
  const Case cases[] = {{kGregorianCode, kDeeCecilVersion, 2451545},
                        {kJulianCode, kDeeCecilVersion, 2451558},
                        {kDeeCode, kDeeVersion, 2451544},
                        {kDeeCode, kDeeCecilVersion, 2451545}};
  for (const Case& c : cases) {
    DateRecord date{2000, 1, 1, c.calendar, 0, 0};
    DateToJDNWithStatus(date, c.dee);
    EXPECT_EQ(date.valid, 1);
    EXPECT_EQ(date.jdn, c.jdn) << char(c.calendar) << " epoch " << c.dee.epoch;

    // The day numbers back to dates: every walked day, and the texts of
    // 2451545 in each calendar (core DateTexts).
    DateRecord back{0, 0, 0, c.calendar, c.jdn, 0};
    JDNToDate(back, c.dee);
    EXPECT_EQ(back.valid, c.calendar == kDeeCode ? 1 : 0) << "only the Dee branch sets valid";
  }
}

TEST(Calendar, StatusTellsNoSuchDateFromOutOfRange) {
  struct Case {
    DateRecord date;
    DateStatus status;
  };
  const Case cases[] = {
      {{1900, 2, 29, kGregorianCode, 5, 1}, DateStatus::kNoSuchDate},
      {{33, 2, 29, kDeeCode, 5, 1}, DateStatus::kNoSuchDate},
      {{2000, 65537, 1, kDeeCode, 5, 1}, DateStatus::kNoSuchDate},  // not January in 16 bits
      {{6000000, 1, 1, kGregorianCode, 5, 1}, DateStatus::kOutOfRange},
      {{INT32_MIN, 1, 1, kDeeCode, 5, 1}, DateStatus::kOutOfRange},
  };
  for (const Case& c : cases) {
    DateRecord date = c.date;
    EXPECT_EQ(DateToJDNWithStatus(date, kDeeCecilVersion), c.status)
        << date.year << " " << char(date.calendar);
    EXPECT_EQ(date.valid, 0);
    EXPECT_EQ(date.jdn, 5) << "jdn is left unchanged";
  }
}

}  // namespace
}  // namespace orv
