#include "chart_print/EquinoxChartWidget.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QLegendMarker>
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

bool ChoosePrinter(QPrinter& printer, QWidget* parent, const QString& title,
                   const PrinterChooser& chooser) {
  printer.setDocName(title);
  if (chooser) return chooser(printer);
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Print ") + title);
  return dialog.exec() == QDialog::Accepted;
}

EquinoxChartWidget::EquinoxChartWidget(QWidget* parent)
    : QWidget(parent), layout_(new QVBoxLayout(this)) {
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->setSpacing(0);
}

void EquinoxChartWidget::Show(const EquinoxChart& shown) {
  for (QChartView* view : views_) delete view;
  views_.clear();
  if (!shown.panels.isEmpty()) {
    // A colour a calendar, and a dash for the later ones, so that lines are
    // told apart also where colours are hard to tell.
    static const QColor kColours[] = {
        QColor(31, 119, 180), QColor(44, 160, 44),  QColor(255, 127, 14), QColor(148, 103, 189),
        QColor(214, 39, 40),  QColor(23, 190, 207), QColor(127, 127, 127)};
    for (const EquinoxChart::Panel& panel : shown.panels) {
      auto* chart = new QChart;
      QList<QLegendMarker*> hidden;
      // A thin line at 0, the most common date.
      auto* zero = new QLineSeries;
      zero->setPen(QPen(QColor(90, 90, 90), 0.8));
      zero->append(shown.first_year - 0.5, 0);
      zero->append(shown.last_year + 0.5, 0);
      chart->addSeries(zero);
      hidden += chart->legend()->markers(zero);
      for (const EquinoxChart::Line& line : panel.lines) {
        // Thin and a little transparent, so that a line under another shows.
        QColor colour = kColours[line.colour % std::size(kColours)];
        colour.setAlpha(shown.many_years ? 190 : 255);
        QPen pen(colour);
        pen.setWidthF(shown.many_years ? 1.0 : 1.5);
        if (line.colour >= 4) pen.setStyle(Qt::DashLine);
        // A series for each stretch of consecutive years; the legend names
        // the first.
        QLineSeries* series = nullptr;
        for (qsizetype i = 0; i < line.points.size(); ++i) {
          if (series == nullptr || line.points[i].x() - line.points[i - 1].x() > 1.5) {
            const bool later = series != nullptr;
            series = new QLineSeries;
            series->setName(line.name);
            series->setPen(pen);
            chart->addSeries(series);
            if (later) hidden += chart->legend()->markers(series);
          }
          series->append(line.points[i]);
        }
      }
      for (QLegendMarker* marker : hidden) marker->setVisible(false);
      Finish(chart, shown, panel.y_title, &panel.ticks);
    }
    // Only the top chart carries the title, only the bottom one the years' title.
    for (qsizetype i = 1; i < views_.size(); ++i) views_[i]->chart()->setTitle({});
    return;
  }
  auto* chart = new QChart;
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
  Finish(chart, shown, QStringLiteral("Day of March (fraction: time of day)"), nullptr);
}

void EquinoxChartWidget::Finish(QChart* chart, const EquinoxChart& shown, const QString& y_title,
                                const ValueTicks* ticks) {
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
  if (ticks != nullptr) {
    // Round ticks through 0.
    y_axis->setRange(ticks->bottom, ticks->top);
    y_axis->setTickType(QValueAxis::TicksDynamic);
    y_axis->setTickAnchor(0);
    y_axis->setTickInterval(ticks->step);
    y_axis->setMinorTickCount(0);
  } else {
    y_axis->setRange(shown.bottom_day, shown.top_day);
    y_axis->setTickCount(std::min(static_cast<int>(shown.top_day - shown.bottom_day) + 1, 11));
  }
  chart->addAxis(x_axis, Qt::AlignBottom);
  chart->addAxis(y_axis, Qt::AlignLeft);
  for (QAbstractSeries* series : chart->series()) {
    series->attachAxis(x_axis);
    series->attachAxis(y_axis);
  }
  chart->setTitle(shown.title);
  chart->legend()->setAlignment(Qt::AlignBottom);
  setAccessibleDescription(shown.title);  // what the picture says, in words
  if (!views_.isEmpty()) views_.back()->chart()->axes(Qt::Horizontal)[0]->setTitleVisible(false);
  auto* view = new QChartView(chart, this);
  view->setRenderHint(QPainter::Antialiasing);
  view->setObjectName(QStringLiteral("chvPanel_%1").arg(views_.size()));
  view->setAccessibleName(y_title);
  view->setAccessibleDescription(shown.title);
  // The calendars that keep their date, below, get the more room: their
  // lines lie closer together.
  layout_->addWidget(view, views_.isEmpty() ? 2 : 3);
  views_.append(view);
}

bool EquinoxChartWidget::Print(const QString& title, const PrinterChooser& chooser) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  if (!ChoosePrinter(printer, this, title, chooser)) return false;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  // As a picture three times the screen's resolution: drawn line by line
  // for the printer, thousands of points take minutes.
  constexpr int kSharper = 3;
  QImage picture(size() * kSharper, QImage::Format_ARGB32_Premultiplied);
  picture.setDevicePixelRatio(kSharper);
  picture.fill(Qt::white);
  {
    QPainter on_picture(&picture);
    render(&on_picture);
  }
  const QRect page = painter.viewport();
  const QSize fitted = size().scaled(page.size(), Qt::KeepAspectRatio);
  painter.drawImage(QRect(QPoint(0, 0), fitted), picture);
  return painter.end();
}

bool EquinoxChartWidget::Save(const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size());
    svg.setViewBox(QRect(QPoint(0, 0), size()));
    svg.setTitle(accessibleDescription());
    QPainter painter(&svg);
    render(&painter);
  } else if (!grab().save(&file, "PNG")) {
    return false;
  }
  return file.commit();
}

}  // namespace orv
