#include "calendar/Proposal.h"

#include <numeric>

namespace orv {
namespace {

int64_t FloorMod(int64_t value, int64_t modulus) {
  const int64_t rest = value % modulus;
  return rest < 0 ? rest + modulus : rest;
}

int64_t FloorDiv(int64_t value, int64_t divisor) {
  return (value - FloorMod(value, divisor)) / divisor;
}

bool Matches(const LeapRule& rule, int64_t year) {
  const auto in_remainders = [&](int64_t rest) {
    if (rule.remainders.empty()) return rest == 0;
    for (const int64_t remainder : rule.remainders) {
      if (rest == remainder) return true;
    }
    return false;
  };
  switch (rule.kind) {
    case LeapRule::Kind::kEvery:
      return in_remainders(FloorMod(year, rule.every));
    case LeapRule::Kind::kCycle:
      return in_remainders(FloorMod(year - rule.offset, rule.every));
    case LeapRule::Kind::kLinear: {
      int64_t y = rule.period > 0 ? FloorMod(year - rule.shift, rule.period) : year;
      if (rule.sub_period > 0) y = FloorMod(y, rule.sub_period);
      return FloorMod(rule.a * y + rule.b, rule.c) < rule.below;
    }
    case LeapRule::Kind::kGregorian:
      return FloorMod(year, 4) == 0 && (FloorMod(year, 100) != 0 || FloorMod(year, 400) == 0);
  }
  return false;
}

// The years after which the rule repeats.
int64_t PeriodOf(const LeapRule& rule) {
  switch (rule.kind) {
    case LeapRule::Kind::kEvery:
    case LeapRule::Kind::kCycle:
      return rule.every;
    case LeapRule::Kind::kLinear:
      return rule.period > 0 ? rule.period : rule.c;
    case LeapRule::Kind::kGregorian:
      return 400;
  }
  return 1;
}

bool RuleLeap(const ProposalRules& rules, int64_t year) {
  bool leap = false;
  for (const LeapRule& rule : rules.leap_rules) {
    if (Matches(rule, year)) leap = rule.leap;
  }
  return leap;
}

const ProposalRules& RulesOf(const CalendarInfo& self) {
  return *static_cast<const ProposalRules*>(self.rules);
}

// Days before year `year` (0 for year 1).
int64_t DaysBeforeYear(const ProposalRules& rules, int64_t year) {
  return (year - 1) * rules.common_year + LeapYearsThrough(rules, year - 1) * rules.leap_extra;
}

DayResult ProposalDayNumber(const CalendarInfo& self, int32_t year, int32_t month, int32_t day) {
  const ProposalRules& rules = RulesOf(self);
  const bool leap = IsProposalLeapYear(rules, year);
  int64_t before = 0;  // days of the year before the part
  for (const ProposalRules::Part& part : rules.parts) {
    const int32_t days = leap ? part.leap_days : part.common_days;
    if (part.month == month) {
      if (day < 1 || day > days) return {};
      return calendar_rows::Counted(int64_t{rules.epoch} + DaysBeforeYear(rules, year) + before +
                                    day - 1);
    }
    before += days;
  }
  return {};
}

YearMonthDay ProposalDateOfDay(const CalendarInfo& self, int32_t jdn) {
  const ProposalRules& rules = RulesOf(self);
  const int64_t days = int64_t{jdn} - rules.epoch;
  // A first guess by the mean year, then at most a step or two to the year.
  const double mean_year = static_cast<double>(rules.common_year) +
                           static_cast<double>(rules.leap_extra * rules.leaps_a_period) /
                               static_cast<double>(rules.period);
  auto year = static_cast<int64_t>(static_cast<double>(days) / mean_year) + 1;
  while (DaysBeforeYear(rules, year) > days) --year;
  while (DaysBeforeYear(rules, year + 1) <= days) ++year;
  int64_t rest = days - DaysBeforeYear(rules, year);
  const bool leap = IsProposalLeapYear(rules, year);
  for (const ProposalRules::Part& part : rules.parts) {
    const int32_t length = leap ? part.leap_days : part.common_days;
    if (rest < length) {
      return {static_cast<int32_t>(year), part.month, static_cast<int32_t>(rest + 1)};
    }
    rest -= length;
  }
  return {static_cast<int32_t>(year), rules.parts.back().month, 1};  // not reached
}

std::string_view ProposalMonthName(const CalendarInfo& self, int32_t /*year*/, int32_t month) {
  const ProposalRules& rules = RulesOf(self);
  const auto months = static_cast<int32_t>(rules.months.size());
  if (month >= 1 && month <= months) return rules.months[static_cast<size_t>(month - 1)].name;
  const int32_t intercalary = month - months - 1;
  if (intercalary >= 0 && intercalary < static_cast<int32_t>(rules.intercalary.size())) {
    return rules.intercalary[static_cast<size_t>(intercalary)].name;
  }
  return {};
}

std::string_view ProposalDayName(const CalendarInfo& self, const YearMonthDay& date) {
  if (date.month <= static_cast<int32_t>(RulesOf(self).months.size())) return {};
  return ProposalMonthName(self, date.year, date.month);
}

bool ProposalLeap(const CalendarInfo& self, int32_t year) {
  return IsProposalLeapYear(RulesOf(self), year);
}

}  // namespace

bool IsProposalLeapYear(const ProposalRules& rules, int64_t year) {
  // Year ≡ 0 stands at the end of the period, as its residue `period`.
  int64_t residue = FloorMod(year, rules.period);
  if (residue == 0) residue = rules.period;
  const auto at = static_cast<size_t>(residue);
  return rules.leaps_before_residue[at] != rules.leaps_before_residue[at - 1];
}

int64_t LeapYearsThrough(const ProposalRules& rules, int64_t n) {
  const int64_t whole = FloorDiv(n, rules.period);
  const int64_t residue = n - whole * rules.period;
  return whole * rules.leaps_a_period +
         (residue == 0 ? 0 : rules.leaps_before_residue[static_cast<size_t>(residue)]);
}

std::optional<std::string> PrepareProposal(ProposalRules& rules) {
  if (rules.months.empty()) return "months: a calendar has at least one month";
  for (size_t i = 0; i < rules.months.size(); ++i) {
    const DefinedMonth& month = rules.months[i];
    const std::string field = "months[" + std::to_string(i) + "]";
    if (month.days < 1 || month.days > 400) return field + ".days: a month has 1 to 400 days";
    if (month.leap_days < 0 || month.leap_days > 7) {
      return field + ".leap_days: a leap year adds 0 to 7 days to a month";
    }
  }
  for (size_t i = 0; i < rules.intercalary.size(); ++i) {
    const IntercalaryDay& day = rules.intercalary[i];
    if (day.after_month < 0 || day.after_month > static_cast<int32_t>(rules.months.size())) {
      return "intercalary[" + std::to_string(i) + "].after: no such month (0 to " +
             std::to_string(rules.months.size()) + ")";
    }
  }
  rules.period = 1;
  for (size_t i = 0; i < rules.leap_rules.size(); ++i) {
    const LeapRule& rule = rules.leap_rules[i];
    const std::string field = "leap[" + std::to_string(i) + "]";
    if ((rule.kind == LeapRule::Kind::kEvery || rule.kind == LeapRule::Kind::kCycle) &&
        rule.every < 1) {
      return field + ": a cycle of at least one year";
    }
    for (const int64_t remainder : rule.remainders) {
      if (remainder < 0 || remainder >= rule.every) {
        return field + ": a remainder from 0 to " + std::to_string(rule.every - 1);
      }
    }
    if (rule.kind == LeapRule::Kind::kLinear && (rule.c < 1 || rule.a < 1 || rule.below < 1)) {
      return field + ": a linear rule needs a, c and below of at least 1";
    }
    rules.period = std::lcm(rules.period, PeriodOf(rule));
    if (rules.period > kLongestLeapPeriod) {
      return field + ": the rules repeat only after more than " +
             std::to_string(kLongestLeapPeriod) + " years";
    }
  }
  rules.leaps_before_residue.assign(static_cast<size_t>(rules.period) + 1, 0);
  int64_t leaps = 0;
  for (int64_t residue = 1; residue <= rules.period; ++residue) {
    leaps += RuleLeap(rules, residue) ? 1 : 0;
    rules.leaps_before_residue[static_cast<size_t>(residue)] = static_cast<int32_t>(leaps);
  }
  rules.leaps_a_period = leaps;
  // The leap residues: a year's leapness from the counts, not the rules again.
  for (const LeapRule& rule : rules.leap_rules) {
    bool matches_some = false;
    for (int64_t residue = 1; residue <= rules.period && !matches_some; ++residue) {
      matches_some = Matches(rule, residue);
    }
    if (!matches_some) return "leap: a rule that matches no year";
  }
  rules.parts.clear();
  rules.common_year = 0;
  rules.leap_extra = 0;
  const auto months = static_cast<int32_t>(rules.months.size());
  const auto add_intercalary_after = [&](int32_t month) {
    for (size_t i = 0; i < rules.intercalary.size(); ++i) {
      const IntercalaryDay& day = rules.intercalary[i];
      if (day.after_month != month) continue;
      rules.parts.push_back({months + 1 + static_cast<int32_t>(i), day.leap_only ? 0 : 1, 1});
    }
  };
  add_intercalary_after(0);
  for (int32_t m = 1; m <= months; ++m) {
    const DefinedMonth& month = rules.months[static_cast<size_t>(m - 1)];
    rules.parts.push_back({m, month.days, month.days + month.leap_days});
    add_intercalary_after(m);
  }
  for (const ProposalRules::Part& part : rules.parts) {
    rules.common_year += part.common_days;
    rules.leap_extra += part.leap_days - part.common_days;
  }
  if (rules.common_year < 300 || rules.common_year > 400) {
    return "months: they make a year of " + std::to_string(rules.common_year) +
           " days; a solar calendar's year has 300 to 400";
  }
  if (rules.leaps_a_period > 0 && rules.leap_extra == 0) {
    return "leap: the rules make leap years, but nothing is added in one (leap_days, an "
           "intercalary day of leap years)";
  }
  return std::nullopt;
}

const ProposalRules* ProposalRulesOf(const CalendarInfo& calendar) {
  return calendar.day_number == ProposalDayNumber ? &RulesOf(calendar) : nullptr;
}

std::vector<const CalendarInfo*> DefinedCalendars() {
  std::vector<const CalendarInfo*> defined;
  for (const CalendarInfo* calendar : Calendars()) {
    if (ProposalRulesOf(*calendar) != nullptr) defined.push_back(calendar);
  }
  return defined;
}

CalendarInfo ProposalRow(const ProposalRules& rules) {
  CalendarInfo row = FileRow(rules.key, rules.json_key, rules.name, rules.tag, &rules);
  row.text_form = TextForm::kTag;
  row.month_name = ProposalMonthName;
  row.is_leap_year = ProposalLeap;
  row.leap_rule = rules.leap_words;
  row.adds_years_and_months = rules.intercalary.empty();
  row.first_day = rules.first_day;
  row.last_day = rules.last_day;
  row.day_number = ProposalDayNumber;
  row.date_of_day = ProposalDateOfDay;
  row.compared = 1;  // a solar calendar: compared against the equinox
  row.epoch = rules.epoch;
  row.day_name = ProposalDayName;
  return row;
}

}  // namespace orv
