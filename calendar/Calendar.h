// The Date record's conversions: calendar date <-> Julian day number for the
// calendar its code names, and the day of the week. They convert through the
// calendar table's rows and keep the record's C layout
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

#include "calendar/CalendarDate.h"
#include "calendar/Calendars.h"
#include "calendar/DateRecord.h"
#include "calendar/Dee.h"

namespace orv {

namespace record_detail {

// The record's three calendars are the table's first rows, the Dee calendar
// with the epoch of the version given; each call below is one of those rows'
// own functions, which the compiler sees through.
inline constexpr const CalendarInfo& kGregorianRow = kBuiltInCalendars[0];
inline constexpr const CalendarInfo& kJulianRow = kBuiltInCalendars[1];
inline constexpr const CalendarInfo& kDeeRow = kBuiltInCalendars[2];
static_assert(kGregorianRow.code == kGregorianCode && kJulianRow.code == kJulianCode &&
              kDeeRow.code == kDeeCode);
static_assert(kBuiltInCalendars[3].day_number == kDeeRow.day_number &&
                  kBuiltInCalendars[3].date_of_day == kDeeRow.date_of_day,
              "the Dee versions differ by their epoch alone");

}  // namespace record_detail

// Reads year, month, day, calendar; sets valid, and jdn when valid. A date
// that does not exist, or whose day number would not fit in 32 bits, gets
// valid = 0 and keeps its old jdn. Tells which kind of failure it was; an
// unknown calendar code names no date.
inline DateStatus DateToJDNWithStatus(DateRecord& date, const DeeVersion& dee) {
  using namespace record_detail;
  DayResult day;
  if (date.calendar == kGregorianCode) {
    day = kGregorianRow.day_number(kGregorianRow, date.year, date.month, date.day);
  } else if (date.calendar == kJulianCode) {
    day = kJulianRow.day_number(kJulianRow, date.year, date.month, date.day);
  } else if (date.calendar == kDeeCode) {
    day = kDeeRow.day_number(DeeRow(dee), date.year, date.month, date.day);
  }
  date.valid = day ? 1 : 0;
  if (day) date.jdn = day.jdn;
  return day.status;
}

// Reads jdn and calendar; sets year, month, day. The Dee branch also sets
// valid to 1. Every 32-bit day number has a date in every calendar.
inline void JDNToDate(DateRecord& date, const DeeVersion& dee) {
  using namespace record_detail;
  YearMonthDay found{};
  if (date.calendar == kGregorianCode) {
    found = kGregorianRow.date_of_day(kGregorianRow, date.jdn);
  } else if (date.calendar == kJulianCode) {
    found = kJulianRow.date_of_day(kJulianRow, date.jdn);
  } else if (date.calendar == kDeeCode) {
    found = kDeeRow.date_of_day(DeeRow(dee), date.jdn);
    date.valid = 1;
  } else {
    return;
  }
  date.year = found.year;
  date.month = found.month;
  date.day = found.day;
}

}  // namespace orv
