// orvc, the command-line companion of Orvantis.
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "cli/Orvc.h"

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  QTextStream in(stdin);
  QTextStream out(stdout);
  QTextStream err(stderr);
  const int status = orv::RunOrvc(QCoreApplication::arguments().mid(1), in, out, err);
  out.flush();
  err.flush();
  return status;
}
