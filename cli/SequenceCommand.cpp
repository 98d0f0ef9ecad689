// orvc sequence: the date sequence report, streamed row by row for any
// length within the day numbers.
#include <limits>

#include "cli/CommandLine.h"
#include "core/ReportBuilders.h"
#include "core/ReportRecords.h"
#include "core/StrProc.h"

namespace orv {

int RunSequence(const Options& options, QTextStream& out, QTextStream& err) {
  if (options.positional.size() != (options.mdy ? 4 : 1)) throw UsageError{{}, true};
  const int64_t days = options.count.value_or(14);
  TypedDate typed = TypedDateFor(options, options.positional);
  HeldInput held;
  if (!DayForReport(typed, options, held, err)) return kOrvcRefused;
  if (days == 0) return kOrvcSuccess;

  DateSequenceText text(options.dee);
  ReportPrinter printer(options, out);
  printer.Header(text.Header() + "\n\n");
  DateSequenceRow previous;
  int64_t rows = 0;
  int64_t same_days = 0;
  UserMessage message;
  for (int64_t day = held.InputDate.jdn; rows < days; ++day) {
    if (day > std::numeric_limits<int32_t>::max()) {
      message = LastNumberedDayMessage();
      break;
    }
    const DateSequenceRow row =
        DateSequenceDay(static_cast<int32_t>(day), options.dee, rows == 0 ? nullptr : &previous);
    printer.Row(text.Line(row), RecordOf(row, options.dee));
    ++rows;
    same_days += row.same ? 1 : 0;
    previous = row;
  }
  const QString summary = DateSequenceText::Summary(same_days, rows);
  printer.Summary(summary, {{"rows", qint64(rows)},
                            {"same_days", qint64(same_days)},
                            {"dee_version", QStringOf(options.dee.name)},
                            {"sentence", summary.isEmpty() ? QJsonValue() : QJsonValue(summary)}});
  if (message) PrintMessages({*message}, err);
  return kOrvcSuccess;
}

}  // namespace orv
