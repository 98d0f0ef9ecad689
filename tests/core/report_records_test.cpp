// Report rows as typed fields.
#include "core/ReportRecords.h"

#include <gtest/gtest.h>

#include "tests/PrintQString.h"

namespace orv {
namespace {

TEST(ReportRecords, CsvQuotesOnlyWhatNeedsIt) {
  const Record record = {{"a", "x,y"}, {"b", "say \"hi\""}, {"c", true}, {"d", 2.5}, {"e", "z"}};
  EXPECT_EQ(CsvHeader(record), "a,b,c,d,e");
  EXPECT_EQ(CsvLine(record), "\"x,y\",\"say \"\"hi\"\"\",true,2.5,z");
  EXPECT_EQ(CsvText({record, record}).count("\r\n"), 3);
}

}  // namespace
}  // namespace orv
