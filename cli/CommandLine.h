// What the commands of orvc share: the options as parsed, reading a date from
// the arguments into the core's values, printing messages, and the help text
// generated from the options themselves.
#pragma once

#include <QCommandLineOption>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/DateEntry.h"
#include "core/JsonWriter.h"
#include "core/Notice.h"
#include "core/NumberFormat.h"
#include "core/ReportBuilders.h"

namespace orv {

// Exit statuses.
inline constexpr int kOrvcSuccess = 0;
inline constexpr int kOrvcNotFound = 1;  // weekday: the date is on that weekday in neither calendar
inline constexpr int kOrvcRefused = 2;   // a refused date, count or usage

// A usage error: printed on standard error, then the command's usage line
// (every command's when the command is not known) and "Try 'orvc --help'.",
// exit status 2.
struct UsageError {
  explicit UsageError(QString message = {}) : text(std::move(message)) {}
  QString text;
  QString command;  // the command of the line, when known
};

struct Options {
  QString command;
  QStringList positional;  // after the command
  QStringList given;       // the long names of the options given ("csv", "count")
  bool help = false;
  bool version = false;
  bool mdy = false;
  const CalendarInfo* calendar = nullptr;  // --calendar; null: from the tag, or Gregorian
  const CalendarInfo* region = nullptr;    // --region: also the calendar the date is read in
  DeeVersion dee = kDeeCecilVersion;       // --dee; without it, the version the date's tag names
  bool dee_given = false;
  std::optional<Era> era_style;  // --era
  bool plus = false;
  bool minus = false;
  std::array<QString, 4> amounts;  // --years, --months, --weeks, --days: digits only
  bool json = false;
  bool all = false;                 // convert: every calendar of the table
  bool with_proposals = false;      // convert, compare: the calendars defined by files too
  bool csv = false;                 // convert, sequence, equinoxes
  QString to;                       // convert --to: the fields, as given; empty: the usual output
  bool header = false;              // convert --header
  std::optional<int32_t> jdn;       // convert --jdn
  std::optional<int64_t> jdn_time;  // --jdn with a fraction: the time of day, microseconds UT
  std::optional<int64_t> count;     // --count
  double longitude = 77.0;          // degrees from Greenwich
  bool east = false;
  QString longitude_label = QStringLiteral("77d0m W");
  SolarTime solar_time = SolarTime::kApparent;
};

// The calendars convert lists besides the table's own: the definitions with
// --with-proposals, the region of --region.
inline CalendarListing ListingOf(const Options& options) {
  return {.definitions = options.with_proposals, .region = options.region};
}

// Parses and checks the whole command line (arguments without the program
// name), given the names of the commands: first the command, then whether it
// takes each option given, then the options' values; throws UsageError.
Options ParseCommandLine(const QStringList& arguments, const QStringList& commands);

// The options a command takes: its help lists them, and the command refuses
// any other.
std::vector<QCommandLineOption> OptionsOf(const QString& command);

// "--jdn N", "--mdy": an option as the usage lines write it.
QString OptionUsage(const QString& name);

// The calendars' lists in the help, made from the calendar table: the keys
// ("gregorian, julian, ...", or the main window's three alone) and the tags
// of the calendars beyond the main window's three ("RJ, AM, ...").
QString CalendarKeys(bool main_only);
QString OtherCalendarTags();

// "  --name VALUE   description" lines of the options, aligned.
QString OptionsHelp(const std::vector<QCommandLineOption>& options);

// The date of the arguments (MONTH DAY YEAR ERA with --mdy, else one
// year-month-day text) as a typed date. Throws UsageError for a month, day or
// era that is not one.
TypedDate TypedDateFor(const Options& options, const QStringList& date);

// The rules orvc reads a date by: the calendar of --calendar (a month-day-year
// date without it Gregorian, and none for the weekday test, which reads in
// both), an untagged year-month-day date Gregorian, the Dee version in force;
// refusals that say why.
DateReadingRules ReadingRulesFor(const Options& options, bool weekday_test = false);

// Whether the typed date is complete, as the window finds one: a calendar
// chosen or named by its tag.
bool IsCompleteFor(const Options& options, const TypedDate& typed);

ArithmeticInput ArithmeticFor(const Options& options, bool apply = true);

// The Dee version for a date text: --dee when given; else a "D" tag names the
// Dee version and anything else leaves Dee-Cecil.
DeeVersion DeeVersionFor(const Options& options, const QString& date_text);
DeeVersion DeeVersionFor(const Options& options, std::string_view ascii_date_text);

// An equinox run at the meridian, in the solar time and with the Dee version
// the options give (its years are the command's to set).
VernalEquinoxRun EquinoxRunFor(const Options& options);

// A command's argument read as a year, as every command reads one: up to
// nine digits, grouped in threes by commas or not, with a sign ("2024",
// "2,024", "-44"); nullopt for anything else (a date).
std::optional<int32_t> BareYear(const QString& argument);

// Whether a date is one the main window's rules do not read: in a calendar
// beyond its three (by --calendar or by its tag), or an ISO week date.
bool ReadByTable(const Options& options, const QString& text);
// A year-month-day date of any calendar as orvc reads one: by the one reader
// (core/DateReading.h: ReadDate) with the calendar of --calendar, an
// untagged date Gregorian, then the amounts of --plus or --minus. Its day, or
// the refusal.
struct DateDay {
  std::optional<int32_t> day;
  Notice refusal{NoticeKind::kInvalidDate};  // when there is no day
  std::optional<int64_t> time_of_day;        // the time the date carried (UT, microseconds)
};
DateDay DayOfDate(const QString& text, const Options& options);
DateDay DayOfDate(std::string_view ascii_text, const Options& options);
// The same for a command's one date: the refusal printed (PrintRefusal).
std::optional<int32_t> DayOfDate(const QString& text, const Options& options, QTextStream& out,
                                 QTextStream& err);

// Checks a complete input and finds its day, as a report button does; prints
// the refusal (PrintRefusal).
std::optional<int32_t> DayForReport(const TypedDate& typed, const Options& options,
                                    QTextStream& out, QTextStream& err);

// The messages of a refusal on one line.
QString RefusalText(const std::vector<Notice>& notices);
// A refused input as JSON: {"error", "input", "kind"} and the input's line
// number when given ("line"), the error RefusalText, the kind the first
// message's (NoticeKindName).
void WriteRefusal(JsonWriter& json, const QString& input, const std::vector<Notice>& notices,
                  std::optional<int> line = std::nullopt);
// A refused date of the command line: the messages on standard error and,
// with --json, its refusal object on standard output.
void PrintRefusal(const Options& options, const QString& input, const std::vector<Notice>& notices,
                  QTextStream& out, QTextStream& err);

// The day's texts: lines, or one JSON object (with the input's line number
// when given) and a line feed. Appended on plain characters: convert writes
// one for every line of a long list.
void AppendResult(std::string& out, int32_t jdn, Era era, const Options& options,
                  std::optional<int> line = std::nullopt, char group_separator = GroupSeparator());
QString ResultFor(int32_t jdn, Era era, const Options& options);
// The JSON object alone, for commands that put it into one of theirs.
void WriteResult(JsonWriter& json, int32_t jdn, Era era, const Options& options);
// One JSON value (write writes it) and a line feed on the stream.
void PrintJson(QTextStream& out, const std::function<void(JsonWriter&)>& write);
// Writes UTF-8 text to the stream's device as it is (or into its string).
void WriteUtf8(QTextStream& out, std::string_view text);

QString LineFeeds(QString text);
// A message on one line: each run of line breaks becomes one space.
QString OneLine(const QString& text);

// A report's rows as the options ask: text lines (the header first), JSON
// lines (one object a row, then the summary object) or CSV (the header line,
// then a line a row; no summary). Streamed row by row.
class ReportPrinter {
 public:
  ReportPrinter(const Options& options, QTextStream& out) : options_(options), out_(out) {}
  void Header(const QString& text_header);  // text lines, "\n" between them
  void Row(const QString& line, const Record& record);
  void Summary(const QString& text, const Record& fields);

 private:
  const Options& options_;
  QTextStream& out_;
  bool first_row_ = true;
};
void PrintMessages(const std::vector<Notice>& notices, QTextStream& err,
                   const QString& prefix = {});

// The commands.
int RunConvert(const Options& options, QIODevice& in, QTextStream& out, QTextStream& err);
int RunWeekday(const Options& options, QTextStream& out, QTextStream& err);
int RunDiff(const Options& options, QTextStream& out, QTextStream& err);
int RunCalendars(const Options& options, QTextStream& out);
int RunCompare(const Options& options, QTextStream& out, QTextStream& err);
int RunSequence(const Options& options, QTextStream& out, QTextStream& err);
int RunEquinoxes(const Options& options, QTextStream& out, QTextStream& err);
int RunEaster(const Options& options, QTextStream& out, QTextStream& err);
int RunProposal(const Options& options, QTextStream& out, QTextStream& err);

}  // namespace orv
