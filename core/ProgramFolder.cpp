#include "core/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orv {

QString ProgramFolder() {
  const QString executable_folder = QCoreApplication::applicationDirPath();
  if (QFileInfo::exists(executable_folder + QStringLiteral("/orvc.dat"))) return executable_folder;
  const QString installed =
      QDir::cleanPath(executable_folder + QStringLiteral("/../share/orvantis"));
  if (QFileInfo::exists(installed)) return installed;
  return executable_folder;
}

}  // namespace orv
