// orvc weekday: whether a month-day-year date falls on a weekday in the
// Gregorian or the Julian calendar.
#include "calendar/DatePr2.h"
#include "cli/CommandLine.h"
#include "core/Calculation.h"

namespace orv {
namespace {

int WeekdayNumber(const QString& weekday) {
  for (int16_t day = 0; day < 7; ++day) {
    const QString name = QString::fromStdString(DayOfWeekName(day));
    if (name.compare(weekday, Qt::CaseInsensitive) == 0 ||
        (weekday.size() >= 3 && name.startsWith(weekday, Qt::CaseInsensitive))) {
      return day;
    }
  }
  return -1;
}

}  // namespace

int RunWeekday(const Options& options, QTextStream& out, QTextStream& err) {
  if (!options.mdy || options.positional.size() != 5) throw UsageError{};
  const int weekday = WeekdayNumber(options.positional[4]);
  if (weekday < 0) throw UsageError{"orvc: WEEKDAY must be a day of the week, Sunday to Saturday"};
  const TypedDate typed = TypedDateFor(options, options.positional.mid(0, 4));
  const DateReadingRules rules = ReadingRulesFor(options, true);
  DateReadingRules form = rules;
  form.form_only = true;
  UserNotice refusal = ReadDate(typed, form).refusal;
  if (!refusal) refusal = NoSuchDateInEither(typed, rules);
  if (refusal) {
    PrintRefusal(options, options.positional.join(u' '), {*refusal}, out, err);
    return kOrvcRefused;
  }
  const WeekdayOutcome outcome = WeekdayTest(typed, ArithmeticFor(options, false), rules, weekday);
  const Era era = options.era_style.value_or(typed.era);
  if (options.json) {
    // Standard output holds only JSON: the answer, its sentence and the day.
    // Found in both calendars, the day shown is the Julian reading's.
    const bool in_both = outcome.day && outcome.message.has_value();
    // The keys in the order scripts have always had them: sorted.
    PrintJson(out, [&](JsonWriter& json) {
      json.BeginObject();
      if (outcome.day) {
        json.Key("day");
        WriteResult(json, *outcome.day, era, options);
      }
      json.Key("found").Bool(outcome.day.has_value());
      json.Key("found_in").BeginArray();
      if (outcome.in_gregorian || in_both) json.String("gregorian");
      if (outcome.in_julian) json.String("julian");
      json.EndArray();
      json.Key("sentence");
      if (outcome.message) {
        json.String(LineFeeds(NoticeText(*outcome.message)));
      } else {
        json.Null();
      }
      json.Key("weekday").String(DayOfWeekName(static_cast<int16_t>(weekday)));
      json.EndObject();
    });
    return outcome.day ? kOrvcSuccess : kOrvcNotFound;
  }
  if (outcome.message) out << LineFeeds(NoticeText(*outcome.message)) << '\n';
  if (!outcome.day) return kOrvcNotFound;
  out << ResultFor(*outcome.day, era, options);
  out << "Found in: " << (outcome.in_julian ? "Julian Calendar" : "Gregorian Calendar") << '\n';
  return kOrvcSuccess;
}

}  // namespace orv
