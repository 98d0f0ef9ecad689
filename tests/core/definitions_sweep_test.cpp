// Every day of the 32-bit range: the Gregorian, Julian, Revised Julian, Dee
// and Dee-Cecil calendars as definition files agree with the built-in rows.
// Both count days without a gap, so the same first day of every month and the
// same month lengths in every year are the same date for every day. Some
// seconds a calendar in a release build: out of the default run
// (ctest --preset exhaustive).
#include <gtest/gtest.h>

#include <QFile>

#include "calendar/CalendarDate.h"
#include "core/ProposalFile.h"

namespace orv {
namespace {

TEST(DefinitionsSweep, EveryDayOfTheRangeAsTheBuiltInRows) {
  const struct {
    const char* file;
    CalendarId built_in;
  } cases[] = {{"gregorian-rule.json", CalendarId::kGregorian},
               {"julian-rule.json", CalendarId::kJulian},
               {"revised-julian-rule.json", CalendarId::kRevisedJulian},
               {"dee-rule.json", CalendarId::kDee},
               {"dee-cecil-rule.json", CalendarId::kDeeCecil}};
  for (const auto& c : cases) {
    QFile file(QStringLiteral(SHIPPED_CALENDARS_DIR "/") + QLatin1String(c.file));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const ReadDefinition read = ReadCalendarDefinition(file.readAll());
    ASSERT_TRUE(read.rules) << read.refusal;
    const CalendarInfo row = ProposalRow(*read.rules);
    const CalendarInfo& built_in = CalendarOf(c.built_in);
    const int32_t first_year = DateOfDay(INT32_MIN, built_in).year;
    const int32_t last_year = DateOfDay(INT32_MAX, built_in).year;
    ASSERT_EQ(row.date_of_day(row, INT32_MIN).year, first_year) << c.file;
    ASSERT_EQ(row.date_of_day(row, INT32_MAX).year, last_year) << c.file;
    for (int32_t year = first_year; year <= last_year; ++year) {
      for (int32_t month = 1; month <= 12; ++month) {
        for (const int32_t day : {1, 28, 29, 30, 31}) {
          const DayResult ours = row.day_number(row, year, month, day);
          const DayResult theirs = DayNumberOf({year, month, day, built_in.id});
          // (Beyond the 32-bit days the built-in Revised Julian row calls a
          // date no date at all; the others, and the definitions, out of range.)
          if (static_cast<bool>(ours) != static_cast<bool>(theirs) || ours.jdn != theirs.jdn) {
            FAIL() << c.file << " at " << year << "-" << month << "-" << day << ": "
                   << static_cast<int>(ours.status) << " " << ours.jdn << " against "
                   << static_cast<int>(theirs.status) << " " << theirs.jdn;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace orv
