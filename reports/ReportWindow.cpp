#include "reports/ReportWindow.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QTextBlock>
#include <QTextDocument>

#include "core/ReportRecords.h"
#include "ui_services/Geometry.h"
#include "ui_services/MessageBox.h"
#include "ui_services/QL_common.h"
#include "ui_services/SaveAndPrint.h"
#include "ui_services/TextBox.h"
#include "ui_services/TextCopy.h"
#include "ui_services/WindowPlacement.h"

namespace orv {

ReportWindow::ReportWindow(ReportHost& owner, const QString& caption, QWidget* parent)
    : QWidget(parent, Qt::Window), host(owner) {
  setWindowTitle(caption);
  cmdDoIt = new QPushButton(QStringLiteral("Do it"), this);
  cmdDoIt->setObjectName("cmdDoIt");
  txbOutput = new QPlainTextEdit(this);
  txbOutput->setObjectName("txbOutput");
  txbOutput->setLineWrapMode(QPlainTextEdit::NoWrap);
  txbOutput->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  cmdCopyToClipboard = new QPushButton(this);
  cmdCopyToClipboard->setObjectName("cmdCopyToClipboard");
  cmdClear = new QPushButton(QStringLiteral("Clear"), this);
  cmdClear->setObjectName("cmdClear");
  cmdClose = new QPushButton(QStringLiteral("Close"), this);
  cmdClose->setObjectName("cmdClose");
  cmdSave = new QPushButton(kSaveCaption, this);
  cmdSave->setObjectName("cmdSave");
  cmdPrint = new QPushButton(kPrintCaption, this);
  cmdPrint->setObjectName("cmdPrint");

  connect(cmdDoIt, &QPushButton::clicked, this, [this] { cmdDoIt_Click(); });
  connect(cmdCopyToClipboard, &QPushButton::clicked, this, &ReportWindow::cmdCopyToClipboard_Click);
  connect(cmdClear, &QPushButton::clicked, this, [this] { cmdClear_Click(); });
  connect(cmdClose, &QPushButton::clicked, this, &ReportWindow::cmdClose_Click);
  connect(cmdSave, &QPushButton::clicked, this, &ReportWindow::cmdSave_Click);
  connect(cmdPrint, &QPushButton::clicked, this, &ReportWindow::cmdPrint_Click);
  new QShortcut(QKeySequence::Save, this, this, &ReportWindow::cmdSave_Click);
  new QShortcut(QKeySequence::Print, this, this, &ReportWindow::cmdPrint_Click);
  txbOutput->viewport()->installEventFilter(this);
}

void LookLikeTheMainWindow(QWidget& window, ReportHost& host) {
  TakeTheMainWindowsLook(window, host);
  // Over the main window's output, wholly on its screen.
  PlaceOnOwnersScreen(window, host.ReportWindowPosition(), host.HostWindow());
}

void TakeTheMainWindowsLook(QWidget& window, ReportHost& host) {
  QWidget* main = host.HostWindow();
  QFont font = window.font();
  font.setPointSize(9);
  window.setFont(font);
  SetControlsFontName(&window, QStringLiteral("Arial"), true, true);
  SetControlsBackColor(&window, main->palette().color(QPalette::Window));
  SetControlsForeColor(&window, QColor(255, 255, 255));
  window.setWindowIcon(main->windowIcon());
}

void ReportWindow::FinishLoad(QLineEdit* box) {
  count_box = box;
  count_box->setMaxLength(3);
  count_box->installEventFilter(this);
  LookLikeTheMainWindow(*this, host);
  QFont report(QStringLiteral("Courier New"));
  report.setPointSizeF(8.25);
  report.setStyleHint(QFont::Monospace);
  txbOutput->setFont(report);
  SetCopyCaption(false);
}

void ReportWindow::SetCopyCaption(bool selected) {
  SetCopyButtonCaption(cmdCopyToClipboard, selected, intNarrowWidth, intWideWidth);
}

QString ReportWindow::OutputText() const {
  return txbOutput->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

int ReportWindow::ReadCount(const QString& too_many) {
  QString typed = count_box->text();
  const RunCount count = ReadRunCount(typed, too_many, most_rows, message_title, invalid_count);
  count_box->setText(typed);
  ShowMessage(count.message);
  return count.count;
}

ReportBox ReportWindow::BoxState() const {
  const QTextDocument* document = txbOutput->document();
  ReportBox box;
  // Characters plus one more for each line break (CR LF), without copying.
  box.length = document->characterCount() - 1 + document->blockCount() - 1;
  box.contains_ce =
      !document->find(QStringLiteral("CE"), 0, QTextDocument::FindCaseSensitively).isNull();
  box.capacity = box_capacity > 0 ? box_capacity : int64_t{host.TextBoxCapacityInKB()} * 1024;
  return box;
}

bool ReportWindow::ClearIfFullAndAgreed() {
  if (BoxState().length <= BoxState().capacity) return true;
  const MessageAnswer answer =
      ShowMessageBox({QStringLiteral("Textbox is full.  Clear it?"), question_style,
                      MessageButtons::kYesNo, message_title},
                     this);
  if (answer != MessageAnswer::kYes) return false;
  ClearOutput();
  return true;
}

void ReportWindow::ClearOutput() {
  txbOutput->clear();
  records.clear();
}

void ReportWindow::AppendOutput(const ReportOutput& output) {
  records.insert(records.end(), output.records.begin(), output.records.end());
  // One insertion at the end for the whole run: the box's earlier text is
  // not copied again.
  QTextCursor cursor(txbOutput->document());
  cursor.movePosition(QTextCursor::End);
  QString lines = output.text;
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  cursor.insertText(lines);
}

void ReportWindow::ShowMessage(const UserMessage& message) {
  if (message) ShowMessageBox(*message, this);
}

void ReportWindow::CaretToEnd() {
  txbOutput->moveCursor(QTextCursor::End);
  txbOutput->ensureCursorVisible();
  count_box->setCursorPosition(count_box->text().size());
  count_box->setFocus();
}

void ReportWindow::cmdCopyToClipboard_Click() {
  if (CopyTextBoxToClipboard(txbOutput)) SetCopyCaption(false);
  cmdClear->setFocus();
}

void ReportWindow::cmdClear_Click() {
  ClearOutput();
  SetCopyCaption(false);
  count_box->setCursorPosition(count_box->text().size());
  count_box->setFocus();
}

void ReportWindow::cmdClose_Click() { hide(); }

void ReportWindow::cmdSave_Click() {
  const QString path =
      ChooseSaveFile(this, file_name, QStringLiteral("Text (*.txt);;CSV, the rows (*.csv)"));
  if (path.isEmpty()) return;
  if (path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) {
    if (records.empty()) {
      ShowMessage(Message("There are no rows to save yet.", MessageStyle::kInformation,
                          QStringLiteral("Save")));
      return;
    }
    SaveFile(this, path, CsvText(records).toUtf8(), false);
  } else {
    SaveFile(this, path, txbOutput->toPlainText().toUtf8(), true);
  }
}

void ReportWindow::cmdPrint_Click() {
  PrintText(this, windowTitle(), txbOutput->toPlainText(), txbOutput->font(), PrintHeader());
}

void ReportWindow::txbOutput_MouseUp(Qt::MouseButton button) {
  if (button != Qt::LeftButton || !cmdCopyToClipboard->isEnabled()) return;
  SetCopyCaption(txbOutput->textCursor().hasSelection());
}

void ReportWindow::WindowActivated() {
  cmdCopyToClipboard->setEnabled(true);
  count_box->setCursorPosition(count_box->text().size());
  count_box->setFocus();
}

bool ReportWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txbOutput->viewport() && event->type() == QEvent::MouseButtonRelease) {
    // The selection was made by the press and the moves before.
    txbOutput_MouseUp(static_cast<QMouseEvent*>(event)->button());
  }
  if (watched == count_box && IsEnterPress(event)) {
    if (cmdDoIt->isEnabled()) cmdDoIt_Click();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void ReportWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    cmdClose_Click();  // as Close does
    return;
  }
  QWidget::keyPressEvent(event);
}

void ReportWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) WindowActivated();
}

}  // namespace orv
