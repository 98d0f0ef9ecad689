// The calendars the program knows, as data: one row each, in the order of the
// calendar lists. A row is everything a calendar is: its keys, name and tag,
// its range, its conversions both ways, the text form it reads and writes,
// its month names and leap rule, whether it adds years and months, whether
// it is compared against the equinox. Everything else (input checks, output
// rows, lists, JSON keys, the command line, the comparison) iterates the
// table, so a calendar is one row and its arithmetic.
//
// The table is built from the built-in rows on first use and can take more
// rows at start-up (AddCalendar): a calendar defined outside the program is
// read, written, converted, listed and compared like a built-in one.
//
//   const CalendarInfo& julian = CalendarOf(CalendarId::kJulian);
//   DayNumberOf({2000, 1, 1, CalendarId::kGregorian}).jdn;   // 2451545
//   DateOfDay(2451545, CalendarId::kJulian);                  // 1999-12-19
//   CalendarByTag("DC", kDeeCecilVersion)->id;                // CalendarId::kDeeCecil
//
// The Dee calendar has two rows, Dee and Dee-Cecil, one day apart: versions
// of one calendar. Where the program shows "the Dee calendar" (the main
// window, orvc's --dee) the version in force says which row it means; lists
// of the calendars in force show that row under the Dee calendar's key.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/CalendarDate.h"
#include "calendar/DatePr2.h"
#include "calendar/DateRecord.h"
#include "calendar/Dee.h"
#include "calendar/England.h"
#include "calendar/FrenchRepublican.h"
#include "calendar/Hebrew.h"
#include "calendar/Islamic.h"
#include "calendar/IsoWeek.h"
#include "calendar/Persian.h"
#include "calendar/RevisedJulian.h"
#include "calendar/YearMonthDay.h"
#include "platform/almanor/almanor_engine.h"

namespace orv {

// How a calendar writes its dates, beyond the common year-month-day text
// ("2000-01-01 CE") and month-name text ("January 1, 2000 CE").
enum class TextForm : uint8_t {
  kEra,         // month-name text with the era the user chose: "January 1, 2000 AD"
  kTag,         // month-name text with the tag: "Tishri 1, 5785 AM"
  kIsoWeek,     // "1999-W52-6"; "Saturday, week 52 of 1999"
  kRepublican,  // month-name text "1 Vendémiaire an II"
  kLegalYear,   // month-name text with the legal year beside the January year: "February 11,
                // 1731/32"
};

struct CalendarInfo;

// A calendar's arithmetic, each function given its own row (where a calendar
// added at run time finds its rules, and the Dee versions their epoch).
// The day number of a date: kNoSuchDate for a date the calendar does not
// have, kOutOfRange beyond 32 bits.
using DayNumberFunction = DayResult (*)(const CalendarInfo& self, int32_t year, int32_t month,
                                        int32_t day);
// The date of a day number of the calendar's range.
using DateOfDayFunction = YearMonthDay (*)(const CalendarInfo& self, int32_t jdn);
// The name of a month of a year ("Adar I" in a Hebrew leap year), empty for a
// month the calendar does not have.
using MonthNameFunction = std::string_view (*)(const CalendarInfo& self, int32_t year,
                                               int32_t month);
using LeapYearFunction = bool (*)(const CalendarInfo& self, int32_t year);
// The year a date belongs to in law (England's year began on 25 March from
// 1155 to 1751), and whether it is reckoned on the Julian rule.
using LegalYearFunction = int32_t (*)(const CalendarInfo& self, const YearMonthDay& date);
using JulianReckoningFunction = bool (*)(const CalendarInfo& self, const YearMonthDay& date);
// The name a day goes by in place of its number and month (the French
// Republican complementary days), empty for a day that has none.
using DayNameFunction = std::string_view (*)(const CalendarInfo& self, const YearMonthDay& date);

struct CalendarInfo {
  CalendarId id;  // its place in this table
  int32_t code;   // its letter in the Date record (DateRecord::calendar); 0: none
  // Its number in the saved setting "CalNdx", which is also its place in the
  // main window's calendar lists; 0 for the calendars not in them.
  int saved_index;
  std::string_view key;       // lower-case name for the command line: "revised-julian"
  std::string_view json_key;  // its key in JSON: "revised_julian"
  std::string_view name;      // "Gregorian", "Dee-Cecil"
  std::string_view tag;       // year-month-day tag "CE", "DC"; ISO week: none
  // What marks a typed year-month-day text as this calendar's when another
  // calendar is chosen: the tag, or for the Dee calendar "D" (both versions).
  std::string_view mark;
  bool tag_implied;  // a year-month-day date typed without a tag gets this one
  TextForm text_form;
  MonthNameFunction month_name;
  LeapYearFunction is_leap_year;
  std::string_view leap_rule;  // in words, one line of ASCII
  // Whether years and months can be added to its dates (a day past the
  // month's end becomes its last day); days and weeks can be added to all.
  bool adds_years_and_months;
  // The day numbers it dates, both included; every 32-bit day for the
  // calendars without an epoch.
  int32_t first_day;
  int32_t last_day;
  DayNumberFunction day_number;
  DateOfDayFunction date_of_day;
  // The calendar this row is a version of (the Dee calendar for Dee-Cecil),
  // whose key and place it takes in the lists when it is the version in
  // force; its own id when it is no other calendar's version.
  CalendarId version_of;
  // Its column among the solar calendars compared against the March
  // equinox (1 the first); 0 for a calendar that is not compared.
  int compared;
  int32_t epoch = 0;  // the day its year 1 begins, for the arithmetic that needs it
  LegalYearFunction legal_year = nullptr;              // null: the year itself
  JulianReckoningFunction julian_reckoning = nullptr;  // null: never on the Julian rule
  DayNameFunction day_name = nullptr;                  // null: no day has a name
  // What a calendar added at run time keeps for its functions; the table
  // keeps it alive.
  const void* rules = nullptr;
  // Read from a file at start (a calendar defined as data, a region): listed
  // among every calendar (the calendars window, --all, the JSON of every
  // calendar, the comparison) only when asked.
  bool on_request = false;
};

bool IsGregorianLeapYear(int32_t year);
bool IsJulianLeapYear(int32_t year);

// "January" ... "December" for 1 to 12, the month names of the calendars of
// Julian descent.
std::string_view RomanMonthName(int32_t year, int32_t month);

// The built-in rows, in the order of the ids; the rows added at run time
// follow them.
inline constexpr std::size_t kBuiltInCalendarCount = 11;
namespace calendar_rows {

constexpr DayResult Counted(int64_t jdn) {
  if (!almanor::FitsIn32Bits(jdn)) return {DateStatus::kOutOfRange, 0};
  return {DateStatus::kValid, static_cast<int32_t>(jdn)};
}

// The rows' functions over each calendar's own arithmetic: its test of a
// date, its count of days, its dates of days.
template <bool kGregorian>
constexpr DayResult CivilDayNumber(const CalendarInfo& /*self*/, int32_t year, int32_t month,
                                   int32_t day) {
  if (!almanor::IsDate(year, month, day, kGregorian)) return {};
  return Counted(almanor::ToJDN(year, month, day, kGregorian));
}

template <bool kGregorian>
constexpr YearMonthDay CivilDateOfDay(const CalendarInfo& /*self*/, int32_t jdn) {
  const almanor::Date found = almanor::FromJDN(jdn, kGregorian);
  return {found.year, found.month, found.day};
}

constexpr DayResult DeeRowDayNumber(const CalendarInfo& self, int32_t year, int32_t month,
                                    int32_t day) {
  if (!IsDeeDate(year, month, day)) return {};
  return Counted(DeeDayNumber(year, month, day, self.epoch));
}

constexpr YearMonthDay DeeRowDateOfDay(const CalendarInfo& self, int32_t jdn) {
  return DeeDateOfDay(jdn, self.epoch);
}

template <auto kIsDate, auto kDayNumber>
constexpr DayResult DayNumberBy(const CalendarInfo& /*self*/, int32_t year, int32_t month,
                                int32_t day) {
  if (!kIsDate(year, month, day)) return {};
  return Counted(kDayNumber(year, month, day));
}

template <auto kDateOfDay>
constexpr YearMonthDay DateBy(const CalendarInfo& /*self*/, int32_t jdn) {
  return kDateOfDay(jdn);
}

template <auto kNameOf>
constexpr std::string_view MonthNameBy(const CalendarInfo& /*self*/, int32_t year, int32_t month) {
  return kNameOf(year, month);
}

template <const auto& kNames>
constexpr std::string_view NameFromList(const CalendarInfo& /*self*/, int32_t /*year*/,
                                        int32_t month) {
  return month >= 1 && static_cast<size_t>(month) < kNames.size()
             ? kNames[static_cast<size_t>(month)]
             : std::string_view();
}

constexpr std::string_view NoMonthName(const CalendarInfo& /*self*/, int32_t /*year*/,
                                       int32_t /*month*/) {
  return {};
}

template <auto kIsLeap>
constexpr bool LeapBy(const CalendarInfo& /*self*/, int32_t year) {
  return kIsLeap(year);
}

constexpr int32_t EnglandRowLegalYear(const CalendarInfo& /*self*/, const YearMonthDay& date) {
  return EnglandLegalYear(date.year, date.month, date.day);
}

constexpr std::string_view FrenchRepublicanDayName(const CalendarInfo& /*self*/,
                                                   const YearMonthDay& date) {
  return date.month == 13 && date.day >= 1 && date.day <= 6
             ? kFrenchRepublicanComplementaryDayNames[static_cast<size_t>(date.day)]
             : std::string_view();
}

constexpr bool EnglandRowJulianReckoning(const CalendarInfo& /*self*/, const YearMonthDay& date) {
  return IsEnglandJulianReckoning(date.year, date.month, date.day);
}

inline constexpr std::string_view kDeeLeapRule =
    "8 in 33: years 4, 8, ..., 32 of each 33-year cycle";

constexpr CalendarInfo DeeRowOf(CalendarId id, const DeeVersion& version, std::string_view key,
                                std::string_view json_key) {
  return {id,
          kDeeCode,
          3,
          key,
          json_key,
          version.name,
          version.designation,
          "D",
          false,
          TextForm::kEra,
          MonthNameBy<RomanMonthName>,
          LeapBy<IsDeeLeapYear>,
          kDeeLeapRule,
          true,
          INT32_MIN,
          INT32_MAX,
          DeeRowDayNumber,
          DeeRowDateOfDay,
          CalendarId::kDee,
          id == CalendarId::kDee ? 4 : 5,
          version.epoch};
}

}  // namespace calendar_rows

// The built-in rows, in the order of the ids.
inline constexpr std::array<CalendarInfo, kBuiltInCalendarCount> kBuiltInCalendars = {{
    {CalendarId::kGregorian,
     kGregorianCode,
     1,
     "gregorian",
     "gregorian",
     "Gregorian",
     "CE",
     "CE",
     true,
     TextForm::kEra,
     calendar_rows::MonthNameBy<RomanMonthName>,
     calendar_rows::LeapBy<IsGregorianLeapYear>,
     "divisible by 4, except centuries not divisible by 400",
     true,
     INT32_MIN,
     INT32_MAX,
     calendar_rows::CivilDayNumber<true>,
     calendar_rows::CivilDateOfDay<true>,
     CalendarId::kGregorian,
     2},
    {CalendarId::kJulian,
     kJulianCode,
     2,
     "julian",
     "julian",
     "Julian",
     "JC",
     "JC",
     true,
     TextForm::kEra,
     calendar_rows::MonthNameBy<RomanMonthName>,
     calendar_rows::LeapBy<IsJulianLeapYear>,
     "divisible by 4",
     true,
     INT32_MIN,
     INT32_MAX,
     calendar_rows::CivilDayNumber<false>,
     calendar_rows::CivilDateOfDay<false>,
     CalendarId::kJulian,
     1},
    calendar_rows::DeeRowOf(CalendarId::kDee, kDeeVersion, "dee", "dee"),
    calendar_rows::DeeRowOf(CalendarId::kDeeCecil, kDeeCecilVersion, "dee-cecil", "dee_cecil"),
    {CalendarId::kRevisedJulian,
     0,
     0,
     "revised-julian",
     "revised_julian",
     "Revised Julian",
     "RJ",
     "RJ",
     true,
     TextForm::kTag,
     calendar_rows::MonthNameBy<RomanMonthName>,
     calendar_rows::LeapBy<IsRevisedJulianLeapYear>,
     kRevisedJulianLeapRule,
     true,
     kRevisedJulianFirstDay,
     kRevisedJulianLastDay,
     calendar_rows::DayNumberBy<IsRevisedJulianDate, RevisedJulianDayNumber>,
     calendar_rows::DateBy<RevisedJulianDateOfDay>,
     CalendarId::kRevisedJulian,
     3},
    {CalendarId::kIsoWeek,
     0,
     0,
     "iso-week",
     "iso_week",
     "ISO Week",
     "",
     "",
     false,
     TextForm::kIsoWeek,
     calendar_rows::NoMonthName,
     calendar_rows::LeapBy<IsIsoWeekLeapYear>,
     kIsoWeekLeapRule,
     false,
     kIsoWeekFirstDay,
     kIsoWeekLastDay,
     calendar_rows::DayNumberBy<IsIsoWeekDate, IsoWeekDayNumber>,
     calendar_rows::DateBy<IsoWeekDateOfDay>,
     CalendarId::kIsoWeek,
     0},
    {CalendarId::kHebrew,
     0,
     0,
     "hebrew",
     "hebrew",
     "Hebrew",
     "AM",
     "AM",
     true,
     TextForm::kTag,
     calendar_rows::MonthNameBy<HebrewMonthName>,
     calendar_rows::LeapBy<IsHebrewLeapYear>,
     kHebrewLeapRule,
     false,
     kHebrewFirstDay,
     kHebrewLastDay,
     calendar_rows::DayNumberBy<IsHebrewDate, HebrewDayNumber>,
     calendar_rows::DateBy<HebrewDateOfDay>,
     CalendarId::kHebrew,
     0},
    {CalendarId::kIslamic,
     0,
     0,
     "islamic",
     "islamic",
     "Islamic",
     "AH",
     "AH",
     true,
     TextForm::kTag,
     calendar_rows::NameFromList<kIslamicMonthNames>,
     calendar_rows::LeapBy<IsIslamicLeapYear>,
     kIslamicLeapRule,
     true,
     kIslamicFirstDay,
     kIslamicLastDay,
     calendar_rows::DayNumberBy<IsIslamicDate, IslamicDayNumber>,
     calendar_rows::DateBy<IslamicDateOfDay>,
     CalendarId::kIslamic,
     0},
    {CalendarId::kPersian,
     0,
     0,
     "persian",
     "persian",
     "Persian",
     "AP",
     "AP",
     true,
     TextForm::kTag,
     calendar_rows::NameFromList<kPersianMonthNames>,
     calendar_rows::LeapBy<IsPersianLeapYear>,
     kPersianLeapRule,
     true,
     kPersianFirstDay,
     kPersianLastDay,
     calendar_rows::DayNumberBy<IsPersianDate, PersianDayNumber>,
     calendar_rows::DateBy<PersianDateOfDay>,
     CalendarId::kPersian,
     6},
    {CalendarId::kFrenchRepublican,
     0,
     0,
     "french-republican",
     "french_republican",
     "French Republican",
     "FR",
     "FR",
     true,
     TextForm::kRepublican,
     calendar_rows::NameFromList<kFrenchRepublicanMonthNames>,
     calendar_rows::LeapBy<IsFrenchRepublicanLeapYear>,
     kFrenchRepublicanLeapRule,
     false,
     kFrenchRepublicanFirstDay,
     kFrenchRepublicanLastDay,
     calendar_rows::DayNumberBy<IsFrenchRepublicanDate, FrenchRepublicanDayNumber>,
     calendar_rows::DateBy<FrenchRepublicanDateOfDay>,
     CalendarId::kFrenchRepublican,
     0,
     0,
     nullptr,
     nullptr,
     calendar_rows::FrenchRepublicanDayName},
    {CalendarId::kEngland,
     0,
     0,
     "england",
     "england",
     "England",
     "EN",
     "EN",
     true,
     TextForm::kLegalYear,
     calendar_rows::MonthNameBy<RomanMonthName>,
     calendar_rows::LeapBy<IsEnglandLeapYear>,
     kEnglandLeapRule,
     false,
     kEnglandFirstDay,
     kEnglandLastDay,
     calendar_rows::DayNumberBy<IsEnglandDate, EnglandDayNumber>,
     calendar_rows::DateBy<EnglandDateOfDay>,
     CalendarId::kEngland,
     7,
     0,
     calendar_rows::EnglandRowLegalYear,
     calendar_rows::EnglandRowJulianReckoning},
}};

static_assert(kBuiltInCalendars.back().id == CalendarId::kEngland &&
                  static_cast<size_t>(CalendarId::kEngland) == kBuiltInCalendarCount - 1,
              "a row for every id, in the order of the ids");

const CalendarInfo& AddedCalendarAt(std::size_t index);

// The start of the row of a calendar read from a file at start (a calendar
// defined as data, a region): its texts, its tag that marks its dates and is
// implied, every day its range, listed among every calendar only on request.
// The texts must outlive the row (AddCalendar keeps what holds them).
inline CalendarInfo FileRow(std::string_view key, std::string_view json_key, std::string_view name,
                            std::string_view tag, const void* rules) {
  CalendarInfo row{};
  row.key = key;
  row.json_key = json_key;
  row.name = name;
  row.tag = tag;
  row.mark = tag;
  row.tag_implied = true;
  row.first_day = INT32_MIN;
  row.last_day = INT32_MAX;
  row.rules = rules;
  row.on_request = true;
  return row;
}

// Every row, in order. Rows stay where they are for the life of the program.
const std::vector<const CalendarInfo*>& Calendars();

// The row of a calendar.
inline const CalendarInfo& CalendarOf(CalendarId id) {
  const auto index = static_cast<std::size_t>(id);
  return index < kBuiltInCalendarCount ? kBuiltInCalendars[index] : AddedCalendarAt(index);
}

// Adds a row at run time, before the rows are read elsewhere (start-up):
// its id is the next free one, `rules` is kept for its functions. Refused
// (the reason returned, nothing added) when the row lacks a key, a name or
// its conversions, its tag is not two or three capitals or holds the mark of
// one of the main window's calendars (CE, JC, D), or its key, JSON key or
// tag is one the table already has.
struct AddedCalendar {
  const CalendarInfo* calendar = nullptr;
  std::string refusal;  // empty when added
};
AddedCalendar AddCalendar(CalendarInfo row, std::shared_ptr<const void> rules = nullptr);

// The calendars of the main window, the first rows of the table: its lists,
// its output rows, the tags its year-month-day box reads and what it saves.
// Its third is the Dee calendar (the Dee row), whichever version is in force:
// InForce gives the version's row.
inline constexpr std::size_t kMainCalendarCount = 3;
std::array<const CalendarInfo*, kMainCalendarCount> MainCalendars();

// The row a Dee version is (kDeeVersion: the Dee row); and the row of a
// calendar in force: for a version of another calendar, the version the Dee
// version names, if it is one of them.
inline const CalendarInfo& DeeRow(const DeeVersion& dee) {
  return CalendarOf(dee.epoch == kDeeEpoch ? CalendarId::kDee : CalendarId::kDeeCecil);
}
inline const CalendarInfo& InForce(const CalendarInfo& calendar, const DeeVersion& dee) {
  const CalendarInfo& chosen = DeeRow(dee);
  return calendar.version_of == chosen.version_of ? chosen : calendar;
}
// What a list of every calendar holds besides the table's own rows: the
// calendars defined by files (calendar/Proposal.h), when asked
// (--with-proposals), and the region a date was read in (calendar/Region.h;
// England, a row of the table's own, is always listed).
struct CalendarListing {
  bool definitions = false;
  const CalendarInfo* region = nullptr;
};
// The calendars in force, in table order: every row but the Dee version not
// chosen, and those the listing asks for. What the calendars window, convert
// --all and the JSON of every calendar list.
std::vector<const CalendarInfo*> CalendarsInForce(const DeeVersion& dee,
                                                  CalendarListing listing = {});
// Every row in force, regions and definitions too: the keys and tags a date
// is read by, orvc calendars.
std::vector<const CalendarInfo*> EveryCalendarInForce(const DeeVersion& dee);
// The key and JSON key a row has in such a list: the calendar's it is a
// version of ("dee" for Dee-Cecil).
std::string_view ListedKey(const CalendarInfo& calendar);
std::string_view ListedJsonKey(const CalendarInfo& calendar);
// Whether the row is one of several versions of a calendar (Dee, Dee-Cecil).
bool IsVersion(const CalendarInfo& calendar);
// The solar calendars compared against the equinox, in their columns' order
// (those defined by files only when asked).
std::vector<const CalendarInfo*> ComparedCalendars(bool with_definitions = false);

// A month's name in the calendar, empty for a month it has not; whether a
// year is leap.
inline std::string_view MonthNameOf(const CalendarInfo& calendar, int32_t year, int32_t month) {
  return calendar.month_name(calendar, year, month);
}
inline bool IsLeapYearOf(const CalendarInfo& calendar, int32_t year) {
  return calendar.is_leap_year(calendar, year);
}
// The name a day goes by, empty for most.
inline std::string_view DayNameOf(const CalendarInfo& calendar, const CalendarDate& date) {
  return calendar.day_name != nullptr
             ? calendar.day_name(calendar, {date.year, date.month, date.day})
             : std::string_view();
}

// Whether the calendar dates the day (its range).
inline bool Dates(const CalendarInfo& calendar, int32_t jdn) {
  return jdn >= calendar.first_day && jdn <= calendar.last_day;
}

// 12:00 of the day is the day; a date that does not exist (30 February,
// month 13, day 0) is kNoSuchDate, one whose number would not fit in 32 bits
// kOutOfRange.
inline DayResult DayNumberOf(const CalendarDate& date) {
  const CalendarInfo& calendar = CalendarOf(date.calendar);
  return calendar.day_number(calendar, date.year, date.month, date.day);
}

// For a day number in the calendar's range (DateIn checks it); every 32-bit
// day for the calendars without an epoch.
inline CalendarDate DateOfDay(int32_t jdn, const CalendarInfo& calendar) {
  const YearMonthDay found = calendar.date_of_day(calendar, jdn);
  return {found.year, found.month, found.day, calendar.id};
}
inline CalendarDate DateOfDay(int32_t jdn, CalendarId calendar) {
  return DateOfDay(jdn, CalendarOf(calendar));
}

// The day in the calendar; none outside its range.
std::optional<CalendarDate> DateIn(const CalendarInfo& calendar, int32_t jdn);

// The year the date belongs to in law, the year itself in most calendars;
// whether it is reckoned on the Julian rule (England before 14 September
// 1752).
int32_t LegalYearOf(const CalendarDate& date);
bool IsJulianReckoning(const CalendarDate& date);

// Lookups; null when no calendar matches. A key or tag is looked up among
// the calendars given (those in force for the Dee version, or the main
// window's), under the key they are listed by.
const CalendarInfo* CalendarByCode(int32_t code);
const CalendarInfo* CalendarBySavedIndex(int index);
const CalendarInfo* CalendarByKey(std::string_view key, const DeeVersion& dee);
const CalendarInfo* CalendarByTag(std::string_view tag, const DeeVersion& dee);
// Among the main window's three: the Dee row for the tag of the version in
// force.
const CalendarInfo* MainCalendarByTag(std::string_view tag, const DeeVersion& dee);

// The name ("Gregorian", "Julian", the Dee version's) and the tag of a
// calendar in force.
std::string_view CalendarName(const CalendarInfo& calendar, const DeeVersion& dee);
std::string_view CalendarTag(const CalendarInfo& calendar, const DeeVersion& dee);

}  // namespace orv
