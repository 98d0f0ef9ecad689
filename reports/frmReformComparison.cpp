#include "reports/frmReformComparison.h"

#include "reports/ReportRuns.h"
#include "ui_services/Geometry.h"

namespace orv {

frmReformComparison::frmReformComparison(ReportHost& owner,
                                         std::function<VernalEquinoxRun()> settings,
                                         QWidget* parent)
    : ReportWindow(owner, QStringLiteral("Compare calendars"), parent),
      settings_(std::move(settings)) {
  setObjectName(QStringLiteral("frmReformComparison"));
  lblYears1 = new QLabel(QStringLiteral("Compare the calendars for"), this);
  lblYears1->setObjectName("lblYears1");
  lblYears1->setGeometry(TwipsRect(240, 300, 2300, 300));
  txbNumYears = new QLineEdit(QStringLiteral("12"), this);
  txbNumYears->setObjectName("txbNumYears");
  txbNumYears->setGeometry(TwipsRect(2550, 260, 600, 340));
  lblYears2 = new QLabel(
      QStringLiteral("years from the year of the input date, at the vernal equinox window's "
                     "meridian and time."),
      this);
  lblYears2->setObjectName("lblYears2");
  lblYears2->setGeometry(TwipsRect(3250, 300, 8000, 300));
  cmdDoIt->setGeometry(TwipsRect(11500, 220, 1500, 420));
  txbOutput->setGeometry(TwipsRect(240, 840, 12760, 5700));
  cmdCopyToClipboard->setGeometry(TwipsRect(240, 6780, intNarrowWidth, 420));
  cmdClear->setGeometry(TwipsRect(7000, 6780, 1500, 420));
  cmdClose->setGeometry(TwipsRect(11500, 6780, 1500, 420));
  cmdSave->setGeometry(TwipsRect(240, 7320, 1500, 420));
  cmdPrint->setGeometry(TwipsRect(1900, 7320, 1500, 420));
  cmdChart = new QPushButton(QStringLiteral("Chart"), this);
  cmdChart->setObjectName("cmdChart");
  cmdChart->setGeometry(TwipsRect(3560, 7320, 1500, 420));
  cmdChart->setEnabled(false);  // until a run has rows to draw
  connect(cmdChart, &QPushButton::clicked, this, &frmReformComparison::cmdChart_Click);
  setFixedSize(TwipsSize(13240, 8040));
  file_name = QStringLiteral("reform-comparison.txt");
  txbNumYears->setAccessibleName(lblYears1->text() + " ... " + lblYears2->text());
  txbOutput->setAccessibleName(windowTitle());
  FinishLoad(txbNumYears);
}

void frmReformComparison::cmdDoIt_Click() {
  const int years = ReadCount(QStringLiteral("Too many years"));
  if (years == 0 || !host.ReadInputDay()) return;
  const int32_t year = host.GetYear();
  if (!IsEquinoxYear(year)) {
    ShowMessage(MessageOf(Notice{NoticeKind::kEquinoxYearOutOfRange}));
    return;
  }
  if (!ClearIfFullAndAgreed()) return;
  const ComparisonRun run = ComparisonAt(settings_(), year, years);
  const ReformComparison comparison = CompareReforms(run);
  const ReportOutput output = BuildReformComparison(run, comparison, BoxState());
  AppendOutput(output);
  if (output.rows > 0) {
    charted_ = ChartedRuns(charted_, run, output.rows);
    cmdChart->setEnabled(true);
  }
  ShowMessage(output.message);
  CaretToEnd();
}

void frmReformComparison::cmdClear_Click() {
  ReportWindow::cmdClear_Click();
  charted_.reset();  // nothing to draw until the next run
  cmdChart->setEnabled(false);
}

void frmReformComparison::cmdChart_Click() {
  if (!charted_) return;
  if (chart_window == nullptr) {
    ChartAndPrint* plugin = LoadChartAndPrint(this, QStringLiteral("Chart"));
    if (plugin == nullptr) return;  // the user has been told
    chart_window = new frmEquinoxChart(*plugin, host, this);
    chart_window->setObjectName(QStringLiteral("frmComparisonChart"));
    chart_window->setWindowTitle(QStringLiteral("Comparison chart"));
  }
  chart_window->ShowChart(ComparisonChart(*charted_, CompareReforms(*charted_)));
  chart_window->show();
  chart_window->raise();
  chart_window->activateWindow();
}

}  // namespace orv
