#include "core/DateDifference.h"

#include <QStringList>
#include <cstdlib>

#include "calendar/CalendarDate.h"
#include "core/CalendarDay.h"
#include "core/DateEntry.h"
#include "core/DateTexts.h"
#include "core/NumberFormat.h"

namespace orv {
namespace {

// The difference in days and weeks, then the most whole months `n` (as years
// and months) that, moved by `months_on`, do not pass the second day,
// starting the search from `estimate`.
template <typename MonthsOn>
DateDifference Difference(int32_t from_jdn, int32_t to_jdn, int64_t estimate, MonthsOn months_on) {
  DateDifference difference;
  difference.days = int64_t{to_jdn} - from_jdn;
  difference.weeks = difference.days / 7;  // both truncate toward zero: same sign
  difference.week_days = difference.days % 7;

  const bool forwards = difference.days >= 0;
  const auto passes = [&](int64_t n) {
    const std::optional<int32_t> day = months_on(n, forwards);
    return !day || (forwards ? *day > to_jdn : *day < to_jdn);
  };
  // The answer is at most one away from the estimate.
  int64_t n = std::llabs(estimate);
  while (n > 0 && passes(n)) --n;
  while (!passes(n + 1)) ++n;
  const int64_t sign = forwards ? 1 : -1;
  difference.years = sign * (n / 12);
  difference.months = sign * (n % 12);
  difference.remainder_days = int64_t{to_jdn} - *months_on(n, forwards);
  return difference;
}

QString Amount(int64_t value, const char* unit) {
  return FormatGroupedInteger(value) + u' ' + QLatin1String(unit) +
         (std::llabs(value) == 1 ? QString() : QStringLiteral("s"));
}

}  // namespace

DateReading ReadDifferenceDate(QStringView text, const DeeVersion& dee) {
  return ReadDate(text, {nullptr, &CalendarOf(CalendarId::kGregorian), dee});
}

DateDifference DifferenceInCalendar(const CalendarDate& from, int32_t to_jdn) {
  const int32_t from_jdn = DayNumberOf(from).jdn;
  const CalendarInfo& calendar = CalendarOf(from.calendar);
  if (!calendar.adds_years_and_months || !Dates(calendar, to_jdn)) {
    DateDifference days;
    days.days = int64_t{to_jdn} - from_jdn;
    days.weeks = days.days / 7;
    days.week_days = days.days % 7;
    days.has_years_and_months = false;
    return days;
  }
  const CalendarDate to = DateOfDay(to_jdn, from.calendar);
  return Difference(from_jdn, to_jdn, (int64_t{to.year} - from.year) * 12 + (to.month - from.month),
                    [&](int64_t n, bool forwards) {
                      const ArithmeticValues values = {static_cast<int32_t>(n / 12),
                                                       static_cast<int32_t>(n % 12), 0, 0};
                      const Result<MovedDay> moved = AddToCalendarDate(from, values, forwards);
                      return moved ? std::optional<int32_t>(moved->jdn) : std::nullopt;
                    });
}

DifferenceTexts TextsOf(const DateDifference& d) {
  DifferenceTexts texts{FormatGroupedInteger(d.days),
                        Amount(d.weeks, "week") + QStringLiteral(", ") + Amount(d.week_days, "day"),
                        QString()};
  if (d.has_years_and_months) {
    texts.years_months_days = Amount(d.years, "year") + QStringLiteral(", ") +
                              Amount(d.months, "month") + QStringLiteral(", ") +
                              Amount(d.remainder_days, "day");
  }
  return texts;
}

QStringList DifferenceLines(const QString& from, const QString& to, const DifferenceTexts& texts,
                            const QString& calendar_name) {
  const auto line = [](const char* label, const QString& value) {
    return QString::fromLatin1(label).leftJustified(20) + value;
  };
  QStringList lines = {line("From:", from), line("To:", to), line("Days:", texts.days),
                       line("Weeks and days:", texts.weeks)};
  if (!texts.years_months_days.isEmpty()) {
    lines << "In the " + calendar_name + ": " + texts.years_months_days;
  }
  return lines;
}

}  // namespace orv
