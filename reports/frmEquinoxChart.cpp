#include "reports/frmEquinoxChart.h"

#include <QKeyEvent>
#include <QVBoxLayout>

#include "ui_services/Geometry.h"
#include "ui_services/MessageBox.h"
#include "ui_services/SaveAndPrint.h"
#include "ui_services/WindowPlacement.h"

namespace orv {

frmEquinoxChart::frmEquinoxChart(ChartAndPrint& plugin, ReportHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), view(plugin.NewEquinoxChartView(this)) {
  setObjectName(QStringLiteral("frmEquinoxChart"));
  setWindowTitle(QStringLiteral("Equinox chart"));
  setWindowIcon(host.HostWindow()->windowIcon());
  chvChart = view->Widget();
  chvChart->setObjectName("chvChart");
  chvChart->setAccessibleName(QStringLiteral("Equinox chart"));
  cmdSaveChart = new QPushButton(QStringLiteral("Save chart\u2026"), this);
  cmdSaveChart->setObjectName("cmdSaveChart");
  cmdPrintChart = new QPushButton(kPrintCaption, this);
  cmdPrintChart->setObjectName("cmdPrintChart");
  cmdClose = new QPushButton(QStringLiteral("Close"), this);
  cmdClose->setObjectName("cmdClose");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdSaveChart);
  buttons->addWidget(cmdPrintChart);
  buttons->addStretch();
  buttons->addWidget(cmdClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(chvChart);
  layout->addLayout(buttons);
  resize(TwipsSize(13000, 8500));
  if (parent != nullptr) PlaceOverOwner(*this, *parent);
  connect(cmdSaveChart, &QPushButton::clicked, this, &frmEquinoxChart::cmdSaveChart_Click);
  connect(cmdPrintChart, &QPushButton::clicked, this, &frmEquinoxChart::cmdPrintChart_Click);
  connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
}

void frmEquinoxChart::ShowRun(const VernalEquinoxRun& run, int32_t first_year, int years) {
  view->Show(EquinoxChartFor(run, first_year, years));
}

void frmEquinoxChart::ShowChart(const EquinoxChart& chart) { view->Show(chart); }

bool frmEquinoxChart::SaveChart(const QString& path) { return view->Save(path); }

void frmEquinoxChart::cmdSaveChart_Click() {
  const QString path =
      ChooseSaveFile(this, file_name, QStringLiteral("PNG picture (*.png);;SVG drawing (*.svg)"));
  if (path.isEmpty() || SaveChart(path)) return;
  ShowMessageBox({QStringLiteral("The chart could not be saved:\r\n") + path,
                  MessageStyle::kExclamation, MessageButtons::kOk, QStringLiteral("Save")},
                 this);
}

void frmEquinoxChart::cmdPrintChart_Click() { PrintChart(*view, windowTitle()); }

void frmEquinoxChart::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    hide();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace orv
