#include "cli/Orvc.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <optional>

#include "calendar/Calendar.h"
#include "calendar/DatePr2.h"
#include "calendar/Dee.h"
#include "main_window/ControlUpkeep.h"
#include "main_window/DateInput.h"
#include "main_window/DateOutput.h"
#include "reports/ReportBuilders.h"

namespace orv {
namespace {

// Arguments that begin with a minus and a digit ("-4712-01-01 JC") are dates,
// not options: they are marked before parsing and unmarked after.
const QChar kNegativeMark(0x1F);

QString Unmarked(QString text) {
  if (text.startsWith(kNegativeMark)) text.remove(0, 1);
  return text;
}

const char* const kUsage =
    "Usage: orvc convert|weekday|sequence|equinoxes [options] DATE | --mdy MONTH DAY YEAR ERA";

const char* const kHelp = R"(orvc - the command-line companion of Orvantis, the date calculator.

Commands
  convert DATE                 the day in the Gregorian, Julian and Dee calendars
                                 orvc convert "2000-01-01 CE"
  convert --mdy MONTH DAY YEAR ERA
                                 orvc convert --mdy March 15 44 BC --calendar julian
  convert -                    one DATE a line from standard input
                                 printf '2000-01-01 CE\n1582-10-05 JC\n' | orvc convert -
  weekday --mdy MONTH DAY YEAR ERA WEEKDAY
                               whether the date falls on WEEKDAY in the Gregorian or Julian calendar
                                 orvc weekday --mdy January 1 2000 AD Saturday
  sequence [--count N] DATE    N days (default 14, at most 800) in the Gregorian and Dee calendars
                                 orvc sequence --count 8 "2016-02-26 CE"
  equinoxes [--count N] YEAR | DATE
                               N March equinoxes (default 12) from the year, years 1 to 4000
                                 orvc equinoxes --count 3 --mean 2024

DATE is a year-month-day date as typed in the main window: astronomical year
(0 is 1 BC), month, day and the calendar's tag CE, JC, D or DC:
"2000-01-01 CE", "-4712-01-01 JC", "1-01-01 D". With --mdy, MONTH is a name or
1 to 12, YEAR is typed as in the year box ("1,000" is fine), ERA is AD, BC, CE
or BCE.

Options
  --calendar gregorian|julian|dee   the input's calendar; default: from the
                                    tag, or Gregorian with --mdy
                                      orvc convert "2000-01-01" --calendar julian
  --dee D|DC                        the Dee version in force (default DC)
                                      orvc convert --dee D "2000-01-01 D"
  --era AD|CE                       style of the month-name dates; default:
                                    the era given, else CE
                                      orvc convert --era AD "0-12-31 CE"
  --plus | --minus                  add or subtract what follows
  --years N --months N --weeks N --days N
                                      orvc convert --plus --months 1 "2000-01-31 CE"
  --json                            convert and weekday: one JSON object a date
                                      orvc convert --json "2000-01-01 CE"
  --count N                         sequence and equinoxes: number of rows
  --longitude DEG:MIN               equinoxes: the 'Washington' meridian, degrees
                                    and minutes west (default 77:0)
                                      orvc equinoxes --longitude 74:0 2024
  --mean | --apparent               equinoxes: mean or apparent (default) solar time
  -h, --help                        this text
  -v, --version                     the version

Exit status: 0 done; 1 weekday: neither calendar has the date on that weekday;
2 refused (the program's message goes to standard error) or a usage error.
)";

struct Options {
  QString command;
  QStringList positional;
  bool mdy = false;
  std::optional<int> calendar;
  bool dee = false;
  std::optional<int> era_style;
  bool plus = false;
  bool minus = false;
  std::array<QString, 4> arithmetic;
  bool json = false;
  QString count;
  double longitude = 77.0;
  QString longitude_label = QStringLiteral("77d0m W");
  bool apparent = true;
};

struct UsageError {
  QString text;
};

void SetDeeVersion(bool dee, MainState& state) {
  const DeeVersion version = DeeVersionOf(!dee);
  SetDeeEpoch(version.epoch);
  state.strDeeCalendarName = version.name;
  state.strDeeCalendarDesignation = version.designation;
}

int MonthPosition(const QString& month) {
  bool number = false;
  const int value = month.toInt(&number);
  if (number) return value >= 1 && value <= 12 ? value : 0;
  for (int position = 1; position <= 12; ++position) {
    const QString name = QString::fromLatin1(MonthNames[position].data());
    if (name.compare(month, Qt::CaseInsensitive) == 0 ||
        (month.size() >= 3 && name.startsWith(month, Qt::CaseInsensitive))) {
      return position;
    }
  }
  return 0;
}

int WeekdayNumber(const QString& weekday) {
  for (int day = 0; day < 7; ++day) {
    const QString name = CalendarListItem(0, kFirstWeekdayPosition + day, QString());
    if (name.compare(weekday, Qt::CaseInsensitive) == 0 ||
        (weekday.size() >= 3 && name.startsWith(weekday, Qt::CaseInsensitive))) {
      return day;
    }
  }
  return -1;
}

// The main window's controls as a person would fill them for this command.
MainInputs InputsFor(const Options& options, const QStringList& date, const MainState& state,
                     int weekday = -1) {
  MainInputs in;
  if (options.mdy) {
    in.optInputDateWithoutAYN = true;
    in.cboMonthNames = MonthPosition(date[0]);
    if (in.cboMonthNames == 0) throw UsageError{"orvc: MONTH must be a month name or 1 to 12"};
    bool number = false;
    in.cboDayNumbers = date[1].toInt(&number);
    if (!number || in.cboDayNumbers < 1 || in.cboDayNumbers > 31) {
      throw UsageError{"orvc: DAY must be 1 to 31"};
    }
    in.txbYearADBCetc = date[2];
    in.cboYearDesADBCetc = EraIndex(date[3].toUpper());
    if (in.cboYearDesADBCetc < 1) throw UsageError{"orvc: ERA must be AD, BC, CE or BCE"};
    in.cboCalendar[0] =
        weekday >= 0 ? kFirstWeekdayPosition + weekday : options.calendar.value_or(kGregorian);
  } else {
    in.optInputDateWithAYN = true;
    in.txbYearCEJC = date[0];
    if (options.calendar) {
      in.cboCalendar[1] = *options.calendar;
    } else {
      // As the window's upkeep does while the date is typed: the tag, once in
      // capitals, chooses the calendar.
      ControlStates controls;
      controls.in = in;
      controls.txbYearCEJC_visible = true;
      MainState scratch = state;
      const auto explanations =
          TagExplanations(state.strDeeCalendarName, state.strDeeCalendarDesignation);
      Timer1Tick(controls, scratch, explanations);
      Timer1Tick(controls, scratch, explanations);
      in.cboCalendar[1] = controls.in.cboCalendar[1];
    }
  }
  in.optPlus = options.plus;
  in.optMinus = options.minus;
  in.txbArith = options.arithmetic;
  in.fraPlusMinusVisible = weekday < 0;  // the window hides the arithmetic for a weekday test
  return in;
}

QString LineFeeds(QString text) {
  return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Checks and converts a date; returns the refusal messages, empty on success.
std::vector<MessageRequest> Convert(MainInputs& in, MainState& state) {
  CheckInputComplete(in, state);
  if (!state.InputComplete) {
    return {Message("Please specify calendar for year-month-day date.", MessageStyle::kNone)};
  }
  Calculation calculation = CalculateInput(in, state);
  if (calculation.show_result) return {};
  if (calculation.messages.empty())
    calculation.messages.push_back(Message("Invalid input date", MessageStyle::kExclamation));
  return calculation.messages;
}

QJsonObject CalendarObject(const QString& calendar, int32_t jdn, const QString& era_date,
                           const QString& ymd_date) {
  DateRecord date{};
  date.jdn = jdn;
  date.calendar = calendar.front().unicode();
  JDNToDate(date);
  return {{"year", date.year},
          {"month", date.month},
          {"day", date.day},
          {"era_date", era_date},
          {"ymd_date", ymd_date}};
}

QString JsonFor(const ResultTexts& results, const MainState& state) {
  QJsonObject dee =
      CalendarObject("D", state.lngJDN, results.txbOutputDEE, results.txbOutputDEEwithAYN);
  dee.insert("version", state.strDeeCalendarName);
  const QJsonObject object{{"jdn", state.lngJDN},
                           {"day_of_week", results.txbDayOfWeek},
                           {"gregorian", CalendarObject("G", state.lngJDN, results.txbOutputGC,
                                                        results.txbOutputGCwithAYN)},
                           {"julian", CalendarObject("J", state.lngJDN, results.txbOutputJC,
                                                     results.txbOutputJCwithAYN)},
                           {"dee", dee}};
  return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

// The result of a converted input, as text or JSON.
QString ResultFor(MainInputs& in, MainState& state, const Options& options) {
  int era = options.era_style.value_or(options.mdy ? in.cboYearDesADBCetc : kEraCE);
  const ResultTexts results = ResultsFor(state.lngJDN, era, state.strDeeCalendarDesignation);
  return options.json ? JsonFor(results, state) + u'\n'
                      : ResultLines(results, state.strDeeCalendarName);
}

void PrintMessages(const std::vector<MessageRequest>& messages, QTextStream& err,
                   const QString& prefix = {}) {
  for (const MessageRequest& message : messages) err << prefix << LineFeeds(message.text) << '\n';
}

int CommandConvert(const Options& options, QTextStream& in, QTextStream& out, QTextStream& err) {
  MainState state;
  SetDeeVersion(options.dee, state);
  if (!options.mdy && options.positional.size() == 1 &&
      options.positional[0] == QStringLiteral("-")) {
    int status = kOrvcSuccess;
    int line_number = 0;
    bool first = true;
    QString line;
    while (in.readLineInto(&line)) {
      ++line_number;
      if (line.trimmed().isEmpty()) continue;
      MainInputs inputs = InputsFor(options, {line}, state);
      const std::vector<MessageRequest> refusals = Convert(inputs, state);
      if (!refusals.empty()) {
        PrintMessages(refusals, err, QStringLiteral("line %1: ").arg(line_number));
        status = kOrvcRefused;
        continue;
      }
      if (!first && !options.json) out << '\n';
      first = false;
      out << ResultFor(inputs, state, options);
    }
    return status;
  }
  if (options.positional.size() != (options.mdy ? 4 : 1)) throw UsageError{kUsage};
  MainInputs inputs = InputsFor(options, options.positional, state);
  const std::vector<MessageRequest> refusals = Convert(inputs, state);
  if (!refusals.empty()) {
    PrintMessages(refusals, err);
    return kOrvcRefused;
  }
  out << ResultFor(inputs, state, options);
  return kOrvcSuccess;
}

int CommandWeekday(const Options& options, QTextStream& out, QTextStream& err) {
  if (!options.mdy || options.positional.size() != 5) {
    throw UsageError{"Usage: orvc weekday --mdy MONTH DAY YEAR ERA WEEKDAY"};
  }
  if (options.plus || options.minus) throw UsageError{"orvc: the weekday test takes no arithmetic"};
  const int weekday = WeekdayNumber(options.positional[4]);
  if (weekday < 0) throw UsageError{"orvc: WEEKDAY must be a day of the week, Sunday to Saturday"};
  MainState state;
  SetDeeVersion(options.dee, state);
  MainInputs inputs = InputsFor(options, options.positional.mid(0, 4), state, weekday);
  CheckInputComplete(inputs, state);
  UserMessage refusal;
  if (!InputDateOK(inputs, state, refusal)) {
    PrintMessages({*refusal}, err);
    return kOrvcRefused;
  }
  const WeekdayOutcome outcome = WeekdayTest(inputs, state, weekday);
  if (outcome.message) out << LineFeeds(outcome.message->text) << '\n';
  if (!outcome.show_result) return kOrvcNotFound;
  out << ResultFor(inputs, state, options);
  if (!options.json) {
    out << "Found in: " << (outcome.julian_bold ? "Julian Calendar" : "Gregorian Calendar") << '\n';
  }
  return kOrvcSuccess;
}

// Checks the input date and computes its day number as the report buttons do.
bool OpenReport(MainInputs& inputs, MainState& state, QTextStream& err) {
  CheckInputComplete(inputs, state);
  if (!state.InputComplete) {
    PrintMessages(
        {Message("Please specify calendar for year-month-day date.", MessageStyle::kNone)}, err);
    return false;
  }
  UserMessage message;
  if (!InputDateOK(inputs, state, message)) {
    PrintMessages({*message}, err);
    return false;
  }
  if (!GetJDN(inputs, state, InputCalendarName(inputs, state), true, message)) {
    if (message) PrintMessages({*message}, err);
    return false;
  }
  return true;
}

RunCount CountOf(const Options& options, const QString& fallback, const QString& too_many) {
  QString text = options.count.isEmpty() ? fallback : options.count;
  return ReadRunCount(text, too_many);
}

int CommandSequence(const Options& options, QTextStream& out, QTextStream& err) {
  if (options.positional.size() != (options.mdy ? 4 : 1)) throw UsageError{kUsage};
  const RunCount count = CountOf(options, "14", "Too many days");
  if (count.message) {
    PrintMessages({*count.message}, err);
    return kOrvcRefused;
  }
  MainState state;
  SetDeeVersion(options.dee, state);
  MainInputs inputs = InputsFor(options, options.positional, state);
  if (!OpenReport(inputs, state, err)) return kOrvcRefused;
  if (count.count == 0) return kOrvcSuccess;
  DateSequenceRun run;
  run.first_jdn = state.lngJDN;
  run.days = count.count;
  run.dee = options.dee;
  run.dee_name = state.strDeeCalendarName;
  const QString designation = state.strDeeCalendarDesignation;
  run.year_month_day = [designation](const QString& calendar, int32_t jdn) {
    return AYNDate(calendar, jdn, designation);
  };
  const ReportOutput output = BuildDateSequence(run);
  out << LineFeeds(output.text);
  if (output.message) PrintMessages({*output.message}, err);
  return kOrvcSuccess;
}

int CommandEquinoxes(const Options& options, QTextStream& out, QTextStream& err) {
  if (options.positional.size() != (options.mdy ? 4 : 1)) throw UsageError{kUsage};
  const RunCount count = CountOf(options, "12", "Too many years");
  if (count.message) {
    PrintMessages({*count.message}, err);
    return kOrvcRefused;
  }
  MainState state;
  SetDeeVersion(options.dee, state);
  int32_t year = 0;
  static const QRegularExpression bare_year(QStringLiteral("^[+-]?[0-9]{1,7}$"));
  if (!options.mdy && bare_year.match(options.positional[0]).hasMatch()) {
    year = options.positional[0].toInt();
  } else {
    MainInputs inputs = InputsFor(options, options.positional, state);
    CheckInputComplete(inputs, state);
    UserMessage message;
    if (state.InputComplete && !InputDateOK(inputs, state, message)) {
      PrintMessages({*message}, err);
      return kOrvcRefused;
    }
    year = GetYear(inputs, state.intInputDateType);
    if (year >= 1 && year <= 4000 && !OpenReport(inputs, state, err)) return kOrvcRefused;
  }
  if (year < 1 || year > 4000) {
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
  run.dee_cecil = !options.dee;
  run.dee_name = state.strDeeCalendarName;
  run.dee_designation = state.strDeeCalendarDesignation;
  const ReportOutput output = BuildVernalEquinoxTable(run);
  out << LineFeeds(output.text);
  if (output.message) PrintMessages({*output.message}, err);
  return kOrvcSuccess;
}

Options Parse(const QStringList& arguments, QCommandLineParser& parser, bool& help, bool& version) {
  const QCommandLineOption mdy("mdy"), json("json"), plus("plus"), minus("minus"), mean("mean"),
      apparent("apparent");
  const QCommandLineOption calendar("calendar", "", "name"), dee("dee", "", "version"),
      era("era", "", "era"), years("years", "", "n"), months("months", "", "n"),
      weeks("weeks", "", "n"), days("days", "", "n"), count("count", "", "n"),
      longitude("longitude", "", "deg:min");
  const QCommandLineOption help_option(QStringList{"h", "help"}),
      version_option(QStringList{"v", "version"});
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addOptions({mdy, json, plus, minus, mean, apparent, calendar, dee, era, years, months,
                     weeks, days, count, longitude, help_option, version_option});

  QStringList marked{QStringLiteral("orvc")};
  static const QRegularExpression negative_number(QStringLiteral("^-[0-9]"));
  for (const QString& argument : arguments) {
    marked << (negative_number.match(argument).hasMatch() ? kNegativeMark + argument : argument);
  }
  if (!parser.parse(marked)) throw UsageError{"orvc: " + parser.errorText() + "\n" + kUsage};
  help = parser.isSet(help_option);
  version = parser.isSet(version_option);

  Options options;
  QStringList positional;
  for (const QString& argument : parser.positionalArguments()) positional << Unmarked(argument);
  if (!positional.isEmpty()) options.command = positional.takeFirst();
  options.positional = positional;
  options.mdy = parser.isSet(mdy);
  options.json = parser.isSet(json);
  options.plus = parser.isSet(plus);
  options.minus = parser.isSet(minus);
  if (options.plus && options.minus) throw UsageError{"orvc: --plus or --minus, not both"};
  if (parser.isSet(mean) && parser.isSet(apparent))
    throw UsageError{"orvc: --mean or --apparent, not both"};
  options.apparent = !parser.isSet(mean);
  if (parser.isSet(calendar)) {
    const QString name = parser.value(calendar).toLower();
    if (name == "gregorian") {
      options.calendar = kGregorian;
    } else if (name == "julian") {
      options.calendar = kJulian;
    } else if (name == "dee") {
      options.calendar = kDee;
    } else {
      throw UsageError{"orvc: --calendar must be gregorian, julian or dee"};
    }
  }
  if (parser.isSet(dee)) {
    const QString version_name = parser.value(dee).toUpper();
    if (version_name != "D" && version_name != "DC")
      throw UsageError{"orvc: --dee must be D or DC"};
    options.dee = version_name == "D";
  }
  if (parser.isSet(era)) {
    const QString style = parser.value(era).toUpper();
    if (style != "AD" && style != "CE") throw UsageError{"orvc: --era must be AD or CE"};
    options.era_style = style == "AD" ? kEraAD : kEraCE;
  }
  const QCommandLineOption* boxes[4] = {&years, &months, &weeks, &days};
  for (int i = 0; i < 4; ++i) {
    if (!parser.isSet(*boxes[i])) continue;
    if (!options.plus && !options.minus)
      throw UsageError{"orvc: --years, --months, --weeks and --days need --plus or --minus"};
    options.arithmetic[i] = Unmarked(parser.value(*boxes[i]));
  }
  if (parser.isSet(count)) options.count = Unmarked(parser.value(count));
  if (parser.isSet(longitude)) {
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,3}):([0-9]{1,2})$"));
    const QRegularExpressionMatch match = form.match(parser.value(longitude));
    const int degrees = match.hasMatch() ? match.captured(1).toInt() : -1;
    const int minutes = match.hasMatch() ? match.captured(2).toInt() : -1;
    if (degrees < 0 || degrees > 180 || minutes < 0 || minutes > 59) {
      throw UsageError{"orvc: --longitude must be DEG:MIN west, 0:0 to 180:59"};
    }
    options.longitude = degrees + minutes / 60.0;
    options.longitude_label = QStringLiteral("%1d%2m W").arg(degrees).arg(minutes);
  }
  return options;
}

}  // namespace

int RunOrvc(const QStringList& arguments, QTextStream& in, QTextStream& out, QTextStream& err) {
  try {
    QCommandLineParser parser;
    bool help = false;
    bool version = false;
    const Options options = Parse(arguments, parser, help, version);
    if (help) {
      out << kHelp;
      return kOrvcSuccess;
    }
    if (version) {
      out << "orvc " << ORV_VERSION << '\n';
      return kOrvcSuccess;
    }
    if (options.command == "convert") return CommandConvert(options, in, out, err);
    if (options.command == "weekday") return CommandWeekday(options, out, err);
    if (options.command == "sequence") return CommandSequence(options, out, err);
    if (options.command == "equinoxes") return CommandEquinoxes(options, out, err);
    throw UsageError{kUsage};
  } catch (const UsageError& error) {
    err << error.text << '\n';
    return kOrvcRefused;
  }
}

}  // namespace orv
