// A day as values: a date in one calendar of the table, and the day number it
// names or the reason it names none. The conversions between them are pure
// functions, constexpr like the arithmetic under them:
//
//   constexpr CalendarDate newyear{2000, 1, 1, CalendarId::kGregorian};
//   static_assert(DayNumberOf(newyear, kDeeCecilVersion).jdn == 2451545);
//   DateOfDay(2451545, CalendarId::kJulian, kDeeCecilVersion);   // 1999-12-19
//
// The Dee version is a parameter: it matters to the Dee calendar only.
// (DateRecord, the six-field record of the almanor library, is the same day
// for its C interface; calendar/Calendar.h converts it through these.)
#pragma once

#include <climits>
#include <cstdint>

#include "calendar/Dee.h"
#include "platform/almanor/almanor_engine.h"

namespace orv {

// The calendars of the table (calendar/Calendars.h), in its order.
enum class CalendarId : uint8_t { kGregorian, kJulian, kDee };

struct CalendarDate {
  int32_t year = 0;  // astronomical: 1 = AD 1, 0 = 1 BC, -1 = 2 BC
  int32_t month = 0;
  int32_t day = 0;
  CalendarId calendar = CalendarId::kGregorian;
  friend constexpr bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// The day number of a date, or why it has none.
struct DayResult {
  DateStatus status = DateStatus::kNoSuchDate;
  int32_t jdn = 0;  // when status is kValid
  constexpr explicit operator bool() const { return status == DateStatus::kValid; }
};

namespace calendar_detail {

constexpr DayResult Counted(int64_t jdn) {
  if (!almanor::FitsIn32Bits(jdn)) return {DateStatus::kOutOfRange, 0};
  return {DateStatus::kValid, static_cast<int32_t>(jdn)};
}

constexpr DayResult CivilDayNumber(const CalendarDate& date, bool gregorian) {
  if (!almanor::IsDate(date.year, date.month, date.day, gregorian)) return {};
  return Counted(almanor::ToJDN(date.year, date.month, date.day, gregorian));
}

constexpr CalendarDate CivilDate(int32_t jdn, CalendarId calendar) {
  const almanor::Date found = almanor::FromJDN(jdn, calendar == CalendarId::kGregorian);
  return {found.year, found.month, found.day, calendar};
}

}  // namespace calendar_detail

// 12:00 of the day is the day; a date that does not exist (30 February,
// month 13, day 0) is kNoSuchDate, one whose number would not fit in 32 bits
// kOutOfRange.
constexpr DayResult DayNumberOf(const CalendarDate& date, const DeeVersion& dee) {
  switch (date.calendar) {
    case CalendarId::kGregorian:
      return calendar_detail::CivilDayNumber(date, true);
    case CalendarId::kJulian:
      return calendar_detail::CivilDayNumber(date, false);
    case CalendarId::kDee:
      if (!IsDeeDate(date.year, date.month, date.day)) return {};
      return calendar_detail::Counted(DeeDayNumber(date.year, date.month, date.day, dee.epoch));
  }
  return {};
}

// Every 32-bit day number has a date in every calendar.
constexpr CalendarDate DateOfDay(int32_t jdn, CalendarId calendar, const DeeVersion& dee) {
  if (calendar == CalendarId::kDee) {
    const DeeDate found = DeeDateOfDay(jdn, dee.epoch);
    return {found.year, found.month, found.day, calendar};
  }
  return calendar_detail::CivilDate(jdn, calendar);
}

}  // namespace orv
