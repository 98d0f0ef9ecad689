#include "core/ProgramTexts.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/vellum/vellum.h"
#include "tests/PrintQString.h"

namespace orv {
namespace {

QByteArray ManyLines(int count) {
  QByteArray lines;
  for (int i = 1; i <= count; ++i) lines += QByteArray::number(i) + " text\n";
  return lines;
}

class ProgramTextsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    vellum_clear();
  }
  void TearDown() override { vellum_clear(); }

  // Loads a file of the given bytes; returns vellum's result.
  int32_t Load(const QByteArray& contents) {
    const QString path = folder.filePath("texts.dat");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
    file.close();
    return vellum_load(path.toUtf8().constData(), 0);
  }

  QTemporaryDir folder;
};

TEST_F(ProgramTextsTest, ReadsNumberedTextsCommentsAndTheEmptyTextMark) {
  EXPECT_EQ(Load("\xEF\xBB\xBF# comment\r\n\r\n  # indented comment\n"
                 "18 Copy result to clipboard\r\n"
                 "19 ~\n"
                 "20 ~~\n"
                 "21\t  leading spaces kept\n"
                 "310 M\xC3\xA4rz Verlag\n"),
            5);
  EXPECT_EQ(ProgramText(18), "Copy result to clipboard");
  EXPECT_EQ(ProgramText(19), "") << "a lone ~ is the empty text";
  EXPECT_EQ(ProgramText(20), "~~");
  EXPECT_EQ(ProgramText(21), "  leading spaces kept");
  EXPECT_EQ(ProgramText(310), QString::fromUtf8("M\xC3\xA4rz Verlag"));
  EXPECT_EQ(ProgramText(999), "") << "a number without a text reads as empty";

  EXPECT_EQ(Load("18 Copy\n"), 1) << "a later file replaces texts of the same number";
  EXPECT_EQ(ProgramText(18), "Copy");
  EXPECT_EQ(ProgramText(310), QString::fromUtf8("M\xC3\xA4rz Verlag"));
}

TEST_F(ProgramTextsTest, EveryFailureHasItsMessage) {
  struct Case {
    QByteArray contents;
    int32_t result;
    const char* message;
  };
  const Case cases[] = {
      {"# only a comment\n", 0, "No program text was read."},
      {"", -6, "File is empty."},
      {"1 a\n2 b\n1 c\n", -1503, "Duplicate in program text at line 3."},
      {"1 a\n2\n", -502, "Missing string at line 2."},
      {"1 \n", -501, "Missing string at line 1."},
      {"1 " + QByteArray(1025, 'x') + "\n", -1001, "String too long at line 1."},
      {"1 " + QByteArray(1024, 'x') + "\n", 1, nullptr},
      {"1 \xC3\x28\n", -4, "Text not recovered."},
      {"one text\n", -5, "Error -5"},
      {"40000 too big a number\n", -5, "Error -5"},
      {ManyLines(501), -3, "Too much program text."},
      {ManyLines(500), 500, nullptr},
  };
  for (const Case& c : cases) {
    vellum_clear();
    const int32_t result = Load(c.contents);
    EXPECT_EQ(result, c.result) << c.contents.left(20).toStdString();
    if (c.message) {
      EXPECT_EQ(ProgramTextLoadMessage(result, "p"), c.message);
    }
  }
  EXPECT_EQ(ProgramTextLoadMessage(-8, "p"), "General memory allocation error.");
}

TEST_F(ProgramTextsTest, AFailedLoadKeepsTheTextsLoadedBefore) {
  ASSERT_EQ(Load("18 Copy\n"), 1);
  EXPECT_EQ(Load("18 Other\n19 x\n18 again\n"), -1503);
  EXPECT_EQ(ProgramText(18), "Copy");
  EXPECT_EQ(ProgramText(19), "");
}

TEST_F(ProgramTextsTest, PathsAndTheMissingFile) {
  EXPECT_EQ(ProgramTextPath("/", "orvc.dat"), "/orvc.dat");
  EXPECT_EQ(ProgramTextPath("/opt/orvantis", "orvc.dat"), "/opt/orvantis/orvc.dat");
  const QString missing = folder.filePath("nowhere");
  EXPECT_EQ(LoadProgramTexts(missing, "orvc.dat"),
            "Cannot open file containing program text.\r\n" + missing + "/orvc.dat");
  EXPECT_EQ(LoadProgramTexts(folder.path(), "."), "Error reading file.") << "a folder is no file";
}

TEST_F(ProgramTextsTest, IdentityAndCaption) {
  ASSERT_EQ(Load("310 Orvantis Project\n"), 1);
  InitProgramIdentity(7, 4);  // 1.0 gives "Orvantis 1.06": the main window's title test
  EXPECT_EQ(Identity().strPublisher, "Orvantis Project");
  EXPECT_EQ(ProgramTitleWithVersion(), "Orvantis 7.46");
}

}  // namespace
}  // namespace orv
