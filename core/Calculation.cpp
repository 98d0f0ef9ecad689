#include "core/Calculation.h"

namespace orv {
namespace {

DateReadingRules In(DateReadingRules rules, CalendarId calendar) {
  rules.calendar = &CalendarOf(calendar);
  return rules;
}

// Whether the refusal is the amounts' (a date's own refusal means only that
// the calendar has no such day).
bool AmountRefused(const InputDay& input) {
  return input.refusal && (input.refusal->kind == NoticeKind::kNegativeAmount ||
                           input.refusal->kind == NoticeKind::kInvalidAmount);
}

}  // namespace

WeekdayOutcome WeekdayTest(const TypedDate& typed, const ArithmeticInput& arithmetic,
                           const DateReadingRules& rules, int weekday) {
  WeekdayOutcome outcome;
  DateReadingRules quiet = rules;
  quiet.explain = false;
  const auto falls_on_weekday = [&](CalendarId calendar) {
    outcome.input = DayOfInput(typed, In(quiet, calendar), arithmetic);
    if (AmountRefused(outcome.input)) outcome.message = outcome.input.refusal;
    return outcome.input.day && DayOfWeek(*outcome.input.day) == weekday;
  };
  const bool gregorian = falls_on_weekday(CalendarId::kGregorian);
  if (outcome.message) return outcome;
  const bool julian = falls_on_weekday(CalendarId::kJulian);
  if (outcome.message) return outcome;

  if (!gregorian && !julian) {
    outcome.message = Notice{NoticeKind::kOnWeekdayInNeither, {}, weekday};
    return outcome;
  }
  if (gregorian && julian) {
    outcome.message = Notice{NoticeKind::kOnWeekdayInBoth, {}, weekday};
  }
  outcome.input = DayOfInput(
      typed, In(quiet, julian ? CalendarId::kJulian : CalendarId::kGregorian), arithmetic);
  outcome.day = outcome.input.day;
  outcome.in_gregorian = !julian;
  outcome.in_julian = julian;
  return outcome;
}

UserNotice NoSuchDateInEither(const TypedDate& typed, const DateReadingRules& rules) {
  const DateReading gregorian = ReadDate(typed, In(rules, CalendarId::kGregorian));
  if (gregorian || ReadDate(typed, In(rules, CalendarId::kJulian))) return std::nullopt;
  return gregorian.refusal;
}

Calculation Calculate(const TypedDate& typed, const DateReadingRules& rules, int weekday,
                      const ArithmeticInput& arithmetic) {
  Calculation calculation;
  if (rules.calendar != nullptr) {
    calculation.input = DayOfInput(typed, rules, arithmetic);
    calculation.day = calculation.input.day;
    if (calculation.input.refusal) calculation.messages.push_back(*calculation.input.refusal);
    return calculation;
  }
  DateReadingRules form = rules;
  form.form_only = true;
  if (const DateReading checked = ReadDate(typed, form); checked.refusal) {
    calculation.input.text = checked.text;
    calculation.input.amounts = arithmetic.amounts;
    calculation.input.refusal = checked.refusal;
    calculation.messages.push_back(*checked.refusal);
    return calculation;
  }
  const WeekdayOutcome outcome = WeekdayTest(typed, arithmetic, rules, weekday);
  if (outcome.message) calculation.messages.push_back(*outcome.message);
  calculation.day = outcome.day;
  calculation.in_gregorian = outcome.in_gregorian;
  calculation.in_julian = outcome.in_julian;
  calculation.input = outcome.input;
  return calculation;
}

}  // namespace orv
