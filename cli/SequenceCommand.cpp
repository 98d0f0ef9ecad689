// orvc sequence: the date sequence report, streamed row by row for any
// length within the day numbers.

#include "cli/CommandLine.h"
#include "core/ReportBuilders.h"
#include "core/ReportRecords.h"
#include "core/StrProc.h"

namespace orv {

int RunSequence(const Options& options, QTextStream& out, QTextStream& err) {
  if (options.positional.size() != (options.mdy ? 4 : 1)) throw UsageError{};
  const int64_t days = options.count.value_or(14);
  std::optional<int32_t> day;
  if (!options.mdy) {
    day = DayOfDate(options.positional[0], options, out, err);
  } else {
    TypedDate typed = TypedDateFor(options, options.positional);
    day = DayForReport(typed, options, out, err);
  }
  if (!day) return kOrvcRefused;
  if (days == 0) return kOrvcSuccess;

  DateSequenceText text(options.dee);
  ReportPrinter printer(options, out);
  printer.Header(text.Header() + "\n\n");
  DateSequenceRows rows(*day, options.dee);
  UserNotice message;
  while (rows.rows() < days) {
    const std::optional<DateSequenceRow> row = rows.Next();
    if (!row) {
      message = Notice{NoticeKind::kSequenceEnds};
      break;
    }
    printer.Row(text.Line(*row), RecordOf(*row, options.dee));
  }
  const QString summary = DateSequenceText::Summary(rows.same_days(), rows.rows());
  printer.Summary(summary, {{"rows", qint64(rows.rows())},
                            {"same_days", qint64(rows.same_days())},
                            {"dee_version", QStringOf(options.dee.name)},
                            {"sentence", summary.isEmpty() ? QJsonValue() : QJsonValue(summary)}});
  if (message) PrintMessages({*message}, err);
  return kOrvcSuccess;
}

}  // namespace orv
