#include "platform/almanor/almanor.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

almanor_date Date(int32_t year, int32_t month, int32_t day, int32_t calendar) {
  return {year, month, day, calendar, -999, -999};
}

TEST(AlmanorDateToJdn, KnownDays) {
  struct Case {
    int32_t year, month, day, calendar, jdn;
  };
  const Case cases[] = {
      {-4712, 1, 1, ALMANOR_JULIAN, 0},
      {1, 1, 1, ALMANOR_JULIAN, 1721424},
      {1582, 10, 15, ALMANOR_GREGORIAN, 2299161},
      {1582, 10, 5, ALMANOR_JULIAN, 2299161},
      {-99999, 1, 1, ALMANOR_GREGORIAN, -34802824},
      {100000, 1, 1, ALMANOR_GREGORIAN, 38245310},
      {-4713, 11, 24, ALMANOR_GREGORIAN, 0},
  };
  for (const Case& c : cases) {
    almanor_date d = Date(c.year, c.month, c.day, c.calendar);
    EXPECT_EQ(euro_date_to_jdn(&d), ALMANOR_OK) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(d.jdn, c.jdn) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(d.valid, 1);

    almanor_date back = {0, 0, 0, c.calendar, c.jdn, -999};
    EXPECT_EQ(jdn_to_euro_date(&back), ALMANOR_OK);
    EXPECT_EQ(back.year, c.year);
    EXPECT_EQ(back.month, c.month);
    EXPECT_EQ(back.day, c.day);
    EXPECT_EQ(back.valid, -999) << "the reverse conversion leaves valid alone";
  }
}

TEST(AlmanorDateToJdn, ValidityFollowsEachCalendarsLeapRule) {
  struct Case {
    int32_t year, month, day, calendar;
    bool valid;
  };
  const Case cases[] = {
      {1900, 2, 29, ALMANOR_GREGORIAN, false},    {1900, 2, 29, ALMANOR_JULIAN, true},
      {-100, 2, 29, ALMANOR_GREGORIAN, false},    {-400, 2, 29, ALMANOR_GREGORIAN, true},
      {-100, 2, 29, ALMANOR_JULIAN, true},        {-1, 2, 29, ALMANOR_JULIAN, false},
      {2023, 4, 31, ALMANOR_GREGORIAN, false},    {2023, 13, 1, ALMANOR_GREGORIAN, false},
      {2023, 1, 0, ALMANOR_GREGORIAN, false},     {2023, -1, 1, ALMANOR_JULIAN, false},
      {2023, 65537, 1, ALMANOR_GREGORIAN, false},
  };
  for (const Case& c : cases) {
    almanor_date d = Date(c.year, c.month, c.day, c.calendar);
    const int32_t result = euro_date_to_jdn(&d);
    EXPECT_EQ(d.valid, c.valid ? 1 : 0) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(result, c.valid ? ALMANOR_OK : ALMANOR_NO_SUCH_DATE);
    if (!c.valid) {
      EXPECT_EQ(d.jdn, -999) << "an invalid date keeps its old day number";
    }
  }
}

TEST(AlmanorDateToJdn, RefusesDaysBeyondThe32BitRangeAndUnknownCalendars) {
  // The first and last days whose numbers fit, then one step beyond each.
  almanor_date last = {0, 0, 0, ALMANOR_GREGORIAN, INT32_MAX, 0};
  jdn_to_euro_date(&last);
  EXPECT_EQ(last.year, 5874898);
  EXPECT_EQ(euro_date_to_jdn(&last), ALMANOR_OK);
  EXPECT_EQ(last.jdn, INT32_MAX);

  almanor_date beyond = Date(last.year, last.month, last.day + 1, ALMANOR_GREGORIAN);
  beyond.jdn = 42;
  EXPECT_EQ(euro_date_to_jdn(&beyond), ALMANOR_OUT_OF_RANGE);
  EXPECT_EQ(beyond.valid, 0);
  EXPECT_EQ(beyond.jdn, 42);

  almanor_date first = {0, 0, 0, ALMANOR_JULIAN, INT32_MIN, 0};
  jdn_to_euro_date(&first);
  EXPECT_EQ(euro_date_to_jdn(&first), ALMANOR_OK);
  EXPECT_EQ(first.jdn, INT32_MIN);
  almanor_date before = Date(first.year, first.month, first.day - 1, ALMANOR_JULIAN);
  EXPECT_EQ(euro_date_to_jdn(&before), ALMANOR_OUT_OF_RANGE);

  for (int32_t year : {INT32_MIN, INT32_MAX}) {
    almanor_date extreme = Date(year, 12, 31, ALMANOR_GREGORIAN);
    EXPECT_EQ(euro_date_to_jdn(&extreme), ALMANOR_OUT_OF_RANGE);
    EXPECT_EQ(extreme.valid, 0);
  }

  almanor_date dee = Date(2000, 1, 1, 'D');
  EXPECT_EQ(euro_date_to_jdn(&dee), ALMANOR_UNKNOWN_CALENDAR);
  EXPECT_EQ(dee.valid, 0);
  almanor_date unchanged = {7, 7, 7, 'D', 2451545, 1};
  EXPECT_EQ(jdn_to_euro_date(&unchanged), ALMANOR_UNKNOWN_CALENDAR);
  EXPECT_EQ(unchanged.year, 7);
  EXPECT_EQ(euro_date_to_jdn(nullptr), ALMANOR_BAD_ARGUMENT);
  EXPECT_EQ(jdn_to_euro_date(nullptr), ALMANOR_BAD_ARGUMENT);
}

// The standard library's civil calendar is an independent Gregorian oracle
// over its own range (years -32767 to 32767).
TEST(AlmanorDateToJdn, GregorianAgreesWithTheStandardLibrary) {
  using namespace std::chrono;
  constexpr int32_t kJdnOfUnixEpoch = 2440588;
  std::mt19937 random(20261207);
  std::uniform_int_distribution<int32_t> days(
      sys_days(year_month_day(year(-32767), January, day(1))).time_since_epoch().count(),
      sys_days(year_month_day(year(32767), December, day(31))).time_since_epoch().count());
  for (int i = 0; i < 200000; ++i) {
    const sys_days day_point{std::chrono::days(days(random))};
    const year_month_day expected(day_point);
    const auto jdn = static_cast<int32_t>(day_point.time_since_epoch().count() + kJdnOfUnixEpoch);
    almanor_date d = {0, 0, 0, ALMANOR_GREGORIAN, jdn, 0};
    jdn_to_euro_date(&d);
    ASSERT_EQ(d.year, int{expected.year()});
    ASSERT_EQ(d.month, static_cast<int32_t>(unsigned{expected.month()}));
    ASSERT_EQ(d.day, static_cast<int32_t>(unsigned{expected.day()}));
  }
}

TEST(AlmanorDayOfWeek, CountsFromMondayAtDayZeroInBothDirections) {
  struct Case {
    int32_t jdn, weekday;
  };
  const Case cases[] = {{0, 1},  {-1, 0},        {6, 0},        {2451545, 6},
                        {-8, 0}, {INT32_MAX, 2}, {INT32_MIN, 6}};
  for (const Case& c : cases) EXPECT_EQ(euro_day_of_week(c.jdn), c.weekday) << c.jdn;
}

std::string Separate(const char* number, int32_t separator = ',') {
  char out[ALMANOR_GROUPED_CAPACITY + 1];
  std::memset(out, ' ', ALMANOR_GROUPED_CAPACITY);
  out[ALMANOR_GROUPED_CAPACITY] = '\0';
  separate_thousands(number, separator, out);
  return out;
}

TEST(AlmanorSeparateThousands, GroupsByThreeFromTheRight) {
  struct Case {
    const char* number;
    const char* grouped;
  };
  const Case cases[] = {{"0", "0"},
                        {"999", "999"},
                        {"1000", "1,000"},
                        {"-12345", "-12,345"},
                        {"1721426", "1,721,426"},
                        {"-2147483648", "-2,147,483,648"},
                        {"123456789012345", "123,456,789,012,345"}};  // exactly 19
  for (const Case& c : cases) EXPECT_EQ(Separate(c.number), c.grouped) << c.number;
  EXPECT_EQ(Separate("1234567", '.'), "1.234.567");
  EXPECT_EQ(Separate("1234567", ' '), "1 234 567");
}

TEST(AlmanorSeparateThousands, HostileTextNeverOverrunsTheBuffer) {
  // A guard zone after the 21 bytes the caller owns must stay untouched.
  struct Guarded {
    char out[ALMANOR_GROUPED_CAPACITY + 1];
    char guard[64];
  };
  const std::string long_digits(5000, '7');
  const std::string long_junk(5000, 'x');
  // The first is 21 characters when grouped: too long; the last separator is not ASCII.
  const std::vector<std::pair<std::string, int32_t>> inputs = {
      {"1234567890123456", ','}, {long_digits, ','}, {long_junk, ','}, {"--5", ','}, {"", ','},
      {"1234567", 0x202F}};
  for (const auto& [number, separator] : inputs) {
    Guarded g;
    std::memset(&g, '#', sizeof g);
    separate_thousands(number.c_str(), separator, g.out);
    EXPECT_LE(std::strlen(g.out), size_t{ALMANOR_GROUPED_CAPACITY}) << number.substr(0, 30);
    for (char c : g.guard) ASSERT_EQ(c, '#') << number.substr(0, 30);
  }
  EXPECT_EQ(Separate("1234567890123456"), "") << "a number that cannot fit is not cut short";
  EXPECT_EQ(Separate("12a34"), "12a34") << "a text that is not a number is copied";
  EXPECT_EQ(Separate("1234567", 0x202F), "1234567") << "a separator outside ASCII is refused";
  EXPECT_EQ(separate_thousands(nullptr, ',', nullptr), ALMANOR_BAD_ARGUMENT);
  char out[ALMANOR_GROUPED_CAPACITY + 1] = "unchanged";
  EXPECT_EQ(separate_thousands(nullptr, ',', out), ALMANOR_BAD_ARGUMENT);
  EXPECT_STREQ(out, "");
}

}  // namespace
