// orvc convert: the day of a date in every calendar, or of each line of
// standard input.
#include <QIODevice>
#include <QStringDecoder>
#include <algorithm>
#include <functional>
#include <optional>

#include "calendar/CalendarDate.h"
#include "calendar/DatePr2.h"
#include "cli/CommandLine.h"
#include "core/Calculation.h"
#include "core/CalendarDay.h"

namespace orv {
namespace {

// Checks and converts a date: its day, or the refusal messages.
struct Conversion {
  std::optional<int32_t> day;
  std::vector<Notice> refusals;
};
Conversion Convert(const TypedDate& typed, const Options& options) {
  Calculation calculation = Calculate(typed, ReadingRulesFor(options), -1, ArithmeticFor(options));
  if (calculation.day) return {calculation.day, {}};
  if (calculation.messages.empty()) calculation.messages.emplace_back(NoticeKind::kInvalidDate);
  return {std::nullopt, calculation.messages};
}

Era EraStyle(const Options& options, const TypedDate& typed) {
  return options.era_style.value_or(options.mdy ? typed.era : Era::kCE);
}

// The lines of the input, each with its line break; empty at the end. The
// input is read in blocks of what has come; before a read that would wait
// for more, the answers so far are passed on (before_wait), so that a
// program feeding a line gets its answer at once. A line is valid until the
// next is asked for.
class InputLines {
 public:
  InputLines(QIODevice& in, std::function<void()> before_wait)
      : in_(in), before_wait_(std::move(before_wait)) {}

  QByteArrayView Next() {
    for (;;) {
      const qsizetype end = block_.indexOf('\n', start_);
      if (end >= 0 || at_end_) {
        const qsizetype length = end >= 0 ? end + 1 - start_ : block_.size() - start_;
        const QByteArrayView line = QByteArrayView(block_).sliced(start_, length);
        start_ += length;
        return line;
      }
      block_.remove(0, start_);
      start_ = 0;
      if (!in_.waitForReadyRead(0)) before_wait_();
      const QByteArray more = in_.read(1 << 16);
      if (more.isEmpty()) at_end_ = true;
      block_ += more;
    }
  }

 private:
  QIODevice& in_;
  std::function<void()> before_wait_;
  QByteArray block_;
  qsizetype start_ = 0;
  bool at_end_ = false;
};

}  // namespace

// One line of standard input without its line break, decoded from UTF-8;
// nullopt when it is not UTF-8.
std::optional<QString> DecodedLine(QByteArrayView bytes) {
  while (bytes.endsWith('\n') || bytes.endsWith('\r')) bytes.chop(1);
  // Most lines are ASCII, which reads the same in both.
  if (std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return (c & 0x80) == 0; })) {
    return QString::fromLatin1(bytes);
  }
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = decoder(bytes);
  if (decoder.hasError()) return std::nullopt;
  return text;
}

int RunConvert(const Options& options, QIODevice& in, QTextStream& out, QTextStream& err) {
  if (!options.mdy && options.positional == QStringList{QStringLiteral("-")}) {
    int status = kOrvcSuccess;
    bool first = true;
    // The answers, written in blocks, and whenever the input would keep them waiting.
    std::string answers;
    const auto write_answers = [&] {
      WriteUtf8(out, answers);
      answers.clear();
    };
    InputLines lines(in, [&] {
      write_answers();
      err.flush();
    });
    const char group_separator = GroupSeparator();
    for (int line_number = 1;; ++line_number) {
      QByteArrayView bytes = lines.Next();
      if (bytes.isEmpty()) break;  // the end of the input: every line ends in a character
      if (line_number == 1 && bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
      const std::optional<QString> line = DecodedLine(bytes);
      if (line && QStringView(*line).trimmed().isEmpty()) continue;
      std::vector<Notice> refusals;
      if (!line) {
        refusals.emplace_back(NoticeKind::kNotUtf8);
      } else {
        // A copy of the options only for a line whose tag names the other version.
        const DeeVersion version = DeeVersionFor(options, *line);
        Options other_version;
        if (version != options.dee) {
          other_version = options;
          other_version.dee = version;
        }
        const Options& line_options = version != options.dee ? other_version : options;
        const DateDay date = DayOfDate(*line, line_options);
        if (date.day) {
          if (!first && !options.json) answers += '\n';
          AppendResult(answers, *date.day, options.era_style.value_or(Era::kCE), line_options,
                       line_number, group_separator);
          first = false;
        } else {
          refusals.push_back(date.refusal);
        }
      }
      if (!refusals.empty()) {
        // One line each, on standard error and, for --json, in the output
        // where the line's answer would be.
        err << "line " << line_number << ": " << RefusalText(refusals) << '\n';
        if (options.json) {
          JsonWriter json(answers);
          WriteRefusal(json, line ? *line : QString::fromUtf8(bytes).trimmed(), refusals,
                       line_number);
          answers += '\n';
        }
        status = kOrvcRefused;
      }
      if (answers.size() >= 1 << 16) write_answers();
    }
    write_answers();
    return status;
  }
  // A day number, or today: the day itself, then any arithmetic.
  const bool today = !options.mdy && options.positional == QStringList{QStringLiteral("today")};
  if (options.jdn || today) {
    if (options.jdn && (options.mdy || !options.positional.isEmpty())) {
      throw UsageError{"orvc: --jdn takes the place of the date"};
    }
    const CalendarDate date =
        DateOfDay(today ? TodayJDN() : options.jdn.value_or(0), CalendarId::kGregorian);
    const InputDay input = DayOfInput(date, ArithmeticFor(options));
    if (!input.day) {
      PrintRefusal(options, today ? QStringLiteral("today") : QString::number(*options.jdn),
                   {input.refusal.value_or(Notice{NoticeKind::kInvalidAmount})}, out, err);
      return kOrvcRefused;
    }
    out << ResultFor(*input.day, options.era_style.value_or(Era::kCE), options);
    return kOrvcSuccess;
  }
  if (options.positional.size() != (options.mdy ? 4 : 1)) throw UsageError{};
  if (!options.mdy) {
    const std::optional<int32_t> jdn = DayOfDate(options.positional[0], options, out, err);
    if (!jdn) return kOrvcRefused;
    out << ResultFor(*jdn, options.era_style.value_or(Era::kCE), options);
    return kOrvcSuccess;
  }
  TypedDate typed = TypedDateFor(options, options.positional);
  const Conversion conversion = Convert(typed, options);
  if (!conversion.day) {
    PrintRefusal(options, options.positional.join(u' '), conversion.refusals, out, err);
    return kOrvcRefused;
  }
  out << ResultFor(*conversion.day, EraStyle(options, typed), options);
  return kOrvcSuccess;
}

}  // namespace orv
