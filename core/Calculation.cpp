#include "core/Calculation.h"

namespace orv {

WeekdayOutcome WeekdayTest(TypedDate& typed, const CheckedYearMonthDay& checked,
                           ArithmeticInput& arithmetic, const DeeVersion& dee, int weekday,
                           CalendarDate& date) {
  WeekdayOutcome outcome;
  const auto falls_on_weekday = [&](CalendarId calendar) {
    // A refused amount is reported once and ends the test.
    UserNotice refusal;
    const std::optional<int32_t> day =
        DayOfInput(&typed, checked, calendar, arithmetic, dee, false, date, refusal);
    if (refusal) outcome.message = refusal;
    return day && DayOfWeek(*day) == weekday;
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
  UserNotice ignored;
  outcome.day = DayOfInput(&typed, checked, julian ? CalendarId::kJulian : CalendarId::kGregorian,
                           arithmetic, dee, false, date, ignored);
  outcome.in_gregorian = !julian;
  outcome.in_julian = julian;
  return outcome;
}

UserNotice NoSuchDateInEither(const TypedDate& typed, const DeeVersion& dee,
                              const CheckedYearMonthDay& checked) {
  UserNotice gregorian_refusal;
  for (const CalendarId calendar : {CalendarId::kGregorian, CalendarId::kJulian}) {
    TypedDate reading = typed;
    CalendarDate date;
    ArithmeticInput none;
    UserNotice refusal;
    if (DayOfInput(&reading, checked, calendar, none, dee, true, date, refusal)) {
      return std::nullopt;
    }
    if (calendar == CalendarId::kGregorian) gregorian_refusal = refusal;
  }
  return gregorian_refusal;
}

Calculation Calculate(TypedDate& typed, ArithmeticInput& arithmetic, const DeeVersion& dee,
                      CheckedYearMonthDay& checked, CalendarDate& date) {
  Calculation calculation;
  if (const UserNotice refusal = CheckTypedDate(typed, dee, checked)) {
    calculation.messages.push_back(*refusal);
    return calculation;
  }
  if (typed.calendar != nullptr) {
    UserNotice message;
    calculation.day =
        DayOfInput(&typed, checked, typed.calendar->id, arithmetic, dee, true, date, message);
    if (message) calculation.messages.push_back(*message);
    return calculation;
  }
  const WeekdayOutcome outcome = WeekdayTest(typed, checked, arithmetic, dee, typed.weekday, date);
  if (outcome.message) calculation.messages.push_back(*outcome.message);
  calculation.day = outcome.day;
  calculation.in_gregorian = outcome.in_gregorian;
  calculation.in_julian = outcome.in_julian;
  return calculation;
}

}  // namespace orv
