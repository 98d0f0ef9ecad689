// orvc convert reading random lines from standard input. Must hold: no crash,
// exit status 0 or 2, and a refusal for every line it did not convert.
#include <QBuffer>
#include <QTextStream>
#include <cstdlib>

#include "cli/Orvc.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  orv::FuzzInput input(data, size);
  const bool json = input.Flag();
  const bool dee = input.Flag();
  QByteArray lines = input.Rest();
  QBuffer in(&lines);
  in.open(QIODevice::ReadOnly);
  QString out_text;
  QString err_text;
  QTextStream out(&out_text);
  QTextStream err(&err_text);
  QStringList arguments{"convert", "-"};
  if (json) arguments << "--json";
  if (dee)
    arguments << "--dee"
              << "D";
  const int status = orv::RunOrvc(arguments, in, out, err);
  out.flush();
  err.flush();
  if (status != 0 && status != 2) std::abort();
  if ((status == 2) != err_text.contains("line ")) std::abort();
  return 0;
}
