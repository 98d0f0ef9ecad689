// orvc equinoxes: the vernal equinox table from a year, or from the year of a
// date.
#include "calendar/CalendarDate.h"
#include "cli/CommandLine.h"
#include "core/ReportBuilders.h"
#include "core/ReportRecords.h"
#include "core/StrProc.h"

namespace orv {

int RunEquinoxes(const Options& options, QTextStream& out, QTextStream& err) {
  if (options.positional.size() != (options.mdy ? 4 : 1)) throw UsageError{};
  const int64_t years = options.count.value_or(12);
  int32_t year = 0;
  if (const std::optional<int32_t> bare_year =
          options.mdy ? std::nullopt : BareYear(options.positional[0])) {
    year = *bare_year;
  } else if (ReadByTable(options, options.positional[0])) {
    // A date of another calendar: the Gregorian year of its day.
    const std::optional<int32_t> jdn = DayOfDate(options.positional[0], options, out, err);
    if (!jdn) return kOrvcRefused;
    year = DateOfDay(*jdn, CalendarId::kGregorian).year;
  } else {
    const TypedDate typed = TypedDateFor(options, options.positional);
    if (IsCompleteFor(options, typed)) {
      DateReadingRules form = ReadingRulesFor(options);
      form.form_only = true;
      if (const UserNotice refusal = ReadDate(typed, form).refusal) {
        PrintRefusal(options, options.positional.join(u' '), {*refusal}, out, err);
        return kOrvcRefused;
      }
      year = YearOfTypedDate(typed);
    } else {
      TypedDate read = typed;
      read.notation = Notation::kYearMonthDay;  // what the window reads without a complete input
      year = YearOfTypedDate(read);
    }
    if (IsEquinoxYear(year) && !DayForReport(typed, options, out, err)) return kOrvcRefused;
  }
  if (!IsEquinoxYear(year)) {
    PrintRefusal(options, options.positional.join(u' '),
                 {Notice{NoticeKind::kEquinoxYearOutOfRange}}, out, err);
    return kOrvcRefused;
  }
  if (years == 0) return kOrvcSuccess;
  VernalEquinoxRun run = EquinoxRunFor(options);
  run.first_year = year;
  // Every year asked, streamed, up to the last of the table.
  ReportPrinter printer(options, out);
  printer.Header(LineFeeds(VernalEquinoxHeader(run)));
  VernalEquinoxRows rows(run);
  while (rows.rows() < years && !rows.Done()) {
    const VernalEquinoxRow row = *rows.Next();
    printer.Row(VernalEquinoxLine(row, run, rows.rows() - 1), RecordOf(row, run));
  }
  const QString summary =
      years >= 2 ? VernalEquinoxSummary(run, rows.missed(), rows.rows()) : QString();
  printer.Summary(summary, {{"rows", rows.rows()},
                            {"missed", rows.missed()},
                            {"expected_day", run.dee == kDeeCecilVersion ? 20 : 21},
                            {"dee_version", QStringOf(run.dee.name)},
                            {"meridian", run.longitude_label},
                            {"time", SolarTimeName(run.solar_time)},
                            {"time_kind", SolarTimeName(run.solar_time)},
                            {"sentence", summary.isEmpty() ? QJsonValue() : QJsonValue(summary)}});
  if (rows.rows() < years) PrintMessages({Notice{NoticeKind::kEquinoxYearOutOfRange}}, err);
  return kOrvcSuccess;
}

}  // namespace orv
