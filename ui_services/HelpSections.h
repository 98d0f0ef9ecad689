// Which part of the help tells about a window, so that F1 in a window opens
// the help there. A section is found by the beginning of a line of the help:
// its heading without the number ("THE DATE SEQUENCE REPORT" of "6. THE DATE
// SEQUENCE REPORT"), or the first words of the paragraph about the window.
#pragma once

#include <QString>

namespace orv {

// The beginning of the line where the help tells about the window named
// (its objectName); empty for a window the help tells about from its start
// (the main window) or that is the help itself.
QString HelpSectionOf(const QString& window_name);

// Where that line begins in the help's text (lines end in line feeds): the
// first line that, after an optional section number ("7. "), begins with
// `section`; -1 when none does, or when `section` is empty.
qsizetype HelpSectionStart(const QString& help_text, const QString& section);

}  // namespace orv
