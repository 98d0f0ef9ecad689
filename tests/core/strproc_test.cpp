#include "core/StrProc.h"

#include <gtest/gtest.h>

#include "core/NumberFormat.h"
#include "tests/PrintQString.h"

namespace orv {
namespace {

TEST(StrProcSearch, SafeLeftAndFindFirst) {
  EXPECT_EQ(SafeLeft("abc", -5), "");
  EXPECT_EQ(SafeLeft("abc", 99), "abc");

  int32_t in_set = -1;
  EXPECT_EQ(FindFirstOf("2000-03-20", 1, "+-", in_set), 5);
  EXPECT_EQ(in_set, 2);
  EXPECT_EQ(FindFirstOf("2000-03-20", 6, "-", in_set), 8);
  EXPECT_EQ(FindFirstOf("2000-03-20", -3, "2", in_set), 1) << "a start below 1 counts as 1";
  EXPECT_EQ(FindFirstOf("2000", 1, "-", in_set), 0);
  EXPECT_EQ(in_set, 0);

  EXPECT_EQ(FindFirstNotOf("  12", 1, " "), 3);
  EXPECT_EQ(FindFirstNotOf("   ", 1, " "), 0);
  EXPECT_EQ(FindFirstNotOf("abc", 3, ""), 1);
}

TEST(StrProcEdit, RemoveAndKeepChars) {
  struct Case {
    const char* text;
    const char* set;
    int32_t start;
    const char* result;
  };
  const Case cases[] = {
      {"2000-03-20 CE", "0123456789-,.' ", 1, "CE"},
      {"-4,999,999-12-31 CE", "CDEJ,.' ", 1, "-4999999-12-31"},
      {"a-b--c---", "-", 1, "abc"},
      {"--a--", "-", 3, "--a"},
      {"1 000 000", " ", 0, "1000000"},
  };
  for (const Case& c : cases) {
    QString text = c.text;
    RemoveChars(text, c.set, c.start);
    EXPECT_EQ(text, c.result) << c.text;
  }
  EXPECT_EQ(KeepChars("2000-03-20 CE", "0123456789"), "20000320");
}

TEST(StrProcEdit, DigitsOnlyKeepsALeadingSignOnRequest) {
  EXPECT_EQ(DigitsOnly("-1,234.5", false, false), "12345");
  EXPECT_EQ(DigitsOnly("-1,234.5", true, false), "-12345");
  EXPECT_EQ(DigitsOnly("+12", false, true), "+12");
  EXPECT_EQ(DigitsOnly("1-2+3", true, true), "123") << "signs after the first place go";
  EXPECT_EQ(DigitsOnly("x-5", true, false), "-5") << "the sign counts as first once letters go";
}

TEST(StrProcSplit, PiecesAtADelimiter) {
  struct Case {
    const char* text;
    const char* delimiter;
    int16_t count;
    QStringList pieces;
  };
  const Case cases[] = {
      {"2000-03-20", "-", 3, {"2000", "03", "20"}},
      {"-2000-03-20", "-", 3, {"2000", "03", "20"}},
      {"2000-03-20-", "-", 3, {"2000", "03", "20"}},
      {"2000--03-20", "-", 4, {"2000", "", "03", "20"}},
      {"a::b", "::", 2, {"a", "b"}},
  };
  for (const Case& c : cases) {
    QStringList pieces = {"old"};
    EXPECT_EQ(SplitText(c.text, c.delimiter, 1, pieces, false, 0, 0), c.count) << c.text;
    EXPECT_EQ(pieces, c.pieces) << c.text;
  }

  QStringList untouched = {"kept"};
  EXPECT_EQ(SplitText("", "-", 1, untouched, false, 0, 0), 0);
  EXPECT_EQ(untouched, QStringList{"kept"});
  EXPECT_EQ(SplitText("abc", "-", 9, untouched, false, 0, 0), 0) << "start beyond the end";

  QStringList pieces;
  EXPECT_EQ(SplitText("x= 1 ,= 2 ,=3", ",", 3, pieces, true, 2, 0), 2);
  EXPECT_EQ(pieces, (QStringList{"1", "= 2"})) << "start, trim and maximum";
  EXPECT_EQ(SplitText("a-bb-ccc", "-", 1, pieces, false, 0, 2), 2);
  EXPECT_EQ(pieces, (QStringList{"bb", "ccc"})) << "short pieces are skipped";
  EXPECT_EQ(SplitText("abc", "", 1, pieces, false, 0, 0), 1);
  EXPECT_EQ(pieces, QStringList{"abc"}) << "an empty delimiter splits nothing";

  EXPECT_EQ(SplitText("ba", "aa", 1, pieces, false, 0, 0), 1) << "overlapping delimiters end";
  EXPECT_EQ(pieces, QStringList{"b"});

  const QString many = QString("-").repeated(40000);
  EXPECT_EQ(SplitText(many, "-", 1, pieces, false, 0, 0), 32767) << "the count cannot wrap";
}

TEST(StrProcCount, NonOverlappingAndCaseFolding) {
  EXPECT_EQ(CountOccurrences("aaaa", "aa", true), 2);
  EXPECT_EQ(CountOccurrences("aaa", "aa", true), 1);
  EXPECT_EQ(CountOccurrences("a", "", true), 0);
  EXPECT_EQ(CountOccurrences("Ce ce CE", "ce", true), 1);
  EXPECT_EQ(CountOccurrences("Ce ce CE", "ce", false), 3);
  EXPECT_EQ(CountOccurrences(QString::fromUtf8("ŠÀÉÜ šàéü"), QString::fromUtf8("šàéü"), false), 2);
}

TEST(StrProcTrim, LeadingTrailingAndControls) {
  struct Case {
    const char* text;
    const char* affix;
    const char* without_leading;
    const char* without_trailing;
  };
  const Case cases[] = {
      {"0070", "0", "70", "007"}, {"000", "0", "", ""}, {"abab-ab", "ab", "-ab", "abab-"},
      {"70", "", "70", "70"},     {"", "0", "", ""},
  };
  for (const Case& c : cases) {
    QString leading = c.text;
    RemoveLeading(leading, c.affix);
    EXPECT_EQ(leading, c.without_leading) << c.text;
    QString trailing = c.text;
    RemoveTrailing(trailing, c.affix);
    EXPECT_EQ(trailing, c.without_trailing) << c.text;
  }
  EXPECT_EQ(TrimTrailingChars("class", "s"), "cla");
  EXPECT_EQ(TrimTrailingChars("weeks.,", ".,s"), "week");

  QString value = QString("JDN\r\n") + QChar(0) + QChar(31);
  StripTrailingControls(value);
  EXPECT_EQ(value, "JDN");

  QString nul = QString("ab") + QChar(0) + "cd";
  CutAtNul(nul);
  EXPECT_EQ(nul, "ab");
}

TEST(StrProcNumbers, WholeNumbersAndDigitStrings) {
  struct Case {
    const char* text;
    bool sign_allowed;
    const char* extra;
    bool whole;
  };
  const Case cases[] = {
      {"1,000", false, ",. ", true}, {"1 000", false, ",. ", true}, {"1e3", false, ",. ", false},
      {"", false, ",. ", false},     {"   ", false, "", false},     {" 12 ", false, "", true},
      {"-12", false, "", false},     {"-12", true, "", true},       {"+12", true, "", true},
      {"-", true, "", true},         {"1-2", true, "", false},      {"--1", true, "", false},
      {"\t12", false, "", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsWholeNumber(c.text, c.sign_allowed, c.extra), c.whole) << c.text;
  }
  EXPECT_TRUE(IsDigitString("1,234", false, true));
  EXPECT_FALSE(IsDigitString("1,234", false, false));
  EXPECT_TRUE(IsDigitString("-800", true, false));
  EXPECT_FALSE(IsDigitString("8.5", true, true));
}

TEST(StrProcNumbers, NumberWordsForTheStartOfASentence) {
  struct Case {
    int32_t count;
    const char* words;
  };
  const Case cases[] = {{0, "No"},          {1, "One"},          {13, "Thirteen"},
                        {20, "Twenty"},     {21, "Twenty one"},  {40, "Forty"},
                        {55, "Fifty five"}, {99, "Ninety nine"}, {100, "100"}};
  for (const Case& c : cases) EXPECT_EQ(NumberWords(c.count), c.words) << c.count;
  EXPECT_EQ(NumberWords(1234), FormatGroupedInteger(1234)) << "the platform's grouping";
}

}  // namespace
}  // namespace orv
