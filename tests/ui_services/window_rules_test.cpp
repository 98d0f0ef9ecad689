#include <gtest/gtest.h>

#include <QFile>

#include "tests/PrintQString.h"
#include "ui_services/Geometry.h"
#include "ui_services/HelpSections.h"

namespace orv {
namespace {

const QRect kScreen(0, 0, 800, 600);

TEST(WithinArea, MovesTheLeastAndCutsOnlyWhatIsLarger) {
  const std::pair<QRect, QRect> cases[] = {
      {{100, 100, 300, 200}, {100, 100, 300, 200}},  // already on the screen
      {{700, 500, 300, 200}, {500, 400, 300, 200}},  // off the right and the bottom
      {{900, 100, 300, 200}, {500, 100, 300, 200}},  // on the screen beside it
      {{100, 100, 900, 700}, {0, 0, 800, 600}},      // larger than the screen
  };
  for (const auto& [frame, placed] : cases) EXPECT_EQ(WithinArea(frame, kScreen), placed);
  EXPECT_EQ(WithinArea({1900, 10, 300, 200}, {1920, 0, 1280, 1024}), QRect(1920, 10, 300, 200));
}

TEST(BesideOwner, RightThenLeftThenBelowThenTheRoomierSide) {
  struct Case {
    QRect owner;
    QSize size;
    QPoint top_left;
  };
  const Case cases[] = {
      {{10, 30, 300, 400}, {200, 300}, {318, 30}},    // room on the right
      {{500, 30, 200, 400}, {200, 300}, {292, 30}},   // only on the left
      {{150, 30, 500, 100}, {200, 300}, {150, 138}},  // on neither side: below
      {{150, 30, 500, 400}, {200, 300}, {600, 30}},   // nowhere: the roomier side
      {{280, 30, 500, 400}, {300, 300}, {0, 30}},
      {{10, 400, 300, 400}, {200, 300}, {318, 300}},  // kept above the bottom
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BesideOwner(c.owner, c.size, kScreen, 8), QRect(c.top_left, c.size));
  }
}

TEST(HelpSectionStart, HeadingWithoutItsNumberOrAParagraphsFirstWords) {
  const QString help = "1. THE START\n---\nText.\n\n12. THE REPORT\n---\nChart, in the report\n";
  EXPECT_EQ(HelpSectionStart(help, "THE START"), 0);
  EXPECT_EQ(HelpSectionStart(help, "THE REPORT"), 24);
  EXPECT_EQ(HelpSectionStart(help, "Chart, in"), 43);
  EXPECT_EQ(HelpSectionStart(help, "THE END"), -1);
  EXPECT_EQ(HelpSectionStart(help, ""), -1);
}

// Every window's section is in the help users get.
TEST(HelpSectionOf, EveryWindowsSectionIsInTheHelp) {
  QFile file(QStringLiteral(ORV_HELP_FILE));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
  const QString help = QString::fromUtf8(file.readAll());
  for (const char* window :
       {"frmDateSequence", "frmVernalEquinoxes", "frmEquinoxChart", "frmReformComparison",
        "frmComparisonChart", "frmDateDifference", "frmCalendars", "frmProposals"}) {
    EXPECT_GT(HelpSectionStart(help, HelpSectionOf(window)), 0) << window;
  }
  EXPECT_EQ(HelpSectionOf("frmMain"), QString());
}

}  // namespace
}  // namespace orv
