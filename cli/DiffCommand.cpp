// orvc diff: how far apart two dates are.
#include <QJsonDocument>
#include <QJsonObject>

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
    if (!date.date) {
      PrintRefusal(options, options.positional[i],
                   {date.refusal.value_or(Notice{NoticeKind::kInvalidDate})}, out, err);
      return kOrvcRefused;
    }
    dates[i] = date;
  }
  const CalendarInfo& calendar = CalendarOf(dates[0].date->calendar);
  const DateDifference difference = DifferenceInCalendar(*dates[0].date, dates[1].jdn);
  if (options.json) {
    Options from = options;
    from.dee = versions[0];
    Options to = options;
    to.dee = versions[1];
    const Era era = options.era_style.value_or(Era::kCE);
    const auto part = [&](int64_t value) {
      return difference.has_years_and_months ? QJsonValue(qint64(value)) : QJsonValue();
    };
    const QJsonObject object{{"days", qint64(difference.days)},
                             {"weeks", qint64(difference.weeks)},
                             {"week_days", qint64(difference.week_days)},
                             {"years", part(difference.years)},
                             {"months", part(difference.months)},
                             {"remainder_days", part(difference.remainder_days)},
                             {"calendar", QStringOf(calendar.json_key)},
                             {"from", ResultObject(dates[0].jdn, era, from)},
                             {"to", ResultObject(dates[1].jdn, era, to)}};
    out << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
    return kOrvcSuccess;
  }
  out << DifferenceLines(texts[0], texts[1], TextsOf(difference),
                         CalendarListName(calendar, versions[0]))
             .join(u'\n')
      << '\n';
  return kOrvcSuccess;
}

}  // namespace orv
