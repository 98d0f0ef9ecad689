#include "core/StrProc.h"

#include <gtest/gtest.h>

#include "core/NumberFormat.h"
#include "tests/PrintQString.h"

namespace orv {
namespace {

TEST(StrProcEdit, TrimRemoveAndKeepDigits) {
  EXPECT_EQ(TrimSpaces("  2000 CE\t "), "2000 CE\t");
  EXPECT_EQ(WithoutChars("-4,999,999-12-31 CE", "CDEJ,.' "), "-4999999-12-31");
  EXPECT_EQ(DigitsOnly("-1,234.5 x+6"), "123456");
  EXPECT_EQ(WithoutTrailingControls(QString("JDN\r\n") + QChar(0) + QChar(31)), "JDN");
}

TEST(StrProcNumbers, LeadingNumberReadsUpToTheFirstOtherCharacter) {
  EXPECT_EQ(LeadingNumber("-500-03-20 JC"), -500);
  EXPECT_EQ(LeadingNumber("  +12.25x"), 12.25);
  EXPECT_EQ(LeadingNumber("1,000"), 1);
  EXPECT_EQ(LeadingNumber("x1"), 0);
}

TEST(StrProcNumbers, WholeNumbers) {
  struct Case {
    const char* text;
    bool sign_allowed;
    const char* extra;
    bool whole;
  };
  const Case cases[] = {
      {"1,000", false, ",. ", true}, {"1e3", false, ",. ", false}, {"", false, ",. ", false},
      {"   ", false, "", false},     {" 12 ", false, "", true},    {"-12", false, "", false},
      {"-12", true, "", true},       {"+12", true, "", true},      {"-", true, "", true},
      {"1-2", true, "", false},      {"--1", true, "", false},     {"\t12", false, "", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsWholeNumber(c.text, c.sign_allowed, c.extra), c.whole) << c.text;
  }
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
