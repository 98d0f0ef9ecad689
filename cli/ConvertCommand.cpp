// orvc convert: the day of a date in every calendar, or of each line of
// standard input.
#include "cli/CommandLine.h"
#include "core/Calculation.h"

namespace orv {
namespace {

// Checks and converts a date; returns the refusal messages, empty on success.
std::vector<MessageRequest> Convert(TypedDate& typed, const Options& options, HeldInput& held) {
  if (!IsComplete(typed)) {
    return {Message("Please specify calendar for year-month-day date.", MessageStyle::kNone)};
  }
  ArithmeticInput arithmetic = ArithmeticFor(options);
  Calculation calculation = Calculate(typed, arithmetic, options.dee, held);
  if (calculation.found) return {};
  if (calculation.messages.empty())
    calculation.messages.push_back(Message("Invalid input date", MessageStyle::kExclamation));
  return calculation.messages;
}

Era EraStyle(const Options& options, const TypedDate& typed) {
  return options.era_style.value_or(options.mdy ? typed.era : Era::kCE);
}

}  // namespace

int RunConvert(const Options& options, QTextStream& in, QTextStream& out, QTextStream& err) {
  // What one date leaves for the next, as in the window.
  HeldInput held;
  if (!options.mdy && options.positional == QStringList{QStringLiteral("-")}) {
    int status = kOrvcSuccess;
    int line_number = 0;
    bool first = true;
    QString line;
    while (in.readLineInto(&line)) {
      ++line_number;
      if (line.trimmed().isEmpty()) continue;
      TypedDate typed = TypedDateFor(options, {line});
      const std::vector<MessageRequest> refusals = Convert(typed, options, held);
      if (!refusals.empty()) {
        PrintMessages(refusals, err, QStringLiteral("line %1: ").arg(line_number));
        status = kOrvcRefused;
        continue;
      }
      if (!first && !options.json) out << '\n';
      first = false;
      out << ResultFor(held.InputDate.jdn, EraStyle(options, typed), options);
    }
    return status;
  }
  if (options.positional.size() != (options.mdy ? 4 : 1)) throw UsageError{kUsage};
  TypedDate typed = TypedDateFor(options, options.positional);
  const std::vector<MessageRequest> refusals = Convert(typed, options, held);
  if (!refusals.empty()) {
    PrintMessages(refusals, err);
    return kOrvcRefused;
  }
  out << ResultFor(held.InputDate.jdn, EraStyle(options, typed), options);
  return kOrvcSuccess;
}

}  // namespace orv
