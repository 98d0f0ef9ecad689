// orvc easter: Easter Sunday by both computi, a row a year from YEAR.
#include <QStringList>
#include <algorithm>
#include <string>

#include "calendar/Easter.h"
#include "cli/CommandLine.h"
#include "core/CalendarDay.h"
#include "core/NumberFormat.h"

namespace orv {
namespace {

// "2025-04-20 CE", "1582-04-15 JC"; empty for none.
QString DateText(const std::optional<CalendarDate>& date) {
  if (!date) return {};
  std::string text;
  AppendCalendarYearMonthDay(text, *date, GroupSeparator());
  return QString::fromStdString(text);
}

// A date's JSON and CSV value: its text, or null (an empty CSV field).
QJsonValue DateValue(const QString& text) {
  return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

// "1583", "12,345": grouped beyond 9999, as the dates write their years.
QString YearText(int64_t year) {
  std::string text;
  if (year >= -9999 && year <= 9999) {
    AppendInteger(text, year);
  } else {
    AppendGroupedInteger(text, year, GroupSeparator());
  }
  return QString::fromStdString(text);
}

}  // namespace

int RunEaster(const Options& options, QTextStream& out, QTextStream& err) {
  if (options.positional.size() != 1) throw UsageError{};
  const std::optional<int32_t> year = BareYear(options.positional[0]);
  if (!year) {
    throw UsageError{"orvc: YEAR must be a whole number (\"2025\", \"1,583\"); not \"" +
                     options.positional[0] + "\""};
  }
  // The years asked that have an Easter are printed; the others are named
  // after them, as a report names the years past its range's end.
  const int64_t asked_first = *year;
  const int64_t asked_last = asked_first + std::max<int64_t>(options.count.value_or(1), 1) - 1;
  const int64_t first = std::max<int64_t>(asked_first, kJulianEasterFirstYear);
  const int64_t last = std::min<int64_t>(asked_last, kEasterLastYear);
  QStringList without;
  const auto years_text = [](int64_t from, int64_t to) {
    return from == to ? YearText(from) : YearText(from) + " to " + YearText(to);
  };
  if (asked_first < first) without << years_text(asked_first, std::min(first - 1, asked_last));
  if (asked_last > last) without << years_text(std::max(last + 1, asked_first), asked_last);
  const auto say_without = [&] {
    if (without.isEmpty()) return;
    err << "Easter is computed for the years " << YearText(kJulianEasterFirstYear) << " to "
        << YearText(kEasterLastYear) << " (by the Gregorian computus from "
        << kGregorianEasterFirstYear << "), not for " << without.join(" or ") << ".\n";
  };
  if (first > last) {
    say_without();
    return kOrvcRefused;
  }
  // Columns line up down the run: the years right-aligned, a missing
  // Gregorian date as wide as the Julian one beside it.
  const qsizetype year_width = YearText(last).size();
  ReportPrinter printer(options, out);
  for (int64_t each = first; each <= last; ++each) {
    const auto year32 = static_cast<int32_t>(each);
    const QString gregorian = DateText(GregorianEaster(year32));
    const QString julian = DateText(JulianEaster(year32));
    const QString julian_in_gregorian = DateText(JulianEasterInGregorian(year32));
    const QString line =
        QStringLiteral("%1  Gregorian %2  Julian %3 = %4")
            .arg(YearText(each).rightJustified(year_width),
                 gregorian.isEmpty() ? QStringLiteral("-").leftJustified(julian.size()) : gregorian,
                 julian, julian_in_gregorian);
    printer.Row(line, {{"year", qint64(each)},
                       {"gregorian_easter", DateValue(gregorian)},
                       {"julian_easter", DateValue(julian)},
                       {"julian_easter_gregorian", DateValue(julian_in_gregorian)}});
  }
  say_without();
  return kOrvcSuccess;
}

}  // namespace orv
