// The reform comparison: for a run of years (up to all 4000 at once) from the
// year typed in the window (the main window's input year at first), the March
// equinox in every solar calendar of the table at the meridian and in the
// solar time chosen in the vernal equinox window, and how well each calendar
// keeps it (core/ReformComparison.h), with the calendar definitions ticked in
// the proposals window (Proposals) as columns after the table's. The text, the rows saved as CSV,
// the printout and the chart always hold the same runs: those since the box was last cleared.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <vector>

#include "core/ReformComparison.h"
#include "reports/ReportWindow.h"
#include "reports/frmEquinoxChart.h"
#include "reports/frmProposals.h"

namespace orv {

class frmReformComparison : public ReportWindow {
  Q_OBJECT

 public:
  // `settings` gives the meridian and time kind of the vernal equinox window.
  frmReformComparison(ReportHost& host, std::function<VernalEquinoxRun()> settings,
                      QWidget* parent);

  QLabel* lblYears1;
  QLineEdit* txbCompareYears;
  QLabel* lblYears2;
  QLineEdit* txbCompareFrom;
  QLabel* lblYears3;
  QPushButton* cmdChart;
  QPushButton* cmdProposals;

  void cmdDoIt_Click() override;
  void cmdChart_Click();
  frmEquinoxChart* ChartWindow() const { return chart_window; }
  // The calendar definitions, those ticked compared in the next runs.
  void cmdProposals_Click();
  frmProposals* ProposalsWindow() const { return proposals_window; }

 protected:
  void ClearOutput() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The window's title, the meridians and times of the runs, the column header.
  QString PrintHeader() const override;

 private:
  std::function<VernalEquinoxRun()> settings_;
  std::vector<ComparisonRun> runs_;  // those in the box, in the order run
  frmEquinoxChart* chart_window = nullptr;
  frmProposals* proposals_window = nullptr;
  // The runs as the chart and the printout's header show them: with the
  // definitions of the last run.
  std::vector<ComparisonRun> RunsAsLast() const;
};

}  // namespace orv
