// The shipped definitions loaded into the calendar table (a process of its
// own: the table is the process's): which lists take them, and the
// judgement of one against the sky.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "calendar/Proposal.h"
#include "core/ProposalFile.h"
#include "core/ProposalJudgement.h"
#include "tests/PrintQString.h"

namespace orv {
namespace {

class LoadedDefinitions : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (const LoadedDefinition& loaded : LoadCalendarDefinitions({SHIPPED_CALENDARS_DIR})) {
      ASSERT_NE(loaded.calendar, nullptr) << loaded.refusal.toStdString();
    }
  }
  static const CalendarInfo& Defined(const char* key) {
    return *CalendarByKey(key, kDeeCecilVersion);
  }
};

TEST_F(LoadedDefinitions, ReadByKeyAndTagListedOnlyWhenAsked) {
  EXPECT_EQ(CalendarByTag("MA", kDeeCecilVersion), &Defined("rule-128"));
  EXPECT_EQ(CalendarsInForce(kDeeCecilVersion).size(), 10u);
  EXPECT_EQ(CalendarsInForce(kDeeCecilVersion, true).size(), 10 + DefinedCalendars().size());
  EXPECT_EQ(ComparedCalendars().size(), 7u);
  ComparisonRun run;
  run.definitions = {&Defined("herschel"), &Defined("herschel")};
  EXPECT_EQ(ComparedIn(run).size(), 8u) << "each definition once, after the table's";
  EXPECT_EQ(DefinitionFileOf(Defined("herschel")), SHIPPED_CALENDARS_DIR "/herschel.json");
  EXPECT_EQ(DefinitionFileOf(CalendarOf(CalendarId::kGregorian)), "");
}

TEST_F(LoadedDefinitions, AJudgementAgainstTheSky) {
  ComparisonRun run;
  run.first_year = 1;
  run.years = 4000;
  run.longitude_degrees = 0;
  const ProposalJudgement judged = JudgeProposal(Defined("rule-128"), run);
  EXPECT_DOUBLE_EQ(judged.mean_year_days, 365 + 31.0 / 128);
  EXPECT_NEAR(judged.seconds_from_tropical, (365 + 31.0 / 128 - kMeanTropicalYear) * 86400, 1e-6);
  EXPECT_EQ(judged.cycle_years, 128);
  EXPECT_EQ(judged.leap_years_a_cycle, 31);
  EXPECT_EQ(judged.first_leap_years.front(), 4);
  EXPECT_EQ(judged.first_leap_years.back(), 124);
  // The equinox model's year is the tropical year's neighbour, and the years
  // off the date are the rest of the share.
  EXPECT_NEAR(judged.vernal_equinox_year_days, kMeanTropicalYear, 0.0005);
  EXPECT_NEAR(judged.share + static_cast<double>(judged.off_years.size()) / 4000, 1, 1e-9);
  ASSERT_TRUE(judged.first_off_year.has_value());
  EXPECT_EQ(*judged.first_off_year, judged.off_years.front().year);
  // The Gregorian reference is the comparison's own summary.
  const ReformComparison comparison = CompareReforms(run);
  EXPECT_EQ(judged.gregorian.month, comparison.summaries[1].month);
  EXPECT_EQ(judged.gregorian.share, comparison.summaries[1].share);
  const QStringList lines = JudgementLines(judged, run);
  EXPECT_TRUE(lines[0].startsWith("128-year rule (MA), defined by "));
  EXPECT_TRUE(lines[3].startsWith("Cycle: 128 years with 31 leap years: 4, 8, "));
}

}  // namespace
}  // namespace orv
