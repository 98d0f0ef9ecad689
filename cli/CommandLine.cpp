#include "cli/CommandLine.h"

#include <QCommandLineParser>
#include <QFileDevice>
#include <QFileInfo>
#include <QIODevice>
#include <QRegularExpression>
#include <algorithm>

#include "calendar/CalendarDate.h"
#include "calendar/DatePr2.h"
#include "calendar/Region.h"
#include "core/CalendarDay.h"
#include "core/DateTexts.h"
#include "core/DayFiles.h"
#include "core/NumberFormat.h"
#include "core/OutputFields.h"
#include "core/ReportRecords.h"
#include "core/StrProc.h"

namespace orv {
namespace {

// Arguments that begin with a minus and a digit ("-4712-01-01 JC") are dates,
// not options: they are marked before parsing and unmarked after.
const QChar kNegativeMark(0x1F);

QString Unmarked(QString text) {
  if (text.startsWith(kNegativeMark)) text.remove(0, 1);
  return text;
}

int MonthPosition(const QString& month) {
  bool number = false;
  const int value = month.toInt(&number);
  if (number) return value >= 1 && value <= 12 ? value : 0;
  for (int position = 1; position <= 12; ++position) {
    const QString name = QStringOf(MonthNames[position]);
    if (name.compare(month, Qt::CaseInsensitive) == 0 ||
        (month.size() >= 3 && name.startsWith(month, Qt::CaseInsensitive))) {
      return position;
    }
  }
  return 0;
}

// A whole number as an option's value: digits, optionally grouped in threes
// by commas ("1,000"); anything else is a usage error naming the option.
int64_t WholeNumberOption(const QString& value, const QString& option) {
  static const QRegularExpression form(QStringLiteral("^([0-9]+|[0-9]{1,3}(,[0-9]{3})+)$"));
  QString digits = value;
  digits.remove(u',');
  bool fits = false;
  const int64_t number = digits.toLongLong(&fits);
  if (!form.match(value).hasMatch() || !fits || digits.size() > 12) {
    throw UsageError{"orvc: --" + option +
                     " takes a whole number: digits, optionally grouped by commas (\"1,000\"); "
                     "not \"" +
                     value + "\""};
  }
  return number;
}

// Every option, once: its names, value name and description (as the
// program's help shows them), the commands that take it (empty: every
// command; a command's help lists those it takes and it refuses any other),
// what it does in a command where that differs from the description, and
// how its value is read into the options (a usage error for one that is
// not). A switch's reader is given no value.
struct OptionRow {
  QCommandLineOption option;
  QStringList commands;
  std::function<void(const QString& value, Options& options)> read;
  std::vector<std::pair<QString, QString>> in_command = {};
};

// Options of which at most one may be given, and the refusal.
struct ExclusiveOptions {
  QStringList names;
  const char* refusal;
};
const ExclusiveOptions kExclusiveOptions[] = {
    {{"json", "csv"}, "orvc: --json or --csv, not both"},
    {{"plus", "minus"}, "orvc: --plus or --minus, not both"},
    {{"all", "to"}, "orvc: --all or --to, not both"},
    {{"calendar", "region"}, "orvc: --calendar or --region, not both"},
    {{"mdy", "region"},
     "orvc: --mdy or --region, not both (a region's date is typed as written: "
     "\"February 10, 1749/50\")"},
    {{"mean", "apparent", "true"}, "orvc: one of --mean, --apparent and --true"},
};

void ReadCalendar(const QString& value, Options& options) {
  // The key names the calendar; the Dee version in force (--dee, or the
  // date's tag) is chosen later.
  options.calendar = CalendarByKey(value.toLower().toStdString(), kDeeVersion);
  if (options.calendar == nullptr || (options.mdy && options.calendar->saved_index == 0)) {
    throw UsageError{"orvc: --calendar must be one of " + CalendarKeys(options.mdy)};
  }
}

void ReadRegion(const QString& value, Options& options) {
  // England, the table's own region, or a region of the regions' file.
  const CalendarInfo* region = CalendarByKey(value.toLower().toStdString(), kDeeVersion);
  if (region == nullptr || !IsRegion(*region)) {
    throw UsageError{"orvc: --region must be a region of orvc calendars (england, rome, ...)"};
  }
  options.calendar = region;
  options.region = region;
}

void ReadDee(const QString& value, Options& options) {
  const DeeVersion* version = DeeVersionByDesignation(value.toUpper().toStdString());
  if (version == nullptr) throw UsageError{"orvc: --dee must be D or DC"};
  options.dee = *version;
  options.dee_given = true;
}

void ReadEra(const QString& value, Options& options) {
  const QString style = value.toUpper();
  if (style != "AD" && style != "CE") throw UsageError{"orvc: --era must be AD or CE"};
  options.era_style = *EraFromText(style);
}

// --years, --months, --weeks or --days: the amount at its place in the
// options' amounts.
auto AmountReader(size_t place, const char* name) {
  return [place, name](const QString& value, Options& options) {
    if (!options.plus && !options.minus) {
      throw UsageError{"orvc: --years, --months, --weeks and --days need --plus or --minus"};
    }
    WholeNumberOption(value, QLatin1String(name));
    options.amounts[place] = value;
  };
}

void ReadJdn(const QString& value, Options& options) {
  const std::optional<int64_t> jdn = DayOfTypedJulianDate(value);
  if (!jdn) {
    throw UsageError{"orvc: --jdn \"" + value +
                     "\": " + OneLine(NoticeText(Notice{NoticeKind::kInvalidDayNumber}))};
  }
  if (!almanor::FitsIn32Bits(*jdn)) {
    throw UsageError{"orvc: --jdn takes a day number from -2,147,483,648 to 2,147,483,647; not \"" +
                     value + "\""};
  }
  options.jdn = static_cast<int32_t>(*jdn);
  options.jdn_time = TimeOfTypedJulianDate(value);
}

void ReadTo(const QString& value, Options& options) {
  if (const Result<std::vector<OutputField>> fields = ReadFieldList(value, kDeeVersion); !fields) {
    throw UsageError{"orvc: --to: " + NoticeText(fields.refusal())};
  }
  options.to = value;
}

void ReadLongitude(const QString& value, Options& options) {
  static const QRegularExpression form(QStringLiteral("^([0-9]{1,3}):([0-9]{1,2})([WE]?)$"),
                                       QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = form.match(value);
  const int degrees = match.hasMatch() ? match.captured(1).toInt() : -1;
  const int minutes = match.hasMatch() ? match.captured(2).toInt() : -1;
  if (degrees < 0 || degrees > 180 || minutes < 0 || minutes > 59) {
    throw UsageError{"orvc: --longitude must be DEG:MIN and W or E, 0:0 to 180:59 (77:0W, 12:30E)"};
  }
  options.longitude = degrees + minutes / 60.0;
  options.east = match.captured(3).compare(QLatin1String("E"), Qt::CaseInsensitive) == 0;
  options.longitude_label = MeridianLabel(degrees, minutes, options.east);
}

// A switch's reader: sets what it says.
template <typename Set>
auto Switch(Set set) {
  return [set](const QString&, Options& options) { set(options); };
}

const std::vector<OptionRow>& OptionTable() {
  static const std::vector<OptionRow> table = [] {
    const QStringList dated{"convert", "weekday", "sequence", "equinoxes", "diff"};
    const QStringList converting{"convert", "sequence", "equinoxes"};
    const QStringList reports{"sequence", "equinoxes", "easter", "compare"};
    const QStringList equinoxes{"equinoxes", "compare", "proposal"};
    auto option = [](const QStringList& names, const QString& description,
                     const QString& value = {}) {
      return QCommandLineOption(names, description, value);
    };
    return std::vector<OptionRow>{
        {option({"mdy"},
                "the date as MONTH DAY YEAR ERA (MONTH a name or 1 to 12; YEAR as typed "
                "in the year box, \"1,000\" is fine; ERA AD, BC, CE or BCE)"),
         {"convert", "weekday", "sequence", "equinoxes"},
         Switch([](Options& o) { o.mdy = true; })},
        {option({"calendar"},
                "the input's calendar, a key of orvc calendars (" + CalendarKeys(false) +
                    "; --mdy: the first three); default: from the tag, or Gregorian with --mdy",
                "name"),
         converting,
         ReadCalendar,
         {{"convert",
           "the calendar the date is read in (the output's calendars: --to), a key "
           "of orvc calendars (" +
               CalendarKeys(false) +
               "; --mdy: the first three); default: from the tag, or Gregorian "
               "with --mdy"}}},
        {option({"region"},
                "the region whose records the date was written in: its key in orvc calendars "
                "(england, rome, france, sweden, ...); the date as the source wrote it, "
                "\"February 10, 1749/50\", \"10 Feb 1749/50\", \"1749/50-02-10\"; the "
                "output gains the region's date",
                "key"),
         {"convert"},
         ReadRegion},
        {option({"to"},
                "what to write, in that order, separated by commas: a calendar's key (its "
                "date) or jdn, mjd, jd (the Julian Date of the time given, else of 0 h UT), "
                "weekday, day-of-year (in the first calendar named, else the Gregorian), unix "
                "(seconds since 1970-01-01 00:00 UT), iso-ordinal (2024-081); text: one line a "
                "date, a tab between the fields",
                "fields"),
         {"convert"},
         ReadTo},
        {option({"header"}, "with --to, in text: first a line naming the fields"),
         {"convert"},
         Switch([](Options& o) { o.header = true; })},
        {option({"dee"},
                "the Dee version in force: D or DC; default: the one the date's tag names, "
                "else DC",
                "version"),
         dated, ReadDee},
        {option({"era"}, "style of the month-name dates: AD or CE; default: the era given, else CE",
                "era"),
         {"convert", "weekday", "diff"},
         ReadEra},
        {option({"all"},
                "every calendar of the table, a row each (the text output; JSON always has "
                "them)"),
         {"convert"},
         Switch([](Options& o) { o.all = true; })},
        {option({"with-proposals"},
                "the calendars defined by files too (orvc calendars lists them): in --all, the "
                "JSON of every calendar, CSV without --to, and compare's columns"),
         {"convert", "compare"},
         Switch([](Options& o) { o.with_proposals = true; })},
        {option({"plus"}, "add the amounts that follow"), converting,
         Switch([](Options& o) { o.plus = true; })},
        {option({"minus"}, "subtract the amounts that follow"), converting,
         Switch([](Options& o) { o.minus = true; })},
        {option({"years"}, "years to add or subtract", "n"), converting, AmountReader(0, "years")},
        {option({"months"},
                "months to add or subtract (a day past the month's end becomes its "
                "last day)",
                "n"),
         converting, AmountReader(1, "months")},
        {option({"weeks"}, "weeks to add or subtract", "n"), converting, AmountReader(2, "weeks")},
        {option({"days"}, "days to add or subtract", "n"), converting, AmountReader(3, "days")},
        {option({"json"},
                "JSON: one object a date (diff: one for the difference; weekday: one for the "
                "answer; calendars and easter: one a row; sequence, equinoxes and compare: one "
                "a row, then the summary)"),
         {"convert", "weekday", "diff", "sequence", "equinoxes", "calendars", "easter", "compare",
          "proposal"},
         Switch([](Options& o) { o.json = true; }),
         {{"convert", "JSON: one object a date (with -, one a line)"},
          {"diff", "JSON: one object for the difference"},
          {"weekday", "JSON: one object for the answer"},
          {"calendars", "JSON: one object a calendar"},
          {"easter", "JSON: one object a year"},
          {"sequence", "JSON: one object a row, then one for the summary"},
          {"equinoxes", "JSON: one object a row, then one for the summary"},
          {"compare", "JSON: one object a year, then one a calendar for the summary"},
          {"proposal", "JSON: one object for the judgement"}}},
        {option({"csv"}, "the rows as CSV (RFC 4180): a header line, then a line a row"),
         {"convert", "sequence", "equinoxes", "easter", "compare"},
         Switch([](Options& o) { o.csv = true; }),
         {{"convert",
           "CSV (RFC 4180): a header line of the fields (--to; else the calendars, jdn and "
           "weekday), then a line a date; with -: a line column first and an error column "
           "last"}}},
        {option({"jdn"},
                "the day of this Julian day number (any signed 32-bit number) or Julian Date "
                "(naming the day that holds it): commas, apostrophes or spaces between groups "
                "of three digits are grouping (\"2,451,545\"); a single point is a decimal "
                "point (\"2451545.5\"); a single comma not before exactly three digits is a "
                "decimal comma (\"2451545,5\"); points between groups are grouping and then a "
                "comma is the decimal comma (\"2.451.545,5\"); any other mix is refused",
                "n"),
         {"convert"},
         ReadJdn},
        {option({"count"},
                "number of rows (sequence: default 14; equinoxes and compare: default 12, up to "
                "year 4000; easter: default 1)",
                "n"),
         reports,
         [](const QString& value, Options& o) { o.count = WholeNumberOption(value, "count"); },
         {{"sequence", "number of days (default 14)"},
          {"equinoxes", "number of years (default 12), up to year 4000"},
          {"compare", "number of years (default 12), up to year 4000"},
          {"easter", "number of years (default 1)"}}},
        {option({"longitude"},
                "the 'Washington' meridian: degrees and minutes, 0:0 to 180:59, then W (west, "
                "the default) or E: 77:0W, 12:30E (default 77:0)",
                "deg:min"),
         equinoxes, ReadLongitude},
        {option({"mean"}, "mean solar time"), equinoxes,
         Switch([](Options& o) { o.solar_time = SolarTime::kMean; })},
        {option({"apparent"},
                "apparent solar time, the equation of time taken as -8 minutes (the default)"),
         equinoxes, Switch([](Options& o) { o.solar_time = SolarTime::kApparent; })},
        {option({"true"}, "true solar time: the equation of time computed for the instant"),
         equinoxes, Switch([](Options& o) { o.solar_time = SolarTime::kTrue; })},
        {option({"calendars-dir"},
                "read calendar definitions from this folder too (besides those shipped, "
                "the user's and ORVANTIS_CALENDARS's)",
                "dir"),
         {"convert", "diff", "calendars", "compare", "proposal"},
         [](const QString& value, Options&) {
           if (!QFileInfo(value).isDir()) {
             throw UsageError{"orvc: --calendars-dir \"" + value + "\" is not a folder"};
           }
         }},
        {option({"h", "help"}, "this text"), {}, Switch([](Options& o) { o.help = true; })},
        {option({"v", "version"}, "the version"), {}, Switch([](Options& o) { o.version = true; })},
    };
  }();
  return table;
}

// The options of a parsed command line, its command known: first whether
// the command takes each option given, then which go together, then the
// values, each by its row (the switches first: the values' readers may ask
// what they say).
void ReadOptions(const QCommandLineParser& parser, bool parsed, Options& options) {
  if (!parsed) throw UsageError{"orvc: " + parser.errorText()};
  std::vector<const OptionRow*> given;
  for (const OptionRow& row : OptionTable()) {
    if (!parser.isSet(row.option)) continue;
    given.push_back(&row);
    options.given << row.option.names().constLast();
  }
  for (const OptionRow* row : given) {
    if (!options.command.isEmpty() && !row->commands.isEmpty() &&
        !row->commands.contains(options.command)) {
      throw UsageError{QStringLiteral("orvc: %1 does not take --%2")
                           .arg(options.command, row->option.names().constLast())};
    }
  }
  for (const OptionRow* row : given) {
    if (row->option.valueName().isEmpty()) row->read({}, options);
  }
  for (const ExclusiveOptions& exclusive : kExclusiveOptions) {
    if (std::count_if(exclusive.names.begin(), exclusive.names.end(),
                      [&](const QString& name) { return options.given.contains(name); }) > 1) {
      throw UsageError{exclusive.refusal};
    }
  }
  for (const OptionRow* row : given) {
    if (!row->option.valueName().isEmpty()) row->read(Unmarked(parser.value(row->option)), options);
  }
  // The date of a single-date command names its Dee version by its tag.
  if (!options.mdy && options.positional.size() == 1) {
    options.dee = DeeVersionFor(options, options.positional[0]);
  }
}

}  // namespace

QString CalendarKeys(bool main_only) {
  QStringList keys;
  for (const CalendarInfo* calendar : CalendarsInForce(kDeeVersion)) {
    if (!main_only || calendar->saved_index != 0) keys << QStringOf(ListedKey(*calendar));
  }
  return keys.join(QStringLiteral(", "));
}

QString OtherCalendarTags() {
  QStringList tags;
  for (const CalendarInfo* calendar : CalendarsInForce(kDeeVersion)) {
    if (calendar->saved_index == 0 && !calendar->tag.empty()) tags << QStringOf(calendar->tag);
  }
  return tags.join(QStringLiteral(", "));
}

QString OptionUsage(const QString& name) {
  for (const OptionRow& row : OptionTable()) {
    if (!row.option.names().contains(name)) continue;
    return "--" + name +
           (row.option.valueName().isEmpty() ? QString() : ' ' + row.option.valueName().toUpper());
  }
  throw std::logic_error("orvc has no option --" + name.toStdString());  // a fault of this program
}

Options ParseCommandLine(const QStringList& arguments, const QStringList& commands) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  for (const OptionRow& row : OptionTable()) parser.addOption(row.option);

  QStringList marked{QStringLiteral("orvc")};
  static const QRegularExpression negative_number(QStringLiteral("^-[0-9]"));
  for (const QString& argument : arguments) {
    marked << (negative_number.match(argument).hasMatch() ? kNegativeMark + argument : argument);
  }
  const bool parsed = parser.parse(marked);

  Options options;
  for (const QString& argument : parser.positionalArguments()) {
    options.positional << Unmarked(argument);
  }
  if (!options.positional.isEmpty()) options.command = options.positional.takeFirst();
  if (!options.command.isEmpty() && !commands.contains(options.command)) {
    throw UsageError{QStringLiteral("orvc: unknown command '%1'").arg(options.command)};
  }
  try {
    ReadOptions(parser, parsed, options);
  } catch (UsageError& error) {
    error.command = options.command;
    throw;
  }
  return options;
}

std::vector<QCommandLineOption> OptionsOf(const QString& command) {
  std::vector<QCommandLineOption> options;
  for (const OptionRow& row : OptionTable()) {
    if (!row.commands.isEmpty() && !row.commands.contains(command)) continue;
    options.push_back(row.option);
    for (const auto& [name, description] : row.in_command) {
      if (name == command) options.back().setDescription(description);
    }
  }
  return options;
}

QString OptionsHelp(const std::vector<QCommandLineOption>& options) {
  std::vector<QString> names;
  qsizetype width = 0;
  for (const QCommandLineOption& option : options) {
    QStringList spelled;
    for (const QString& name : option.names()) spelled << (name.size() == 1 ? "-" : "--") + name;
    QString text = spelled.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty()) text += ' ' + option.valueName().toUpper();
    width = std::max(width, text.size());
    names.push_back(text);
  }
  // Descriptions wrap at 79 columns, under their own first line.
  const qsizetype indent = width + 4;
  QString help;
  for (size_t i = 0; i < options.size(); ++i) {
    QString line = "  " + names[i].leftJustified(width + 2);
    for (const QString& word : options[i].description().split(u' ')) {
      if (line.size() > indent && line.size() + 1 + word.size() > 79) {
        help += line + '\n';
        line = QString(indent, u' ');
      }
      line += (line.size() > indent ? " " : "") + word;
    }
    help += line + '\n';
  }
  return help;
}

TypedDate TypedDateFor(const Options& options, const QStringList& date) {
  TypedDate typed;
  if (options.mdy) {
    typed.notation = Notation::kMonthDayYear;
    typed.month = MonthPosition(date[0]);
    if (typed.month == 0) throw UsageError{"orvc: MONTH must be a month name or 1 to 12"};
    bool number = false;
    typed.day = date[1].toInt(&number);
    if (!number || typed.day < 1 || typed.day > 31) throw UsageError{"orvc: DAY must be 1 to 31"};
    typed.year = date[2];
    const std::optional<Era> era = EraFromText(date[3].toUpper());
    if (!era || *era == Era::kNone) throw UsageError{"orvc: ERA must be AD, BC, CE or BCE"};
    typed.era = *era;
  } else {
    typed.notation = Notation::kYearMonthDay;
    typed.year_month_day = date[0];
  }
  return typed;
}

DateReadingRules ReadingRulesFor(const Options& options, bool weekday_test) {
  // Without --calendar a year-month-day date's tag chooses, as it does in the
  // window; a date without a tag is Gregorian, as with "Proleptic Gregorian"
  // chosen.
  const CalendarInfo* gregorian = &CalendarOf(CalendarId::kGregorian);
  const CalendarInfo* calendar = options.calendar;
  if (weekday_test) {
    calendar = nullptr;
  } else if (calendar == nullptr && options.mdy) {
    calendar = gregorian;
  }
  // orvc never writes the date back as it read it.
  return {calendar, gregorian, options.dee, ReadingVoice::kProgram, true, false, false};
}

bool IsCompleteFor(const Options& options, const TypedDate& typed) {
  const DateReadingRules rules = ReadingRulesFor(options);
  const bool chosen =
      rules.calendar != nullptr ||
      CalendarOfTaggedText(typed.year_month_day, rules.dee, rules.untagged) != nullptr;
  return IsComplete(typed, chosen);
}

ArithmeticInput ArithmeticFor(const Options& options, bool apply) {
  return {options.plus, options.minus, apply, options.amounts};
}

DeeVersion DeeVersionFor(const Options& options, const QString& date_text) {
  if (options.dee_given) return options.dee;
  // The letters as capitals: a text of other characters is never "D" (they
  // are no date characters, and LettersOfDateText marks each beyond ASCII).
  std::string letters = LettersOfDateText(date_text);
  for (char& letter : letters) {
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  }
  return letters == kDeeVersion.designation ? kDeeVersion : kDeeCecilVersion;
}

DeeVersion DeeVersionFor(const Options& options, std::string_view ascii_date_text) {
  if (options.dee_given) return options.dee;
  const std::string letters = LettersOfDateText(ascii_date_text);
  const bool dee = letters.size() == 1 && (letters[0] == 'D' || letters[0] == 'd');
  return dee ? kDeeVersion : kDeeCecilVersion;
}

VernalEquinoxRun EquinoxRunFor(const Options& options) {
  VernalEquinoxRun run;
  run.longitude_degrees = options.longitude;
  run.longitude_label = options.longitude_label;
  run.east = options.east;
  run.solar_time = options.solar_time;
  run.dee = options.dee;
  return run;
}

std::optional<int32_t> BareYear(const QString& argument) {
  static const QRegularExpression form(
      QStringLiteral("^[+-]?([0-9]{1,9}|[0-9]{1,3}(,[0-9]{3}){1,2})$"));
  if (!form.match(argument).hasMatch()) return std::nullopt;
  return QString(argument).remove(u',').toInt();
}

bool ReadByTable(const Options& options, const QString& text) {
  if (options.mdy) return false;
  if (options.calendar != nullptr) return options.calendar->saved_index == 0;
  return NamesOtherCalendar(text, options.dee);
}

namespace {

// The day of a date as read, moved by the amounts of --plus or --minus.
DateDay DayOfReading(const DateReading& reading, const Options& options) {
  if (!reading) {
    return {std::nullopt, reading.refusal.value_or(Notice{NoticeKind::kInvalidDate}), std::nullopt};
  }
  const ArithmeticInput arithmetic = ArithmeticFor(options);
  if (!arithmetic.plus && !arithmetic.minus) {
    return {reading.day, Notice{NoticeKind::kInvalidDate}, reading.time_of_day};
  }
  const Result<ArithmeticValues> values = ReadArithValues(arithmetic.amounts);
  if (!values) return {std::nullopt, values.refusal(), std::nullopt};
  const Result<MovedDay> moved = AddToCalendarDate(*reading.date, *values, arithmetic.plus);
  if (moved) return {moved->jdn, Notice{NoticeKind::kInvalidDate}, reading.time_of_day};
  // A result beyond the main window's calendars is refused in its words.
  const bool main_window_calendar = CalendarOf(reading.date->calendar).saved_index != 0;
  return {std::nullopt, main_window_calendar ? Notice{NoticeKind::kInvalidAmount} : moved.refusal(),
          std::nullopt};
}

}  // namespace

DateDay DayOfDate(const QString& text, const Options& options) {
  return DayOfReading(ReadDate(QStringView(text), ReadingRulesFor(options)), options);
}

DateDay DayOfDate(std::string_view ascii_text, const Options& options) {
  return DayOfReading(ReadDate(ascii_text, ReadingRulesFor(options)), options);
}

std::optional<int32_t> DayOfDate(const QString& text, const Options& options, QTextStream& out,
                                 QTextStream& err) {
  const DateDay date = DayOfDate(text, options);
  if (!date.day) PrintRefusal(options, text, {date.refusal}, out, err);
  return date.day;
}

std::optional<int32_t> DayForReport(const TypedDate& typed, const Options& options,
                                    QTextStream& out, QTextStream& err) {
  const InputDay input = DayOfInput(typed, ReadingRulesFor(options), ArithmeticFor(options));
  if (!input.day) {
    PrintRefusal(options, options.positional.join(u' '),
                 {input.refusal.value_or(Notice{NoticeKind::kInvalidDate})}, out, err);
  }
  return input.day;
}

QString RefusalText(const std::vector<Notice>& notices) {
  QStringList texts;
  for (const Notice& notice : notices) texts << OneLine(NoticeText(notice));
  return texts.join(u' ');
}

void WriteRefusal(JsonWriter& json, const QString& input, const std::vector<Notice>& notices,
                  std::optional<int> line) {
  json.BeginObject();
  json.Key("error").String(RefusalText(notices));
  json.Key("input").String(input);
  json.Key("kind");
  if (notices.empty()) {
    json.Null();
  } else {
    json.String(NoticeKindName(notices[0].kind));
  }
  if (line) json.Key("line").Integer(*line);
  json.EndObject();
}

void PrintRefusal(const Options& options, const QString& input, const std::vector<Notice>& notices,
                  QTextStream& out, QTextStream& err) {
  PrintMessages(notices, err);
  if (options.json) PrintJson(out, [&](JsonWriter& json) { WriteRefusal(json, input, notices); });
}

void AppendResult(std::string& out, int32_t jdn, Era era, const Options& options,
                  std::optional<int> line, char group_separator) {
  if (!options.json && options.all) {
    AppendAllCalendarLines(out, jdn, era, options.dee, ListingOf(options));
    return;
  }
  if (options.json) {
    JsonWriter json(out);
    AppendDayJson(json, jdn, era, options.dee, line, group_separator, std::nullopt,
                  ListingOf(options));
    out += '\n';
    return;
  }
  // The region of --region has its row after the main window's three.
  std::string region_row;
  if (options.region != nullptr) {
    AppendCalendarLine(region_row, DayIn(*options.region, jdn, era, group_separator), 20, 28);
  }
  AppendResultLines(out, ResultsFor(jdn, ResultEra(era), options.dee, group_separator), options.dee,
                    region_row);
}

QString ResultFor(int32_t jdn, Era era, const Options& options) {
  std::string text;
  AppendResult(text, jdn, era, options);
  return QString::fromStdString(text);
}

void WriteResult(JsonWriter& json, int32_t jdn, Era era, const Options& options) {
  AppendDayJson(json, jdn, era, options.dee, std::nullopt, GroupSeparator(), std::nullopt,
                ListingOf(options));
}

void PrintJson(QTextStream& out, const std::function<void(JsonWriter&)>& write) {
  std::string text;
  JsonWriter json(text);
  write(json);
  text += '\n';
  out << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void WriteUtf8(QTextStream& out, std::string_view text) {
  if (QIODevice* device = out.device()) {
    out.flush();  // what went before stays before
    device->write(text.data(), static_cast<qint64>(text.size()));
    // Out of the file's buffer too: a pipe's reader is waiting for it.
    if (auto* file = qobject_cast<QFileDevice*>(device)) file->flush();
  } else {
    out << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  }
}

void ReportPrinter::Header(const QString& text_header) {
  if (!options_.json && !options_.csv) out_ << text_header;
}

void ReportPrinter::Row(const QString& line, const Record& record) {
  if (options_.json) {
    PrintJson(out_, [&](JsonWriter& json) { WriteRecord(json, record); });
  } else if (options_.csv) {
    if (first_row_) out_ << CsvHeader(record) << "\r\n";
    out_ << CsvLine(record) << "\r\n";
  } else {
    out_ << line << '\n';
  }
  first_row_ = false;
}

void ReportPrinter::Summary(const QString& text, const Record& fields) {
  if (options_.json) {
    PrintJson(out_, [&](JsonWriter& json) { WriteRecord(json, fields); });
  } else if (!options_.csv && !text.isEmpty()) {
    out_ << '\n' << text << '\n';
  }
}

QString LineFeeds(QString text) { return text.replace(kCrLf, QStringLiteral("\n")); }

QString OneLine(const QString& text) {
  static const QRegularExpression breaks(QStringLiteral("[\r\n]+"));
  return QString(text).replace(breaks, QStringLiteral(" "));
}

void PrintMessages(const std::vector<Notice>& notices, QTextStream& err, const QString& prefix) {
  for (const Notice& notice : notices) err << prefix << LineFeeds(NoticeText(notice)) << '\n';
}

}  // namespace orv
