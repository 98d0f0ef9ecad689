// orvc: the command-line companion of the desktop program. It converts dates,
// runs the weekday test and writes the two reports with the same functions
// as the windows, so every text it prints is the text the windows show.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace orv {

// Exit statuses.
inline constexpr int kOrvcSuccess = 0;
inline constexpr int kOrvcNotFound = 1;  // weekday: the date is on that weekday in neither calendar
inline constexpr int kOrvcRefused = 2;   // a refused date, count or usage

// Runs one command line (arguments without the program name).
int RunOrvc(const QStringList& arguments, QTextStream& in, QTextStream& out, QTextStream& err);

}  // namespace orv
