// The copy button under a read-only text box, shared by the help viewer and
// the report windows: its two captions and widths, and what it copies.
#pragma once

#include <QPlainTextEdit>
#include <QPushButton>

namespace orv {

// "Copy selected text to clipboard" at the wide width while text is selected,
// otherwise "Copy to clipboard" at the narrow width (twips).
void SetCopyButtonCaption(QPushButton* button, bool selection, int narrow_twips, int wide_twips);

// Puts the selection, or the whole text when nothing is selected, on the
// clipboard with CR LF line breaks. Does nothing and says false for an empty box.
bool CopyTextBoxToClipboard(const QPlainTextEdit* box);

}  // namespace orv
