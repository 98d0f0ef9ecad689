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

QString PluginPath(const QString& file_name, const QString& build_folder) {
  const QString executable_folder = QCoreApplication::applicationDirPath();
  const QString beside = executable_folder + u'/' + file_name;
  if (QFileInfo::exists(beside)) return beside;
  const QString installed =
      QDir::cleanPath(executable_folder + QStringLiteral("/../lib/orvantis/") + file_name);
  const QString built = build_folder + u'/' + file_name;
  if (!QFileInfo::exists(installed) && QFileInfo::exists(built)) return built;
  return installed;
}

}  // namespace orv
