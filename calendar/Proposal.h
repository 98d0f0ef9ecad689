// A solar calendar defined as data (a reform proposal, or a calendar re-stated
// by its rules): its months, its intercalary days, its leap rule and its
// epoch, and the arithmetic of any such calendar. core/ProposalFile reads one
// from its file and adds it to the calendar table.
//
// Dates: months 1 to M as defined; the intercalary days, which belong to no
// month, are months M + 1, M + 2, ... of one day each, in the order they are
// defined ("Year Day" of the International Fixed calendar is 2024-15-01 when
// Leap Day, defined first, is month 14).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/Calendars.h"

namespace orv {

// One rule over the year number; the last rule that matches a year decides
// whether it is leap, and a year no rule matches is common.
struct LeapRule {
  enum class Kind {
    kEvery,      // the year mod `every` is one of `remainders` (none given: 0)
    kCycle,      // (year − `offset`) mod `every` is one of `remainders`
    kLinear,     // (a·Y + b) mod c < below; Y the year, or (year − shift) mod period,
                 // then mod sub_period
    kGregorian,  // the Gregorian year of the same number is leap
  };
  Kind kind = Kind::kEvery;
  int64_t every = 0;
  std::vector<int64_t> remainders;
  int64_t offset = 0;
  int64_t a = 0, b = 0, c = 0, below = 0, period = 0, shift = 0, sub_period = 0;
  bool leap = true;  // what the rule makes a year it matches
};

struct DefinedMonth {
  std::string name;
  int32_t days = 0;
  int32_t leap_days = 0;  // added in a leap year: 1 (a day) or 7 (a week)
};

struct IntercalaryDay {
  std::string name;
  int32_t after_month = 0;  // 0: before the first month
  bool leap_only = false;
};

struct ProposalRules {
  std::string name, tag, key, json_key;
  std::string file;        // where it was defined
  std::string leap_words;  // the leap rule in one line of words
  std::vector<DefinedMonth> months;
  std::vector<IntercalaryDay> intercalary;
  std::vector<LeapRule> leap_rules;
  int32_t epoch = 0;  // the day number of the first day of year 1
  int32_t first_day = INT32_MIN;
  int32_t last_day = INT32_MAX;

  // Made by PrepareProposal: the year's parts in order, and the leap years
  // of one period of the rules, counted.
  struct Part {
    int32_t month;  // its number in dates
    int32_t common_days;
    int32_t leap_days;
  };
  std::vector<Part> parts;
  int64_t common_year = 0;                    // days
  int64_t leap_extra = 0;                     // days a leap year adds
  int64_t period = 1;                         // the rules repeat every so many years
  std::vector<int32_t> leaps_before_residue;  // leap residues among 1 .. r of a period
  int64_t leaps_a_period = 0;
};

// What keeps a set of rules from being a calendar, in words naming the field
// ("months[2].days: a month has at least one day"); none when they make one.
// Prepares the rules' derived parts.
std::optional<std::string> PrepareProposal(ProposalRules& rules);

// The longest period of rules the program counts through (the least common
// multiple of the rules' cycles).
inline constexpr int64_t kLongestLeapPeriod = 1'000'000;

bool IsProposalLeapYear(const ProposalRules& rules, int64_t year);
// Leap years among years 1 .. n (n < 1: minus those among n + 1 .. 0).
int64_t LeapYearsThrough(const ProposalRules& rules, int64_t n);

// The row of the calendar, its texts pointing into `rules`, which must
// outlive it (AddCalendar keeps them).
CalendarInfo ProposalRow(const ProposalRules& rules);

// The rules of a row made by ProposalRow; none for any other row.
const ProposalRules* ProposalRulesOf(const CalendarInfo& calendar);

// The calendars of the table defined by files, in table order.
std::vector<const CalendarInfo*> DefinedCalendars();

}  // namespace orv
