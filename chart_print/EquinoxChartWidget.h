// The equinox chart drawn with Qt Charts: the view inside the chart window.
#pragma once

#include <QtCharts/QChartView>

#include "ui_services/ChartAndPrint.h"

namespace orv {

class EquinoxChartWidget final : public QChartView, public EquinoxChartView {
 public:
  explicit EquinoxChartWidget(QWidget* parent);

  QWidget* Widget() override { return this; }
  // The Gregorian dates as a line, the Dee dates as points, those off the
  // expected day again in red, over the expected day as a band; or the
  // chart's lines, one series each.
  void Show(const EquinoxChart& shown) override;
  bool Save(const QString& path) override;

 private:
  // The axes, title and legend, and the chart into the view.
  void Finish(QChart* chart, const EquinoxChart& shown, const QString& y_title);
};

}  // namespace orv
