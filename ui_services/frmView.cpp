#include "ui_services/frmView.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QTimer>

#include "core/ProgramTexts.h"
#include "core/WholeFile.h"
#include "ui_services/Geometry.h"
#include "ui_services/SaveAndPrint.h"
#include "ui_services/TextCopy.h"

namespace orv {
namespace {

constexpr int kMinimumWidth = 8000;   // twips
constexpr int kMinimumHeight = 2000;  // twips
// The layout's rule measures the window with its frame, as the layout was
// drawn: borders 240 twips across, borders and caption 375 down (so 11670 x
// 6585 inside makes the box 11460 x 5760). That frame is used whatever frame
// the window manager draws, so that the box and buttons fill the window as
// drawn, with no wider strip under the buttons on any desktop.
constexpr int kDesignFrameWidth = 240;   // twips
constexpr int kDesignFrameHeight = 375;  // twips

}  // namespace

QString ViewerText(const QString& file_text) {
  if (file_text.size() < kViewerLimit) return file_text;
  const qsizetype kept = kViewerLimit - kViewerCutHeader.size() - kViewerCutTrailer.size();
  return kViewerCutHeader + file_text.left(kept) + QStringLiteral("\r\n\r\n") + kViewerCutTrailer;
}

MessageRequest ViewerEmptyFileMessage() {
  return {ProgramText(17), MessageStyle::kExclamation, MessageButtons::kOk, ProgramText(52)};
}

MessageRequest ViewerErrorMessage(int error_number, const QString& description) {
  return {"Error " + QString::number(error_number) + ".  " + description,
          MessageStyle::kExclamation, MessageButtons::kOk, ProgramText(53)};
}

frmView::frmView(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frmView"));
  setWindowTitle(QStringLiteral("Viewing"));
  QFont arial(QStringLiteral("Arial"));
  setFont(arial);
  txbText1 = new QPlainTextEdit(this);
  txbText1->setObjectName(QStringLiteral("txbText1"));
  txbText1->setGeometry(TwipsRect(105, 105, 11460, 5760));
  txbText1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont tahoma(QStringLiteral("Tahoma"));
  tahoma.setPointSizeF(9.75);
  cmdCopyToClipboard = new QPushButton(QStringLiteral("Copy to clipboard"), this);
  cmdCopyToClipboard->setObjectName(QStringLiteral("cmdCopyToClipboard"));
  cmdCopyToClipboard->setGeometry(TwipsRect(120, 6000, 2220, 330));
  cmdCopyToClipboard->setFont(tahoma);
  cmdClose = new QPushButton(QStringLiteral("Close"), this);
  cmdClose->setObjectName(QStringLiteral("cmdClose"));
  cmdClose->setGeometry(TwipsRect(9825, 6000, 1740, 330));
  cmdClose->setFont(tahoma);
  cmdSave = new QPushButton(kSaveCaption, this);
  cmdSave->setObjectName(QStringLiteral("cmdSave"));
  cmdPrint = new QPushButton(kPrintCaption, this);
  cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
  for (QPushButton* button : {cmdSave, cmdPrint}) {
    button->resize(TwipsSize(1300, 330));
    button->setFont(tahoma);
  }
  setMinimumSize(TwipsSize(kMinimumWidth, kMinimumHeight));
  resize(TwipsSize(11670, 6585));

  connect(cmdCopyToClipboard, &QPushButton::clicked, this, &frmView::cmdCopyToClipboard_Click);
  connect(cmdClose, &QPushButton::clicked, this, &frmView::cmdClose_Click);
  connect(cmdSave, &QPushButton::clicked, this, &frmView::cmdSave_Click);
  connect(cmdPrint, &QPushButton::clicked, this, &frmView::cmdPrint_Click);
  new QShortcut(QKeySequence::Save, this, this, &frmView::cmdSave_Click);
  new QShortcut(QKeySequence::Print, this, this, &frmView::cmdPrint_Click);
  txbText1->viewport()->installEventFilter(this);
}

void frmView::Form_Activate() {
  if (blnFileDisplayed) return;
  cmdClose->setText(QStringLiteral("Close"));
  txbText1->setAccessibleName(windowTitle());  // "Orvantis Help": what the text is
  txbText1->clear();
  SetCopyCaption(false);
  cmdCopyToClipboard->setVisible(!blnCopyToClipboardInvisible);
  cmdCopyToClipboard->setEnabled(!blnCopyToClipboardInvisible);
  txbText1->setReadOnly(true);
  Form_Resize();

  ++files_read;
  const WholeFile file = ReadWholeFile(strFilename);
  blnFileDisplayed = true;
  if (file.outcome != WholeFile::Outcome::kRead) {
    const MessageRequest message = file.outcome == WholeFile::Outcome::kEmpty
                                       ? ViewerEmptyFileMessage()
                                       : ViewerErrorMessage(file.error_number, file.description);
    // After the window has finished showing, so it can be hidden again.
    QTimer::singleShot(0, this, [this, message] {
      ShowMessageBox(message, this);
      hide();
    });
    return;
  }
  QString text = ViewerText(file.text);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  txbText1->setPlainText(text);
  txbText1->moveCursor(QTextCursor::Start);
}

void frmView::Form_Resize() {
  if (isMinimized()) return;
  // The smallest size is kept by the window's minimum size.
  const QSize outer = size() + TwipsSize(kDesignFrameWidth, kDesignFrameHeight);
  const int text_width = PixelsToTwips(outer.width()) - 450;
  const int text_height = PixelsToTwips(outer.height()) - 1200;
  txbText1->resize(TwipsToPixels(text_width), TwipsToPixels(text_height));
  const int buttons_top = txbText1->y() + txbText1->height() + TwipsToPixels(100);
  cmdCopyToClipboard->move(txbText1->x(), buttons_top);
  cmdClose->move(txbText1->x() + txbText1->width() - cmdClose->width(), buttons_top);
  // Save and Print to the left of Close.
  const int gap = TwipsToPixels(120);
  cmdPrint->move(cmdClose->x() - gap - cmdPrint->width(), buttons_top);
  cmdSave->move(cmdPrint->x() - gap - cmdSave->width(), buttons_top);
}

void frmView::ShowFrom(qsizetype position) {
  // From the end back to the line, so that the line comes to the top.
  txbText1->moveCursor(QTextCursor::End);
  QTextCursor cursor = txbText1->textCursor();
  cursor.setPosition(static_cast<int>(position));
  txbText1->setTextCursor(cursor);
  txbText1->ensureCursorVisible();
}

void frmView::cmdSave_Click() {
  const QString name = QFileInfo(strFilename).completeBaseName() + QStringLiteral(".txt");
  const QString path = ChooseSaveFile(this, name, QStringLiteral("Text (*.txt)"));
  if (!path.isEmpty()) SaveFile(this, path, txbText1->toPlainText().toUtf8(), true);
}

void frmView::cmdPrint_Click() {
  PrintText(this, windowTitle(), txbText1->toPlainText(), txbText1->font());
}

void frmView::SetCopyCaption(bool selected) {
  SetCopyButtonCaption(cmdCopyToClipboard, selected, 3270, 4425);
}

void frmView::txbText1_MouseUp(Qt::MouseButton button) {
  if (button != Qt::LeftButton || cmdCopyToClipboard->isHidden() ||
      !cmdCopyToClipboard->isEnabled()) {
    return;
  }
  SetCopyCaption(txbText1->textCursor().hasSelection());
}

void frmView::cmdCopyToClipboard_Click() {
  if (CopyTextBoxToClipboard(txbText1)) SetCopyCaption(false);
  cmdClose->setFocus();
}

void frmView::cmdClose_Click() { hide(); }

void frmView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    cmdClose_Click();  // as Close does
    return;
  }
  QWidget::keyPressEvent(event);
}

void frmView::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

void frmView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Form_Activate();
}

void frmView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Form_Resize();
}

void frmView::closeEvent(QCloseEvent* event) {
  blnFileDisplayed = false;  // Form_Unload: the next showing reads the file anew
  event->accept();
}

bool frmView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txbText1->viewport() && event->type() == QEvent::MouseButtonRelease) {
    txbText1_MouseUp(static_cast<QMouseEvent*>(event)->button());
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace orv
