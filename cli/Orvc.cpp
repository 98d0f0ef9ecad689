#include "cli/Orvc.h"

#include <algorithm>
#include <functional>

#include "cli/CommandLine.h"
#include "core/ProposalFile.h"

namespace orv {
namespace {

struct Command {
  const char* name;
  // What follows "[options]" in its usage line: alternatives, an option
  // among them by its name alone ("--jdn", written "--jdn N").
  std::vector<const char*> arguments;
  const char* summary;
  std::vector<const char*> examples;
  bool takes_date;  // a DATE (year-month-day text) among its arguments
  std::function<int(const Options&, QIODevice&, QTextStream&, QTextStream&)> run;
};

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"convert",
       {"DATE", "today", "--jdn", "--mdy MONTH DAY YEAR ERA", "-"},
       "The day in the Gregorian, Julian and Dee calendars (with --all in every\n      "
       "calendar of orvc calendars; JSON always has them); with -, one DATE a line\n      "
       "of UTF-8 text from standard input, the answers passed on whenever orvc would\n      "
       "wait for the next line",
       {"orvc convert --plus --months 1 \"2000-01-31 CE\"",
        "orvc convert --to hebrew,jdn,weekday \"2024-03-20 CE\"",
        "orvc convert --to jd,unix,iso-ordinal \"2024-03-20 CE 03:06:21\"",
        "orvc convert --jdn 2460389.62941 --to gregorian,jd,mjd",
        "printf '2024-03-20\\n1999-W52-6\\n' | orvc convert --to gregorian,day-of-year --header -",
        "printf '2024-03-20\\n5785-07-01 AM\\n' | orvc convert --csv --to gregorian,hebrew,jdn -",
        "orvc convert --csv \"2024-03-20 CE\"",
        "orvc convert --json --to persian,iso-ordinal \"2024-03-20 CE\""},
       true,
       RunConvert},
      {"diff",
       {"FROM TO"},
       "How far apart two dates are: days, weeks and days, and years, months and days\n      "
       "in the calendar of FROM (added to FROM by convert --plus, they give TO)",
       {"orvc diff \"1582-10-04 JC\" \"2000-01-01 CE\""},
       true,
       [](const Options& o, QIODevice&, QTextStream& out, QTextStream& err) {
         return RunDiff(o, out, err);
       }},
      {"weekday",
       {"--mdy MONTH DAY YEAR ERA WEEKDAY"},
       "Whether the date falls on WEEKDAY in the Gregorian or the Julian calendar",
       {"orvc weekday --mdy January 1 2000 AD Saturday"},
       false,
       [](const Options& o, QIODevice&, QTextStream& out, QTextStream& err) {
         return RunWeekday(o, out, err);
       }},
      {"sequence",
       {"DATE", "--mdy MONTH DAY YEAR ERA"},
       "Days from the date in the Gregorian and Dee calendars, marking where they agree;\n      "
       "any number of them, printed as they are made",
       {"orvc sequence --count 8 \"2016-02-26 CE\""},
       true,
       [](const Options& o, QIODevice&, QTextStream& out, QTextStream& err) {
         return RunSequence(o, out, err);
       }},
      {"compare",
       {"YEAR"},
       "The March equinox in every solar calendar of the table (Julian, Gregorian,\n      "
       "Revised Julian, Dee, Dee-Cecil, Persian, England) from YEAR, and how well each\n      "
       "keeps it on its day",
       {"orvc compare --count 4000 --longitude 0:0 1 | tail -9"},
       false,
       [](const Options& o, QIODevice&, QTextStream& out, QTextStream& err) {
         return RunCompare(o, out, err);
       }},
      {"proposal",
       {"FILE | KEY"},
       "A calendar defined as data (a definition file, or the key of one orvc calendars\n      "
       "lists) judged against the sky: its mean year beside the tropical and the\n      "
       "vernal-equinox year, its cycle, and the years 1 to 4000 its March equinox\n      "
       "falls off its date, beside the Gregorian and Dee calendars",
       {"orvc proposal rule-128", "orvc proposal --json --longitude 0:0 persian-33"},
       false,
       [](const Options& o, QIODevice&, QTextStream& out, QTextStream& err) {
         return RunProposal(o, out, err);
       }},
      {"calendars",
       {},
       "The calendars of the table: key, name, tag, range and leap rule",
       {"orvc calendars"},
       false,
       [](const Options& o, QIODevice&, QTextStream& out, QTextStream&) {
         return RunCalendars(o, out);
       }},
      {"equinoxes",
       {"YEAR", "DATE", "--mdy MONTH DAY YEAR ERA"},
       "March equinoxes from the year, up to all the years 1 to 4000",
       {"orvc equinoxes --count 3 --longitude 74:0 --mean 2024"},
       true,
       [](const Options& o, QIODevice&, QTextStream& out, QTextStream& err) {
         return RunEquinoxes(o, out, err);
       }},
      {"easter",
       {"YEAR"},
       "Easter Sunday of each year from YEAR by the Gregorian computus (from 1583) and\n      "
       "by the Julian (from 326; its Sunday also as a Gregorian date), to year 99,999",
       {"orvc easter --count 3 2025"},
       false,
       [](const Options& o, QIODevice&, QTextStream& out, QTextStream& err) {
         return RunEaster(o, out, err);
       }},
  };
  return commands;
}

// The DATE paragraph, the other calendars' tags from the calendar table.
QString DateHelp() {
  return "DATE is a year-month-day date as typed in the main window: astronomical year\n"
         "(0 is 1 BC), month, day and the calendar's tag CE, JC, D or DC:\n"
         "\"2000-01-01 CE\", \"-4712-01-01 JC\", \"1-01-01 D\". D is the Dee version and DC\n"
         "Dee-Cecil, unless --dee says which is in force. Without a tag (and without\n"
         "--calendar) it is a Gregorian date: \"2000-01-01\". The tags of the other\n"
         "calendars (" +
         OtherCalendarTags() +
         ": orvc calendars) and ISO week dates\n"
         "\"1999-W52-6\" are read too.\n";
}

const char* const kNumbersHelp =
    "Numbers are written alike in every locale: \"2,451,545\", \"2,460,389.6295\".\n\n";
const char* const kExitHelp =
    "Exit status: 0 done; 1 weekday: neither calendar has the date on that weekday;\n"
    "2 refused (the program's message goes to standard error) or a usage error.\n";
const char* const kCommandExitHelp =
    "Exit status: 0 done; 2 refused (the program's message goes to standard error)\n"
    "or a usage error.\n";

const Command* CommandNamed(const QString& name) {
  for (const Command& command : Commands()) {
    if (name == QLatin1String(command.name)) return &command;
  }
  return nullptr;
}

// "diff [options] FROM TO": the command, then its arguments.
QString Synopsis(const Command& command) {
  QStringList alternatives;
  for (const char* alternative : command.arguments) {
    QStringList words = QString::fromLatin1(alternative).split(u' ');
    for (QString& word : words) {
      if (word.startsWith(QLatin1String("--"))) word = OptionUsage(word.mid(2));
    }
    alternatives << words.join(u' ');
  }
  return QLatin1String(command.name) + QLatin1String(" [options]") +
         (alternatives.isEmpty() ? QString() : ' ' + alternatives.join(QLatin1String(" | ")));
}

// "Usage: orvc diff [options] FROM TO", or every command's line.
QString UsageLines(const Command* command) {
  QString usage;
  for (const Command& each : Commands()) {
    if (command != nullptr && command != &each) continue;
    usage += (usage.isEmpty() ? QStringLiteral("Usage: orvc ") : QStringLiteral("       orvc ")) +
             Synopsis(each) + u'\n';
  }
  return usage;
}

// The command's examples, a line each, indented.
QString Examples(const Command& command, int indent) {
  QString lines;
  for (const char* example : command.examples) {
    lines += QString(indent, u' ') + QLatin1String(example) + u'\n';
  }
  return lines;
}

QString ProgramHelp() {
  QString help =
      "orvc - the command-line companion of Orvantis, the date calculator.\n\n"
      "Commands (orvc COMMAND --help shows a command's options)\n";
  for (const Command& command : Commands()) {
    help += QStringLiteral("  orvc %1\n      %2\n").arg(Synopsis(command), command.summary) +
            Examples(command, 6);
  }
  return help + '\n' + DateHelp() + "\nOptions\n" + OptionsHelp(OptionsOf(QString())) + '\n' +
         kNumbersHelp + kExitHelp;
}

// Only what the command reads: the DATE paragraph where it takes a date, its
// own options, its own exit statuses.
QString CommandHelp(const Command& command) {
  const bool weekday = QLatin1String(command.name) == QLatin1String("weekday");
  return QStringLiteral("Usage: orvc %1\n\n%2.\n").arg(Synopsis(command), command.summary) +
         Examples(command, 2) + '\n' + (command.takes_date ? DateHelp() + '\n' : QString()) +
         "Options\n" + OptionsHelp(OptionsOf(command.name)) + '\n' + kNumbersHelp +
         (weekday ? kExitHelp : kCommandExitHelp);
}

}  // namespace

QStringList CalendarFolders(const QStringList& arguments) {
  QStringList folders{ShippedCalendarsFolder(), UserCalendarsFolder()};
  const QString from_environment = qEnvironmentVariable("ORVANTIS_CALENDARS");
  if (!from_environment.isEmpty()) folders << from_environment.split(u':', Qt::SkipEmptyParts);
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == QLatin1String("--")) break;
    if (arguments[i] == QLatin1String("--calendars-dir") && i + 1 < arguments.size()) {
      folders << arguments[i + 1];
    } else if (arguments[i].startsWith(QLatin1String("--calendars-dir="))) {
      folders << arguments[i].section(u'=', 1);
    }
  }
  return folders;
}

QStringList OrvcCommands() {
  QStringList names;
  for (const Command& each : Commands()) names << QLatin1String(each.name);
  return names;
}

int RunOrvc(const QStringList& arguments, QIODevice& in, QTextStream& out, QTextStream& err) {
  const Command* command = nullptr;
  try {
    const Options options = ParseCommandLine(arguments, OrvcCommands());
    command = CommandNamed(options.command);
    if (options.help) {
      out << (command != nullptr ? CommandHelp(*command) : ProgramHelp());
      return kOrvcSuccess;
    }
    if (options.version) {
      out << "orvc " << ORV_VERSION << '\n';
      return kOrvcSuccess;
    }
    if (command == nullptr) throw UsageError{};
    return command->run(options, in, out, err);
  } catch (const UsageError& error) {
    if (command == nullptr) command = CommandNamed(error.command);
    if (!error.text.isEmpty()) err << error.text << '\n';
    err << UsageLines(command) << "Try 'orvc --help'.\n";
    return kOrvcRefused;
  }
}

}  // namespace orv
