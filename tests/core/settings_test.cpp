// The three settings: what Quit saves and what start-up restores.
#include "core/Settings.h"

#include <gtest/gtest.h>
#include "tests/PrintQString.h"

namespace orv {
namespace {

TEST(Settings, WhatQuitSaves) {
  struct Case {
    const char* jdn_box;
    std::optional<Notation> notation;
    std::array<int, 2> calendars;
    bool gregorian_bold, julian_bold;
    const char* jdn;
    const char* calendar_index;
  };
  constexpr int kNoCalendar = 0, kGregorian = 1, kJulian = 2, kDee = 3, kSunday = 4;
  const Case cases[] = {
      {"2,451,545", Notation::kMonthDayYear, {kJulian, kNoCalendar}, false, false, "2451545", "2"},
      {"-1 721 426", Notation::kYearMonthDay, {kGregorian, kDee}, false, false, "-1721426", "-3"},
      {"", std::nullopt, {kGregorian, kDee}, false, false, "0", "0"},
      {"2.451.558", Notation::kMonthDayYear, {kSunday + 5, 0}, false, true, "2451558", "2"},
      {"", Notation::kMonthDayYear, {kSunday, 0}, false, false, "0", "4"},
  };
  for (const Case& c : cases) {
    const SettingsToSave s = SettingsFor(c.jdn_box, c.notation, c.calendars, c.gregorian_bold,
                                         c.julian_bold, kDeeVersion);
    EXPECT_EQ(s.jdn, c.jdn) << c.jdn_box;
    EXPECT_EQ(s.calendar_index, c.calendar_index) << c.jdn_box;
    EXPECT_EQ(s.dee, "D");
  }
}

TEST(Settings, WhatStartUpRestores) {
  EXPECT_EQ(RestorableJDN("-34802824"), -34802824);
  EXPECT_EQ(RestorableJDN("38245309"), 38245309);
  EXPECT_EQ(RestorableJDN("38245310"), std::nullopt);
  EXPECT_EQ(RestorableJDN("-34802825"), std::nullopt);
  EXPECT_EQ(RestorableJDN("0"), std::nullopt);
  EXPECT_EQ(RestorableJDN("2451545.5"), 2451546) << "rounded, halves to even";
  EXPECT_EQ(RestorableJDN("12abc"), std::nullopt) << "a value of another shape is ignored";
  const std::optional<QString> absent;
  EXPECT_EQ(RestoreSettings("2451545", "-3", "D").calendar, CalendarByCode(kDeeCode));
  EXPECT_EQ(RestoreSettings("2451545", "2", "DC").calendar, CalendarByCode(kJulianCode));
  EXPECT_EQ(RestoreSettings("2451545", "4", "D").calendar, nullptr);
  EXPECT_EQ(RestoreSettings("2451545", "4", "D").dee, kDeeVersion) << "restored up to the list";
  EXPECT_EQ(RestoreSettings("2451545", "1", "x").dee, kDeeCecilVersion);
  EXPECT_EQ(RestoreSettings("2451545", absent, "D").dee, std::nullopt)
      << "each step needs the last";
  EXPECT_EQ(RestoreSettings("2451545", absent, "D").jdn, 2451545);
  EXPECT_EQ(RestoreSettings("0", "1", "D").dee, std::nullopt);
  EXPECT_EQ(SettingsKeyPath("Software", "Orvantis Project"), "Software\\Orvantis Project\\ORVC");
}

}  // namespace
}  // namespace orv
