// orvc: the command-line companion of the desktop program. It converts dates,
// runs the weekday test and writes the two reports with the core the windows
// stand on, so every text it prints is the text the windows show.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace orv {

// Runs one command line (arguments without the program name); returns the
// exit status (cli/CommandLine.h).
int RunOrvc(const QStringList& arguments, QTextStream& in, QTextStream& out, QTextStream& err);

}  // namespace orv
