// Runs the built orvc as a process and reads what it prints.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include "tests/PrintQString.h"

namespace orv {
namespace {

struct Finished {
  int status;
  QString out;
  QString err;
};

Finished Orvc(const QStringList& arguments, const QByteArray& input = {}) {
  QProcess process;
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
    const char* first_line;
    const char* jdn_line;
  };
  const Case cases[] = {
      {{"convert", "-4712-01-01 JC"},
       "Gregorian Calendar: November 24, 4714 BCE       -4713-11-24 CE",
       "Julian day number:  0"},
      {{"convert", "--dee", "D", "1-01-01 D"},
       "Gregorian Calendar: December 31, 1 BCE          0-12-31 CE",
       "Julian day number:  1,721,425"},
      {{"convert", "--mdy", "10", "5", "1,582", "AD", "--calendar", "julian"},
       "Gregorian Calendar: October 15, 1582 AD         1582-10-15 CE",
       "Julian day number:  2,299,161"},
      {{"convert", "--plus", "--months", "1", "2000-01-31 CE"},
       "Gregorian Calendar: February 29, 2000 CE        2000-02-29 CE",
       "Julian day number:  2,451,604"},
      {{"convert", "--minus", "--years", "1", "--era", "AD", "1-06-15 CE"},
       "Gregorian Calendar: June 15, 1 BC               0-06-15 CE",
       "Julian day number:  1,721,226"},
  };
  for (const Case& c : cases) {
    const Finished run = Orvc(c.arguments);
    EXPECT_EQ(run.status, 0) << c.arguments.join(' ').toStdString() << run.err.toStdString();
    const QStringList lines = run.out.split('\n');
    ASSERT_EQ(lines.size(), 6) << run.out.toStdString();  // five lines and the final line feed
    EXPECT_EQ(lines[0], c.first_line);
    EXPECT_EQ(lines[3], c.jdn_line);
    EXPECT_FALSE(run.out.contains(" \n")) << "no trailing spaces";
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
}

TEST(Orvc, BatchConvertsGoodLinesAndReportsBadOnes) {
  const Finished run = Orvc({"convert", "--json", "-"},
                            "2000-01-01 CE\n2000-13-01 CE\n\n1582-10-05 JC\n2001-02-29 CE\n");
  EXPECT_EQ(run.status, 2);
  const QStringList lines = run.out.trimmed().split('\n');
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(QJsonDocument::fromJson(lines[0].toUtf8()).object()["jdn"].toInt(), 2451545);
  EXPECT_EQ(QJsonDocument::fromJson(lines[1].toUtf8()).object()["jdn"].toInt(), 2299161);
  EXPECT_EQ(run.err,
            "line 2: Invalid input date\n"
            "line 5: The input date is invalid.\n\nIn the Gregorian Calendar\n2001 is not a leap "
            "year.\n");
}

TEST(Orvc, RefusalsPrintTheProgramsMessages) {
  struct Case {
    QStringList arguments;
    const char* message;
  };
  const Case cases[] = {
      {{"convert", "2000-01-01 JC", "--calendar", "gregorian"},
       "Inconsistent calendar designations in year-month-day date.\n"},
      {{"convert", "2000-01-01 BC", "--calendar", "gregorian"},
       "The calendar designators 'AD' and 'BC'\ncan only be used with month,day,year dates.\n"},
      {{"sequence", "--count", "801", "2000-01-01 CE"}, "Too many days\n"},
      {{"equinoxes", "4001"},
       "Vernal equinoxes are calculated only for years in the range 1 through 4000.\n"},
  };
  for (const Case& c : cases) {
    const Finished run = Orvc(c.arguments);
    EXPECT_EQ(run.status, 2) << c.arguments.join(' ').toStdString();
    EXPECT_EQ(run.err, c.message) << c.arguments.join(' ').toStdString();
    EXPECT_TRUE(run.out.isEmpty());
  }
  for (const QStringList& usage : {QStringList{}, QStringList{"bogus"}, QStringList{"convert"},
                                   QStringList{"convert", "--calendar", "x", "1"},
                                   QStringList{"convert", "--mdy", "Smarch", "1", "2000", "AD"},
                                   QStringList{"convert", "--days", "1", "2000-01-01 CE"}}) {
    const Finished run = Orvc(usage);
    EXPECT_EQ(run.status, 2) << usage.join(' ').toStdString();
    EXPECT_FALSE(run.err.isEmpty());
  }
}

TEST(Orvc, WeekdayTest) {
  const Finished gregorian = Orvc({"weekday", "--mdy", "January", "1", "2000", "AD", "Saturday"});
  EXPECT_EQ(gregorian.status, 0);
  EXPECT_TRUE(
      gregorian.out.endsWith("Day of week:        Saturday\nFound in: Gregorian Calendar\n"));
  const Finished neither = Orvc({"weekday", "--mdy", "January", "1", "2000", "AD", "Sunday"});
  EXPECT_EQ(neither.status, 1);
  EXPECT_EQ(neither.out,
            "The input date is not a Sunday in either the Gregorian Calendar or the Julian.\n");
  EXPECT_EQ(Orvc({"weekday", "--mdy", "January", "1", "1200", "AD", "sat"}).status, 0)
      << "weekday names may be cut short";
}

TEST(Orvc, ReportOptionsReachTheReports) {
  const Finished sequence = Orvc({"sequence", "--count", "3", "--dee", "D", "2016-02-26 CE"});
  EXPECT_EQ(sequence.status, 0);
  EXPECT_EQ(sequence.out.count("\n   2016-"), 3) << sequence.out.toStdString();
  EXPECT_TRUE(sequence.out.contains(" D ")) << "the Dee version of --dee";
  const Finished table =
      Orvc({"equinoxes", "--count", "2", "--longitude", "74:30", "--mean", "1582"});
  EXPECT_EQ(table.status, 0);
  EXPECT_TRUE(table.out.contains("for 74d30m W: ")) << table.out.toStdString();
  EXPECT_TRUE(table.out.contains("\n  1582 ")) << "a bare year";
  EXPECT_TRUE(table.out.contains(" m ")) << "mean solar time";
  EXPECT_EQ(
      Orvc({"equinoxes", "--count", "2", "--longitude", "74:30", "--mean", "1582-06-01 CE"}).out,
      table.out)
      << "a date gives its year";
}

TEST(Orvc, HelpAndVersion) {
  const Finished help = Orvc({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* command : {"convert", "weekday", "sequence", "equinoxes"}) {
    EXPECT_TRUE(help.out.contains(QString("orvc ") + command)) << command;
  }
  // Each command's help shows its own options and no other command's.
  const QString convert = Orvc({"convert", "--help"}).out;
  for (const char* option : {"--calendar", "--dee", "--days", "--json"}) {
    EXPECT_TRUE(convert.contains(option)) << option;
  }
  EXPECT_FALSE(convert.contains("--longitude"));
  const QString equinoxes = Orvc({"equinoxes", "--help"}).out;
  EXPECT_TRUE(equinoxes.contains("--longitude DEG:MIN"));
  EXPECT_FALSE(equinoxes.contains("--json"));
  EXPECT_EQ(Orvc({"--version"}).out, "orvc 1.0\n");
}

TEST(Orvc, StrangeInputNeverCrashes) {
  const QByteArray junk =
      QByteArray(100000, '-') + "\n" + QByteArray(5000, '9') + " CE\n\x01\xff\xfe\n";
  const Finished run = Orvc({"convert", "-"}, junk);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(Orvc({"convert", QString(50000, 'x')}).status, 2);
  EXPECT_EQ(Orvc({"convert", "--plus", "--days", QString(300, '9'), "2000-01-01 CE"}).status, 2);
}

}  // namespace
}  // namespace orv

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
