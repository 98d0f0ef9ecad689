// orvc, the command-line companion of Orvantis.
#include <sys/stat.h>

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTextStream>
#include <cstdio>

#include "cli/Orvc.h"

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  // Scripts read orvc: its numbers look the same in every locale.
  QLocale::setDefault(QLocale::c());
  // Lines from a pipe or a terminal are answered one by one, as soon as each
  // has come (so read unbuffered); a file is read and answered in blocks.
  struct stat input {};
  const bool from_file = fstat(fileno(stdin), &input) == 0 && S_ISREG(input.st_mode);
  QFile in;
  in.open(stdin, from_file ? QIODevice::ReadOnly : QIODevice::ReadOnly | QIODevice::Unbuffered);
  QTextStream out(stdout);
  QTextStream err(stderr);
  out.setEncoding(QStringConverter::Utf8);
  err.setEncoding(QStringConverter::Utf8);
  const int status = orv::RunOrvc(QCoreApplication::arguments().mid(1), in, out, err, !from_file);
  out.flush();
  err.flush();
  return status;
}
