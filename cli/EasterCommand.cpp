// orvc easter: Easter Sunday by both computi, a row a year from YEAR.
#include <QRegularExpression>
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
  AppendCalendarYearMonthDay(text, *date, kDeeCecilVersion, GroupSeparator());
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
  if (options.positional.size() != 1) throw UsageError{{}, true};
  // A year as the year box takes it: digits, grouped or not, with a sign.
  static const QRegularExpression form(
      QStringLiteral("^[+-]?([0-9]{1,12}|[0-9]{1,3}(,[0-9]{3}){1,3})$"));
  const QString& argument = options.positional[0];
  if (!form.match(argument).hasMatch()) {
    throw UsageError{
        "orvc: YEAR must be a whole number (\"2025\", \"1,583\"); not \"" + argument + "\"", true};
  }
  const int64_t first = QString(argument).remove(u',').toLongLong();
  const int64_t years = options.count.value_or(1);
  const int64_t last = first + std::max<int64_t>(years, 1) - 1;
  if (first < kJulianEasterFirstYear || last > kEasterLastYear) {
    err << "Easter is computed for the years " << YearText(kJulianEasterFirstYear) << " to "
        << YearText(kEasterLastYear) << " (by the Gregorian computus from "
        << kGregorianEasterFirstYear << "), not for "
        << (first == last ? YearText(first) : YearText(first) + " to " + YearText(last)) << ".\n";
    return kOrvcRefused;
  }
  // Columns line up down the run: the years right-aligned, a missing
  // Gregorian date as wide as the Julian one beside it.
  const qsizetype year_width = YearText(last).size();
  ReportPrinter printer(options, out);
  for (int64_t year = first; year < first + years; ++year) {
    const auto year32 = static_cast<int32_t>(year);
    const QString gregorian = DateText(GregorianEaster(year32));
    const QString julian = DateText(JulianEaster(year32));
    const QString julian_in_gregorian = DateText(JulianEasterInGregorian(year32));
    const QString line =
        QStringLiteral("%1  Gregorian %2  Julian %3 = %4")
            .arg(YearText(year).rightJustified(year_width),
                 gregorian.isEmpty() ? QStringLiteral("-").leftJustified(julian.size()) : gregorian,
                 julian, julian_in_gregorian);
    printer.Row(line, {{"year", qint64(year)},
                       {"gregorian_easter", DateValue(gregorian)},
                       {"julian_easter", DateValue(julian)},
                       {"julian_easter_gregorian", DateValue(julian_in_gregorian)}});
  }
  return kOrvcSuccess;
}

}  // namespace orv
