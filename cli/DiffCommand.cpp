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
namespace {

// A date read for diff: its value and day, and the text as read back.
struct DiffDate {
  CalendarDate date;
  int32_t jdn = 0;
};

// Reads a date of any calendar: the main window's three as the difference
// window reads them (its checks and canonical text), the others by their tag
// or ISO form; nullopt with the refusal.
std::optional<DiffDate> ReadDiffDate(QString& text, const DeeVersion& dee, UserNotice& refusal) {
  if (NamesOtherCalendar(text, dee)) {
    const CalendarDateReading reading = ReadCalendarDate(text, nullptr, dee);
    if (!reading.date) {
      refusal = reading.refusal;
      return std::nullopt;
    }
    std::string canonical;
    AppendCalendarYearMonthDay(canonical, *reading.date, dee, GroupSeparator());
    text = QString::fromStdString(canonical);
    return DiffDate{*reading.date, reading.jdn};
  }
  const std::optional<CalendarDate> date =
      ReadTaggedDate(text, dee, refusal, &CalendarOf(CalendarId::kGregorian));
  if (!date) return std::nullopt;
  return DiffDate{*date, DayNumberOf(*date, dee).jdn};
}

}  // namespace

int RunDiff(const Options& options, QTextStream& out, QTextStream& err) {
  if (options.positional.size() != 2) throw UsageError{};
  QString texts[2] = {options.positional[0], options.positional[1]};
  DeeVersion versions[2];
  DiffDate dates[2];
  for (int i = 0; i < 2; ++i) {
    versions[i] = DeeVersionFor(options, texts[i]);
    UserNotice refusal;
    const std::optional<DiffDate> date = ReadDiffDate(texts[i], versions[i], refusal);
    if (!date) {
      PrintRefusal(options, options.positional[i],
                   {refusal.value_or(Notice{NoticeKind::kInvalidDate})}, out, err);
      return kOrvcRefused;
    }
    dates[i] = *date;
  }
  const CalendarInfo& calendar = CalendarOf(dates[0].date.calendar);
  const DateDifference difference = DifferenceInCalendar(dates[0].date, dates[1].jdn, versions[0]);
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
