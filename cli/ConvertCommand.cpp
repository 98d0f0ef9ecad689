// orvc convert: the day of a date in every calendar, or of each line of
// standard input.
#include <QIODevice>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>
#include <optional>

#include "calendar/Calendar.h"
#include "calendar/DatePr2.h"
#include "cli/CommandLine.h"
#include "core/Calculation.h"

namespace orv {
namespace {

// Checks and converts a date; returns the refusal messages, empty on success.
std::vector<MessageRequest> Convert(TypedDate& typed, const Options& options, HeldInput& held) {
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

// One line of standard input without its line break, decoded from UTF-8;
// nullopt when it is not UTF-8.
std::optional<QString> DecodedLine(QByteArray bytes) {
  while (bytes.endsWith('\n') || bytes.endsWith('\r')) bytes.chop(1);
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = decoder(bytes);
  if (decoder.hasError()) return std::nullopt;
  return text;
}

int RunConvert(const Options& options, QIODevice& in, QTextStream& out, QTextStream& err) {
  // What one date leaves for the next, as in the window.
  HeldInput held;
  if (!options.mdy && options.positional == QStringList{QStringLiteral("-")}) {
    int status = kOrvcSuccess;
    bool first = true;
    for (int line_number = 1;; ++line_number) {
      QByteArray bytes = in.readLine();
      if (bytes.isEmpty()) break;  // the end of the input: every line ends in a character
      if (line_number == 1 && bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
      const std::optional<QString> line = DecodedLine(bytes);
      if (line && line->trimmed().isEmpty()) continue;
      QString refusal;
      if (!line) {
        refusal = QStringLiteral("The line is not UTF-8 text.");
      } else {
        // A copy of the options only for a line whose tag names the other version.
        const DeeVersion version = DeeVersionFor(options, *line);
        Options other_version;
        if (version != options.dee) {
          other_version = options;
          other_version.dee = version;
        }
        const Options& line_options = version != options.dee ? other_version : options;
        TypedDate typed = TypedDateFor(line_options, {*line});
        const std::vector<MessageRequest> refusals = Convert(typed, line_options, held);
        for (const MessageRequest& message : refusals) {
          refusal += (refusal.isEmpty() ? QString() : QStringLiteral(" ")) + OneLine(message.text);
        }
        if (refusal.isEmpty()) {
          const Era era = EraStyle(line_options, typed);
          if (options.json) {
            QJsonObject object = ResultObject(held.InputDate.jdn, era, line_options);
            object.insert(QStringLiteral("line"), line_number);
            out << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
          } else {
            if (!first) out << '\n';
            out << ResultFor(held.InputDate.jdn, era, line_options);
          }
          first = false;
        }
      }
      if (!refusal.isEmpty()) {
        // One line each, on standard error and, for --json, in the output
        // where the line's answer would be.
        err << "line " << line_number << ": " << refusal << '\n';
        if (options.json) {
          const QJsonObject object{{"line", line_number},
                                   {"input", line ? *line : QString::fromUtf8(bytes).trimmed()},
                                   {"error", refusal}};
          out << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
        }
        status = kOrvcRefused;
      }
      if (options.answer_each_line) {
        out.flush();
        err.flush();
      }
    }
    return status;
  }
  // A day number, or today: the day itself, then any arithmetic.
  const bool today = !options.mdy && options.positional == QStringList{QStringLiteral("today")};
  if (options.jdn || today) {
    if (options.jdn && (options.mdy || !options.positional.isEmpty())) {
      throw UsageError{"orvc: --jdn takes the place of the date"};
    }
    held.InputDate = {0, 0, 0, kGregorianCode, options.jdn.value_or(0), 0};
    if (today) held.InputDate.jdn = TodayJDN();
    JDNToDate(held.InputDate, options.dee);
    ArithmeticInput arithmetic = ArithmeticFor(options);
    UserMessage message;
    if (!DayOfInput(nullptr, kGregorianCode, arithmetic, options.dee, true, held, message)) {
      PrintMessages({message.value_or(Message("Invalid input in the arithmetical function.",
                                              MessageStyle::kInformation))},
                    err);
      return kOrvcRefused;
    }
    out << ResultFor(held.InputDate.jdn, options.era_style.value_or(Era::kCE), options);
    return kOrvcSuccess;
  }
  if (options.positional.size() != (options.mdy ? 4 : 1)) throw UsageError{{}, true};
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
