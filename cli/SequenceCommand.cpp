// orvc sequence: the date sequence report.
#include "cli/CommandLine.h"
#include "core/ReportBuilders.h"

namespace orv {

int RunSequence(const Options& options, QTextStream& out, QTextStream& err) {
  if (options.positional.size() != (options.mdy ? 4 : 1)) throw UsageError{kUsage};
  QString count_text = options.count.isEmpty() ? QStringLiteral("14") : options.count;
  const RunCount count = ReadRunCount(count_text, QStringLiteral("Too many days"));
  if (count.message) {
    PrintMessages({*count.message}, err);
    return kOrvcRefused;
  }
  TypedDate typed = TypedDateFor(options, options.positional);
  HeldInput held;
  if (!DayForReport(typed, options, held, err)) return kOrvcRefused;
  if (count.count == 0) return kOrvcSuccess;
  DateSequenceRun run;
  run.first_jdn = held.InputDate.jdn;
  run.days = count.count;
  run.dee = options.dee;
  const ReportOutput output = BuildDateSequence(run);
  out << LineFeeds(output.text);
  if (output.message) PrintMessages({*output.message}, err);
  return kOrvcSuccess;
}

}  // namespace orv
