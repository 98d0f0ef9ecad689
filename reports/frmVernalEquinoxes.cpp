#include "reports/frmVernalEquinoxes.h"

#include <QButtonGroup>

#include "astronomy/SolEq.h"
#include "ui_services/Geometry.h"

namespace orv {

frmVernalEquinoxes::frmVernalEquinoxes(ReportHost& owner, QWidget* parent)
    : ReportWindow(owner, QStringLiteral("Vernal equinoxes"), parent) {
  setObjectName(QStringLiteral("frmVernalEquinoxes"));
  const auto label = [this](const char* name, const QString& text, const QRect& rect) {
    auto* made = new QLabel(text, this);
    made->setObjectName(name);
    made->setGeometry(rect);
    return made;
  };
  lblDates1 = label("lblDates1", "Calculate vernal equinox dates/times for",
                    TwipsRect(240, 300, 3500, 300));
  txbNumYears = new QLineEdit(QStringLiteral("12"), this);
  txbNumYears->setObjectName("txbNumYears");
  txbNumYears->setGeometry(TwipsRect(3750, 260, 600, 340));
  lblDates2 =
      label("lblDates2", "years from the year of the input date.", TwipsRect(4450, 300, 3400, 300));
  lblWashingtonLongitude =
      label("lblWashingtonLongitude", "'Washington' longitude:", TwipsRect(240, 820, 2100, 300));
  cboDegrees = new QComboBox(this);
  cboDegrees->setObjectName("cboDegrees");
  cboDegrees->setGeometry(TwipsRect(2350, 780, 800, 340));
  lblDegrees = label("lblDegrees", "degrees", TwipsRect(3250, 820, 800, 300));
  cboMinutes = new QComboBox(this);
  cboMinutes->setObjectName("cboMinutes");
  cboMinutes->setGeometry(TwipsRect(4100, 780, 800, 340));
  lblMinutes = label("lblMinutes", "minutes", TwipsRect(5000, 820, 700, 300));
  // The side of Greenwich, after "minutes": "minutes W" as it reads.
  cboEastWest = new QComboBox(this);
  cboEastWest->setObjectName("cboEastWest");
  cboEastWest->setGeometry(TwipsRect(5650, 780, 650, 340));
  cboEastWest->addItems({QStringLiteral("W"), QStringLiteral("E")});
  const auto option = [this](const char* name, const QString& text, int top) {
    auto* made = new QRadioButton(text, this);
    made->setObjectName(name);
    made->setGeometry(TwipsRect(6450, top, 2200, 260));
    return made;
  };
  optMeanST = option("optMeanST", QStringLiteral("Mean solar time"), 560);
  optApparentST = option("optApparentST", QStringLiteral("Apparent solar time"), 820);
  optTrueST = option("optTrueST", QStringLiteral("True solar time"), 1080);
  auto* time_kind = new QButtonGroup(this);
  for (QRadioButton* kind : {optMeanST, optApparentST, optTrueST}) time_kind->addButton(kind);

  cmdDoIt->setGeometry(TwipsRect(8700, 220, 1500, 420));
  txbOutput->setGeometry(TwipsRect(240, 1400, 9960, 5400));
  cmdCopyToClipboard->setGeometry(TwipsRect(240, 7000, intNarrowWidth, 420));
  cmdClose->setGeometry(TwipsRect(8700, 7000, 1500, 420));
  // Clear level with Close, 5000 twips from the left.
  cmdClear->setGeometry(TwipsRect(5000, 7000, 1500, 420));
  cmdSave->setGeometry(TwipsRect(240, 7540, 1500, 420));
  cmdPrint->setGeometry(TwipsRect(1900, 7540, 1500, 420));
  file_name = QStringLiteral("vernal-equinoxes.txt");
  cmdChart = new QPushButton(QStringLiteral("Chart"), this);
  cmdChart->setObjectName("cmdChart");
  cmdChart->setGeometry(TwipsRect(3560, 7540, 1500, 420));
  cmdChart->setEnabled(false);  // until a run has rows to draw
  connect(cmdChart, &QPushButton::clicked, this, &frmVernalEquinoxes::cmdChart_Click);
  cmdCompare = new QPushButton(QStringLiteral("Compare calendars"), this);
  cmdCompare->setObjectName("cmdCompare");
  cmdCompare->setGeometry(TwipsRect(5220, 7540, 2200, 420));
  connect(cmdCompare, &QPushButton::clicked, this, &frmVernalEquinoxes::cmdCompare_Click);
  setFixedSize(TwipsSize(10440, 7540 + 420 + 600));

  InitEquinoxTerms();
  for (int degrees = 70; degrees <= 79; ++degrees) cboDegrees->addItem(QString::number(degrees));
  for (int minutes = 0; minutes <= 59; ++minutes) cboMinutes->addItem(QString::number(minutes));
  cboDegrees->setCurrentText(QStringLiteral("77"));
  cboMinutes->setCurrentText(QStringLiteral("0"));
  optApparentST->setChecked(true);
  const auto focus_do_it = [this] {
    if (isVisible()) cmdDoIt->setFocus();
  };
  connect(cboDegrees, &QComboBox::activated, this, focus_do_it);
  connect(cboMinutes, &QComboBox::activated, this, focus_do_it);
  connect(cboEastWest, &QComboBox::activated, this, focus_do_it);
  // 'Washington' is west of Greenwich: a meridian east of it is a longitude
  // only, as an empty table's header names its column.
  connect(cboEastWest, &QComboBox::currentIndexChanged, this, [this] {
    const bool east = cboEastWest->currentText() == QLatin1String("E");
    lblWashingtonLongitude->setText(east ? QStringLiteral("Longitude:")
                                         : QStringLiteral("'Washington' longitude:"));
    cboDegrees->setAccessibleName(lblWashingtonLongitude->text() + " " + lblDegrees->text());
    cboMinutes->setAccessibleName(lblMinutes->text() + " " + cboEastWest->currentText());
    WriteVEHeader();
  });
  txbNumYears->setAccessibleName(lblDates1->text() + " ... " + lblDates2->text());
  cboDegrees->setAccessibleName(lblWashingtonLongitude->text() + " " + lblDegrees->text());
  cboMinutes->setAccessibleName(lblMinutes->text() + " " + cboEastWest->currentText());
  cboEastWest->setAccessibleName(QStringLiteral("West or east of Greenwich"));
  cboEastWest->setAccessibleDescription(QStringLiteral("West or east"));
  // What a screen reader says of the lists besides the chosen number.
  cboDegrees->setAccessibleDescription(QStringLiteral("Degrees"));
  cboMinutes->setAccessibleDescription(QStringLiteral("Minutes"));
  txbOutput->setAccessibleName(windowTitle());
  FinishLoad(txbNumYears);
}

void frmVernalEquinoxes::WriteVEHeader() {
  if (!VernalEquinoxHeaderDue(BoxState())) return;
  txbOutput->setPlainText(QString(VernalEquinoxHeader(RunOfControls())).replace("\r\n", "\n"));
  if (cmdDoIt->isEnabled()) cmdDoIt->setFocus();
}

VernalEquinoxRun frmVernalEquinoxes::RunOfControls() const {
  VernalEquinoxRun run;
  run.longitude_degrees =
      cboDegrees->currentText().toDouble() + cboMinutes->currentText().toDouble() / 60.0;
  run.east = cboEastWest->currentText() == QLatin1String("E");
  run.longitude_label =
      MeridianLabel(cboDegrees->currentText().toInt(), cboMinutes->currentText().toInt(), run.east);
  run.solar_time = optTrueST->isChecked()   ? SolarTime::kTrue
                   : optMeanST->isChecked() ? SolarTime::kMean
                                            : SolarTime::kApparent;
  run.dee = host.DeeVersionInUse();
  return run;
}

void frmVernalEquinoxes::WindowActivated() {
  ReportWindow::WindowActivated();
  WriteVEHeader();
  count_box->setFocus();
}

void frmVernalEquinoxes::cmdClear_Click() {
  ReportWindow::cmdClear_Click();
  // Nothing to draw until the next run.
  last_rows = 0;
  cmdChart->setEnabled(false);
  WriteVEHeader();
  count_box->setFocus();
}

void frmVernalEquinoxes::cmdDoIt_Click() {
  const int years = ReadCount(QStringLiteral("Too many years"));
  if (years == 0 || !host.ReadInputDay()) return;
  lngYear = host.GetYear();
  if (!IsEquinoxYear(lngYear)) {
    ShowMessage(MessageOf(Notice{NoticeKind::kEquinoxYearOutOfRange}));
    return;  // the box stays as it was
  }

  VernalEquinoxRun run = RunOfControls();
  if (txbOutput->document()->isEmpty()) {
    WriteVEHeader();
  } else if (!ClearIfFullAndAgreed()) {
    return;
  } else if (txbOutput->document()->isEmpty()) {
    WriteVEHeader();  // cleared on the user's word
  }
  run.first_year = lngYear;
  run.years = years;
  const ReportOutput output = BuildVernalEquinoxTable(run, BoxState());
  lngYear += output.rows;
  AppendOutput(output);
  if (output.rows > 0) {
    last_run = run;
    last_rows = output.rows;
    cmdChart->setEnabled(true);
  }
  ShowMessage(output.message);
  CaretToEnd();
}

void frmVernalEquinoxes::cmdCompare_Click() {
  if (comparison_window == nullptr) {
    comparison_window = new frmReformComparison(
        host, [this] { return RunOfControls(); }, this);
  }
  comparison_window->show();
  comparison_window->raise();
  comparison_window->activateWindow();
}

void frmVernalEquinoxes::cmdChart_Click() {
  if (last_rows == 0) return;
  if (chart_window == nullptr) {
    ChartAndPrint* plugin = LoadChartAndPrint(this, QStringLiteral("Chart"));
    if (plugin == nullptr) return;  // the user has been told
    chart_window = new frmEquinoxChart(*plugin, host, this);
  }
  chart_window->ShowRun(last_run, last_run.first_year, last_rows);
  chart_window->show();
  chart_window->raise();
  chart_window->activateWindow();
}

}  // namespace orv
