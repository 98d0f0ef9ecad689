// A resizable window that shows one plain-text file read-only: the program's
// help. The file is read when the window is first shown and kept while the
// window is only hidden (Close); closing it through its frame forgets the text
// so that the next showing reads the file again. A file too large for the box
// is cut, with a note at the top and at the bottom.
#pragma once

#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include "ui_services/MessageBox.h"

namespace orv {

// The box shows at most this many characters of a file...
inline constexpr qsizetype kViewerLimit = 65530;
// ... and a cut file with these notes around it (65,534 characters in all).
inline const QString kViewerCutHeader = QStringLiteral(
    "NOTE: This file is too large to display entirely in this textbox.\r\n"
    "To view the entire contents of the file load it into NotePad,\r\n"
    "WordPad or some other text editor.\r\n\r\n");
inline const QString kViewerCutTrailer =
    QStringLiteral("NOTE: Entire contents of file have not been displayed.\r\n");

// The text the box shows for a file's text.
QString ViewerText(const QString& file_text);

// What to tell the user when a file cannot be shown: an empty file gets the
// empty-file message (program text 17, title 52); another failure "Error <n>.
// <description>" (title 53).
MessageRequest ViewerEmptyFileMessage();
MessageRequest ViewerErrorMessage(int error_number, const QString& description);

class frmView : public QWidget {
  Q_OBJECT

 public:
  explicit frmView(QWidget* parent = nullptr);

  QString strFilename;
  bool blnFileDisplayed = false;
  bool blnCopyToClipboardInvisible = false;

  QPlainTextEdit* txbText1;
  QPushButton* cmdCopyToClipboard;
  QPushButton* cmdClose;
  QPushButton* cmdSave;
  QPushButton* cmdPrint;

  int files_read = 0;  // how often a file was read, for the curious (and tests)

  void Form_Activate();
  void Form_Resize();
  void cmdCopyToClipboard_Click();
  void cmdClose_Click();
  void cmdSave_Click();  // the text as shown, to a .txt file
  void cmdPrint_Click();
  void txbText1_MouseUp(Qt::MouseButton button);
  // Scrolls the text so that the line at `position` is the first in view,
  // with the caret at its start.
  void ShowFrom(qsizetype position);

 protected:
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetCopyCaption(bool selected);
};

}  // namespace orv
