// orvc compare: the March equinox in every solar calendar of the table, year
// by year, and how well each keeps it on its day.
#include "calendar/Proposal.h"
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
  ComparisonRun run = ComparisonAt(EquinoxRunFor(options), *year, options.count.value_or(12));
  if (options.with_proposals) run.definitions = DefinedCalendars();
  if (!IsEquinoxYear(run.first_year)) {
    PrintRefusal(options, options.positional[0], {Notice{NoticeKind::kEquinoxYearOutOfRange}}, out,
                 err);
    return kOrvcRefused;
  }
  const ReformComparison comparison = CompareReforms(run);
  ReportPrinter printer(options, out);
  printer.Header(ComparisonTitle(run) + '\n' + ComparisonHeader(comparison.calendars) + "\n\n");
  for (const ComparisonRow& row : comparison.rows) {
    printer.Row(ComparisonLine(row), RecordOf(row, run));
  }
  const QStringList lines = ComparisonSummaryLines(run, comparison);
  if (options.json) {
    for (size_t i = 0; i < comparison.calendars.size(); ++i) {
      const ComparisonSummary& summary = comparison.summaries[i];
      const bool dated = summary.rows > 0;
      const auto month_day = [&](JsonWriter& json, int month, int day) {
        if (dated) {
          json.String(MonthDayText(month, day));
        } else {
          json.Null();
        }
      };
      const auto drift = [](JsonWriter& json, const std::optional<double>& days) {
        if (days) {
          json.Double(*days);
        } else {
          json.Null();
        }
      };
      // The keys in the order scripts have always had them: sorted.
      PrintJson(out, [&](JsonWriter& json) {
        json.BeginObject();
        json.Key("calendar").String(comparison.calendars[i]->json_key);
        drift(json.Key("drift_days_per_millennium"), summary.drift_days_per_millennium);
        // The years on each rule (England's Julian and Gregorian ones), each
        // with its drift.
        json.Key("drift_pieces").BeginArray();
        for (const DriftPiece& piece : summary.pieces) {
          json.BeginObject();
          drift(json.Key("drift_days_per_millennium"), piece.drift_days_per_millennium);
          json.Key("first_year").Integer(piece.first_year);
          json.Key("last_year").Integer(piece.last_year);
          json.Key("rule");
          if (piece.rule.empty()) {
            json.Null();
          } else {
            json.String(QStringOf(piece.rule).toLower());
          }
          json.EndObject();
        }
        json.EndArray();
        month_day(json.Key("earliest"), summary.earliest_month, summary.earliest_day);
        month_day(json.Key("latest"), summary.latest_month, summary.latest_day);
        json.Key("meridian").String(run.longitude_label);
        month_day(json.Key("most_common"), summary.month, summary.day);
        json.Key("share").Double(summary.share);
        json.Key("time_kind").String(SolarTimeName(run.solar_time));
        json.EndObject();
      });
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
