// The program-text loader on random files. Must hold: no crash; the result is
// a count or one of the documented codes; every loaded text is at most 1024
// bytes.
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "core/ProgramTexts.h"
#include "platform/vellum/vellum.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static QTemporaryDir folder;
  const QString path = folder.filePath("texts.dat");
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
  file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  file.close();
  vellum_clear();
  const int32_t result = vellum_load(path.toUtf8().constData(), 0);
  const bool documented = result >= 0 || (result >= -8 && result <= -1) ||
                          (result <= -501 && result >= -1000) ||
                          (result <= -1001 && result >= -1500) ||
                          (result <= -1501 && result >= -1500 - VELLUM_MAX_LINES);
  if (!documented) std::abort();
  if (orv::ProgramTextLoadMessage(result, path).isEmpty()) std::abort();
  char buffer[VELLUM_MAX_TEXT_BYTES];
  for (int16_t number = 0; number < 64; ++number) {
    const int32_t length = vellum_get(number, 0, buffer, sizeof buffer, 1);
    if (length < 0 || length > VELLUM_MAX_TEXT_BYTES) std::abort();
    orv::ProgramText(number);
  }
  return 0;
}
