// What the program's logic has to tell its user: a kind and the facts it
// names. Nothing here shows anything or chooses how it looks: the command line
// prints NoticeText, the windows show it in a message box with the icon and
// title of its kind and of the action the user took
// (ui_services/MessageBox.h).
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

enum class NoticeKind : uint8_t {
  // Refusals of a typed date.
  kUnknownTag,        // a tag no calendar has
  kNoNotation,        // no notation chosen
  kInconsistentTags,  // year-month-day: the mark of another calendar
  kNoTag,             // year-month-day: no tag, none implied
  kEraTag,            // year-month-day: "AD" or "BC"
  kInvalidDate,       // not three numbers, a month or day out of range, no such tag
  kDateOutOfRange,    // year-month-day: a year beyond 99,999
  kInvalidYear,       // month-day-year: other characters
  kYearNotPositive,   // month-day-year: zero or negative
  kYearOutOfRange,    // month-day-year: beyond 99,999
  kNoSuchDate,        // the date does not exist in its calendar
  kBeyondCalendar,    // before the first or after the last day the calendar dates
  // Why a date names no day, where a window or command of our own says so
  // (the main window keeps kInvalidDate and kNoSuchDate).
  kNoSuchMonth,       // a month number beyond the year's months
  kNoLeapMonth,       // a month only leap years have, in a common year
  kNoSuchWeek,        // an ISO week beyond the year's weeks
  kDayPastMonthEnd,   // a day before 1 or after the month's last
  kSkippedDays,       // a day the calendar skipped (England, September 1752)
  kOtherDeeVersion,   // the Dee tag of the version not in force
  kDualYearMismatch,  // England: a dual year ("1750/51") the day does not have
  kNoDayInLegalYear,  // a region's legal year as written has no such day
  kSwitchedOver,      // a day a region skipped when it changed its calendar
  kTwiceInLegalYear,  // a date a region's year had twice (Easter style)
  kInvalidTime,       // a time of day after the date that is not one ("25:00")
  // Refusals of the arithmetic's amounts.
  kNoYearsAndMonths,  // in a calendar that has none to add
  kNegativeAmount,
  kInvalidAmount,  // other characters, beyond 32 bits, or a result beyond them
  // Refusals of a typed day number.
  kInvalidDayNumber,
  kDayNumberOutOfRange,
  // The weekday test's answers.
  kOnWeekdayInNeither,
  kOnWeekdayInBoth,
  // The reports.
  kSequenceEnds,           // at the last day that can be numbered
  kEquinoxYearOutOfRange,  // a year outside the years the equinoxes are computed for
  // A line of orvc's standard input.
  kNotUtf8,
  // A field orvc does not write (--to).
  kUnknownField,
  // The user's calendar definitions (`name` the file, `part` the reason).
  kDefinitionRefused,    // not a calendar, or one the table has: nothing written
  kDefinitionFileError,  // a file that could not be read or written
  kShippedDefinition,    // `name` the calendar: shipped, not the user's to change
};

struct Notice {
  explicit Notice(NoticeKind notice_kind, std::string_view notice_name = {},
                  int64_t notice_number = 0)
      : kind(notice_kind), name(notice_name), number(notice_number) {}
  NoticeKind kind;
  // kNoSuchDate: the calendar's name and the year, when the date is 29
  // February of a year that is not a leap year there (else empty and 0);
  // kBeyondCalendar, kNoYearsAndMonths: the calendar's name; kUnknownTag: the
  // tag as typed; the weekday notices: the weekday, 0 Sunday ... 6 Saturday.
  std::string name;
  int64_t number = 0;
  // kBeyondCalendar: the calendar's first and last day, as year-month-day.
  std::string first_day;
  std::string last_day;
  // Why a date names no day:
  //   kNoSuchMonth, kNoSuchWeek: `name` the year ("2023 CE", "2021"),
  //     `number` its months (weeks), `part` the one typed ("13", "53");
  //   kNoLeapMonth: `name` the year ("5785 AM"), `part` the month ("Adar II");
  //   kDayPastMonthEnd: `name` the month ("February 2800 RJ"), `number` its
  //     days; when it has more in a leap year, `part` the year ("2800") and
  //     `calendar` the calendar's name;
  //   kSkippedDays: `name` the month ("September 1752 EN"), `number` and
  //     `last_number` the first and last day it skipped;
  //   kOtherDeeVersion: `name` the tag typed ("D");
  //   kInvalidTime: `name` the time typed ("25:00");
  //   kNoDayInLegalYear: `name` the region, `part` the day ("10 February"),
  //     `number` the legal year;
  //   kTwiceInLegalYear: as kNoDayInLegalYear;
  //   kSwitchedOver: `name` the region, `part` its last day before
  //     ("17 February"), `calendar` its first after ("1 March 1753");
  //   kUnknownField: `name` the field asked for, `part` the fields there are;
  //   kDualYearMismatch: `name` the dual year typed ("1750/51"), `part` the
  //     date ("June 1, 1751"; empty when the second year does not follow the
  //     first), `calendar` a region's name (England's: empty);
  //   kDateOutOfRange: `number` the largest year typed, when the notice names
  //     the range (0: the main window's words).
  std::string part;
  std::string calendar;
  int64_t last_number = 0;
  friend bool operator==(const Notice&, const Notice&) = default;
};

// A notice, if there is one to give.
using UserNotice = std::optional<Notice>;

// A value, or the notice that says why there is none: the shape of what the
// core's fallible functions return, so that a caller cannot take the value
// without meeting the refusal.
//
//   const Result<ArithmeticValues> amounts = ReadArithValues(typed);
//   if (!amounts) return amounts.refusal();
//   Use(*amounts);
template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : value_(std::move(value)) {}             // NOLINT(google-explicit-constructor)
  Result(Notice refusal) : refusal_(std::move(refusal)) {}  // NOLINT(google-explicit-constructor)
  explicit operator bool() const { return value_.has_value(); }
  // The value, when there is one.
  const T& operator*() const { return *value_; }
  const T* operator->() const { return &*value_; }
  // Why there is none, when there is none.
  const Notice& refusal() const { return *refusal_; }

 private:
  std::optional<T> value_;
  std::optional<Notice> refusal_;
};

// The notice in the program's words ("Invalid input date"); a text of more
// than one line has CR LF between its lines.
QString NoticeText(const Notice& notice);

// The kind as a stable snake_case name ("no_such_day", "out_of_range"), for
// scripts that read orvc's JSON: a name, once given, stays.
std::string_view NoticeKindName(NoticeKind kind);

}  // namespace orv
