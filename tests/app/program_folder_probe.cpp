// Prints where the program looks for its files, from wherever it is copied.
#include <QCoreApplication>
#include <cstdio>

#include "core/ProgramFolder.h"

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  std::printf("%s\n", orv::ProgramFolder().toLocal8Bit().constData());
  return 0;
}
