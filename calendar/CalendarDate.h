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
#include "calendar/England.h"
#include "calendar/FrenchRepublican.h"
#include "calendar/Hebrew.h"
#include "calendar/Islamic.h"
#include "calendar/IsoWeek.h"
#include "calendar/Persian.h"
#include "calendar/RevisedJulian.h"
#include "platform/almanor/almanor_engine.h"

namespace orv {

// The calendars of the table (calendar/Calendars.h), in its order.
enum class CalendarId : uint8_t {
  kGregorian,
  kJulian,
  kDee,
  kRevisedJulian,
  kIsoWeek,
  kHebrew,
  kIslamic,
  kPersian,
  kFrenchRepublican,
  kEngland,
};

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

// A calendar's own arithmetic: its test of a date, its count of days.
constexpr DayResult DayNumberBy(const CalendarDate& date,
                                bool (*is_date)(int32_t, int32_t, int32_t),
                                int64_t (*day_number)(int32_t, int32_t, int32_t)) {
  if (!is_date(date.year, date.month, date.day)) return {};
  return Counted(day_number(date.year, date.month, date.day));
}

constexpr CalendarDate Dated(const YearMonthDay& found, CalendarId calendar) {
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
    case CalendarId::kRevisedJulian:
      return calendar_detail::DayNumberBy(date, IsRevisedJulianDate, RevisedJulianDayNumber);
    case CalendarId::kIsoWeek:
      return calendar_detail::DayNumberBy(date, IsIsoWeekDate, IsoWeekDayNumber);
    case CalendarId::kHebrew:
      return calendar_detail::DayNumberBy(date, IsHebrewDate, HebrewDayNumber);
    case CalendarId::kIslamic:
      return calendar_detail::DayNumberBy(date, IsIslamicDate, IslamicDayNumber);
    case CalendarId::kPersian:
      return calendar_detail::DayNumberBy(date, IsPersianDate, PersianDayNumber);
    case CalendarId::kFrenchRepublican:
      return calendar_detail::DayNumberBy(date, IsFrenchRepublicanDate, FrenchRepublicanDayNumber);
    case CalendarId::kEngland:
      return calendar_detail::DayNumberBy(date, IsEnglandDate, EnglandDayNumber);
  }
  return {};
}

// For a day number in the calendar's range (calendar/Calendars.h: DateIn
// checks it); every 32-bit day for the calendars without an epoch.
constexpr CalendarDate DateOfDay(int32_t jdn, CalendarId calendar, const DeeVersion& dee) {
  using calendar_detail::Dated;
  switch (calendar) {
    case CalendarId::kGregorian:
    case CalendarId::kJulian:
      return calendar_detail::CivilDate(jdn, calendar);
    case CalendarId::kDee:
      return Dated(DeeDateOfDay(jdn, dee.epoch), calendar);
    case CalendarId::kRevisedJulian:
      return Dated(RevisedJulianDateOfDay(jdn), calendar);
    case CalendarId::kIsoWeek:
      return Dated(IsoWeekDateOfDay(jdn), calendar);
    case CalendarId::kHebrew:
      return Dated(HebrewDateOfDay(jdn), calendar);
    case CalendarId::kIslamic:
      return Dated(IslamicDateOfDay(jdn), calendar);
    case CalendarId::kPersian:
      return Dated(PersianDateOfDay(jdn), calendar);
    case CalendarId::kFrenchRepublican:
      return Dated(FrenchRepublicanDateOfDay(jdn), calendar);
    case CalendarId::kEngland:
      return Dated(EnglandDateOfDay(jdn), calendar);
  }
  return {};
}

// 0 = Sunday ... 6 = Saturday; JDN 0 is a Monday.
constexpr int16_t DayOfWeek(int32_t jdn) { return static_cast<int16_t>(almanor::DayOfWeek(jdn)); }

// The year the date belongs to in law: England's legal year (the year began
// on 25 March from 1155 to 1751), the year itself elsewhere.
constexpr int32_t LegalYearOf(const CalendarDate& date) {
  if (date.calendar != CalendarId::kEngland) return date.year;
  return EnglandLegalYear(date.year, date.month, date.day);
}

// Whether an England date is reckoned in the Julian calendar (before 14
// September 1752).
constexpr bool IsJulianReckoning(const CalendarDate& date) {
  return date.calendar == CalendarId::kEngland &&
         IsEnglandJulianReckoning(date.year, date.month, date.day);
}

}  // namespace orv
