#include "reports/frmReformComparison.h"

#include <QStringList>

#include "reports/ReportRuns.h"
#include "ui_services/Geometry.h"
#include "ui_services/MakeControl.h"
#include "ui_services/TextBox.h"

namespace orv {
namespace {

// The meridians and times of the runs, each once, in the order first run.
QString PlacesOf(const std::vector<ComparisonRun>& runs) {
  QStringList places;
  for (const ComparisonRun& run : runs) {
    if (!places.contains(ComparisonPlace(run))) places << ComparisonPlace(run);
  }
  return places.join(QStringLiteral("; "));
}

}  // namespace

frmReformComparison::frmReformComparison(ReportHost& owner,
                                         std::function<VernalEquinoxRun()> settings,
                                         QWidget* parent)
    : ReportWindow(owner, QStringLiteral("Compare calendars"), parent),
      settings_(std::move(settings)) {
  setObjectName(QStringLiteral("frmReformComparison"));
  // Each box takes a year of the table or a count of them: four digits.
  const auto year_box = [this](const QString& name, const QString& text, const QRect& rect) {
    auto* made = MakeWithText<QLineEdit>(this, name, text, rect);
    made->setMaxLength(4);
    return made;
  };
  lblYears1 =
      MakeLabel(this, "lblYears1", "Compare the calendars for", TwipsRect(240, 300, 2300, 300));
  txbCompareYears = year_box("txbCompareYears", "800", TwipsRect(2550, 260, 700, 340));
  lblYears2 = MakeLabel(this, "lblYears2", "years from the year", TwipsRect(3350, 300, 1700, 300));
  txbCompareFrom =
      year_box("txbCompareFrom", QString::number(owner.GetYear()), TwipsRect(5050, 260, 700, 340));
  lblYears3 = MakeLabel(this, "lblYears3", "at the vernal equinox window's meridian and time.",
                        TwipsRect(5850, 300, 5500, 300));
  cmdDoIt->setGeometry(TwipsRect(11500, 220, 1500, 420));
  txbOutput->setGeometry(TwipsRect(240, 840, 12760, 5700));
  cmdCopyToClipboard->setGeometry(TwipsRect(240, 6780, intNarrowWidth, 420));
  cmdClear->setGeometry(TwipsRect(7000, 6780, 1500, 420));
  cmdClose->setGeometry(TwipsRect(11500, 6780, 1500, 420));
  cmdSave->setGeometry(TwipsRect(240, 7320, 1500, 420));
  cmdPrint->setGeometry(TwipsRect(1900, 7320, 1500, 420));
  cmdChart = MakeButton(this, "cmdChart", "Chart", TwipsRect(3560, 7320, 1500, 420));
  cmdChart->setEnabled(false);  // until a run has rows to draw
  connect(cmdChart, &QPushButton::clicked, this, &frmReformComparison::cmdChart_Click);
  cmdProposals = MakeButton(this, "cmdProposals", "Proposals", TwipsRect(5220, 7320, 1500, 420));
  connect(cmdProposals, &QPushButton::clicked, this, &frmReformComparison::cmdProposals_Click);
  setFixedSize(TwipsSize(13240, 8040));
  file_name = QStringLiteral("reform-comparison.txt");
  // Its messages are its own, and a run may take every year of the table.
  message_title = windowTitle();
  invalid_count = QStringLiteral("Invalid input for number of years.");
  question_style = MessageStyle::kExclamation;
  most_rows = kLastEquinoxYear;
  box_capacity = kComparisonBoxCapacity;
  txbCompareYears->setAccessibleName(lblYears1->text() + " ... " + lblYears2->text());
  txbCompareFrom->setAccessibleName(lblYears2->text());
  txbOutput->setAccessibleName(windowTitle());
  FinishLoad(txbCompareYears);
  txbCompareYears->setMaxLength(4);  // the report windows' count box takes three digits
  // Enter in the first year's box runs too.
  txbCompareFrom->installEventFilter(this);
  setTabOrder(txbCompareYears, txbCompareFrom);
}

void frmReformComparison::cmdDoIt_Click() {
  const int years =
      ReadCount(QStringLiteral("Too many years: at most %1 at a time.").arg(kLastEquinoxYear));
  if (years == 0) return;
  QString typed = txbCompareFrom->text();
  const FirstYear first = ReadFirstYear(typed, message_title);
  txbCompareFrom->setText(typed);
  if (first.message) {
    ShowMessage(first.message);
    txbCompareFrom->setFocus();
    txbCompareFrom->selectAll();
    return;
  }
  if (!ClearIfFullAndAgreed()) return;
  ComparisonRun run = ComparisonAt(settings_(), first.year, years);
  run.definitions = host.Proposals().Compared();
  const ReformComparison comparison = CompareReforms(run);
  ReportOutput output = BuildReformComparison(run, comparison, BoxState());
  AppendOutput(output);
  if (output.rows > 0) {
    runs_.push_back(run);
    cmdChart->setEnabled(true);
    if (chart_window != nullptr && chart_window->isVisible()) cmdChart_Click();
  }
  if (output.message) output.message->title = message_title;
  ShowMessage(output.message);
  CaretToEnd();
}

bool frmReformComparison::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txbCompareFrom && IsEnterPress(event)) {
    if (cmdDoIt->isEnabled()) cmdDoIt_Click();
    return true;
  }
  return ReportWindow::eventFilter(watched, event);
}

void frmReformComparison::ClearOutput() {
  ReportWindow::ClearOutput();
  runs_.clear();  // nothing to draw until the next run
  cmdChart->setEnabled(false);
}

QString frmReformComparison::PrintHeader() const {
  if (runs_.empty()) return {};
  return PlacesOf(runs_) + u'\n' + ComparisonHeader(ComparedIn(runs_.back()));
}

std::vector<ComparisonRun> frmReformComparison::RunsAsLast() const {
  std::vector<ComparisonRun> runs = runs_;
  for (ComparisonRun& run : runs) run.definitions = runs_.back().definitions;
  return runs;
}

void frmReformComparison::cmdProposals_Click() {
  if (proposals_window == nullptr) {
    proposals_window = new frmProposals(
        host, [this] { return ComparisonAt(settings_(), 1, kLastEquinoxYear); }, this);
  }
  proposals_window->show();
  proposals_window->raise();
  proposals_window->activateWindow();
}

void frmReformComparison::cmdChart_Click() {
  if (runs_.empty()) return;
  if (chart_window == nullptr) {
    ChartAndPrint* plugin = LoadChartAndPrint(this, QStringLiteral("Chart"));
    if (plugin == nullptr) return;  // the user has been told
    chart_window = new frmEquinoxChart(*plugin, host, this);
    chart_window->setObjectName(QStringLiteral("frmComparisonChart"));
    chart_window->setWindowTitle(QStringLiteral("Comparison chart"));
    chart_window->file_name = QStringLiteral("reform-comparison.png");
    chart_window->resize(TwipsSize(13000, 10500));  // room for two panels
  }
  chart_window->ShowChart(ComparisonChart(PlacesOf(runs_), CompareReforms(RunsAsLast())));
  chart_window->show();
  chart_window->raise();
  chart_window->activateWindow();
}

}  // namespace orv
