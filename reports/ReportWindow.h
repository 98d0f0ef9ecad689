// What the two report windows share: a text box that accumulates the text of
// several runs up to a capacity, the Do it, Copy, Clear and Close buttons,
// copying the whole text or the selection, and their look and placement.
// Close hides the window; its text stays for the next opening.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include "core/ReportBuilders.h"
#include "reports/ReportHost.h"
#include "reports/ReportRuns.h"

namespace orv {

// The look every window opened from the main window shares: its colours,
// fonts and icon; placed over its output.
void LookLikeTheMainWindow(QWidget& window, ReportHost& host);
// The look alone, for controls made since, the window left where it is.
void TakeTheMainWindowsLook(QWidget& window, ReportHost& host);

class ReportWindow : public QWidget {
  Q_OBJECT

 public:
  ReportWindow(ReportHost& host, const QString& caption, QWidget* parent);

  QPushButton* cmdDoIt;
  QPlainTextEdit* txbOutput;
  QPushButton* cmdCopyToClipboard;
  QPushButton* cmdClear;
  QPushButton* cmdClose;
  QPushButton* cmdSave;
  QPushButton* cmdPrint;

  // Narrow and wide widths of the copy button, twips.
  int intNarrowWidth = 3000;
  int intWideWidth = 4000;

  virtual void cmdDoIt_Click() = 0;
  void cmdCopyToClipboard_Click();
  virtual void cmdClear_Click();
  void cmdClose_Click();
  void txbOutput_MouseUp(Qt::MouseButton button);
  // Save: the text as shown (.txt) or the rows of the runs since the box was
  // last cleared (.csv). Print: the text, through the print dialog.
  void cmdSave_Click();
  void cmdPrint_Click();
  const std::vector<Record>& Records() const { return records; }

  // The box's text with CR LF line breaks, as it is copied.
  QString OutputText() const;

 protected:
  // Finishes the set-up once the subclass has made its controls: fonts,
  // colours, icon, place, the copy button's caption.
  void FinishLoad(QLineEdit* count_box);

  // The count typed in the window's count box (trimmed in place); 0 when
  // there is nothing to do, after showing the refusal if there was one.
  int ReadCount(const QString& too_many);
  ReportBox BoxState() const;
  // Asks to clear a box above capacity: false when the user says No.
  bool ClearIfFullAndAgreed();
  void AppendOutput(const ReportOutput& output);
  // Empties the box and forgets its rows (and, in a window that keeps
  // more of its runs, those too).
  virtual void ClearOutput();
  // Lines printed under the title at the top of every page.
  virtual QString PrintHeader() const { return {}; }
  void ShowMessage(const UserMessage& message);
  void CaretToEnd();
  virtual void WindowActivated();

  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

  ReportHost& host;
  QLineEdit* count_box = nullptr;
  QString file_name;  // suggested when saving
  // A window's own: the title and icons of its messages and question, the
  // most rows a run gives, and the characters its box holds (0: the main
  // window's capacity).
  QString message_title = kReportTitle;
  QString invalid_count = kInvalidDays;
  MessageStyle question_style = MessageStyle::kNone;
  int most_rows = 800;
  int64_t box_capacity = 0;
  std::vector<Record> records;

 private:
  void SetCopyCaption(bool selected);
};

}  // namespace orv
