#include "ui_services/ChartAndPrint.h"

#include <QPluginLoader>

#include "core/ProgramFolder.h"
#include "ui_services/MessageBox.h"

namespace orv {

ChartAndPrint* LoadChartAndPrint(QWidget* parent, const QString& action) {
  static ChartAndPrint* loaded = nullptr;
  if (loaded != nullptr) return loaded;
  const QString path = PluginPath(QStringLiteral(ORV_CHART_PRINT_PLUGIN),
                                  QStringLiteral(ORV_CHART_PRINT_BUILD_FOLDER));
  QPluginLoader plugin(path);
  loaded = qobject_cast<ChartAndPrint*>(plugin.instance());
  if (loaded == nullptr) {
    ShowMessageBox({QStringLiteral("Printing and the equinox chart are not available: their "
                                   "part of the program could not be loaded.\r\n\r\n") +
                        path + QStringLiteral("\r\n") + plugin.errorString(),
                    MessageStyle::kExclamation, MessageButtons::kOk, action},
                   parent);
  }
  return loaded;
}

}  // namespace orv
