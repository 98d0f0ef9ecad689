// orvc diff: how far apart two dates are.
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/CommandLine.h"
#include "core/DateDifference.h"
#include "core/DateTexts.h"
#include "core/StrProc.h"

namespace orv {

int RunDiff(const Options& options, QTextStream& out, QTextStream& err) {
  if (options.positional.size() != 2) throw UsageError{{}, true};
  QString texts[2] = {options.positional[0], options.positional[1]};
  DeeVersion versions[2];
  DateRecord dates[2];
  for (int i = 0; i < 2; ++i) {
    versions[i] = DeeVersionFor(options, texts[i]);
    UserMessage message;
    const std::optional<DateRecord> date = ReadTaggedDate(
        texts[i], versions[i], message, kReportTitle, CalendarByCode(kGregorianCode));
    if (!date) {
      PrintMessages({*message}, err);
      return kOrvcRefused;
    }
    dates[i] = *date;
  }
  const DateDifference difference = DifferenceBetween(dates[0], dates[1].jdn, versions[0]);
  const CalendarInfo& calendar = *CalendarByCode(dates[0].calendar);
  if (options.json) {
    Options from = options;
    from.dee = versions[0];
    Options to = options;
    to.dee = versions[1];
    const Era era = options.era_style.value_or(Era::kCE);
    const QJsonObject object{{"days", qint64(difference.days)},
                             {"weeks", qint64(difference.weeks)},
                             {"week_days", qint64(difference.week_days)},
                             {"years", qint64(difference.years)},
                             {"months", qint64(difference.months)},
                             {"remainder_days", qint64(difference.remainder_days)},
                             {"calendar", QStringOf(calendar.key)},
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
