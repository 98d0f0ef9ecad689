// The one reader of a typed date, for every calendar of the table and every
// front end: a typed date and the rules it is read by in, its date, its day
// number or the notice that says why it names none out.
//
// The two notations a user types a date in:
//   - month-day-year: a month, a day, a year text ("1,582") and an era (AD,
//     BC, CE, BCE), in a calendar;
//   - year-month-day: one text, an astronomical year with the calendar's tag
//     ("-4712-01-01 JC", "2000-01-02 DC", "5785-07-01 AM", "1999-W52-6").
//
//   ReadDate(u"1999-W52-6", {}).day                         // 2451544
//   ReadDate(u" 2000-1-1 ce", MainWindowRules(nullptr, dee)).text  // "2000-01-01 CE"
//
// Nothing the user typed is rewritten: the reading's `text` is the text as
// the program writes it back, and the caller puts it where it belongs.
#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/Calendars.h"
#include "core/Notice.h"

namespace orv {

enum class Notation { kMonthDayYear = 0, kYearMonthDay = 1 };

// Eras in the order of the era list, position 0 being none.
enum class Era { kNone = 0, kAD, kBC, kCE, kBCE };
inline const std::array<QString, 5> kEraTexts = {QString(), QStringLiteral("AD"),
                                                 QStringLiteral("BC"), QStringLiteral("CE"),
                                                 QStringLiteral("BCE")};
std::optional<Era> EraFromText(const QString& text);

// The era a date of this astronomical year is shown with, in the style the
// user chose (AD/BC or CE/BCE; CE/BCE when none was chosen).
Era EraForYear(Era chosen, int64_t year);

// A date as typed, in either notation.
struct TypedDate {
  Notation notation = Notation::kYearMonthDay;
  QString year_month_day;  // the year-month-day text
  int month = 0;           // [0:12], 0 when none is chosen
  int day = 0;             // [0:31], 0 when none is chosen
  QString year;            // the month-day-year year text
  Era era = Era::kNone;

  static TypedDate OfYearMonthDay(QString text) {
    TypedDate typed;
    typed.year_month_day = std::move(text);
    return typed;
  }
  static TypedDate OfMonthDayYear(int month, int day, QString year, Era era) {
    TypedDate typed;
    typed.notation = Notation::kMonthDayYear;
    typed.month = month;
    typed.day = day;
    typed.year = std::move(year);
    typed.era = era;
    return typed;
  }
};

// Who reads, and so which checks run in which order and which words refuse.
enum class ReadingVoice {
  // The main window: its three calendars only; its own words ("Invalid
  // input date"), and for a date that names no day none, or with `explain`
  // the leap-year lines of 29 February.
  kMainWindow,
  // The calendars and difference windows and orvc: any calendar of the
  // table by its own form (any calendar's tag, ISO week dates, England's dual
  // year "1749/50-02-10 EN"); a refusal names the rule the date breaks
  // (WhyNoDay), the range a year lies beyond and which Dee version is in
  // force.
  kProgram,
};

struct DateReadingRules {
  // The calendar chosen for the input; none: the one its tag names. (The
  // Dee calendar's row stands for the calendar whichever version is in force.)
  const CalendarInfo* calendar = nullptr;
  // The calendar of a year-month-day text without a tag when none is chosen;
  // none: such a text is refused for its missing tag.
  const CalendarInfo* untagged = nullptr;
  DeeVersion dee = kDeeCecilVersion;
  ReadingVoice voice = ReadingVoice::kProgram;
  bool explain = true;     // the main window's voice: say why a date names no day
  bool form_only = false;  // the checks of the form alone: no day is looked up
  bool write_back = true;  // false: the reading's text is left empty (a batch never shows it)
};

// The main window's rules, for a date of the calendar chosen (a weekday
// test reads in the Gregorian and the Julian calendar in turn).
inline DateReadingRules MainWindowRules(const CalendarInfo* calendar, const DeeVersion& dee,
                                        bool explain = true) {
  return {calendar, nullptr, dee, ReadingVoice::kMainWindow, explain, false, true};
}

struct DateReading {
  // The date read once its form has passed the checks, in the calendar in
  // force, whether or not it names a day.
  std::optional<CalendarDate> date;
  std::optional<int32_t> day;  // its day number, when it names one
  UserNotice refusal;          // why it names none (the main window may say nothing)
  // The text as the program writes it back: the canonical date once read;
  // else trimmed, in capitals, with the tag a calendar implies (the
  // month-day-year notation: its year, trimmed, without leading zeros,
  // grouped from 9,999 once read).
  QString text;
  // The program's voice: the time of day (UT) a year-month-day text carried
  // after its date ("2024-03-20 CE 03:06:21", "2024-03-20T03:06:21"), in
  // microseconds since 0 h.
  std::optional<int64_t> time_of_day;
  explicit operator bool() const { return day.has_value(); }
};

// The checks run in a fixed order; the first that fails gives the refusal.
// Year-month-day, in the main window's three calendars: tag consistency,
// tag present (the tag of a calendar that implies it appended), tag valid,
// three numbers, the year within 99,999, month and day in range; then the
// day. Month-day-year: the year's characters, leading zeros, sign and range;
// then the day. Any other calendar: its tag, its numbers, the day. In the
// program's voice a time of day may follow a year-month-day date ("03:06",
// "03:06:21", "03:06:21.25", after a space or a "T", with "Z" or "UT" or not);
// a time out of range is refused first. The main window takes none.
DateReading ReadDate(const TypedDate& typed, const DateReadingRules& rules);
DateReading ReadDate(QStringView year_month_day, const DateReadingRules& rules);
// The same for a text of ASCII characters (a line of a batch): its
// commonest form, "2024-03-20 CE" or "2024-03-20", is read straight from its
// bytes; any other goes the whole way.
DateReading ReadDate(std::string_view ascii_year_month_day, const DateReadingRules& rules);

// Whether the text's tag names a calendar outside the main window's ("AM"),
// or it is an ISO week date: what the main window's voice does not read.
bool NamesOtherCalendar(QStringView text, const DeeVersion& dee);

// The calendar a year-month-day text names by its tag ("2000-01-01 CE"; the
// Dee tag of the version in force): `untagged` for a text with no tag at
// all; none when its letters name no calendar ("BC", the other Dee version's
// tag), so that the checks say what is wrong with them.
const CalendarInfo* CalendarOfTaggedText(QStringView text, const DeeVersion& dee,
                                         const CalendarInfo* untagged);

// What is left of a year-month-day text once its digits, "-" and group
// separators are taken away: its tag, as ASCII letters; any other character
// stands as a byte that is part of no tag.
std::string LettersOfDateText(QStringView text);
std::string LettersOfDateText(std::string_view ascii_text);

}  // namespace orv
