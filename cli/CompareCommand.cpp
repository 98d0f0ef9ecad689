// orvc compare: the March equinox in every solar calendar of the table, year
// by year, and how well each keeps it on its day.
#include <QJsonArray>
#include <QJsonObject>

#include "cli/CommandLine.h"
#include "core/ReformComparison.h"
#include "core/ReportRecords.h"
#include "core/StrProc.h"

namespace orv {

int RunCompare(const Options& options, QTextStream& out, QTextStream& err) {
  if (options.positional.size() != 1) throw UsageError{};
  const std::optional<int32_t> year = BareYear(options.positional[0]);
  if (!year) {
    throw UsageError{"orvc: YEAR must be a year from 1 to 4000 (\"2024\", \"2,024\"); not \"" +
                     options.positional[0] + '"'};
  }
  const ComparisonRun run = ComparisonAt(EquinoxRunFor(options), *year, options.count.value_or(12));
  if (!IsEquinoxYear(run.first_year)) {
    PrintRefusal(options, options.positional[0], {Notice{NoticeKind::kEquinoxYearOutOfRange}}, out,
                 err);
    return kOrvcRefused;
  }
  const ReformComparison comparison = CompareReforms(run);
  ReportPrinter printer(options, out);
  printer.Header(ComparisonTitle(run) + '\n' + ComparisonHeader() + "\n\n");
  for (const ComparisonRow& row : comparison.rows) {
    printer.Row(ComparisonLine(row), RecordOf(row, run));
  }
  const QStringList lines = ComparisonSummaryLines(run, comparison);
  if (options.json) {
    for (size_t i = 0; i < comparison.calendars.size(); ++i) {
      const ComparisonSummary& summary = comparison.summaries[i];
      const bool dated = summary.rows > 0;
      const auto month_day = [&](int month, int day) {
        return dated ? QJsonValue(MonthDayText(month, day)) : QJsonValue();
      };
      const auto drift = [](const std::optional<double>& days) {
        return days ? QJsonValue(*days) : QJsonValue();
      };
      // The years on each rule (England's Julian and Gregorian ones), each
      // with its drift.
      QJsonArray pieces;
      for (const DriftPiece& piece : summary.pieces) {
        pieces.append(
            QJsonObject{{"rule", piece.rule.empty() ? QJsonValue()
                                                    : QJsonValue(QStringOf(piece.rule).toLower())},
                        {"first_year", piece.first_year},
                        {"last_year", piece.last_year},
                        {"drift_days_per_millennium", drift(piece.drift_days_per_millennium)}});
      }
      printer.Summary({}, {{"calendar", QStringOf(comparison.calendars[i]->json_key)},
                           {"most_common", month_day(summary.month, summary.day)},
                           {"share", summary.share},
                           {"earliest", month_day(summary.earliest_month, summary.earliest_day)},
                           {"latest", month_day(summary.latest_month, summary.latest_day)},
                           {"drift_days_per_millennium", drift(summary.drift_days_per_millennium)},
                           {"drift_pieces", pieces},
                           {"meridian", run.longitude_label},
                           {"time_kind", SolarTimeName(run.solar_time)}});
    }
  } else {
    printer.Summary(lines.join(u'\n'), {});
  }
  if (comparison.rows.size() < static_cast<size_t>(run.years)) {
    PrintMessages({Notice{NoticeKind::kEquinoxYearOutOfRange}}, err);
  }
  return kOrvcSuccess;
}

}  // namespace orv
