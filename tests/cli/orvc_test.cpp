// Runs the built orvc as a process and reads what it prints.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include "cli/CommandLine.h"
#include "cli/Orvc.h"
#include "tests/PrintQString.h"

namespace orv {
namespace {

struct Finished {
  int status;
  QString out;
  QString err;
};

// Input comes through a pipe, or from input_file when one is named.
Finished Orvc(const QStringList& arguments, const QByteArray& input = {},
              const QString& locale = QStringLiteral("C"), const QString& input_file = {}) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("LC_ALL", locale);
  process.setProcessEnvironment(environment);
  if (!input_file.isEmpty()) process.setStandardInputFile(input_file);
  process.start(QStringLiteral(ORVC_PATH), arguments);
  EXPECT_TRUE(process.waitForStarted());
  process.write(input);
  process.closeWriteChannel();
  EXPECT_TRUE(process.waitForFinished(20000));
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

TEST(Orvc, ConvertsInBothNotationsAndAllCalendars) {
  struct Case {
    QStringList arguments;
    const char* first_line;  // the lines' form: the core's DateTexts test
  };
  const Case cases[] = {
      {{"convert", "-4712-01-01 JC"},
       "Gregorian Calendar: November 24, 4714 BCE       -4713-11-24 CE"},
      {{"convert", "1-01-01 D"},  // the tag names the Dee version
       "Gregorian Calendar: December 31, 1 BCE          0-12-31 CE"},
      {{"convert", "--mdy", "10", "5", "1,582", "AD", "--calendar", "julian"},
       "Gregorian Calendar: October 15, 1582 AD         1582-10-15 CE"},
      {{"convert", "--plus", "--months", "1", "2000-01-31 CE"},
       "Gregorian Calendar: February 29, 2000 CE        2000-02-29 CE"},
      {{"convert", "--minus", "--years", "1", "--era", "AD", "1-06-15 CE"},
       "Gregorian Calendar: June 15, 1 BC               0-06-15 CE"},
      {{"convert", "--jdn", "2,451,545.5"},  // the day-number field's reader
       "Gregorian Calendar: January 2, 2000 CE          2000-01-02 CE"},
  };
  for (const Case& c : cases) {
    const Finished run = Orvc(c.arguments);
    EXPECT_EQ(run.status, 0) << c.arguments.join(' ').toStdString() << run.err.toStdString();
    const QStringList lines = run.out.split('\n');
    ASSERT_EQ(lines.size(), 6) << run.out.toStdString();  // five lines and the final line feed
    EXPECT_EQ(lines[0], c.first_line);
  }
}

TEST(Orvc, JsonCarriesEveryCalendar) {
  const Finished run = Orvc({"convert", "--json", "2000-01-01 CE"});
  ASSERT_EQ(run.status, 0);
  const QJsonObject object = QJsonDocument::fromJson(run.out.toUtf8()).object();
  EXPECT_EQ(object["jdn"].toInt(), 2451545);
  EXPECT_EQ(object["day_of_week"].toString(), "Saturday");
  EXPECT_EQ(object["julian"]["year"].toInt(), 1999);
  EXPECT_EQ(object["julian"]["day"].toInt(), 19);
  EXPECT_EQ(object["julian"]["ymd_date"].toString(), "1999-12-19 JC");
  EXPECT_EQ(object["gregorian"]["era_date"].toString(), "January 1, 2000 CE");
  EXPECT_EQ(object["dee"]["version"].toString(), "Dee-Cecil");
  EXPECT_EQ(object["dee"]["ymd_date"].toString(), "2000-01-01 DC");
  // The other calendars under their JSON keys; null where a calendar has no date.
  EXPECT_EQ(object["iso_week"]["week"].toInt(), 52);
  EXPECT_EQ(object["revised_julian"]["ymd_date"].toString(), "2000-01-01 RJ");
  EXPECT_EQ(object["french_republican"]["ymd_date"].toString(), "208-04-11 FR");
  EXPECT_TRUE(QJsonDocument::fromJson(Orvc({"convert", "--json", "--jdn", "0"}).out.toUtf8())
                  .object()["hebrew"]
                  .isNull());
  const QJsonObject england =
      QJsonDocument::fromJson(Orvc({"convert", "--json", "1732-02-11 EN"}).out.toUtf8()).object();
  EXPECT_EQ(england["england"]["legal_year"].toInt(), 1731);
  EXPECT_EQ(england["england"]["reckoning"].toString(), "julian");
}

TEST(Orvc, ReadsEveryCalendarsDatesAndListsTheTable) {
  // By tag, by --calendar, in a batch; --all prints a row a calendar.
  EXPECT_TRUE(Orvc({"convert", "5760-10-23 AM"}).out.contains("January 1, 2000 CE"));
  EXPECT_TRUE(
      Orvc({"convert", "--calendar", "iso-week", "1999-W52-6"}).out.contains("January 1, 2000 CE"));
  const Finished batch = Orvc({"convert", "-"}, "1403-01-01 AP\n5785-13-01 AM\n");
  EXPECT_TRUE(batch.out.contains("March 20, 2024 CE"));
  EXPECT_EQ(batch.err, "line 2: 5785 AM is a common year: it has no Adar II.\n");
  const Finished all = Orvc({"convert", "--all", "2-11-09 FR"});
  EXPECT_EQ(all.out.count('\n'), 12);
  EXPECT_TRUE(all.out.contains("French Republican Calendar:  9 Thermidor an II"));
  const Finished refused = Orvc({"convert", "--plus", "--months", "1", "5760-10-23 AM"});
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.err, "Years and months cannot be added in the Hebrew calendar.\n");
  EXPECT_TRUE(Orvc({"sequence", "--count", "1", "5785-07-01 AM"}).out.contains("2024-10-03 CE"));
  EXPECT_TRUE(Orvc({"diff", "1420-09-24 AH", "1421-09-24 AH"})
                  .out.endsWith("In the Islamic Calendar: 1 year, 0 months, 0 days\n"));
  EXPECT_TRUE(Orvc({"diff", "--json", "2000-01-01 RJ", "2000-01-02 RJ"})
                  .out.contains("\"calendar\":\"revised_julian\""));
  // --all's columns keep two spaces between them, however long a date is.
  for (const QString& line : Orvc({"convert", "--all", "1888-13-01 FR"}).out.split('\n')) {
    EXPECT_EQ(line.split(QRegularExpression("  +")).size(),
              line.startsWith("Julian day") || line.startsWith("Day of") ? 2
              : line.isEmpty()                                           ? 1
                                                                         : 3)
        << line.toStdString();
  }
  // The ten of the table, then the calendars the program ships as definitions,
  // with their files, and the regions.
  const Finished table = Orvc({"calendars"});
  EXPECT_EQ(
      table.out.count(QRegularExpression("^[a-z0-9-]+ ", QRegularExpression::MultilineOption)),
      10 + table.out.count("    file:   ") + table.out.count("    leap:   Julian to "));
  EXPECT_TRUE(table.out.contains("/calendars/coptic.json\n"));
  EXPECT_TRUE(table.out.contains("range:  1-01-01 AH to 6,054,563-09-18 AH"));
}

// A region is written where it is asked for: --region adds its row, object
// or column to the usual output; without it no output lists a region.
TEST(Orvc, ARegionsDateWhereItIsAskedFor) {
  const QStringList region = {"convert", "--region", "venice", "1 February 1700/01 m.v."};
  EXPECT_TRUE(
      Orvc(region).out.contains("Dee-Cecil Calendar: February 1, 1701 CE         1701-02-01 DC\n"
                                "Venice Calendar:    1 February 1700/01 m.v.     1701-02-01 VE\n"
                                "Julian day number:  2,342,369\n"));
  EXPECT_TRUE(Orvc(region + QStringList{"--json"})
                  .out.contains(R"("venice":{"day":1,"era_date":"1 February 1700/01 m.v.")"));
  EXPECT_TRUE(Orvc(region + QStringList{"--csv"})
                  .out.startsWith("gregorian,julian,dee,venice,jdn,weekday,error\r\n"));
  EXPECT_TRUE(Orvc(region + QStringList{"--all"}).out.contains("Venice Calendar:"));
  for (const QStringList& unasked : {QStringList{"convert", "--all", "1701-02-01"},
                                     QStringList{"convert", "--json", "1701-02-01 VE"}}) {
    EXPECT_FALSE(Orvc(unasked).out.contains(QRegularExpression("[Vv]enice")));
  }
}

// A folder of definitions: the good ones are calendars of every command, each
// bad one is named with its field and left out, and no file is changed.
TEST(Orvc, CalendarDefinitionsFromAFolder) {
  const QByteArray months =
      R"("months": [{"name": "Primus", "days": 182}, {"name": "Secundus", "days": 183,
          "leap_days": 1}])";
  const struct {
    const char* file;
    QByteArray contents;
    const char* refusal;  // none: read
  } files[] = {
      {"good.json",
       R"({"name": "Two Halves", "key": "two-halves", "tag": "TH", )" + months +
           R"(, "leap": [{"cycle": 33, "offset": 1, "remainders": [3, 7, 11, 15, 19, 23, 27, 31]}],
           "epoch": "2000-01-01 CE"})",
       nullptr},
      {"month.json",
       R"({"name": "A", "key": "a", "tag": "AA", "months": [{"name": "M", "days": 0}], "epoch": 0})",
       "months[0].days: a whole number from 1 to 400 is needed"},
      {"tag.json", R"({"name": "B", "key": "b", "tag": "RJ", )" + months + R"(, "epoch": 0})",
       "the tag RJ is the Revised Julian calendar's"},
      {"never.json",
       R"({"name": "C", "key": "c", "tag": "CC", )" + months +
           R"(, "epoch": 0, "leap": [{"linear": {"a": 2, "b": 1, "c": 2, "below": 1}}]})",
       "leap: a rule that matches no year"},
      {"epoch.json", R"({"name": "E", "key": "e", "tag": "EE", )" + months + R"(, "epoch": 1e12})",
       "epoch: a whole number from -2147483648 to 2147483647 is needed"},
      {"text.json", "not JSON", "the file is not JSON (illegal value at byte 1)"},
  };
  QTemporaryDir folder;
  for (const auto& f : files) {
    QFile file(folder.filePath(f.file));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(f.contents);
  }
  const Finished listed = Orvc({"calendars", "--calendars-dir", folder.path()});
  EXPECT_EQ(listed.status, 0);
  EXPECT_TRUE(listed.out.contains("two-halves        Two Halves\n    tag:    TH\n"));
  for (const auto& f : files) {
    const QString named = "orvc: " + folder.filePath(f.file) + ": ";
    if (f.refusal == nullptr) {
      EXPECT_FALSE(listed.err.contains(named)) << listed.err.toStdString();
    } else {
      EXPECT_TRUE(listed.err.contains(named + f.refusal + " (left out)\n"))
          << f.file << ": " << listed.err.toStdString();
    }
    QFile file(folder.filePath(f.file));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), f.contents) << "a refused file is never changed";
  }
  // Read by its tag and written by --to, like any calendar of the table.
  const Finished converted =
      Orvc({"convert", "--calendars-dir", folder.path(), "--to", "two-halves,jdn", "1-01-01 TH"});
  EXPECT_EQ(converted.out, "1-01-01 TH\t2451545\n");
  EXPECT_EQ(Orvc({"convert", "--calendars-dir", folder.path() + "/none", "2000-01-01"}).status, 2);
  // In every calendar's output and the comparison only when asked; judged by orvc proposal.
  const QStringList all = {"convert", "--calendars-dir", folder.path(), "--all", "2024-03-20"};
  EXPECT_FALSE(Orvc(all).out.contains("Two Halves"));
  EXPECT_TRUE(Orvc(all + QStringList{"--with-proposals"}).out.contains("Two Halves Calendar:"));
  EXPECT_TRUE(Orvc({"compare", "--calendars-dir", folder.path(), "--with-proposals", "2024"})
                  .out.contains("      TH\n"));
  const Finished judged = Orvc({"proposal", "--calendars-dir", folder.path(), "two-halves"});
  EXPECT_TRUE(judged.out.startsWith("Two Halves (TH), defined by " + folder.filePath("good.json")))
      << judged.out.toStdString();
  EXPECT_TRUE(judged.out.contains("\nCycle: 33 years with 8 leap years: 4, 8, 12,"));
}

TEST(Orvc, BatchAnswersEveryLineInOrderWithItsNumber) {
  const Finished run = Orvc({"convert", "--json", "-"},
                            "2000-01-01 CE\n2000-13-01 CE\n\n1582-10-05 JC\n2001-02-29 CE\n");
  EXPECT_EQ(run.status, 2);
  const QStringList lines = run.out.trimmed().split('\n');
  ASSERT_EQ(lines.size(), 4);
  QList<QJsonObject> objects;
  for (const QString& line : lines) objects << QJsonDocument::fromJson(line.toUtf8()).object();
  EXPECT_EQ(objects[0]["jdn"].toInt(), 2451545);
  EXPECT_EQ(objects[0]["line"].toInt(), 1);
  EXPECT_EQ(objects[1], (QJsonObject{{"line", 2},
                                     {"input", "2000-13-01 CE"},
                                     {"error", "2000 CE has 12 months: it has no month 13."},
                                     {"kind", "no_such_month"}}));
  EXPECT_EQ(objects[2]["jdn"].toInt(), 2299161);
  EXPECT_EQ(objects[2]["line"].toInt(), 4);
  EXPECT_EQ(objects[3]["line"].toInt(), 5);
  // One line of standard error a refused line, the message's breaks as spaces.
  EXPECT_EQ(run.err,
            "line 2: 2000 CE has 12 months: it has no month 13.\n"
            "line 5: February 2001 CE has days 1 to 28: 2001 is not a leap year in the "
            "Gregorian calendar.\n");
  EXPECT_EQ(objects[3]["error"].toString() + '\n', run.err.section("line 5: ", 1));
}

TEST(Orvc, RefusalsPrintTheProgramsMessages) {
  struct Case {
    QStringList arguments;
    const char* message;
  };
  const Case cases[] = {
      {{"convert", "2000-01-01 JC", "--calendar", "gregorian"},
       "Inconsistent calendar designations in year-month-day date.\n"},
      {{"convert", "2000-01-01 BC"},  // a message of two lines
       "The calendar designators 'AD' and 'BC'\ncan only be used with month,day,year dates.\n"},
      {{"convert", "--dee", "DC", "2017-03-21 D"},
       "'D' is the tag of the Dee calendar, but the version in force is Dee-Cecil: its tag is "
       "'DC'.\n"},
      {{"convert", "100000-01-01 CE"},
       "Input date is out of permitted range: years -99,999 to 99,999.\n"},
      {{"convert", "2021-04-31"}, "April 2021 CE has days 1 to 30.\n"},
      {{"equinoxes", "4001"},
       "Vernal equinoxes are calculated only for years in the range 1 through 4000.\n"},
  };
  for (const Case& c : cases) {
    const Finished run = Orvc(c.arguments);
    EXPECT_EQ(run.status, 2) << c.arguments.join(' ').toStdString();
    EXPECT_EQ(run.err, c.message) << c.arguments.join(' ').toStdString();
    EXPECT_TRUE(run.out.isEmpty());
  }
  // With --json the refusal is also an object on standard output.
  const Finished json = Orvc({"diff", "--json", "2000-01-01 CE", "2001-02-29 CE"});
  EXPECT_EQ(json.status, 2);
  EXPECT_EQ(json.out,
            "{\"error\":\"February 2001 CE has days 1 to 28: 2001 is not a leap year in the "
            "Gregorian calendar.\",\"input\":\"2001-02-29 CE\",\"kind\":\"day_past_month_end\"}\n");
  EXPECT_TRUE(json.err.startsWith("February 2001 CE has days 1 to 28:"));
}

TEST(Orvc, UsageErrorsNameWhatIsWrong) {
  struct Case {
    QStringList arguments;
    const char* first_line;
  };
  const Case cases[] = {
      {{"frobnicate"}, "orvc: unknown command 'frobnicate'"},
      {{"calendars", "--longitude", "999:0"}, "orvc: calendars does not take --longitude"},
      {{"diff", "--csv", "2000-01-01", "2000-01-02"}, "orvc: diff does not take --csv"},
      {{"convert", "--to", "hebrew,moon", "2000-01-01"},
       "orvc: --to: 'moon' is not a field; the fields are gregorian, julian, dee, "
       "revised-julian, iso-week, hebrew, islamic, persian, french-republican, england, jdn, "
       "mjd, jd, weekday, day-of-year, unix, iso-ordinal, and the key of any calendar orvc "
       "calendars lists."},
      {{"convert", "--header", "2000-01-01"}, "orvc: --header goes with --to, in text"},
      {{"convert", "--all", "--to", "jdn", "2000-01-01"}, "orvc: --all or --to, not both"},
      {{"convert", "--region", "venice", "--mdy", "February", "1", "1700", "AD"},
       "orvc: --mdy or --region, not both (a region's date is typed as written: \"February 10, "
       "1749/50\")"},
      {{"diff", "--mdy", "January", "1", "2000", "AD", "February", "1", "2000", "AD"},
       "orvc: diff does not take --mdy"},
      {{"convert", "--calendar", "x", "1"},
       "orvc: --calendar must be one of gregorian, julian, dee, revised-julian, iso-week, hebrew, "
       "islamic, persian, french-republican, england"},
      {{"convert", "--mdy", "Smarch", "1", "2000", "AD"},
       "orvc: MONTH must be a month name or 1 to 12"},
      {{"convert", "--jdn", "2451545,500"},
       "orvc: --jdn \"2451545,500\": Invalid Julian day number. Write it as 2,451,545.5 (a "
       "decimal point) or 2.451.545,5 (a decimal comma)."},
      {{"compare", "2024-03-20"},
       "orvc: YEAR must be a year from 1 to 4000 (\"2024\", \"2,024\"); not \"2024-03-20\""},
      {{"convert"},
       "Usage: orvc convert [options] DATE | today | --jdn N | --mdy MONTH DAY YEAR "
       "ERA | -"},
  };
  for (const Case& c : cases) {
    const Finished run = Orvc(c.arguments);
    EXPECT_EQ(run.status, 2) << c.arguments.join(' ').toStdString();
    EXPECT_EQ(run.err.section('\n', 0, 0), c.first_line);
    EXPECT_TRUE(run.err.endsWith("Try 'orvc --help'.\n"));
    // A known command's usage line, and no other.
    if (c.arguments.size() > 1) {
      EXPECT_TRUE(run.err.contains("\nUsage: orvc " + c.arguments[0] + " [options]"));
      EXPECT_EQ(run.err.count("orvc " + c.arguments[0]), 1) << run.err.toStdString();
    }
  }
  // Without a command, the usage lines of every command.
  EXPECT_TRUE(Orvc({}).err.contains("\n       orvc diff [options] FROM TO\n"));
}

TEST(Orvc, BatchInputIsUtf8AndNoLineIsLost) {
  const Finished foreign = Orvc({"convert", "-"}, "\xff\xfe\n2000-01-01 CE\n1582-10-05 JC\n");
  EXPECT_EQ(foreign.status, 2);
  EXPECT_EQ(foreign.err, "line 1: The line is not UTF-8 text.\n");
  EXPECT_EQ(foreign.out.count("Julian day number:"), 2);
  // A byte-order mark and CR LF; each line's tag names its own Dee version.
  const Finished marked = Orvc({"convert", "-"},
                               "\xef\xbb\xbf"
                               "1-01-01 D\r\n1-01-01 DC\r\n");
  EXPECT_EQ(marked.status, 0) << marked.err.toStdString();
  EXPECT_TRUE(marked.out.contains("Dee Calendar:       January 1, 1 CE"));
  // A 16 MB line is refused like any other, and the next line converts.
  const Finished huge =
      Orvc({"convert", "-"}, QByteArray("1,000,").repeated(2800000) + "\n2000-01-01 CE\n");
  EXPECT_EQ(huge.status, 2);
  EXPECT_TRUE(huge.err.startsWith("line 1: "));
  EXPECT_TRUE(huge.out.contains("2,451,545"));
}

TEST(Orvc, AnswersEachLineAtOnceFromAPipe) {
  QProcess process;
  process.start(QStringLiteral(ORVC_PATH), {"convert", "--json", "-"});
  ASSERT_TRUE(process.waitForStarted());
  for (const char* line : {"2000-01-01 CE\n", "2000-13-01 CE\n", "2024-03-20 CE\n"}) {
    process.write(line);
    QByteArray answer;
    while (!answer.endsWith('\n') && process.waitForReadyRead(10000)) {
      answer += process.readAllStandardOutput();
    }
    EXPECT_EQ(answer.count('\n'), 1) << "no answer to " << line << " before the next line";
  }
  process.closeWriteChannel();
  EXPECT_TRUE(process.waitForFinished(10000));
  // Through a pipe or from a file, the same answers.
  QTemporaryFile input;
  ASSERT_TRUE(input.open());
  for (int i = 0; i < 3000; ++i) input.write("2000-01-01 CE\n1582-10-05 JC\nx\n");
  input.close();
  input.open();
  const QByteArray lines = input.readAll();
  const Finished piped = Orvc({"convert", "-"}, lines);
  const Finished from_file = Orvc({"convert", "-"}, {}, QStringLiteral("C"), input.fileName());
  EXPECT_EQ(piped.out.size(), from_file.out.size());
  EXPECT_TRUE(piped.out == from_file.out && piped.err == from_file.err);
}

TEST(Orvc, OptionNumbersAreDigitsOnly) {
  for (const QStringList& arguments :
       {QStringList{"convert", "--plus", "--months", "1e9", "2000-01-01 CE"},
        QStringList{"convert", "--plus", "--days", "1,00", "2000-01-01 CE"},
        QStringList{"sequence", "--count", "-3", "2000-01-01 CE"}}) {
    const Finished run = Orvc(arguments);
    EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
    EXPECT_TRUE(run.err.startsWith("orvc: --" + arguments[arguments.size() - 3].mid(2) +
                                   " takes a whole number"))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.endsWith("Try 'orvc --help'.\n"));
  }
  EXPECT_TRUE(Orvc({"convert", "--plus", "--days", "1,000", "2000-01-01 CE"})
                  .out.contains("September 27, 2002"));
}

TEST(Orvc, OutputIsTheSameInEveryLocale) {
  EXPECT_TRUE(
      Orvc({"convert", "12345-01-01 CE"}, {}, "de_DE.UTF-8").out.contains("12,345-01-01 CE"));
  EXPECT_TRUE(Orvc({"equinoxes", "--count", "1", "2024"}, {}, "fr_FR.UTF-8")
                  .out.contains("2,460,389.6295"));
}

TEST(Orvc, WeekdayTest) {
  const Finished gregorian = Orvc({"weekday", "--mdy", "January", "1", "2000", "AD", "Saturday"});
  EXPECT_EQ(gregorian.status, 0);
  EXPECT_TRUE(
      gregorian.out.endsWith("Day of week:        Saturday\nFound in: Gregorian Calendar\n"));
  EXPECT_EQ(Orvc({"weekday", "--mdy", "January", "1", "2000", "AD", "Sunday"}).status, 1);

  const Finished impossible = Orvc({"weekday", "--mdy", "February", "30", "2000", "AD", "Monday"});
  EXPECT_EQ(impossible.status, 2);
  EXPECT_EQ(impossible.err, "February 2000 CE has days 1 to 29.\n");
  EXPECT_TRUE(impossible.out.isEmpty());

  const Finished json =
      Orvc({"weekday", "--json", "--mdy", "January", "1", "1200", "AD", "sat"});  // cut short
  // Nothing but JSON: anything else on standard output leaves no object.
  const QJsonObject answer = QJsonDocument::fromJson(json.out.toUtf8()).object();
  EXPECT_EQ(answer["found_in"].toArray().size(), 2) << json.out.toStdString();
  EXPECT_EQ(answer["day"]["jdn"].toInt(), 2159358);
}

TEST(Orvc, ReportOptionsReachTheReports) {
  // --dee reaches the sequence's rows (the 26th is the 27th in the Dee
  // version); --count and what the rows name: the report-format test.
  const QString sequence = Orvc({"sequence", "--count", "1", "--dee", "D", "2016-02-26 CE"}).out;
  EXPECT_TRUE(sequence.contains("Dee date") &&
              sequence.contains("2016-02-26 CE        2016-02-27 D "));
  const Finished table =
      Orvc({"equinoxes", "--count", "2", "--longitude", "74:30", "--mean", "1582"});
  EXPECT_EQ(table.status, 0);
  // A bare year's row in mean time ("m") at 74d30m W (18:48 at 77d0m W).
  EXPECT_TRUE(table.out.contains("1582-03-20 CE 23:56 m   1582-03-20 DC 18:58 m"));
  EXPECT_EQ(
      Orvc({"equinoxes", "--count", "2", "--longitude", "74:30", "--mean", "1582-06-01 CE"}).out,
      table.out)
      << "a date gives its year";
  // An east meridian (77:0 and 77:0W are west) and true solar time.
  const QString east =
      Orvc({"equinoxes", "--count", "1", "--longitude", "12:30e", "--true", "--json", "2024"}).out;
  EXPECT_TRUE(east.contains("\"meridian\":\"12d30m E\"") &&
              east.contains("\"time_kind\":\"true\""));
  EXPECT_EQ(Orvc({"equinoxes", "--longitude", "77:0W", "2024"}).out,
            Orvc({"equinoxes", "--longitude", "77:0", "2024"}).out);
}

TEST(Orvc, CompareWritesARowAYearThenACalendarsSummary) {
  const Finished run =
      Orvc({"compare", "--json", "--count", "2", "--longitude", "0:0", "--true", "2024"});
  EXPECT_EQ(run.status, 0);
  const QStringList lines = run.out.trimmed().split('\n');
  ASSERT_EQ(lines.size(), 2 + 7);
  const QJsonObject row = QJsonDocument::fromJson(lines[0].toUtf8()).object();
  EXPECT_EQ(row["year"].toInt(), 2024);
  EXPECT_EQ(row["persian"].toString(), "1403-01-01 AP");
  EXPECT_EQ(row["dee_cecil"].toString(), "2024-03-21 DC");
  const QJsonObject julian = QJsonDocument::fromJson(lines[2].toUtf8()).object();
  EXPECT_EQ(julian["calendar"].toString(), "julian");
  EXPECT_EQ(julian["most_common"].toString(), "03-07");
  EXPECT_TRUE(julian["drift_days_per_millennium"].isNull());  // two years are too few
  EXPECT_EQ(row["meridian"].toString(), "0d0m W");
  EXPECT_EQ(row["time_kind"].toString(), "true");
  EXPECT_TRUE(Orvc({"compare", "--csv", "--count", "2", "2,024"}).out.startsWith("year,julian,"));
  // Years past 4000 as in the equinox table: the rows to 4000, then the message.
  for (const char* command : {"compare", "equinoxes"}) {
    const Finished past = Orvc({command, "--count", "3", "3,999"});
    EXPECT_EQ(past.status, 0) << command;
    EXPECT_TRUE(past.out.contains("4000") && !past.out.contains("4001")) << command;
    EXPECT_EQ(past.err,
              "Vernal equinoxes are calculated only for years in the range 1 through 4000.\n");
  }
}

TEST(Orvc, EasterRowsInEachFormat) {
  EXPECT_EQ(Orvc({"easter", "--count", "2", "1582"}).out,
            "1582  Gregorian -              Julian 1582-04-15 JC = 1582-04-25 CE\n"
            "1583  Gregorian 1583-04-10 CE  Julian 1583-03-31 JC = 1583-04-10 CE\n");
  const QJsonObject json =
      QJsonDocument::fromJson(Orvc({"easter", "--json", "1582"}).out.toUtf8()).object();
  EXPECT_EQ(json["year"].toInt(), 1582);
  EXPECT_TRUE(json["gregorian_easter"].isNull());
  EXPECT_EQ(json["julian_easter_gregorian"].toString(), "1582-04-25 CE");
  EXPECT_EQ(Orvc({"easter", "--csv", "1582"}).out,
            "year,gregorian_easter,julian_easter,julian_easter_gregorian\r\n"
            "1582,,1582-04-15 JC,1582-04-25 CE\r\n");
  // The years that have an Easter, then which do not.
  const Finished beyond = Orvc({"easter", "--count", "3", "99,998"});
  EXPECT_EQ(beyond.status, 0);
  EXPECT_EQ(beyond.out.count('\n'), 2);
  EXPECT_EQ(beyond.err,
            "Easter is computed for the years 326 to 99,999 (by the Gregorian computus from "
            "1583), not for 100,000.\n");
  const Finished before = Orvc({"easter", "--count", "2", "325"});
  EXPECT_EQ(before.status, 0);
  EXPECT_TRUE(before.out.startsWith("326  Gregorian -  "));
  EXPECT_TRUE(before.err.endsWith("not for 325.\n"));
  EXPECT_EQ(Orvc({"easter", "--count", "2", "1"}).status, 2);
}

TEST(Orvc, HelpAndVersion) {
  const Finished help = Orvc({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* command : {"convert", "weekday", "sequence", "equinoxes"}) {
    EXPECT_TRUE(help.out.contains(QString("orvc ") + command)) << command;
  }
  // Each command's help shows its own options (below) and no other command's.
  const QString convert = Orvc({"convert", "--help"}).out;
  EXPECT_FALSE(convert.contains("--longitude"));
  // The DATE paragraph only where a command takes a DATE; --json as the command writes it.
  const QString easter = Orvc({"easter", "--help"}).out;
  EXPECT_FALSE(easter.contains("DATE is"));
  EXPECT_TRUE(easter.contains("--json         JSON: one object a year\n"));
  EXPECT_TRUE(convert.contains("DATE is"));
  EXPECT_EQ(Orvc({"--version"}).out, "orvc 1.0\n");
}

// Every option of the table is in the help of each command that takes it,
// and in the manual page's list of options, which lists no other.
TEST(Orvc, EveryOptionInItsCommandsHelpAndTheManualPage) {
  QSet<QString> options;
  for (const QString& command : OrvcCommands()) {
    const QString help = Orvc({command, "--help"}).out;
    for (const QCommandLineOption& option : OptionsOf(command)) {
      for (const QString& name : option.names()) {
        options << name;
        EXPECT_TRUE(help.contains((name.size() == 1 ? " -" : " --") + name + ' ') ||
                    help.contains((name.size() == 1 ? " -" : " --") + name + ','))
            << command.toStdString() << " --" << name.toStdString();
      }
    }
  }
  QFile manual(QStringLiteral(ORVC_MANUAL_PAGE));
  ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
  const QString list =
      QString::fromUtf8(manual.readAll()).section(".SH OPTIONS\n", 1).section("\n.SH ", 0, 0);
  static const QRegularExpression heading(QStringLiteral("^\\.TP\n(.*)$"),
                                          QRegularExpression::MultilineOption);
  static const QRegularExpression name(QStringLiteral("\\\\-(?:\\\\-)?([a-z][a-z-]*)"));
  QSet<QString> listed;
  for (const QRegularExpressionMatch& entry : heading.globalMatch(list)) {
    for (const QRegularExpressionMatch& option : name.globalMatch(entry.captured(1))) {
      listed << option.captured(1);
    }
  }
  EXPECT_EQ(listed, options);
}

}  // namespace
}  // namespace orv

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
