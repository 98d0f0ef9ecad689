// orvc diff: how far apart two dates are.

#include "calendar/CalendarDate.h"
#include "cli/CommandLine.h"
#include "core/CalendarDay.h"
#include "core/DateDifference.h"
#include "core/DateTexts.h"
#include "core/NumberFormat.h"
#include "core/StrProc.h"

namespace orv {

int RunDiff(const Options& options, QTextStream& out, QTextStream& err) {
  if (options.positional.size() != 2) throw UsageError{};
  QString texts[2] = {options.positional[0], options.positional[1]};
  DeeVersion versions[2];
  DateReading dates[2];
  for (int i = 0; i < 2; ++i) {
    versions[i] = DeeVersionFor(options, texts[i]);
    const DateReading date = ReadDifferenceDate(texts[i], versions[i]);
    texts[i] = date.text;
    if (!date) {
      PrintRefusal(options, options.positional[i],
                   {date.refusal.value_or(Notice{NoticeKind::kInvalidDate})}, out, err);
      return kOrvcRefused;
    }
    dates[i] = date;
  }
  const CalendarInfo& calendar = CalendarOf(dates[0].date->calendar);
  const DateDifference difference = DifferenceInCalendar(*dates[0].date, *dates[1].day);
  if (options.json) {
    Options from = options;
    from.dee = versions[0];
    Options to = options;
    to.dee = versions[1];
    const Era era = options.era_style.value_or(Era::kCE);
    // Years, months and remainder only in a calendar that adds them.
    const auto part = [&](JsonWriter& json, int64_t value) {
      if (difference.has_years_and_months) {
        json.Integer(value);
      } else {
        json.Null();
      }
    };
    // The keys in the order scripts have always had them: sorted.
    PrintJson(out, [&](JsonWriter& json) {
      json.BeginObject();
      json.Key("calendar").String(calendar.json_key);
      json.Key("days").Integer(difference.days);
      json.Key("from");
      WriteResult(json, *dates[0].day, era, from);
      part(json.Key("months"), difference.months);
      part(json.Key("remainder_days"), difference.remainder_days);
      json.Key("to");
      WriteResult(json, *dates[1].day, era, to);
      json.Key("week_days").Integer(difference.week_days);
      json.Key("weeks").Integer(difference.weeks);
      part(json.Key("years"), difference.years);
      json.EndObject();
    });
    return kOrvcSuccess;
  }
  out << DifferenceLines(texts[0], texts[1], TextsOf(difference),
                         CalendarListName(calendar, versions[0]))
             .join(u'\n')
      << '\n';
  return kOrvcSuccess;
}

}  // namespace orv
