// Calendar date <-> Julian day number for the Gregorian, Julian and Dee
// calendars, and the day of the week.
//
// The record's calendar code chooses the calendar: 'D' goes to the Dee
// arithmetic (with the Dee version in force, calendar/Dee.h), 'G' and 'J' to
// the almanor library. All calendars are proleptic with astronomical years.
//
//   DateRecord d{2000, 1, 1, kGregorianCode, 0, 0};
//   DateToJDN(d);                 // d.jdn == 2451545, d.valid == 1
//   DayOfWeek(d.jdn);             // 6 (Saturday)
//   d.calendar = kJulianCode;
//   JDNToDate(d);                 // 1999-12-19
#pragma once

#include <cstdint>

#include "calendar/DateRecord.h"
#include "calendar/Dee.h"

namespace orv {

// Reads year, month, day, calendar; sets valid, and jdn when valid. A date
// that does not exist, or whose day number would not fit in 32 bits, gets
// valid = 0 and keeps its old jdn.
void DateToJDN(DateRecord& date);

// As DateToJDN, and tells which kind of failure it was.
DateStatus DateToJDNWithStatus(DateRecord& date);

// Reads jdn and calendar; sets year, month, day. The Dee branch also sets
// valid to 1. Every 32-bit day number has a date in every calendar.
void JDNToDate(DateRecord& date);

// The same with a given Dee version instead of the one in force.
DateStatus DateToJDNWithStatus(DateRecord& date, const DeeVersion& dee);
void JDNToDate(DateRecord& date, const DeeVersion& dee);

// 0 = Sunday ... 6 = Saturday; JDN 0 is a Monday.
int16_t DayOfWeek(int32_t jdn);

}  // namespace orv
