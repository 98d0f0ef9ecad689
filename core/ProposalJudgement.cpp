#include "core/ProposalJudgement.h"

#include <algorithm>
#include <cmath>

#include "calendar/CalendarDate.h"
#include "calendar/Proposal.h"
#include "core/NumberFormat.h"
#include "core/ProposalFile.h"
#include "core/StrProc.h"

namespace orv {
namespace {

constexpr double kSecondsADay = 86400;
constexpr size_t kLeapYearsListed = 40;
constexpr size_t kOffYearsListed = 24;

size_t ColumnOf(const ReformComparison& comparison, const CalendarInfo& calendar) {
  const auto found = std::find(comparison.calendars.begin(), comparison.calendars.end(), &calendar);
  return static_cast<size_t>(found - comparison.calendars.begin());
}

// "20.9 seconds longer than", "3.1 seconds shorter than", "the same as".
QString SecondsText(double seconds) {
  if (std::fabs(seconds) < 0.05) return QStringLiteral("the same as");
  return FormatGroupedFixed(std::fabs(seconds), 1) +
         (seconds > 0 ? QStringLiteral(" seconds longer than")
                      : QStringLiteral(" seconds shorter than"));
}

QString SignedDays(double days, int decimals) {
  return (days >= 0 ? QStringLiteral("+") : QString()) + FormatGroupedFixed(days, decimals);
}

QString SummaryText(const QString& name, const ComparisonSummary& summary) {
  QString text = QStringLiteral("%1: %2 in %3 of the years (%4 to %5)")
                     .arg(name, MonthDayText(summary.month, summary.day),
                          FormatGroupedFixed(100.0 * summary.share, 1) + '%',
                          MonthDayText(summary.earliest_month, summary.earliest_day),
                          MonthDayText(summary.latest_month, summary.latest_day));
  if (summary.drift_days_per_millennium) {
    text += QStringLiteral(", drift %1 days a thousand years")
                .arg(FormatGroupedFixed(*summary.drift_days_per_millennium, 1));
  }
  return text;
}

}  // namespace

ProposalJudgement JudgeProposal(const CalendarInfo& calendar, ComparisonRun run) {
  ProposalJudgement judged;
  judged.calendar = &calendar;
  if (const ProposalRules* rules = ProposalRulesOf(calendar)) {
    judged.cycle_years = rules->period;
    judged.leap_years_a_cycle = rules->leaps_a_period;
    judged.mean_year_days = static_cast<double>(rules->common_year) +
                            static_cast<double>(rules->leap_extra * rules->leaps_a_period) /
                                static_cast<double>(rules->period);
    for (int64_t year = 1;
         year <= rules->period && judged.first_leap_years.size() < kLeapYearsListed; ++year) {
      if (IsProposalLeapYear(*rules, year)) judged.first_leap_years.push_back(year);
    }
  }
  run.definitions = {&calendar};
  const ReformComparison comparison = CompareReforms(run);
  if (comparison.rows.size() >= 2) {
    judged.vernal_equinox_year_days =
        (comparison.rows.back().local - comparison.rows.front().local) /
        static_cast<double>(comparison.rows.back().year - comparison.rows.front().year);
  }
  judged.seconds_from_tropical = (judged.mean_year_days - kMeanTropicalYear) * kSecondsADay;
  judged.days_a_millennium_from_tropical = (judged.mean_year_days - kMeanTropicalYear) * 1000;
  judged.seconds_from_vernal =
      (judged.mean_year_days - judged.vernal_equinox_year_days) * kSecondsADay;
  judged.days_a_millennium_from_vernal =
      (judged.mean_year_days - judged.vernal_equinox_year_days) * 1000;

  const size_t column = ColumnOf(comparison, calendar);
  if (column < comparison.summaries.size()) {
    const ComparisonSummary& summary = comparison.summaries[column];
    judged.month = summary.month;
    judged.day = summary.day;
    judged.share = summary.share;
    judged.drift_days_per_millennium = summary.drift_days_per_millennium;
    for (const ComparisonRow& row : comparison.rows) {
      const std::optional<CalendarDate>& date = row.dates[column];
      if (!date) continue;
      const DayResult expected =
          DayNumberOf({date->year, summary.month, summary.day, date->calendar});
      const DayResult actual = DayNumberOf(*date);
      if (!expected || !actual || expected.jdn == actual.jdn) continue;
      judged.off_years.push_back({row.year, actual.jdn - expected.jdn});
      if (!judged.first_off_year) judged.first_off_year = row.year;
    }
  }
  judged.gregorian = comparison.summaries[ColumnOf(comparison, CalendarOf(CalendarId::kGregorian))];
  judged.dee = comparison.summaries[ColumnOf(comparison, CalendarOf(CalendarId::kDee))];
  return judged;
}

QStringList JudgementLines(const ProposalJudgement& judged, const ComparisonRun& run) {
  const CalendarInfo& calendar = *judged.calendar;
  QStringList lines;
  QString title = QStringOf(calendar.name) + " (" + QStringOf(calendar.tag) + ')';
  if (const QString file = DefinitionFileOf(calendar); !file.isEmpty()) {
    title += QStringLiteral(", defined by ") + file;
  }
  lines << title;
  lines << QStringLiteral("Leap rule: ") + QStringOf(calendar.leap_rule);
  lines << QStringLiteral(
               "Mean year: %1 days: %2 the mean tropical year (%3 days; %4 days a thousand "
               "years) and %5 the vernal-equinox year of the equinox model over %6-%7 (%8 "
               "days; %9 days a thousand years).")
               .arg(FormatGroupedFixed(judged.mean_year_days, 6),
                    SecondsText(judged.seconds_from_tropical),
                    FormatGroupedFixed(kMeanTropicalYear, 5),
                    SignedDays(judged.days_a_millennium_from_tropical, 2),
                    SecondsText(judged.seconds_from_vernal))
               .arg(run.first_year)
               .arg(std::min<int64_t>(run.first_year + run.years - 1, kLastEquinoxYear))
               .arg(FormatGroupedFixed(judged.vernal_equinox_year_days, 5),
                    SignedDays(judged.days_a_millennium_from_vernal, 2));
  QStringList leaps;
  for (const int64_t year : judged.first_leap_years) leaps << QString::number(year);
  if (static_cast<int64_t>(judged.first_leap_years.size()) < judged.leap_years_a_cycle) {
    leaps << QStringLiteral("...");
  }
  lines << QStringLiteral("Cycle: %1 years with %2 leap years%3")
               .arg(judged.cycle_years)
               .arg(judged.leap_years_a_cycle)
               .arg(leaps.isEmpty() ? QStringLiteral(".")
                                    : ": " + leaps.join(QStringLiteral(", ")));
  QString keeping = QStringLiteral("March equinox %1: %2 in %3 of the years")
                        .arg(ComparisonPlace(run), MonthDayText(judged.month, judged.day),
                             FormatGroupedFixed(100.0 * judged.share, 1) + '%');
  if (judged.off_years.empty()) {
    keeping += QStringLiteral("; never off it");
  } else {
    keeping += QStringLiteral("; off it in %1 years, the first %2")
                   .arg(judged.off_years.size())
                   .arg(*judged.first_off_year);
  }
  if (judged.drift_days_per_millennium) {
    keeping += QStringLiteral("; drift %1 days a thousand years")
                   .arg(FormatGroupedFixed(*judged.drift_days_per_millennium, 1));
  }
  lines << keeping + '.';
  if (!judged.off_years.empty()) {
    QStringList off;
    for (size_t i = 0; i < std::min(judged.off_years.size(), kOffYearsListed); ++i) {
      off << QStringLiteral("%1 (%2)")
                 .arg(judged.off_years[i].year)
                 .arg(SignedDays(judged.off_years[i].days, 0));
    }
    if (judged.off_years.size() > kOffYearsListed) {
      off << QStringLiteral("and %1 more").arg(judged.off_years.size() - kOffYearsListed);
    }
    lines << QStringLiteral("Off its date (days): ") + off.join(QStringLiteral(", "));
  }
  lines << QStringLiteral("For reference, ") +
               SummaryText(QStringLiteral("Gregorian"), judged.gregorian);
  lines << QStringLiteral("For reference, ") + SummaryText(QStringLiteral("Dee"), judged.dee);
  return lines;
}

}  // namespace orv
