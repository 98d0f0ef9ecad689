#include "reports/frmDateSequence.h"

#include "ui_services/Geometry.h"

namespace orv {

frmDateSequence::frmDateSequence(ReportHost& owner, QWidget* parent)
    : ReportWindow(owner, QStringLiteral("Date sequence"), parent) {
  setObjectName(QStringLiteral("frmDateSequence"));
  setFixedSize(TwipsSize(9300, 8040));
  lblDates1 = new QLabel(QStringLiteral("Calculate dates for "), this);
  lblDates1->setObjectName("lblDates1");
  lblDates1->setGeometry(TwipsRect(240, 300, 1700, 300));
  txbNumDays = new QLineEdit(QStringLiteral("14"), this);
  txbNumDays->setObjectName("txbNumDays");
  txbNumDays->setGeometry(TwipsRect(1950, 260, 600, 340));
  lblDates2 = new QLabel(QStringLiteral("days from the input date."), this);
  lblDates2->setObjectName("lblDates2");
  lblDates2->setGeometry(TwipsRect(2650, 300, 2600, 300));
  cmdDoIt->setGeometry(TwipsRect(7500, 220, 1500, 420));
  txbOutput->setGeometry(TwipsRect(240, 840, 8760, 5700));
  cmdCopyToClipboard->setGeometry(TwipsRect(240, 6780, intNarrowWidth, 420));
  cmdClear->setGeometry(TwipsRect(5000, 6780, 1500, 420));
  cmdClose->setGeometry(TwipsRect(7500, 6780, 1500, 420));
  cmdSave->setGeometry(TwipsRect(240, 7320, 1500, 420));
  cmdPrint->setGeometry(TwipsRect(1900, 7320, 1500, 420));
  file_name = QStringLiteral("date-sequence.txt");
  txbNumDays->setAccessibleName(lblDates1->text() + "... " + lblDates2->text());
  txbOutput->setAccessibleName(windowTitle());
  FinishLoad(txbNumDays);
}

void frmDateSequence::cmdDoIt_Click() {
  const int days = ReadCount(QStringLiteral("Too many days"));
  if (days == 0 || !host.ReadInputDay() || !ClearIfFullAndAgreed()) return;

  DateSequenceRun run;
  run.box = BoxState();
  run.first_jdn = host.CurrentJDN();
  run.days = days;
  run.dee = host.DeeVersionInUse();
  const ReportOutput output = BuildDateSequence(run);
  AppendOutput(output);
  ShowMessage(output.message);
  CaretToEnd();
}

}  // namespace orv
