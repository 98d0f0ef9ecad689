#include "reports/frmDateDifference.h"

#include <QKeyEvent>

#include "core/DateDifference.h"
#include "core/DateTexts.h"
#include "core/StrProc.h"
#include "reports/ReportWindow.h"
#include "ui_services/Clipboard.h"
#include "ui_services/Geometry.h"
#include "ui_services/MakeControl.h"
#include "ui_services/MessageBox.h"
#include "ui_services/TextBox.h"

namespace orv {
namespace {

const QString kYearsMonthsDaysLabel = QStringLiteral("Years, months, days:");

}  // namespace

frmDateDifference::frmDateDifference(ReportHost& owner, QWidget* parent)
    : QWidget(parent, Qt::Window), host(owner) {
  setObjectName(QStringLiteral("frmDateDifference"));
  setWindowTitle(QStringLiteral("Date difference"));
  setFixedSize(TwipsSize(7400, 3500));
  MakeLabel(this, "lblFromDate", "From:", TwipsRect(240, 280, 1000, 285));
  txbFromDate = Make<QLineEdit>(this, "txbFromDate", TwipsRect(1300, 240, 3300, 330));
  MakeLabel(this, "lblToDate", "To:", TwipsRect(240, 720, 1000, 285));
  txbToDate = Make<QLineEdit>(this, "txbToDate", TwipsRect(1300, 680, 3300, 330));
  cmdDoIt = MakeButton(this, "cmdDoIt", QStringLiteral("Do it"), TwipsRect(5600, 220, 1500, 420));

  MakeLabel(this, "lblDays", "Days:", TwipsRect(240, 1320, 2300, 285));
  txbDays = Make<QLineEdit>(this, "txbDays", TwipsRect(2600, 1280, 4500, 330));
  MakeLabel(this, "lblWeeks", "Weeks and days:", TwipsRect(240, 1720, 2300, 285));
  txbWeeks = Make<QLineEdit>(this, "txbWeeks", TwipsRect(2600, 1680, 4500, 330));
  lblYearsMonthsDays =
      MakeLabel(this, "lblYearsMonthsDays", kYearsMonthsDaysLabel, TwipsRect(240, 2120, 2300, 285));
  txbYearsMonthsDays =
      Make<QLineEdit>(this, "txbYearsMonthsDays", TwipsRect(2600, 2080, 4500, 330));
  for (QLineEdit* box : {txbDays, txbWeeks, txbYearsMonthsDays}) box->setReadOnly(true);

  cmdCopyToClipboard =
      MakeButton(this, "cmdCopyToClipboard", "Copy to clipboard", TwipsRect(240, 2800, 2200, 420));
  cmdClear = MakeButton(this, "cmdClear", "Clear", TwipsRect(3600, 2800, 1500, 420));
  cmdClose = MakeButton(this, "cmdClose", "Close", TwipsRect(5600, 2800, 1500, 420));
  txbFromDate->setAccessibleName(QStringLiteral("From date"));
  txbToDate->setAccessibleName(QStringLiteral("To date"));
  txbDays->setAccessibleName(QStringLiteral("Days"));
  txbWeeks->setAccessibleName(QStringLiteral("Weeks and days"));
  txbYearsMonthsDays->setAccessibleName(kYearsMonthsDaysLabel);

  connect(cmdDoIt, &QPushButton::clicked, this, &frmDateDifference::cmdDoIt_Click);
  connect(cmdCopyToClipboard, &QPushButton::clicked, this,
          &frmDateDifference::cmdCopyToClipboard_Click);
  connect(cmdClear, &QPushButton::clicked, this, &frmDateDifference::cmdClear_Click);
  connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
  for (QLineEdit* box : {txbFromDate, txbToDate}) {
    box->installEventFilter(this);
    connect(box, &QLineEdit::textEdited, this, &frmDateDifference::ClearResults);
  }
  LookLikeTheMainWindow(*this, host);
}

void frmDateDifference::cmdDoIt_Click() {
  // A result stays only beside the dates it belongs to.
  ClearResults();
  const DeeVersion dee = host.DeeVersionInUse();
  std::optional<CalendarDate> dates[2];
  QLineEdit* boxes[2] = {txbFromDate, txbToDate};
  for (int i = 0; i < 2; ++i) {
    if (boxes[i]->text().trimmed().isEmpty()) {
      boxes[i]->setFocus();
      return;
    }
    // Any calendar's tag or an ISO week date, as orvc diff reads them; an
    // untagged date is Gregorian: the window has no calendar list.
    const DateReading read = ReadDifferenceDate(boxes[i]->text(), dee);
    boxes[i]->setText(read.text);
    if (!read) {
      ShowMessageBox(MessageOf(*read.refusal, kReportTitle), this);
      boxes[i]->setFocus();
      return;
    }
    dates[i] = read.date;
  }
  const int32_t to = DayNumberOf(*dates[1]).jdn;
  const DifferenceTexts texts = TextsOf(DifferenceInCalendar(*dates[0], to));
  const QString calendar = CalendarListName(CalendarOf(dates[0]->calendar), dee);
  txbDays->setText(texts.days);
  txbWeeks->setText(texts.weeks);
  txbYearsMonthsDays->setText(texts.years_months_days);
  lblYearsMonthsDays->setText("In the " + calendar + ":");
  result_lines = DifferenceLines(txbFromDate->text(), txbToDate->text(), texts, calendar);
}

QString frmDateDifference::ResultText() const {
  return result_lines.isEmpty() ? QString() : result_lines.join(kCrLf) + kCrLf;
}

void frmDateDifference::cmdCopyToClipboard_Click() {
  if (!result_lines.isEmpty()) ReplaceClipboardText(ResultText());
}

void frmDateDifference::ClearResults() {
  for (QLineEdit* box : {txbDays, txbWeeks, txbYearsMonthsDays}) box->clear();
  lblYearsMonthsDays->setText(kYearsMonthsDaysLabel);
  result_lines.clear();
}

void frmDateDifference::cmdClear_Click() {
  ClearResults();
  txbToDate->setFocus();
}

bool frmDateDifference::eventFilter(QObject* watched, QEvent* event) {
  if (IsEnterPress(event)) {
    cmdDoIt_Click();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void frmDateDifference::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    hide();  // as Close does
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace orv
