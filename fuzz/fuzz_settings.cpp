// The settings store's read path on a hostile settings file, then a write.
// Must hold: no crash; every status is one of the store's own; a write
// afterwards succeeds and reads back.
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "core/Registry3.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static QTemporaryDir config;
  static const bool environment = [] {
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    return true;
  }();
  (void)environment;
  const QString key = "Software\\Fuzz\\ORVC";
  const QString file_path = config.filePath("Fuzz/ORVC.ini");
  QFile::remove(file_path);
  orv::SetRegistryValue(orv::kHKeyCurrentUser, key, "JDN", "1");  // makes the folder
  QFile file(file_path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
  file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  file.close();

  static const QStringList kStatuses = {"0 OK", "1 Key not found or is empty.",
                                        "2 Name not specified.", "3 Name not found."};
  for (const char* name : {"JDN", "CalNdx", "Dee", "", "General/JDN"}) {
    if (!kStatuses.contains(orv::GetRegistryValue(orv::kHKeyCurrentUser, key, name).status))
      std::abort();
  }
  if (!orv::SetRegistryValue(orv::kHKeyCurrentUser, key, "Dee", "DC").startsWith("0 "))
    std::abort();
  const orv::RegistryRead dee = orv::GetRegistryValue(orv::kHKeyCurrentUser, key, "Dee");
  if (dee.status != "0 OK" || dee.value != "DC") std::abort();
  return 0;
}
