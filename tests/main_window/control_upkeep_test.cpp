#include "main_window/ControlUpkeep.h"

#include <gtest/gtest.h>
#include "tests/PrintQString.h"

namespace orv {
namespace {

constexpr int kGregorian = 1, kJulian = 2, kDee = 3;  // list positions

const std::array<QString, 3> kExplanations = {
    "'CE' = 'Common Era Calendar' = the proleptic Gregorian Calendar with astronomical year "
    "numbering",
    "'JC' = the proleptic Julian Calendar with astronomical year numbering",
    "'DC' = the proleptic Dee-Cecil Calendar with astronomical year numbering"};

ControlStates MonthDayYearControls(int calendar) {
  ControlStates c;
  c.in.optInputDateWithoutAYN = true;
  c.in.cboMonthNames = 1;
  c.in.cboDayNumbers = 1;
  c.in.txbYearADBCetc = "2000";
  c.in.cboYearDesADBCetc = static_cast<int>(Era::kAD);
  c.in.cboCalendar[0] = calendar;
  c.cboMonthNames_visible = true;
  c.lblArith = {"years", "months", "weeks", "days"};
  return c;
}

ControlStates YearMonthDayControls(const QString& text, int calendar) {
  ControlStates c;
  c.in.optInputDateWithAYN = true;
  c.in.txbYearCEJC = text;
  c.in.cboCalendar[1] = calendar;
  c.txbYearCEJC_visible = true;
  c.lblArith = {"years", "months", "weeks", "days"};
  return c;
}

TEST(ControlUpkeep, EnablingFollowsTheInput) {
  MainState state;
  ControlStates complete = MonthDayYearControls(kGregorian);
  Timer1Tick(complete, state, kExplanations);
  EXPECT_TRUE(complete.cmdCalculate_enabled);
  EXPECT_TRUE(complete.cmdDateSequence_enabled);
  EXPECT_TRUE(complete.cmdQLsoftware_enabled);
  EXPECT_TRUE(complete.optPlus_enabled && complete.optMinus_enabled);
  EXPECT_TRUE(complete.fraPlusMinus_visible);
  EXPECT_EQ(complete.txbArith_enabled, (std::array<bool, 4>{}));
  EXPECT_TRUE(complete.cmdClear_visible[0]);
  EXPECT_FALSE(complete.cmdClear_visible[1]);

  ControlStates incomplete = MonthDayYearControls(kNoCalendar);
  Timer1Tick(incomplete, state, kExplanations);
  EXPECT_FALSE(incomplete.cmdCalculate_enabled);
  EXPECT_FALSE(incomplete.cmdDateSequence_enabled);
  EXPECT_FALSE(incomplete.optPlus_enabled);
  EXPECT_EQ(state.intInputDateType, kNoCompleteInput);

  ControlStates weekday = MonthDayYearControls(kFirstWeekdayPosition + 2);
  Timer1Tick(weekday, state, kExplanations);
  EXPECT_TRUE(weekday.cmdCalculate_enabled);
  EXPECT_FALSE(weekday.cmdDateSequence_enabled);
  EXPECT_FALSE(weekday.cmdQLsoftware_enabled);
  EXPECT_FALSE(weekday.fraPlusMinus_visible);

  ControlStates shown = MonthDayYearControls(kGregorian);
  shown.txbOutputGC_visible = true;
  Timer1Tick(shown, state, kExplanations);
  EXPECT_TRUE(shown.cmdCopyResult_enabled);
}

TEST(ControlUpkeep, ArithmeticLabelsFollowTheValueUsed) {
  struct Case {
    const char* box;
    const char* label;
  };
  const Case cases[] = {{"1", "day"},      {"", "days"},
                        {"2", "days"},     {"1.0", "days"},  // ten: "." groups digits
                        {"1,000", "days"}, {"0,001", "day"}};
  for (const Case& c : cases) {
    MainState state;
    ControlStates controls = MonthDayYearControls(kGregorian);
    controls.in.optPlus = true;
    controls.in.txbArith[3] = c.box;
    controls.lblArith[3] = "day";
    Timer1Tick(controls, state, kExplanations);
    EXPECT_TRUE(controls.txbArith_enabled[3]);
    EXPECT_EQ(controls.lblArith[3], c.label) << c.box;
    EXPECT_EQ(controls.cmdClear_visible[1], !QString(c.box).isEmpty()) << c.box;
  }
}

TEST(ControlUpkeep, TagsAreExplainedUpperCasedAndPickTheirCalendar) {
  struct Case {
    const char* text;
    int calendar_before;
    int explanation;  // -1: none
    const char* text_after;
    int calendar_after;
  };
  const Case cases[] = {
      {"2000-01-01 JC", kNoCalendar, 1, "2000-01-01 JC", kJulian},
      {"2000-01-01 DC", kNoCalendar, 2, "2000-01-01 DC", kDee},
      {"2000-01-01 jc", kNoCalendar, -1, "2000-01-01 JC", kNoCalendar},
      {"2000-01-01 JC", kGregorian, 1, "2000-01-01 JC", kGregorian},  // chosen stays
  };
  for (const Case& c : cases) {
    MainState state;  // Dee-Cecil
    ControlStates controls = YearMonthDayControls(c.text, c.calendar_before);
    Timer1Tick(controls, state, kExplanations);
    EXPECT_EQ(controls.lblCE_visible, c.explanation >= 0) << c.text;
    EXPECT_EQ(controls.lblCE, c.explanation >= 0 ? kExplanations[c.explanation] : QString())
        << c.text;
    EXPECT_EQ(controls.in.txbYearCEJC, c.text_after);
    EXPECT_EQ(controls.in.cboCalendar[1], c.calendar_after) << c.text;
  }
}

}  // namespace
}  // namespace orv
