// What the program's text boxes share: Enter acts when it goes down, and a
// box the program rewrites keeps the user's selection and caret.
#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QString>

namespace orv {

// Enter (either key) pressed, not repeated by holding it. A box acts on the
// press, never on the release: a message box closed with Enter leaves the
// release to the box that had the focus before it, and acting on that would
// start the same run again, and again.
inline bool IsEnterPress(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat();
}

// Writes the text into the box only when it differs; the selection (or the
// caret) stays where the user left it, so typing over a selection still
// replaces it.
inline void RewriteKeepingSelection(QLineEdit* box, const QString& text) {
  if (box->text() == text) return;
  const int caret = box->cursorPosition();
  const int start = box->selectionStart();
  const int length = box->selectionLength();
  box->setText(text);
  if (start < 0) {
    box->setCursorPosition(caret);
  } else if (caret == start) {
    box->setSelection(start + length, -length);  // selected backwards: the caret at its start
  } else {
    box->setSelection(start, length);
  }
}

}  // namespace orv
