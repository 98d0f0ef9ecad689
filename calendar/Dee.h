// The Dee calendar: Gregorian month lengths with eight leap years in every 33
// (years 4, 8, ..., 32 of each cycle), so a cycle has 12,053 days.
//
// The program knows two versions, one day apart, that differ only in the day
// their year 1 begins (the Dee epoch, the JDN of 1-1-1):
//
//   Dee        1-1-1 D  = JDN 1,721,425 (0-12-31 Gregorian)
//   Dee-Cecil  1-1-1 DC = JDN 1,721,426 (1-1-1 Gregorian)
//
// Exactly one version is in force, program-wide; Dee-Cecil at start. Every
// operation here reads the epoch in force at the moment of the call. Years are
// astronomical and year 0 and negative years follow the same cycle:
// leap years ..., -5, -1, 4, 8, ..., 32, 37, ...; years 0, 33, 36 are common.
//
//   SetDeeEpoch(kDeeEpoch);
//   DateRecord d{2000, 1, 2, kDeeCode, 0, 0};
//   DeeDateToJDN(d);   // d.jdn == 2451545 (2000-01-01 Gregorian)
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "calendar/DateRecord.h"

namespace orv {

inline constexpr int32_t kDeeEpoch = 1721425;
inline constexpr int32_t kDeeCecilEpoch = 1721426;
inline constexpr int32_t kDaysInDeeCycle = 12053;  // 33 * 365 + 8
inline constexpr int32_t kYearsInDeeCycle = 33;

int32_t DeeEpoch();
void SetDeeEpoch(int32_t epoch);

// One version of the calendar: the day its year 1 begins, its name (in
// labels, lists and messages) and its designation (the tag of its
// year-month-day dates and the value of the saved setting "Dee").
struct DeeVersion {
  int32_t epoch;
  std::string_view name;         // "Dee", "Dee-Cecil"
  std::string_view designation;  // "D", "DC"
  friend constexpr bool operator==(const DeeVersion&, const DeeVersion&) = default;
};
inline constexpr DeeVersion kDeeVersion{kDeeEpoch, "Dee", "D"};
inline constexpr DeeVersion kDeeCecilVersion{kDeeCecilEpoch, "Dee-Cecil", "DC"};
inline constexpr std::array<DeeVersion, 2> kDeeVersions{kDeeVersion, kDeeCecilVersion};

// The version with that designation ("D" or "DC", exactly), or null.
const DeeVersion* DeeVersionByDesignation(std::string_view designation);

// The version in force: Dee or Dee-Cecil by the program-wide epoch (an epoch
// of neither keeps its value under the Dee-Cecil names). Putting a version in
// force makes its epoch the program-wide one.
DeeVersion DeeVersionInForce();
void SetDeeVersion(const DeeVersion& version);

bool IsDeeLeapYear(int32_t year);

// 28, 29, 30 or 31; 0 for a month outside 1 to 12.
int16_t DeeDaysInMonth(int16_t month, int32_t year);

// Reads year, month, day (not calendar). Sets valid, and jdn when valid;
// returns true when valid. An impossible date, or one whose day number would
// not fit in 32 bits, gets valid = 0 and keeps its old jdn.
bool DeeDateToJDN(DateRecord& date);

// As DeeDateToJDN, and tells which kind of failure it was.
DateStatus DeeDateToJDNWithStatus(DateRecord& date);

// Reads jdn (not calendar); sets year, month, day and valid = 1.
void DeeJDNToDate(DateRecord& date);

// The same in a given version rather than the one in force.
DateStatus DeeDateToJDNWithStatus(DateRecord& date, const DeeVersion& version);
void DeeJDNToDate(DateRecord& date, const DeeVersion& version);

}  // namespace orv
