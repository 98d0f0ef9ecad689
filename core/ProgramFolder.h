// Where the program's own files (its text file, the help text) are.
#pragma once

#include <QString>

namespace orv {

// The folder beside the executable when the files are there (a build tree),
// otherwise ../share/orvantis from it (an installed program). No trailing
// separator.
QString ProgramFolder();

}  // namespace orv
