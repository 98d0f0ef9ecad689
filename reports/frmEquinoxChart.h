// The equinox chart: for the years of the vernal equinox window's last run,
// the instant of the March equinox as a day of March, the Gregorian date at
// London and the Dee date at the chosen meridian, with the Dee version's
// expected day as a band and the years whose Dee equinox misses it marked.
#pragma once

#include <QPushButton>
#include <QWidget>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>

#include "core/ReportBuilders.h"
#include "reports/ReportHost.h"

namespace orv {

// The ticks of the year axis: whole years that carry points, every year of
// a short run and a round step (1, 2, 5, 10, 20, 50, 100 ... years) for a
// long one, at most kMostYearTicks of them; the first on a multiple of the step.
inline constexpr int kMostYearTicks = 12;
struct YearTicks {
  int32_t first;
  int32_t step;
};
YearTicks YearAxisTicks(int32_t first_year, int32_t last_year);

class frmEquinoxChart : public QWidget {
  Q_OBJECT

 public:
  frmEquinoxChart(ReportHost& host, QWidget* parent);

  QChartView* chvChart;
  QPushButton* cmdSaveChart;
  QPushButton* cmdClose;
  // The series, for the curious (and tests): x the year, y the day of March.
  QLineSeries* london_series = nullptr;
  QScatterSeries* meridian_series = nullptr;
  QScatterSeries* missed_series = nullptr;

  // Draws the years first_year, first_year + 1 ... of the run (at most 800).
  void ShowRun(const VernalEquinoxRun& run, int32_t first_year, int years);
  // PNG, or SVG when the name ends in .svg; false when not saved.
  bool SaveChart(const QString& path);
  void cmdSaveChart_Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace orv
