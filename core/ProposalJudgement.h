// Judging a calendar defined as data against the sky: its mean year beside
// the mean tropical year and the vernal-equinox year of the program's
// equinox model, its cycle and leap years, and how it keeps the March
// equinox over the years 1 to 4000 beside the Gregorian and Dee calendars.
//
//   const ProposalJudgement judged = JudgeProposal(*CalendarByKey("rule-128", dee), run);
//   judged.mean_year_days;  // 365.2421875
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "calendar/Calendars.h"
#include "core/ReformComparison.h"

namespace orv {

// The mean tropical year (the mean of the year over all points of the
// ecliptic), in days.
inline constexpr double kMeanTropicalYear = 365.24219;

struct ProposalJudgement {
  const CalendarInfo* calendar = nullptr;
  double mean_year_days = 0;
  // The vernal-equinox year of the equinox model: the mean interval between
  // the March equinoxes of the run's first and last years.
  double vernal_equinox_year_days = 0;
  // The mean year less each, in seconds a year and days a thousand years.
  double seconds_from_tropical = 0;
  double seconds_from_vernal = 0;
  double days_a_millennium_from_tropical = 0;
  double days_a_millennium_from_vernal = 0;
  int64_t cycle_years = 0;  // after which its leap years repeat
  int64_t leap_years_a_cycle = 0;
  std::vector<int64_t> first_leap_years;  // of its first cycle from year 1 (at most 40)
  // How the March equinox keeps to the definition's most common date over
  // the run: the years it falls off that date, by how many days (− before).
  int month = 0;  // the most common date
  int day = 0;
  double share = 0;  // of the years on it
  struct OffYear {
    int32_t year;
    int days;
  };
  std::vector<OffYear> off_years;
  std::optional<int32_t> first_off_year;
  std::optional<double> drift_days_per_millennium;
  // The same run's summaries of the Gregorian and Dee calendars (in force),
  // for reference.
  ComparisonSummary gregorian;
  ComparisonSummary dee;
};

// The judgement over the run's years (1 to 4000 in the window and orvc),
// at its meridian and in its solar time.
ProposalJudgement JudgeProposal(const CalendarInfo& calendar, ComparisonRun run);

// The judgement as lines of text, as the window shows it and orvc proposal
// writes it.
QStringList JudgementLines(const ProposalJudgement& judged, const ComparisonRun& run);

}  // namespace orv
