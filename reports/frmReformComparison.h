// The reform comparison: from the year of the main window's input, the March
// equinox in every solar calendar of the table at the meridian and in the
// solar time chosen in the vernal equinox window, and how well each calendar
// keeps it (core/ReformComparison.h); Chart draws each calendar's offsets
// over the years of the runs since the last Clear.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <functional>

#include "core/ReformComparison.h"
#include "reports/ReportWindow.h"
#include "reports/frmEquinoxChart.h"

namespace orv {

class frmReformComparison : public ReportWindow {
  Q_OBJECT

 public:
  // `settings` gives the meridian and time kind of the vernal equinox window.
  frmReformComparison(ReportHost& host, std::function<VernalEquinoxRun()> settings,
                      QWidget* parent);

  QLabel* lblYears1;
  QLineEdit* txbNumYears;
  QLabel* lblYears2;
  QPushButton* cmdChart;

  void cmdDoIt_Click() override;
  void cmdClear_Click() override;
  void cmdChart_Click();
  frmEquinoxChart* ChartWindow() const { return chart_window; }

 private:
  std::function<VernalEquinoxRun()> settings_;
  // The years the chart draws: those of the runs since the last Clear, at
  // the last run's meridian and time.
  std::optional<ComparisonRun> charted_;
  frmEquinoxChart* chart_window = nullptr;
};

}  // namespace orv
