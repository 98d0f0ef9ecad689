// orvc: the command-line companion of the desktop program. It converts dates,
// runs the weekday test and writes the two reports with the core the windows
// stand on, so every text it prints is the text the windows show.
#pragma once

#include <QIODevice>
#include <QStringList>
#include <QTextStream>

namespace orv {

// Runs one command line (arguments without the program name); returns the
// exit status (cli/CommandLine.h). in is standard input, read as UTF-8 bytes;
// the answers so far are flushed whenever in.waitForReadyRead(0) says that
// the next read would wait (for a program that feeds orvc a line and waits).
int RunOrvc(const QStringList& arguments, QIODevice& in, QTextStream& out, QTextStream& err);

// The names of the commands ("convert", "diff", ...).
QStringList OrvcCommands();

// The folders orvc reads calendar definitions from, in order: those shipped
// with it, the user's, each of the environment's ORVANTIS_CALENDARS (":"
// between them) and the --calendars-dir of the arguments.
QStringList CalendarFolders(const QStringList& arguments);

}  // namespace orv
