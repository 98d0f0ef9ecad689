// How far apart two days are: in days, in weeks and days, and in years,
// months and days by the program's own arithmetic.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "calendar/Calendars.h"
#include "calendar/Dee.h"
#include "core/CalendarDay.h"
#include "core/Notice.h"

namespace orv {

// A date of the difference window and orvc diff, of any calendar, read as
// every window but the main one reads a date (core/CalendarDay.h: ReadDate);
// an untagged date is Gregorian: the window has no calendar list.
DateReading ReadDifferenceDate(QStringView text, const DeeVersion& dee);

// From one day to another. days = 7 * weeks + week_days. years, months and
// remainder_days are in the calendar of the first date: the most whole years
// and months that, added (or, backwards, subtracted) with the month-end rule
// of the date arithmetic, do not pass the second date, then the days left.
// So the main window's arithmetic, given the first date and these amounts,
// gives the second date. Every figure has the sign of days.
struct DateDifference {
  int64_t days = 0;
  int64_t weeks = 0;
  int64_t week_days = 0;
  int64_t years = 0;
  int64_t months = 0;
  int64_t remainder_days = 0;
  bool has_years_and_months = true;  // false: years, months and remainder_days mean nothing
};
// From an existing date of any calendar of the table (the years and months
// added as core/CalendarDay.h adds them); the days and weeks alone where its
// calendar has no years and months to add, or no date for the second day.
DateDifference DifferenceInCalendar(const CalendarDate& from, int32_t to_jdn);

// The texts the window and orvc show: "8,845", "1,263 weeks, 4 days",
// "24 years, 2 months, 3 days" ("-1 week, -2 days" backwards; empty without
// years and months).
struct DifferenceTexts {
  QString days;
  QString weeks;
  QString years_months_days;
};
DifferenceTexts TextsOf(const DateDifference& difference);

// The difference as lines to copy or print (no line breaks at the ends; the
// last only with years and months):
//   From:               2000-01-01 CE
//   To:                 2024-03-01 CE
//   Days:               8,826
//   Weeks and days:     1,260 weeks, 6 days
//   In the Gregorian Calendar: 24 years, 2 months, 0 days
QStringList DifferenceLines(const QString& from, const QString& to, const DifferenceTexts& texts,
                            const QString& calendar_name);

}  // namespace orv
