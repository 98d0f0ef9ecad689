#include "ui_services/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace orv {

void ReplaceClipboardText(const QString& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(text);
}

QString ClipboardText() { return QGuiApplication::clipboard()->text(); }

}  // namespace orv
