// Calendar date <-> Julian day number for the Gregorian, Julian and Dee
// calendars, and the day of the week.
//
// The record's calendar code chooses the calendar: 'D' goes to the Dee
// arithmetic in the Dee version given (calendar/Dee.h), 'G' and 'J' to the
// almanor day counts. All calendars are
// proleptic with astronomical years. The three are inline, on the record
// itself: programs convert in bulk; any other calendar of the table
// (calendar/Calendars.h) is reached through it.
//
//   DateRecord d{2000, 1, 1, kGregorianCode, 0, 0};
//   DateToJDNWithStatus(d, kDeeCecilVersion);   // kValid; d.jdn == 2451545
//   DayOfWeek(d.jdn);                           // 6 (Saturday)
//   d.calendar = kJulianCode;
//   JDNToDate(d, kDeeCecilVersion);             // 1999-12-19
#pragma once

#include <cstdint>

#include "calendar/DateRecord.h"
#include "calendar/Dee.h"
#include "platform/almanor/almanor_engine.h"

namespace orv {

namespace calendar_detail {

// The Gregorian (gregorian) or Julian date of the record to its day number.
inline DateStatus CivilToJDN(DateRecord& date, bool gregorian) {
  if (!almanor::IsDate(date.year, date.month, date.day, gregorian)) {
    date.valid = 0;
    return DateStatus::kNoSuchDate;
  }
  return StoreDayNumber(date, almanor::ToJDN(date.year, date.month, date.day, gregorian));
}

inline void CivilFromJDN(DateRecord& date, bool gregorian) {
  const almanor::Date found = almanor::FromJDN(date.jdn, gregorian);
  date.year = found.year;
  date.month = found.month;
  date.day = found.day;
}

// A calendar of the table other than these three; an unknown code names no
// date (valid = 0) and no day.
DateStatus OtherToJDN(DateRecord& date, const DeeVersion& dee);
void OtherFromJDN(DateRecord& date, const DeeVersion& dee);

}  // namespace calendar_detail

// Reads year, month, day, calendar; sets valid, and jdn when valid. A date
// that does not exist, or whose day number would not fit in 32 bits, gets
// valid = 0 and keeps its old jdn. Tells which kind of failure it was.
inline DateStatus DateToJDNWithStatus(DateRecord& date, const DeeVersion& dee) {
  switch (date.calendar) {
    case kGregorianCode:
      return calendar_detail::CivilToJDN(date, true);
    case kJulianCode:
      return calendar_detail::CivilToJDN(date, false);
    case kDeeCode:
      return DeeDateToJDNWithStatus(date, dee.epoch);
    default:
      return calendar_detail::OtherToJDN(date, dee);
  }
}

// Reads jdn and calendar; sets year, month, day. The Dee branch also sets
// valid to 1. Every 32-bit day number has a date in every calendar.
inline void JDNToDate(DateRecord& date, const DeeVersion& dee) {
  switch (date.calendar) {
    case kGregorianCode:
      return calendar_detail::CivilFromJDN(date, true);
    case kJulianCode:
      return calendar_detail::CivilFromJDN(date, false);
    case kDeeCode:
      return DeeJDNToDate(date, dee.epoch);
    default:
      return calendar_detail::OtherFromJDN(date, dee);
  }
}

// 0 = Sunday ... 6 = Saturday; JDN 0 is a Monday.
inline int16_t DayOfWeek(int32_t jdn) { return static_cast<int16_t>(almanor::DayOfWeek(jdn)); }

}  // namespace orv
