// The equinox chart drawn with Qt Charts: the view inside the chart window,
// one chart, or for a chart of panels one chart a panel, stacked.
#pragma once

#include <QList>
#include <QVBoxLayout>
#include <QWidget>
#include <QtCharts/QChartView>

#include "ui_services/ChartAndPrint.h"

namespace orv {

// The print dialog, or the chooser when one is set: whether to print.
bool ChoosePrinter(QPrinter& printer, QWidget* parent, const QString& title,
                   const PrinterChooser& chooser);

class EquinoxChartWidget final : public QWidget, public EquinoxChartView {
 public:
  explicit EquinoxChartWidget(QWidget* parent);

  QWidget* Widget() override { return this; }
  // The Gregorian dates as a line, the Dee dates as points, those off the
  // expected day again in red, over the expected day as a band; or the
  // chart's panels, a series a line.
  void Show(const EquinoxChart& shown) override;
  bool Save(const QString& path) override;
  bool Print(const QString& title, const PrinterChooser& chooser) override;

 private:
  // The axes, title and legend, and the chart into a view of its own.
  void Finish(QChart* chart, const EquinoxChart& shown, const QString& y_title,
              const ValueTicks* ticks);

  QVBoxLayout* layout_;
  QList<QChartView*> views_;
};

}  // namespace orv
