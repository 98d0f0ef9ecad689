// The lines of each printed page: the heading on every page.
#include <gtest/gtest.h>

#include "tests/PrintQString.h"
#include "ui_services/ChartAndPrint.h"

namespace orv {
namespace {

TEST(PrintedPages, EveryPageBeginsWithTheHeading) {
  const QStringList heading{"Compare calendars", "  Year  JC"};
  struct Case {
    QStringList text;
    int lines_per_page;
    QStringList pages;  // each page's lines joined by "|"
  } const cases[] = {
      {{"1", "2", "3"}, 6, {"Compare calendars|  Year  JC||1|2|3"}},
      {{"1", "2", "3"},
       5,
       {"Compare calendars|  Year  JC||1|2", "Compare calendars|  Year  JC||3"}},
      // A page too short for its heading still carries a line of the text.
      {{"1", "2"}, 2, {"Compare calendars|  Year  JC||1", "Compare calendars|  Year  JC||2"}},
      {{}, 6, {"Compare calendars|  Year  JC|"}},
  };
  for (const Case& c : cases) {
    QStringList pages;
    for (const QStringList& page : PrintedPages(heading, c.text, c.lines_per_page)) {
      pages << page.join('|');
    }
    EXPECT_EQ(pages, c.pages) << c.lines_per_page;
  }
}

}  // namespace
}  // namespace orv
