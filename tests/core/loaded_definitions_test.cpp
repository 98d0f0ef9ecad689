// The shipped definitions loaded into the calendar table (a process of its
// own: the table is the process's): which lists take them, and the
// judgement of one against the sky.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "calendar/Proposal.h"
#include "core/CalendarDay.h"
#include "core/DateReading.h"
#include "core/ProposalFile.h"
#include "core/ProposalJudgement.h"
#include "core/RegionFile.h"
#include "tests/PrintQString.h"

namespace orv {
namespace {

class LoadedDefinitions : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (const LoadedDefinition& loaded : LoadCalendarDefinitions({SHIPPED_CALENDARS_DIR})) {
      ASSERT_NE(loaded.calendar, nullptr) << loaded.refusal.toStdString();
    }
    for (const LoadedDefinition& loaded : LoadRegions(SHIPPED_REGIONS_FILE)) {
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
  EXPECT_EQ(CalendarsInForce(kDeeCecilVersion, {.definitions = true}).size(),
            10 + DefinedCalendars().size());
  EXPECT_EQ(EveryCalendarInForce(kDeeCecilVersion).size(),
            10 + DefinedCalendars().size() + 9);  // and the nine regions
  EXPECT_EQ(ComparedCalendars().size(), 7u);
  ComparisonRun run;
  run.definitions = {&Defined("herschel"), &Defined("herschel")};
  EXPECT_EQ(ComparedIn(run).size(), 8u) << "each definition once, after the table's";
  EXPECT_EQ(DefinitionFileOf(Defined("herschel")), SHIPPED_CALENDARS_DIR "/herschel.json");
  EXPECT_EQ(DefinitionFileOf(CalendarOf(CalendarId::kGregorian)), "");
}

TEST_F(LoadedDefinitions, ARegionsDualYearAsItsSourcesWroteIt) {
  // Florence's year began on 25 March until 1749: 10 February 1749 was in 1748/49.
  EXPECT_EQ(ReadDate(u"1748/49-02-10 FL", {}).day,
            DayNumberOf({1749, 2, 10, CalendarId::kGregorian}).jdn);
  EXPECT_EQ(NoticeText(*ReadDate(u"1749/50-02-10 FL", {}).refusal),
            "A dual year such as 1749/50 is written only for the days Florence counted in the "
            "year before, before its year began: February 10, 1750 has one year.");
  EXPECT_EQ(CalendarsInForce(kDeeCecilVersion).size(), 10u) << "regions only when asked";
  // The days a region skipped, refused with the days either side.
  EXPECT_EQ(NoticeText(*ReadDate(u"1753-02-20 SW", {}).refusal),
            "Sweden went from 17 February to 1 March 1753.");
  EXPECT_EQ(NoticeText(*ReadDate(u"1700-02-29 SW", {}).refusal),
            "Sweden went from 28 February to 1 March 1700.");
  // A date as the source wrote it, with its month's name; a single year is
  // the region's legal year.
  const DateReadingRules england{&CalendarOf(CalendarId::kEngland)};
  for (const char16_t* written :
       {u"February 10, 1749/50", u"10 Feb 1749/50", u"feb. 10 1749", u"10th February 1749/0"}) {
    EXPECT_EQ(ReadDate(written, england).day, 2360286) << QString::fromUtf16(written).toStdString();
  }
  EXPECT_EQ(NoticeText(*ReadDate(u"10 February 1749", {&Defined("florence")}).refusal),
            "In Florence the year 1749, as its records counted it, has no 10 February.");
  // An Easter year had the days between its two Easters twice.
  EXPECT_EQ(ReadDate(u"February 1, 1562", {&Defined("france")}).day,
            DayNumberOf({1563, 2, 1, CalendarId::kJulian}).jdn);
  EXPECT_EQ(ReadDate(u"April 1, 1562", {&Defined("france")}).refusal->kind,
            NoticeKind::kTwiceInLegalYear);
  const DateReading venice = ReadDate(u"1 February 1700/01 m.v.", {&Defined("venice")});
  EXPECT_EQ(venice.day, DayNumberOf({1701, 2, 1, CalendarId::kGregorian}).jdn);
  EXPECT_EQ(DayIn(Defined("venice"), *venice.day, Era::kCE, ',').month_name_text,
            "1 February 1700/01 m.v.");
}

TEST_F(LoadedDefinitions, TheRegionRowAndWhatItReadADateAs) {
  const std::vector<const CalendarInfo*> regions = Regions();
  ASSERT_EQ(regions.size(), 10u);
  EXPECT_EQ(regions[0], &CalendarOf(CalendarId::kEngland));
  EXPECT_EQ(regions[1], &Defined("rome"));
  // The region takes England's place among the rows.
  const auto rows = RowCalendars(kDeeCecilVersion, &Defined("venice"), {&Defined("herschel")});
  EXPECT_EQ(rows, [&] {
    auto expected = CalendarsInForce(kDeeCecilVersion);
    std::ranges::replace(expected, &CalendarOf(CalendarId::kEngland), &Defined("venice"));
    expected.push_back(&Defined("herschel"));
    return expected;
  }());
  EXPECT_EQ(RegionReadingText("10 Feb 1749", CalendarOf(CalendarId::kEngland), 2360286, ','),
            "\"10 Feb 1749\" in England: Saturday, February 10, 1749/50 (Julian), "
            "February 21, 1750 CE in the Gregorian calendar.");
  const int32_t venice_day = DayNumberOf({1701, 2, 1, CalendarId::kGregorian}).jdn;
  EXPECT_EQ(RegionReadingText("1700/01-02-01", Defined("venice"), venice_day, ','),
            "\"1700/01-02-01\" in Venice: Tuesday, 1 February 1700/01 m.v. (Gregorian).");
  // Sweden's dates of 1700 to 1712 are its own, neither Julian nor Gregorian.
  const int32_t swedish_day = DayNumberOf({1705, 3, 1, CalendarId::kJulian}).jdn - 1;
  EXPECT_EQ(ReckoningOf(DateOfDay(swedish_day, Defined("sweden"))), "swedish");
  EXPECT_EQ(ReckoningOf(DateOfDay(swedish_day + 3000, Defined("sweden"))), "julian");
  EXPECT_EQ(ReckoningOf(DateOfDay(swedish_day, Defined("rome"))), "gregorian");
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
  // A definition compared is a chart line of its own, or shares one.
  run.definitions = {&Defined("rule-128")};
  bool charted = false;
  for (const EquinoxChart::Panel& panel :
       ComparisonChart(ComparisonPlace(run), CompareReforms(run)).panels) {
    for (const EquinoxChart::Line& line : panel.lines) {
      charted = charted || line.name.contains(QStringLiteral("128-year rule"));
    }
  }
  EXPECT_TRUE(charted);
  const QStringList lines = JudgementLines(judged, run);
  EXPECT_TRUE(lines[0].startsWith("128-year rule (MA), defined by "));
  EXPECT_TRUE(lines[3].startsWith("Cycle: 128 years with 31 leap years: 4, 8, "));
}

}  // namespace
}  // namespace orv
