#include "core/DateDifference.h"

#include <QStringList>
#include <cstdlib>

#include "calendar/Calendar.h"
#include "core/DateEntry.h"
#include "core/DateTexts.h"
#include "core/NumberFormat.h"

namespace orv {
namespace {

// The day reached from `from` by n months (years and months), forwards or
// backwards, with the month-end rule; nullopt beyond the day numbers.
std::optional<int32_t> MonthsOn(const DateRecord& from, int64_t n, bool forwards,
                                const DeeVersion& dee) {
  DateRecord date = from;
  const ArithmeticValues values = {static_cast<int32_t>(n / 12), static_cast<int32_t>(n % 12), 0,
                                   0};
  if (!ApplyDateArithmetic(date, values, forwards, dee)) return std::nullopt;
  return date.jdn;
}

QString Amount(int64_t value, const char* unit) {
  return FormatGroupedInteger(value) + u' ' + QLatin1String(unit) +
         (std::llabs(value) == 1 ? QString() : QStringLiteral("s"));
}

}  // namespace

std::optional<DateRecord> ReadTaggedDate(QString& text, const DeeVersion& dee, UserMessage& message,
                                         const QString& title, const CalendarInfo* untagged) {
  TypedDate typed;
  typed.notation = Notation::kYearMonthDay;
  typed.year_month_day = text;
  typed.calendar = CalendarOfTaggedText(text, dee, untagged);
  QStringList pieces;
  DateRecord date;
  message = CheckTypedDate(typed, dee, pieces);
  if (!message) ReadTypedDate(typed, pieces, typed.calendar->code, dee, true, date, message);
  text = typed.year_month_day;
  if (message) {
    message->title = title;
    return std::nullopt;
  }
  return date;
}

DateDifference DifferenceBetween(const DateRecord& from, int32_t to_jdn, const DeeVersion& dee) {
  DateDifference difference;
  difference.days = int64_t{to_jdn} - from.jdn;
  difference.weeks = difference.days / 7;  // both truncate toward zero: same sign
  difference.week_days = difference.days % 7;

  const bool forwards = difference.days >= 0;
  const auto passes = [&](int64_t n) {
    const std::optional<int32_t> day = MonthsOn(from, n, forwards, dee);
    return !day || (forwards ? *day > to_jdn : *day < to_jdn);
  };
  // Start from the months between the two dates in the first one's calendar;
  // the answer is at most one away.
  DateRecord to{0, 0, 0, from.calendar, to_jdn, 0};
  JDNToDate(to, dee);
  int64_t n = std::llabs((int64_t{to.year} - from.year) * 12 + (to.month - from.month));
  while (n > 0 && passes(n)) --n;
  while (!passes(n + 1)) ++n;
  const int64_t sign = forwards ? 1 : -1;
  difference.years = sign * (n / 12);
  difference.months = sign * (n % 12);
  difference.remainder_days = int64_t{to_jdn} - *MonthsOn(from, n, forwards, dee);
  return difference;
}

DifferenceTexts TextsOf(const DateDifference& d) {
  return {FormatGroupedInteger(d.days),
          Amount(d.weeks, "week") + QStringLiteral(", ") + Amount(d.week_days, "day"),
          Amount(d.years, "year") + QStringLiteral(", ") + Amount(d.months, "month") +
              QStringLiteral(", ") + Amount(d.remainder_days, "day")};
}

QStringList DifferenceLines(const QString& from, const QString& to, const DifferenceTexts& texts,
                            const QString& calendar_name) {
  const auto line = [](const char* label, const QString& value) {
    return QString::fromLatin1(label).leftJustified(20) + value;
  };
  return {line("From:", from), line("To:", to), line("Days:", texts.days),
          line("Weeks and days:", texts.weeks),
          "In the " + calendar_name + ": " + texts.years_months_days};
}

}  // namespace orv
