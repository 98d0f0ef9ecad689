#include "ui_services/TextCopy.h"

#include "ui_services/Clipboard.h"
#include "ui_services/Geometry.h"

namespace orv {

void SetCopyButtonCaption(QPushButton* button, bool selection, int narrow_twips, int wide_twips) {
  button->setText(selection ? QStringLiteral("Copy selected text to clipboard")
                            : QStringLiteral("Copy to clipboard"));
  button->resize(TwipsToPixels(selection ? wide_twips : narrow_twips), button->height());
}

bool CopyTextBoxToClipboard(const QPlainTextEdit* box) {
  if (box->document()->isEmpty()) return false;
  QString text = box->textCursor().selectedText();
  if (text.isEmpty()) text = box->toPlainText();
  text.replace(QChar::ParagraphSeparator, u'\n').replace(u'\n', QStringLiteral("\r\n"));
  ReplaceClipboardText(text);
  return true;
}

}  // namespace orv
