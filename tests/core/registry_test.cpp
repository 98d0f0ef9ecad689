#include "core/Registry3.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <sys/stat.h>
#include "tests/PrintQString.h"

namespace orv {
namespace {

const QString kKey = "Software\\Orvantis Test\\ORVC";

// Every test works in a configuration folder of its own, never the user's.
class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(config.isValid());
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  }
  QString Write(const QString& name, const QString& value, const QString& key = kKey) {
    return SetRegistryValue(kHKeyCurrentUser, key, name, value);
  }
  // The status; the value goes into `value` when it is "0 OK".
  QString Read(const QString& name, QString& value, const QString& key = kKey) {
    const RegistryRead read = GetRegistryValue(kHKeyCurrentUser, key, name);
    if (read.status == "0 OK") value = read.value;
    return read.status;
  }
  QString IniFile() const { return config.filePath("Orvantis Test/ORVC.ini"); }

  QTemporaryDir config;
};

TEST_F(RegistryTest, WritesCreateTheKeyOnceAndReadBack) {
  EXPECT_EQ(Write("JDN", "2451545"), "0 New key created.  Success");
  EXPECT_EQ(Write("CalNdx", "-1"), "0 Key already exists.  Success");
  EXPECT_TRUE(QFile::exists(IniFile()));
  QString value = "unchanged";
  EXPECT_EQ(Read("JDN", value), "0 OK");
  EXPECT_EQ(value, "2451545");
  EXPECT_EQ(Read("CalNdx", value), "0 OK");
  EXPECT_EQ(value, "-1");
  EXPECT_EQ(Write("JDN", "1,721,426"), "0 Key already exists.  Success");
  EXPECT_EQ(Read("JDN", value), "0 OK");
  EXPECT_EQ(value, "1,721,426");

  // The same value again leaves the file as it is (a write would replace it).
  struct stat before {};
  struct stat after {};
  ASSERT_EQ(stat(IniFile().toLocal8Bit().constData(), &before), 0);
  EXPECT_EQ(Write("JDN", "1,721,426"), "0 Key already exists.  Success");
  ASSERT_EQ(stat(IniFile().toLocal8Bit().constData(), &after), 0);
  EXPECT_EQ(before.st_ino, after.st_ino);
}

TEST_F(RegistryTest, ReadStatuses) {
  QString value = "unchanged";
  EXPECT_EQ(Read("JDN", value), "1 Key not found or is empty.");
  EXPECT_EQ(Read("JDN", value, ""), "1 Key not found or is empty.");
  Write("JDN", "2451545");
  Write("Empty", "");
  EXPECT_EQ(Read("", value), "2 Name not specified.");
  EXPECT_EQ(Read("Never", value), "3 Name not found.");
  EXPECT_EQ(Read("Empty", value), "3 Name not found.");
  EXPECT_EQ(value, "unchanged");
  EXPECT_EQ(GetRegistryValue(0x80000002, kKey, "JDN").status, "1 Key not found or is empty.");
}

TEST_F(RegistryTest, TrailingControlCharactersAreStripped) {
  Write("Dee", QString("DC\r\n") + QChar(0));
  QString value;
  EXPECT_EQ(Read("Dee", value), "0 OK");
  EXPECT_EQ(value, "DC");
}

TEST_F(RegistryTest, AKeyThatCannotBeCreatedIsReportedWithTheSystemsReason) {
  QFile blocker(config.filePath("Orvantis Test"));  // a file where the folder would be
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  EXPECT_EQ(Write("JDN", "1"), "20 Unable to create (or find) key.  Not a directory");
  EXPECT_TRUE(Write("JDN", "1", "Software").startsWith("22 Unable to create (or find) key."));
}

TEST_F(RegistryTest, AMalformedSettingsFileCountsAsAbsent) {
  ASSERT_EQ(Write("JDN", "2451545"), "0 New key created.  Success");
  QFile file(IniFile());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write("[General\nJDN=2451545\n\x01\x02\xFF garbage");
  file.close();
  QString value = "unchanged";
  for (int attempt = 0; attempt < 2; ++attempt) {
    EXPECT_EQ(Read("JDN", value), "1 Key not found or is empty.");
  }
  EXPECT_EQ(value, "unchanged");
  EXPECT_EQ(Write("Dee", "D"), "0 New key created.  Success") << "a broken file is replaced";
  EXPECT_EQ(Read("Dee", value), "0 OK");
  EXPECT_EQ(value, "D");
  EXPECT_EQ(Read("JDN", value), "3 Name not found.") << "nothing of the broken file survives";
}

TEST_F(RegistryTest, AWriterKilledMidWayLeavesReadableSettings) {
  ASSERT_EQ(Write("JDN", "2451545"), "0 New key created.  Success");
  for (int attempt = 0; attempt < 6; ++attempt) {
    QProcess writer;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", config.path());
    writer.setProcessEnvironment(environment);
    writer.start(QStringLiteral(SETTINGS_WRITER_PATH), {});
    ASSERT_TRUE(writer.waitForStarted());
    QThread::msleep(150 + 37 * attempt);
    writer.kill();  // SIGKILL: no chance to finish a write
    writer.waitForFinished();
    QString jdn;
    ASSERT_EQ(Read("JDN", jdn), "0 OK") << "attempt " << attempt;
    bool number = false;
    EXPECT_GE(jdn.toLongLong(&number), 2451545);
    EXPECT_TRUE(number) << jdn.toStdString();
  }
  EXPECT_TRUE(Write("CalNdx", "1").startsWith("0 Key already exists."));
}

TEST_F(RegistryTest, SettingsOfEveryShapeReadWithoutHarm) {
  struct Case {
    QByteArray contents;
    const char* status;
  };
  const Case cases[] = {
      {"[General]\nJDN=abc\n", "0 OK"},
      {"[General]\nJDN=99999999999999999999\n", "0 OK"},
      {"[General]\nJDN=245", "0 OK"},            // truncated
      {"[General]\nJDN=", "3 Name not found."},  // truncated before the value
      {"[Gener", "1 Key not found or is empty."},
      {QByteArray(3000, '\0'), "1 Key not found or is empty."},
      {"[General]\nJDN=1\n" + QByteArray("junk=1\n").repeated(10000),
       "1 Key not found or is empty."},
      {"\xef\xbb\xbf[General]\nJDN=1\n", "0 OK"},
      {"[\r]", "1 Key not found or is empty."},  // a section broken by a carriage return (fuzzing)
      {"[General]\rJDN=7\r", "0 OK"},
      {"\n[]\n#", "1 Key not found or is empty."},  // a section without a name (fuzzing)
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Write("Dee", "DC").startsWith("0 "));
    QFile file(IniFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(c.contents);
    file.close();
    QString value;
    EXPECT_EQ(Read("JDN", value), c.status) << c.contents.left(30).toStdString();
    EXPECT_TRUE(Write("JDN", "2451545").startsWith("0 ")) << "a new value can always be saved";
    EXPECT_LT(QFileInfo(IniFile()).size(), 1024) << "nothing foreign is written back";
    EXPECT_EQ(Read("JDN", value), "0 OK");
    EXPECT_EQ(value, "2451545");
  }
  // A folder where the settings file should be: nothing to read, nothing written, no harm.
  ASSERT_TRUE(QFile::remove(IniFile()));
  ASSERT_TRUE(QDir().mkpath(IniFile()));
  QString value;
  EXPECT_EQ(Read("JDN", value), "1 Key not found or is empty.");
  EXPECT_TRUE(Write("JDN", "1").startsWith("21 Unable to create (or find) key."));
}

}  // namespace
}  // namespace orv

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
