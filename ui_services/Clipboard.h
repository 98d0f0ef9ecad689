// The system clipboard, for the texts the program lets users copy.
#pragma once

#include <QString>

namespace orv {

// Empties the clipboard, then puts the text on it as plain text.
void ReplaceClipboardText(const QString& text);

// The plain text on the clipboard.
QString ClipboardText();

}  // namespace orv
