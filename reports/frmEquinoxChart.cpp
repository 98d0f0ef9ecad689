#include "reports/frmEquinoxChart.h"

#include <QKeyEvent>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QValueAxis>
#include <cmath>

#include "core/StrProc.h"
#include "ui_services/Geometry.h"
#include "ui_services/MessageBox.h"
#include "ui_services/SaveAndPrint.h"

namespace orv {

YearTicks YearAxisTicks(int32_t first_year, int32_t last_year) {
  const int64_t years = int64_t{last_year} - first_year + 1;
  int32_t step = 1;
  for (int32_t decade = 1;; decade *= 10) {
    step = decade;
    if ((years + step - 1) / step <= kMostYearTicks) break;
    step = 2 * decade;
    if ((years + step - 1) / step <= kMostYearTicks) break;
    step = 5 * decade;
    if ((years + step - 1) / step <= kMostYearTicks) break;
  }
  // The first multiple of the step from the first year on (years may be 0 or less).
  const int32_t remainder = ((first_year % step) + step) % step;
  return {remainder == 0 ? first_year : first_year + step - remainder, step};
}

frmEquinoxChart::frmEquinoxChart(ReportHost& host, QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frmEquinoxChart"));
  setWindowTitle(QStringLiteral("Equinox chart"));
  setWindowIcon(host.HostWindow()->windowIcon());
  chvChart = new QChartView(this);
  chvChart->setObjectName("chvChart");
  chvChart->setRenderHint(QPainter::Antialiasing);
  chvChart->setAccessibleName(QStringLiteral("Equinox chart"));
  cmdSaveChart = new QPushButton(QStringLiteral("Save chart\u2026"), this);
  cmdSaveChart->setObjectName("cmdSaveChart");
  cmdClose = new QPushButton(QStringLiteral("Close"), this);
  cmdClose->setObjectName("cmdClose");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdSaveChart);
  buttons->addStretch();
  buttons->addWidget(cmdClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(chvChart);
  layout->addLayout(buttons);
  resize(TwipsSize(13000, 8500));
  connect(cmdSaveChart, &QPushButton::clicked, this, &frmEquinoxChart::cmdSaveChart_Click);
  connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
}

void frmEquinoxChart::ShowRun(const VernalEquinoxRun& run, int32_t first_year, int years) {
  auto* chart = new QChart;
  london_series = new QLineSeries;
  london_series->setName(QStringLiteral("Gregorian, London"));
  london_series->setColor(QColor(30, 90, 200));
  meridian_series = new QScatterSeries;
  meridian_series->setName(
      QStringLiteral("%1, %2").arg(QStringOf(run.dee.name), run.longitude_label));
  meridian_series->setColor(QColor(235, 140, 0));
  meridian_series->setBorderColor(QColor(150, 80, 0));
  meridian_series->setMarkerSize(years > 200 ? 4 : 7);
  missed_series = new QScatterSeries;
  missed_series->setName(QStringLiteral("%1 off its day").arg(QStringOf(run.dee.name)));
  missed_series->setColor(QColor(220, 0, 0));
  missed_series->setBorderColor(QColor(120, 0, 0));
  missed_series->setMarkerSize(years > 200 ? 6 : 10);

  double low = 1e9;
  double high = -1e9;
  int32_t last_year = first_year;
  for (int i = 0; i < years && IsEquinoxYear(first_year + i); ++i) {
    const VernalEquinoxRow row = VernalEquinoxFor(first_year + i, run);
    london_series->append(row.year, row.london_day_of_march);
    meridian_series->append(row.year, row.meridian_day_of_march);
    if (row.missed) missed_series->append(row.year, row.meridian_day_of_march);
    low = std::min({low, row.london_day_of_march, row.meridian_day_of_march});
    high = std::max({high, row.london_day_of_march, row.meridian_day_of_march});
    last_year = row.year;
  }
  // The expected day: from its midnight to the next.
  const int expected = run.dee == kDeeCecilVersion ? 20 : 21;
  // The band's edges belong to the chart (the band does not own them).
  auto* day_start = new QLineSeries(chart);
  auto* day_end = new QLineSeries(chart);
  for (const double x : {first_year - 0.5, last_year + 0.5}) {
    day_start->append(x, expected);
    day_end->append(x, expected + 1);
  }
  auto* band = new QAreaSeries(day_end, day_start);
  band->setName(QStringLiteral("Expected day, March %1").arg(expected));
  band->setColor(QColor(0, 170, 0, 50));
  band->setBorderColor(QColor(0, 130, 0));
  for (QAbstractSeries* series : std::initializer_list<QAbstractSeries*>{
           band, london_series, meridian_series, missed_series}) {
    chart->addSeries(series);
  }

  auto* x_axis = new QValueAxis;
  x_axis->setTitleText(QStringLiteral("Year"));
  // Half a year of room either side, ticks and labels on whole years only.
  const YearTicks ticks = YearAxisTicks(first_year, last_year);
  x_axis->setLabelFormat(QStringLiteral("%.0f"));
  x_axis->setRange(first_year - 0.5, last_year + 0.5);
  x_axis->setTickType(QValueAxis::TicksDynamic);
  x_axis->setTickAnchor(ticks.first);
  x_axis->setTickInterval(ticks.step);
  x_axis->setMinorTickCount(0);
  auto* y_axis = new QValueAxis;
  y_axis->setTitleText(QStringLiteral("Day of March (fraction: time of day)"));
  y_axis->setLabelFormat(QStringLiteral("%.0f"));
  // A day either side of the expected one at least, so the band reads as a band.
  const double bottom = std::floor(std::min(low, expected - 1.0));
  const double top = std::ceil(std::max(high, expected + 2.0));
  y_axis->setRange(bottom, top);
  y_axis->setTickCount(static_cast<int>(top - bottom) + 1);
  chart->addAxis(x_axis, Qt::AlignBottom);
  chart->addAxis(y_axis, Qt::AlignLeft);
  for (QAbstractSeries* series : chart->series()) {
    series->attachAxis(x_axis);
    series->attachAxis(y_axis);
  }
  chart->setTitle(QStringLiteral("March equinoxes %1\u2013%2: %3 of %4 %5 dates off March %6 "
                                 "(%7, %8 solar time)")
                      .arg(first_year)
                      .arg(last_year)
                      .arg(missed_series->count())
                      .arg(london_series->count())
                      .arg(QStringOf(run.dee.name))
                      .arg(expected)
                      .arg(run.longitude_label, run.apparent_time ? QStringLiteral("apparent")
                                                                  : QStringLiteral("mean")));
  chart->legend()->setAlignment(Qt::AlignBottom);
  chvChart->setAccessibleDescription(chart->title());  // what the picture says, in words
  QChart* old = chvChart->chart();
  chvChart->setChart(chart);
  delete old;
}

bool frmEquinoxChart::SaveChart(const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(chvChart->size());
    svg.setViewBox(QRect(QPoint(0, 0), chvChart->size()));
    svg.setTitle(chvChart->chart()->title());
    QPainter painter(&svg);
    chvChart->render(&painter);
  } else if (!chvChart->grab().save(&file, "PNG")) {
    return false;
  }
  return file.commit();
}

void frmEquinoxChart::cmdSaveChart_Click() {
  const QString path = ChooseSaveFile(this, QStringLiteral("equinox-chart.png"),
                                      QStringLiteral("PNG picture (*.png);;SVG drawing (*.svg)"));
  if (path.isEmpty() || SaveChart(path)) return;
  ShowMessageBox({QStringLiteral("The chart could not be saved:\r\n") + path,
                  MessageStyle::kExclamation, MessageButtons::kOk, QStringLiteral("Save")},
                 this);
}

void frmEquinoxChart::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    hide();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace orv
