// Where the program's own files (its text file, the help text, its plugin) are.
#pragma once

#include <QString>

namespace orv {

// The folder beside the executable when the files are there (a build tree),
// otherwise ../share/orvantis from it (an installed program). No trailing
// separator.
QString ProgramFolder();

// The plugin file_name: beside the executable when it is there (a build
// tree), otherwise in ../lib/orvantis from it (an installed program); the
// build's other programs (tests, benchmarks) find it in build_folder, where
// the build put it. The installed path when none is there, for the message.
QString PluginPath(const QString& file_name, const QString& build_folder);

}  // namespace orv
