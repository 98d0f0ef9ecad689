#include "chart_print/EquinoxChartWidget.h"

#include <QPainter>
#include <QPen>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>

namespace orv {
namespace {

QScatterSeries* Scatter(const QString& name, const QColor& fill, const QColor& border,
                        qreal marker_size, const QList<QPointF>& points) {
  auto* series = new QScatterSeries;
  series->setName(name);
  series->setColor(fill);
  series->setBorderColor(border);
  series->setMarkerSize(marker_size);
  series->append(points);
  return series;
}

}  // namespace

EquinoxChartWidget::EquinoxChartWidget(QWidget* parent) : QChartView(parent) {
  setRenderHint(QPainter::Antialiasing);
}

void EquinoxChartWidget::Show(const EquinoxChart& shown) {
  auto* chart = new QChart;
  if (!shown.lines.isEmpty()) {
    // A colour a line, told apart also where colours are hard to tell.
    static const QColor kColours[] = {
        QColor(31, 119, 180), QColor(44, 160, 44),  QColor(255, 127, 14), QColor(148, 103, 189),
        QColor(214, 39, 40),  QColor(23, 190, 207), QColor(127, 127, 127)};
    int index = 0;
    for (const EquinoxChart::Line& line : shown.lines) {
      auto* series = new QLineSeries;
      series->setName(line.name);
      QPen pen(kColours[index % std::size(kColours)]);
      pen.setWidthF(1.5);
      if (index >= 4) pen.setStyle(Qt::DashLine);
      series->setPen(pen);
      series->append(line.points);
      chart->addSeries(series);
      ++index;
    }
    Finish(chart, shown, shown.y_title);
    return;
  }
  auto* london = new QLineSeries;
  london->setName(shown.london_name);
  london->setColor(QColor(30, 90, 200));
  london->append(shown.london);
  auto* meridian = Scatter(shown.meridian_name, QColor(235, 140, 0), QColor(150, 80, 0),
                           shown.many_years ? 4 : 7, shown.meridian);
  auto* missed = Scatter(shown.missed_name, QColor(220, 0, 0), QColor(120, 0, 0),
                         shown.many_years ? 6 : 10, shown.missed);

  // The band's edges belong to the chart (the band does not own them).
  auto* day_start = new QLineSeries(chart);
  auto* day_end = new QLineSeries(chart);
  for (const double x : {shown.first_year - 0.5, shown.last_year + 0.5}) {
    day_start->append(x, shown.expected_day);
    day_end->append(x, shown.expected_day + 1);
  }
  auto* band = new QAreaSeries(day_end, day_start);
  band->setName(shown.band_name);
  band->setColor(QColor(0, 170, 0, 50));
  band->setBorderColor(QColor(0, 130, 0));
  for (QAbstractSeries* series :
       std::initializer_list<QAbstractSeries*>{band, london, meridian, missed}) {
    chart->addSeries(series);
  }
  Finish(chart, shown, QStringLiteral("Day of March (fraction: time of day)"));
}

void EquinoxChartWidget::Finish(QChart* chart, const EquinoxChart& shown, const QString& y_title) {
  auto* x_axis = new QValueAxis;
  x_axis->setTitleText(QStringLiteral("Year"));
  x_axis->setLabelFormat(QStringLiteral("%.0f"));
  x_axis->setRange(shown.first_year - 0.5, shown.last_year + 0.5);
  x_axis->setTickType(QValueAxis::TicksDynamic);
  x_axis->setTickAnchor(shown.year_ticks.first);
  x_axis->setTickInterval(shown.year_ticks.step);
  x_axis->setMinorTickCount(0);
  auto* y_axis = new QValueAxis;
  y_axis->setTitleText(y_title);
  y_axis->setLabelFormat(QStringLiteral("%.0f"));
  y_axis->setRange(shown.bottom_day, shown.top_day);
  y_axis->setTickCount(std::min(static_cast<int>(shown.top_day - shown.bottom_day) + 1, 11));
  chart->addAxis(x_axis, Qt::AlignBottom);
  chart->addAxis(y_axis, Qt::AlignLeft);
  for (QAbstractSeries* series : chart->series()) {
    series->attachAxis(x_axis);
    series->attachAxis(y_axis);
  }
  chart->setTitle(shown.title);
  chart->legend()->setAlignment(Qt::AlignBottom);
  setAccessibleDescription(shown.title);  // what the picture says, in words
  QChart* old = this->chart();
  setChart(chart);
  delete old;
}

bool EquinoxChartWidget::Save(const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size());
    svg.setViewBox(QRect(QPoint(0, 0), size()));
    svg.setTitle(chart()->title());
    QPainter painter(&svg);
    render(&painter);
  } else if (!grab().save(&file, "PNG")) {
    return false;
  }
  return file.commit();
}

}  // namespace orv
