// orvc proposal: a calendar defined as data judged against the sky.
#include <QFileInfo>

#include "calendar/Proposal.h"
#include "cli/CommandLine.h"
#include "core/ProposalFile.h"
#include "core/ProposalJudgement.h"

namespace orv {
namespace {

// The defined calendar a file or key names: the row already read from that
// file, or the file read now; none, with the reason printed, for a file that
// is no calendar.
const CalendarInfo* DefinedCalendarOf(const QString& argument, const Options& options,
                                      QTextStream& err) {
  const QFileInfo file(argument);
  if (!file.isFile()) {
    const CalendarInfo* calendar = CalendarByKey(argument.toLower().toStdString(), options.dee);
    if (calendar == nullptr || ProposalRulesOf(*calendar) == nullptr) {
      throw UsageError{"orvc: \"" + argument +
                       "\" is no definition file, nor the key of a calendar defined by one "
                       "(orvc calendars lists them with their files)"};
    }
    return calendar;
  }
  for (const CalendarInfo* calendar : DefinedCalendars()) {
    if (QFileInfo(DefinitionFileOf(*calendar)).canonicalFilePath() == file.canonicalFilePath()) {
      return calendar;
    }
  }
  const LoadedDefinition loaded = LoadCalendarDefinition(argument);
  if (loaded.calendar == nullptr) err << "orvc: " << loaded.refusal << '\n';
  return loaded.calendar;
}

}  // namespace

int RunProposal(const Options& options, QTextStream& out, QTextStream& err) {
  if (options.positional.size() != 1) throw UsageError{};
  const CalendarInfo* calendar = DefinedCalendarOf(options.positional[0], options, err);
  if (calendar == nullptr) return kOrvcRefused;
  const ComparisonRun run = ComparisonAt(EquinoxRunFor(options), 1, kLastEquinoxYear);
  const ProposalJudgement judged = JudgeProposal(*calendar, run);
  if (!options.json) {
    for (const QString& line : JudgementLines(judged, run)) out << line << '\n';
    return kOrvcSuccess;
  }
  // The keys sorted, as in orvc's other JSON.
  PrintJson(out, [&](JsonWriter& json) {
    json.BeginObject();
    json.Key("calendar").String(calendar->json_key);
    json.Key("cycle_years").Integer(judged.cycle_years);
    json.Key("days_a_millennium_from_tropical").Double(judged.days_a_millennium_from_tropical);
    json.Key("days_a_millennium_from_vernal").Double(judged.days_a_millennium_from_vernal);
    json.Key("drift_days_per_millennium");
    if (judged.drift_days_per_millennium) {
      json.Double(*judged.drift_days_per_millennium);
    } else {
      json.Null();
    }
    json.Key("expected_date").String(MonthDayText(judged.month, judged.day));
    json.Key("first_off_year");
    if (judged.first_off_year) {
      json.Integer(*judged.first_off_year);
    } else {
      json.Null();
    }
    json.Key("leap_years_a_cycle").Integer(judged.leap_years_a_cycle);
    json.Key("mean_year_days").Double(judged.mean_year_days);
    json.Key("off_years").BeginArray();
    for (const ProposalJudgement::OffYear& off : judged.off_years) {
      json.BeginArray().Integer(off.year).Integer(off.days).EndArray();
    }
    json.EndArray();
    json.Key("seconds_from_tropical").Double(judged.seconds_from_tropical);
    json.Key("seconds_from_vernal").Double(judged.seconds_from_vernal);
    json.Key("share").Double(judged.share);
    json.Key("vernal_equinox_year_days").Double(judged.vernal_equinox_year_days);
    json.EndObject();
  });
  return kOrvcSuccess;
}

}  // namespace orv
