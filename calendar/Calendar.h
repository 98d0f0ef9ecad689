// The Date record's conversions: calendar date <-> Julian day number for the
// calendar its code names, and the day of the week. They convert through the
// pure functions of calendar/CalendarDate.h and keep the record's C layout
// for the almanor library; all calendars are proleptic with astronomical
// years.
//
//   DateRecord d{2000, 1, 1, kGregorianCode, 0, 0};
//   DateToJDNWithStatus(d, kDeeCecilVersion);   // kValid; d.jdn == 2451545
//   DayOfWeek(d.jdn);                           // 6 (Saturday)
//   d.calendar = kJulianCode;
//   JDNToDate(d, kDeeCecilVersion);             // 1999-12-19
#pragma once

#include <cstdint>
#include <optional>

#include "calendar/CalendarDate.h"
#include "calendar/DateRecord.h"
#include "calendar/Dee.h"
#include "platform/almanor/almanor_engine.h"

namespace orv {

// The calendar of a record's code; none for a code no calendar has.
constexpr std::optional<CalendarId> CalendarIdOfCode(int32_t code) {
  switch (code) {
    case kGregorianCode:
      return CalendarId::kGregorian;
    case kJulianCode:
      return CalendarId::kJulian;
    case kDeeCode:
      return CalendarId::kDee;
    default:
      return std::nullopt;
  }
}

// Reads year, month, day, calendar; sets valid, and jdn when valid. A date
// that does not exist, or whose day number would not fit in 32 bits, gets
// valid = 0 and keeps its old jdn. Tells which kind of failure it was; an
// unknown calendar code names no date.
constexpr DateStatus DateToJDNWithStatus(DateRecord& date, const DeeVersion& dee) {
  const std::optional<CalendarId> calendar = CalendarIdOfCode(date.calendar);
  const DayResult day =
      calendar ? DayNumberOf({date.year, date.month, date.day, *calendar}, dee) : DayResult{};
  date.valid = day ? 1 : 0;
  if (day) date.jdn = day.jdn;
  return day.status;
}

// Reads jdn and calendar; sets year, month, day. The Dee branch also sets
// valid to 1. Every 32-bit day number has a date in every calendar.
constexpr void JDNToDate(DateRecord& date, const DeeVersion& dee) {
  const std::optional<CalendarId> calendar = CalendarIdOfCode(date.calendar);
  if (!calendar) return;
  const CalendarDate found = DateOfDay(date.jdn, *calendar, dee);
  date.year = found.year;
  date.month = found.month;
  date.day = found.day;
  if (*calendar == CalendarId::kDee) date.valid = 1;
}

}  // namespace orv
