// Date <-> day number conversions of the calendar engine against the C++20
// standard library's civil calendar (year_month_day <-> sys_days), on the same
// one million random dates. After the usual table it prints ns per conversion
// and the ratio ours / standard library (below 1.0: ours is faster). Ours
// checks every date (and its 32-bit range); the plain standard conversion
// checks nothing, so a checked standard variant is measured too.
//
//   cmake --preset release && cmake --build --preset release
//   build/release/bench/calendar_bench --benchmark_repetitions=5
//       --benchmark_report_aggregates_only=true   (one line)
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "calendar/Calendar.h"
#include "calendar/Dee.h"

namespace {

constexpr int kDateCount = 1'000'000;
constexpr int32_t kJdnOfUnixEpoch = 2440588;

struct Inputs {
  std::vector<orv::DateRecord> dates;              // years -30000 to 30000, days 1 to 28
  std::vector<std::chrono::year_month_day> civil;  // the same dates
  std::vector<int32_t> jdns;                       // the Gregorian day numbers of those dates
};

const Inputs& TheInputs() {
  static const Inputs inputs = [] {
    Inputs in;
    std::mt19937 random(1721426);
    std::uniform_int_distribution<int32_t> year(-30000, 30000), month(1, 12), day(1, 28);
    for (int i = 0; i < kDateCount; ++i) {
      orv::DateRecord d{year(random), month(random), day(random), orv::kGregorianCode, 0, 0};
      in.civil.emplace_back(std::chrono::year(d.year), std::chrono::month(unsigned(d.month)),
                            std::chrono::day(unsigned(d.day)));
      orv::DateToJDNWithStatus(d, orv::kDeeCecilVersion);
      in.jdns.push_back(d.jdn);
      in.dates.push_back(d);
    }
    return in;
  }();
  return inputs;
}

void SetRate(benchmark::State& state) {
  state.counters["per_conversion"] =
      benchmark::Counter(double(state.iterations()) * kDateCount,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void DateToJdn(benchmark::State& state, int32_t calendar) {
  const Inputs& in = TheInputs();
  for (auto _ : state) {
    int64_t sum = 0;
    for (const orv::DateRecord& input : in.dates) {
      orv::DateRecord d{input.year, input.month, input.day, calendar, 0, 0};
      orv::DateToJDNWithStatus(d, orv::kDeeCecilVersion);
      sum += d.jdn;
    }
    benchmark::DoNotOptimize(sum);
  }
  SetRate(state);
}

void JdnToDate(benchmark::State& state, int32_t calendar) {
  const Inputs& in = TheInputs();
  for (auto _ : state) {
    int64_t sum = 0;
    for (const int32_t jdn : in.jdns) {
      orv::DateRecord d{0, 0, 0, calendar, jdn, 0};
      orv::JDNToDate(d, orv::kDeeCecilVersion);
      sum += d.year + d.month + d.day;
    }
    benchmark::DoNotOptimize(sum);
  }
  SetRate(state);
}

void StdDateToDays(benchmark::State& state) {
  const Inputs& in = TheInputs();
  for (auto _ : state) {
    int64_t sum = 0;
    for (const auto& ymd : in.civil) sum += std::chrono::sys_days(ymd).time_since_epoch().count();
    benchmark::DoNotOptimize(sum);
  }
  SetRate(state);
}

// The standard library's conversion does not check its input; the program
// must refuse 30 February. This variant checks, as ours does.
void StdDateToDaysChecked(benchmark::State& state) {
  const Inputs& in = TheInputs();
  for (auto _ : state) {
    int64_t sum = 0;
    for (const auto& ymd : in.civil) {
      if (ymd.ok()) sum += std::chrono::sys_days(ymd).time_since_epoch().count();
    }
    benchmark::DoNotOptimize(sum);
  }
  SetRate(state);
}

void StdDaysToDate(benchmark::State& state) {
  const Inputs& in = TheInputs();
  for (auto _ : state) {
    int64_t sum = 0;
    for (const int32_t jdn : in.jdns) {
      const std::chrono::year_month_day ymd{
          std::chrono::sys_days(std::chrono::days(jdn - kJdnOfUnixEpoch))};
      sum += int(ymd.year()) + unsigned(ymd.month()) + unsigned(ymd.day());
    }
    benchmark::DoNotOptimize(sum);
  }
  SetRate(state);
}

BENCHMARK_CAPTURE(DateToJdn, Gregorian, orv::kGregorianCode)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DateToJdn, Julian, orv::kJulianCode)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DateToJdn, Dee, orv::kDeeCode)->Unit(benchmark::kMillisecond);
BENCHMARK(StdDateToDays)->Unit(benchmark::kMillisecond);
BENCHMARK(StdDateToDaysChecked)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(JdnToDate, Gregorian, orv::kGregorianCode)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(JdnToDate, Julian, orv::kJulianCode)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(JdnToDate, Dee, orv::kDeeCode)->Unit(benchmark::kMillisecond);
BENCHMARK(StdDaysToDate)->Unit(benchmark::kMillisecond);

// The console table, then ns per conversion and the ratios. With repetitions,
// the median is used.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const auto found = run.counters.find("per_conversion");
      if (found == run.counters.end()) continue;
      const double ns = found->second.value * 1e9;
      const std::string name = run.run_name.str();
      if (run.run_type == Run::RT_Aggregate) {
        if (run.aggregate_name == "median") medians_[name] = ns;
      } else {
        medians_.try_emplace(name, ns);  // a single run, until a median replaces it
      }
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-20s %8s  %-21s %8s %7s\n", "ours", "ns", "standard library", "ns", "ratio");
    const char* calendars[] = {"Gregorian", "Julian", "Dee"};
    for (const char* calendar : calendars) {
      Row(std::string("DateToJdn/") + calendar, "StdDateToDays");
      Row(std::string("DateToJdn/") + calendar, "StdDateToDaysChecked");
      Row(std::string("JdnToDate/") + calendar, "StdDaysToDate");
    }
  }

 private:
  void Row(const std::string& ours, const std::string& standard) {
    if (!medians_.count(ours) || !medians_.count(standard)) return;
    const double a = medians_[ours], b = medians_[standard];
    std::printf("%-20s %8.2f  %-21s %8.2f %7.2f\n", ours.c_str(), a, standard.c_str(), b, a / b);
  }
  std::map<std::string, double> medians_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
