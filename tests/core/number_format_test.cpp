#include "core/NumberFormat.h"

#include <gtest/gtest.h>

#include <limits>

namespace orv {
namespace {

TEST(NumberFormat, GroupsWithASeparatorTheProgramCanReadBack) {
  struct Case {
    QLocale locale;
    const char* grouped_integer;
    const char* grouped_fixed;
  };
  const Case cases[] = {
      {QLocale::c(), "-1,721,426", "2,460,389.6296"},
      {QLocale(QLocale::German, QLocale::Germany), "-1.721.426", "2.460.389,6296"},
      // No-break spaces (U+00A0, U+202F) would not be read back: a plain space.
      {QLocale(QLocale::French, QLocale::France), "-1 721 426", "2 460 389,6296"},
      {QLocale(QLocale::Russian, QLocale::Russia), "-1 721 426", "2 460 389,6296"},
      // Arabic-Indic digits and separators become ASCII digits and readable marks.
      {QLocale(QLocale::Arabic, QLocale::Egypt), "-1 721 426", "2 460 389.6296"},
      // A minus sign U+2212 in the locale still gives "-".
      {QLocale(QLocale::Swedish, QLocale::Sweden), "-1 721 426", "2 460 389,6296"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatGroupedInteger(-1721426, c.locale), QString::fromLatin1(c.grouped_integer))
        << c.locale.name().toStdString();
    EXPECT_EQ(FormatGroupedFixed(2460389.62961, 4, c.locale), QString::fromLatin1(c.grouped_fixed))
        << c.locale.name().toStdString();
  }
}

TEST(NumberFormat, EdgeValues) {
  const QLocale english(QLocale::English, QLocale::UnitedStates);
  EXPECT_EQ(FormatGroupedInteger(0, english), "0");
  EXPECT_EQ(FormatGroupedInteger(999, english), "999");
  EXPECT_EQ(FormatGroupedInteger(-1000, english), "-1,000");
  EXPECT_EQ(FormatGroupedInteger(std::numeric_limits<qint64>::min(), english),
            "-9,223,372,036,854,775,808");
  EXPECT_EQ(FormatGroupedFixed(-0.00001, 4, english), "0.0000") << "no minus on a zero figure";
  EXPECT_EQ(FormatGroupedFixed(-1234.6, 0, english), "-1,235");
  EXPECT_EQ(FormatGroupedFixed(1234.56789, 2, english), "1,234.57");
}

}  // namespace
}  // namespace orv
