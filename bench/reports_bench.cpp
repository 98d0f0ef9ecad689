// The two reports at their largest (800 rows): the text builders alone, and a
// whole run through the real window (offscreen), appending to its text box
// and back in the event loop until the window is laid out and painted again.
// Target: each whole run, window included, under 50 ms.
//
//   cmake --preset release && cmake --build --preset release
//   build/release/bench/reports_bench --benchmark_repetitions=5
//       --benchmark_report_aggregates_only=true   (one line)
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "astronomy/SolEq.h"
#include "calendar/Dee.h"
#include "main_window/frmMain.h"
#include "reports/ReportRuns.h"
#include "reports/frmDateSequence.h"
#include "reports/frmVernalEquinoxes.h"
#include "ui_services/MessageBox.h"

namespace {

using namespace orv;

void BuildDateSequence800(benchmark::State& state) {
  DateSequenceRun run;
  run.first_jdn = 2451545;
  run.days = 800;
  run.dee = kDeeCecilVersion;
  for (auto _ : state) benchmark::DoNotOptimize(BuildDateSequence(run));
}

void BuildVernalEquinoxTable800(benchmark::State& state) {
  InitEquinoxTerms();
  VernalEquinoxRun run;
  run.first_year = 1200;
  run.years = 800;
  run.longitude_label = "77d0m W";
  run.dee = kDeeCecilVersion;
  ReportBox box;
  box.capacity = 1 << 30;  // every row, whatever the box holds
  for (auto _ : state) benchmark::DoNotOptimize(BuildVernalEquinoxTable(run, box));
}

// Back to the event loop: the posted layout and paint requests are handled
// and the window painted, as the user would see it.
void Repainted(QWidget& window) {
  QCoreApplication::processEvents();
  window.repaint();
}

// A main window with 1 January 2000 typed in, as a person would leave it.
struct Program {
  QTemporaryDir settings;
  MessageBoxRecorder messages;
  frmMain main;
  Program() {
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    main.Form_Load();
    main.Timer1->stop();
    main.optInputDateWithAYN->click();
    main.cboCalendar[1]->setCurrentIndex(CalendarByCode(kGregorianCode)->saved_index);
    main.txbYearCEJC->setText("1200-01-01 CE");
    main.Timer1_Timer();
  }
};

void DateSequenceWindowRun800(benchmark::State& state) {
  Program program;
  program.main.cmdDateSequence_Click();
  frmDateSequence* window = program.main.DateSequenceWindow();
  window->txbNumDays->setText("800");
  for (auto _ : state) {
    window->cmdClear_Click();
    window->cmdDoIt_Click();
    Repainted(*window);
  }
  state.counters["characters"] =
      static_cast<double>(window->txbOutput->document()->characterCount());
}

void VernalEquinoxWindowRun800(benchmark::State& state) {
  Program program;
  program.main.cmdQLsoftware_Click();
  frmVernalEquinoxes* window = program.main.VernalEquinoxWindow();
  window->txbNumYears->setText("800");
  for (auto _ : state) {
    window->cmdClear_Click();
    window->cmdDoIt_Click();  // stops at the box's capacity, as in use
    Repainted(*window);
  }
  state.counters["characters"] =
      static_cast<double>(window->txbOutput->document()->characterCount());
}

BENCHMARK(BuildDateSequence800)->Unit(benchmark::kMillisecond);
BENCHMARK(BuildVernalEquinoxTable800)->Unit(benchmark::kMillisecond);
BENCHMARK(DateSequenceWindowRun800)->Unit(benchmark::kMillisecond);
BENCHMARK(VernalEquinoxWindowRun800)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
