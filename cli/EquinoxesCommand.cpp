// orvc equinoxes: the vernal equinox table from a year, or from the year of a
// date.
#include <QRegularExpression>

#include "cli/CommandLine.h"
#include "core/ReportBuilders.h"

namespace orv {

int RunEquinoxes(const Options& options, QTextStream& out, QTextStream& err) {
  if (options.positional.size() != (options.mdy ? 4 : 1)) throw UsageError{kUsage};
  QString count_text = options.count.isEmpty() ? QStringLiteral("12") : options.count;
  const RunCount count = ReadRunCount(count_text, QStringLiteral("Too many years"));
  if (count.message) {
    PrintMessages({*count.message}, err);
    return kOrvcRefused;
  }
  int32_t year = 0;
  static const QRegularExpression bare_year(QStringLiteral("^[+-]?[0-9]{1,7}$"));
  if (!options.mdy && bare_year.match(options.positional[0]).hasMatch()) {
    year = options.positional[0].toInt();
  } else {
    TypedDate typed = TypedDateFor(options, options.positional);
    HeldInput held;
    const bool complete = IsComplete(typed);
    if (complete) {
      if (const UserMessage refusal = CheckTypedDate(typed, options.dee, held.DateParts)) {
        PrintMessages({*refusal}, err);
        return kOrvcRefused;
      }
    } else {
      typed.notation = Notation::kYearMonthDay;  // what the window reads without a complete input
    }
    year = YearOfTypedDate(typed);
    if (IsEquinoxYear(year) && !DayForReport(typed, options, held, err)) return kOrvcRefused;
  }
  if (!IsEquinoxYear(year)) {
    PrintMessages({VernalEquinoxOutOfRangeMessage()}, err);
    return kOrvcRefused;
  }
  if (count.count == 0) return kOrvcSuccess;
  VernalEquinoxRun run;
  run.first_year = year;
  run.years = count.count;
  run.longitude_degrees = options.longitude;
  run.longitude_label = options.longitude_label;
  run.apparent_time = options.apparent;
  run.dee = options.dee;
  const ReportOutput output = BuildVernalEquinoxTable(run);
  out << LineFeeds(output.text);
  if (output.message) PrintMessages({*output.message}, err);
  return kOrvcSuccess;
}

}  // namespace orv
