// Prints where the program looks for its files, from wherever it is copied,
// and where for the plugin named as the argument.
#include <QCoreApplication>
#include <cstdio>

#include "core/ProgramFolder.h"

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  std::printf("%s\n", orv::ProgramFolder().toLocal8Bit().constData());
  if (argc > 1) std::printf("%s\n", orv::PluginPath(argv[1], QString()).toLocal8Bit().constData());
  return 0;
}
