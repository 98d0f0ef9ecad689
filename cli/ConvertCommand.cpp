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
#include "core/OutputFields.h"
#include "core/ReportRecords.h"

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

// The chosen fields of each day (--to, --csv): in text a line of fields
// separated by tabs, in CSV a row (with the line's number and its error in
// a batch), in JSON an object of the fields (with "line" in a batch).
class FieldOutput {
 public:
  FieldOutput(const Options& options, bool batch)
      : options_(options),
        batch_(batch),
        names_(options.to.isEmpty() ? DefaultFields(options.all, options.dee, ListingOf(options))
                                    : *ReadFieldList(options.to, options.dee)) {}

  void Header(std::string& out) const {
    if (options_.csv) {
      if (batch_) out += "line,";
      for (const OutputField& field : names_) {
        AppendCsvField(out, field.name);
        out += ',';
      }
      out += "error\r\n";
    } else if (options_.header && !options_.json) {
      for (size_t i = 0; i < names_.size(); ++i) {
        if (i > 0) out += '\t';
        out += names_[i].name;
      }
      out += '\n';
    }
  }

  // The day's fields; the Dee calendar's in the version of the line's options.
  void Day(std::string& out, const DayAndTime& day, Era era, const Options& line_options,
           std::optional<int> line) {
    FieldWriter& writer = WriterFor(era, line_options.dee);
    const size_t count = writer.fields().size();
    if (options_.json) {
      JsonWriter json(out);
      json.BeginObject();
      if (line) json.Key("line").Integer(*line);
      for (size_t i = 0; i < count; ++i) {
        json.Key(JsonKey(writer.fields()[i].json_key));
        writer.AppendJson(json, i, day);
      }
      json.EndObject();
      out += '\n';
      return;
    }
    if (options_.csv) {
      if (line) {
        AppendInteger(out, *line);
        out += ',';
      }
      for (size_t i = 0; i < count; ++i) {
        cell_.clear();
        writer.AppendText(cell_, i, day);
        AppendCsvField(out, cell_);
        out += ',';
      }
      out += "\r\n";  // the error column, empty
      return;
    }
    for (size_t i = 0; i < count; ++i) {
      if (i > 0) out += '\t';
      writer.AppendText(out, i, day);
    }
    out += '\n';
  }

  // A refused line of a batch, in CSV: its row with the error alone.
  void Refused(std::string& out, int line, const std::vector<Notice>& refusals) const {
    AppendInteger(out, line);
    out += ',';
    out.append(names_.size(), ',');
    AppendCsvField(out, RefusalText(refusals).toStdString());
    out += "\r\n";
  }

 private:
  FieldWriter& WriterFor(Era era, const DeeVersion& dee) {
    std::optional<FieldWriter>& writer = writers_[dee == kDeeVersion ? 1 : 0];
    if (!writer || era != era_) {
      era_ = era;
      writer.emplace(options_.to.isEmpty() ? DefaultFields(options_.all, dee, ListingOf(options_))
                                           : *ReadFieldList(options_.to, dee),
                     era, dee, GroupSeparator());
    }
    return *writer;
  }

  const Options& options_;
  bool batch_;
  std::vector<OutputField> names_;         // the fields as the header names them
  std::optional<FieldWriter> writers_[2];  // Dee-Cecil, Dee
  Era era_ = Era::kCE;
  std::string cell_;
};

bool WritesFields(const Options& options) { return !options.to.isEmpty() || options.csv; }

// A single date's day, written as the options say.
void PrintDay(const DayAndTime& day, Era era, const Options& options, QTextStream& out) {
  if (!WritesFields(options)) {
    out << ResultFor(day.jdn, era, options);
    return;
  }
  FieldOutput fields(options, false);
  std::string text;
  fields.Header(text);
  fields.Day(text, day, era, options, std::nullopt);
  WriteUtf8(out, text);
}

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

// A line of standard input: its text without the line break, as ASCII bytes
// (most lines: read without a copy) or decoded from UTF-8; neither when it is
// not UTF-8.
struct InputLine {
  std::optional<std::string_view> ascii;
  std::optional<QString> text;
  bool IsText() const { return ascii || text; }
  bool IsBlank() const {
    if (text) return QStringView(*text).trimmed().isEmpty();
    return ascii && std::all_of(ascii->begin(), ascii->end(),
                                [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); });
  }
  QString Text() const {
    if (text) return *text;
    return ascii ? QString::fromLatin1(ascii->data(), static_cast<qsizetype>(ascii->size()))
                 : QString();
  }
};

InputLine ReadInputLine(QByteArrayView bytes) {
  while (bytes.endsWith('\n') || bytes.endsWith('\r')) bytes.chop(1);
  if (std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return (c & 0x80) == 0; })) {
    return {std::string_view(bytes.data(), static_cast<size_t>(bytes.size())), std::nullopt};
  }
  return {std::nullopt, DecodedLine(bytes)};
}

}  // namespace

int RunConvert(const Options& options, QIODevice& in, QTextStream& out, QTextStream& err) {
  if (options.header && (options.to.isEmpty() || options.json || options.csv)) {
    throw UsageError{"orvc: --header goes with --to, in text"};
  }
  if (!options.mdy && options.positional == QStringList{QStringLiteral("-")}) {
    int status = kOrvcSuccess;
    bool first = true;
    std::optional<FieldOutput> fields;
    if (WritesFields(options)) fields.emplace(options, true);
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
    if (fields) fields->Header(answers);
    for (int line_number = 1;; ++line_number) {
      QByteArrayView bytes = lines.Next();
      if (bytes.isEmpty()) break;  // the end of the input: every line ends in a character
      if (line_number == 1 && bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
      const InputLine line = ReadInputLine(bytes);
      if (line.IsBlank()) continue;
      std::vector<Notice> refusals;
      if (!line.IsText()) {
        refusals.emplace_back(NoticeKind::kNotUtf8);
      } else {
        // A copy of the options only for a line whose tag names the other version.
        const DeeVersion version =
            line.ascii ? DeeVersionFor(options, *line.ascii) : DeeVersionFor(options, *line.text);
        Options other_version;
        if (version != options.dee) {
          other_version = options;
          other_version.dee = version;
        }
        const Options& line_options = version != options.dee ? other_version : options;
        const DateDay date =
            line.ascii ? DayOfDate(*line.ascii, line_options) : DayOfDate(*line.text, line_options);
        if (date.day && fields) {
          fields->Day(answers, {*date.day, date.time_of_day}, options.era_style.value_or(Era::kCE),
                      line_options, line_number);
        } else if (date.day) {
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
          WriteRefusal(json, line.IsText() ? line.Text() : QString::fromUtf8(bytes).trimmed(),
                       refusals, line_number);
          answers += '\n';
        } else if (options.csv) {
          fields->Refused(answers, line_number, refusals);
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
    PrintDay({*input.day, today ? std::nullopt : options.jdn_time},
             options.era_style.value_or(Era::kCE), options, out);
    return kOrvcSuccess;
  }
  if (options.positional.size() != (options.mdy ? 4 : 1)) throw UsageError{};
  if (!options.mdy) {
    const DateDay date = DayOfDate(options.positional[0], options);
    if (!date.day) {
      PrintRefusal(options, options.positional[0], {date.refusal}, out, err);
      return kOrvcRefused;
    }
    PrintDay({*date.day, date.time_of_day}, options.era_style.value_or(Era::kCE), options, out);
    return kOrvcSuccess;
  }
  TypedDate typed = TypedDateFor(options, options.positional);
  const Conversion conversion = Convert(typed, options);
  if (!conversion.day) {
    PrintRefusal(options, options.positional.join(u' '), conversion.refusals, out, err);
    return kOrvcRefused;
  }
  PrintDay({*conversion.day, std::nullopt}, EraStyle(options, typed), options, out);
  return kOrvcSuccess;
}

}  // namespace orv
