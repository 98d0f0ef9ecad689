// The equinox chart: for the years of the vernal equinox window's last run,
// the instant of the March equinox as a day of March, the Gregorian date at
// London and the Dee date at the chosen meridian, with the Dee version's
// expected day as a band and the years whose Dee equinox misses it marked.
// The drawing (chvChart, one QChartView or several) comes from the chart and printing
// plugin (ui_services/ChartAndPrint.h).
#pragma once

#include <QPushButton>
#include <QWidget>

#include "core/EquinoxChart.h"
#include "reports/ReportHost.h"
#include "ui_services/ChartAndPrint.h"

namespace orv {

class frmEquinoxChart : public QWidget {
  Q_OBJECT

 public:
  frmEquinoxChart(ChartAndPrint& plugin, ReportHost& host, QWidget* parent);

  QWidget* chvChart;
  QPushButton* cmdSaveChart;
  QPushButton* cmdPrintChart;
  QPushButton* cmdClose;
  QString file_name = QStringLiteral("equinox-chart.png");  // suggested when saving

  // Draws the years first_year, first_year + 1 ... of the run (at most 800).
  void ShowRun(const VernalEquinoxRun& run, int32_t first_year, int years);
  // Draws a chart made elsewhere (the reform comparison's).
  void ShowChart(const EquinoxChart& chart);
  // PNG, or SVG when the name ends in .svg; false when not saved.
  bool SaveChart(const QString& path);
  void cmdSaveChart_Click();
  void cmdPrintChart_Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  EquinoxChartView* view;
};

}  // namespace orv
