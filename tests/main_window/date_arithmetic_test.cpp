#include <gtest/gtest.h>

#include <climits>

#include "calendar/Calendar.h"
#include "calendar/Dee.h"
#include "main_window/DateInput.h"

inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace orv {
namespace {

struct Arithmetic {
  bool plus;
  const char* years;
  const char* months;
  const char* weeks;
  const char* days;
};

// Calculates the year-month-day input with the arithmetic; returns the
// message and fills the result.
UserMessage Calculate(const QString& text, int calendar, const Arithmetic& a, MainState& state,
                      bool& ok) {
  MainInputs in;
  in.optInputDateWithAYN = true;
  in.txbYearCEJC = text;
  in.cboCalendar[1] = calendar;
  in.optPlus = a.plus;
  in.optMinus = !a.plus;
  in.txbArith = {a.years, a.months, a.weeks, a.days};
  CheckInputComplete(in, state);
  UserMessage message;
  ok = InputDateOK(in, state, message);
  if (!ok) return message;
  const char* names[] = {"", "Gregorian", "Julian", "Dee"};
  ok = GetJDN(in, state, names[calendar], true, message);
  return message;
}

class DateArithmeticTest : public ::testing::Test {
 protected:
  void TearDown() override { SetDeeEpoch(kDeeCecilEpoch); }
  MainState state;
  bool ok = false;
};

TEST_F(DateArithmeticTest, YearsMonthsThenMonthEndThenWeeksAndDays) {
  struct Case {
    const char* date;
    int calendar;
    Arithmetic arithmetic;
    int32_t year, month, day;  // the result, in the input's calendar
  };
  const Case cases[] = {
      {"2000-01-31 CE", kGregorian, {true, "", "1", "", ""}, 2000, 2, 29},
      {"2000-01-31 CE", kGregorian, {true, "", "13", "", ""}, 2001, 2, 28},
      {"2000-03-31 CE", kGregorian, {false, "", "1", "", ""}, 2000, 2, 29},
      {"2000-03-15 CE", kGregorian, {false, "", "3", "", ""}, 1999, 12, 15},
      {"2000-03-15 CE", kGregorian, {false, "", "12", "", ""}, 1999, 3, 15},
      {"2000-03-15 CE", kGregorian, {false, "", "15", "", ""}, 1998, 12, 15},
      {"2000-11-15 CE", kGregorian, {true, "", "2", "", ""}, 2001, 1, 15},
      {"2000-02-29 CE", kGregorian, {true, "1", "", "", ""}, 2001, 2, 28},
      {"2000-02-29 CE", kGregorian, {true, "4", "", "", ""}, 2004, 2, 29},
      {"2000-03-31 CE", kGregorian, {false, "", "", "", "30"}, 2000, 3, 1},
      {"2000-01-01 CE", kGregorian, {true, "", "", "1", "1"}, 2000, 1, 9},
      {"2000-01-01 CE", kGregorian, {true, "", "", "", ""}, 2000, 1, 1},
      {"2000-01-01 CE", kGregorian, {true, "0", "0", "0", "0"}, 2000, 1, 1},
      {"2000-01-01 CE", kGregorian, {true, "", "", "", "1.5"}, 2000, 1, 16},
      {"2000-01-01 CE", kGregorian, {true, "", "", "", "1,000"}, 2002, 9, 27},
      {"1-06-15 CE", kGregorian, {false, "1", "", "", ""}, 0, 6, 15},
      {"1900-01-31 JC", kJulian, {true, "", "1", "", ""}, 1900, 2, 29},
      {"33-01-31 DC", kDee, {true, "", "1", "", ""}, 33, 2, 28},
      {"32-01-31 DC", kDee, {true, "", "1", "", ""}, 32, 2, 29},
  };
  for (const Case& c : cases) {
    const UserMessage message = Calculate(c.date, c.calendar, c.arithmetic, state, ok);
    ASSERT_TRUE(ok) << c.date << (message ? message->text.toStdString() : "");
    DateRecord result{0, 0, 0, state.InputDate.calendar, state.lngJDN, 0};
    JDNToDate(result);
    EXPECT_EQ(result.year, c.year) << c.date;
    EXPECT_EQ(result.month, c.month) << c.date;
    EXPECT_EQ(result.day, c.day) << c.date;
  }
}

TEST_F(DateArithmeticTest, WeeksAndDaysStayOutOfTheHeldDate) {
  Calculate("2000-01-31 CE", kGregorian, {true, "", "1", "2", "3"}, state, ok);
  ASSERT_TRUE(ok);
  EXPECT_EQ(state.InputDate.month, 2);
  EXPECT_EQ(state.InputDate.day, 29);
  EXPECT_EQ(state.lngJDN, 2451604 + 17);  // 2000-02-29 plus 17 days
}

TEST_F(DateArithmeticTest, RefusalsOfNegativeAndOversizedValues) {
  const auto info = [](const char* text) {
    return Message(text, MessageStyle::kInformation, kCalculateCaption);
  };
  const MessageRequest negative =
      info("Negative values not permitted in the arithmetical function.");
  const MessageRequest invalid = info("Invalid input in the arithmetical function.");
  struct Case {
    const char* date;
    Arithmetic arithmetic;
    MessageRequest message;
  };
  const Case cases[] = {
      {"2000-01-01 CE", {true, "-1", "", "", ""}, negative},
      {"2000-01-01 CE", {true, "", "", "", " -5"}, negative},  // a leading space hides nothing
      {"2000-01-01 CE", {true, "2147483648", "", "", ""}, invalid},
      {"2000-01-01 CE", {true, "", "", "", "99999999999999999999"}, invalid},
      {"2000-01-01 CE", {true, "2147483647", "", "", ""}, invalid},  // year beyond 32 bits
      {"2000-01-01 CE", {true, "5874000", "", "", ""}, invalid},     // day number beyond 32 bits
      {"-99999-01-01 CE", {false, "2147383648", "", "", ""}, invalid},
      {"2000-01-01 CE", {true, "", "", "", "2147483647"}, invalid},
      {"2000-01-01 CE", {false, "", "", "400000000", ""}, invalid},
      {"2000-01-31 CE", {true, "5872898", "5", "", ""}, invalid},  // month end near the limit
  };
  for (const Case& c : cases) {
    state = MainState{};
    EXPECT_EQ(Calculate(c.date, kGregorian, c.arithmetic, state, ok), c.message) << c.date;
    EXPECT_FALSE(ok);
    EXPECT_EQ(state.lngJDN, 0) << "no result on a refusal";
  }
}

TEST_F(DateArithmeticTest, ResultsAtTheEdgeOfThe32BitRangeAreKept) {
  // The last day whose number fits: 5874898-06-03 Gregorian, JDN 2,147,483,647.
  Calculate("2000-06-03 CE", kGregorian, {true, "5872898", "", "", ""}, state, ok);
  ASSERT_TRUE(ok);
  EXPECT_EQ(state.lngJDN, INT32_MAX);
}

TEST_F(DateArithmeticTest, LeavingABox) {
  QString negative = "-3";
  EXPECT_EQ(ArithBoxLeft(negative),
            Message("Negative values not permitted in the arithmetical function.",
                    MessageStyle::kInformation, kInvalidInputTitle));
  EXPECT_EQ(negative, "-3") << "the box keeps its text";
  QString letters = "12a";
  EXPECT_EQ(ArithBoxLeft(letters), Message("Invalid input in the arithmetical function.",
                                           MessageStyle::kInformation, kInvalidInputTitle));
  EXPECT_EQ(letters, "") << "the box is emptied";
  QString grouped = " 1,300'290. ";
  EXPECT_EQ(ArithBoxLeft(grouped), std::nullopt);
  EXPECT_EQ(grouped, " 1,300'290. ");
}

}  // namespace
}  // namespace orv
