#include "ui_services/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>
#include <utility>

namespace orv {
namespace {

std::function<int(const QString&)>& Opener() {
  static std::function<int(const QString&)> opener;
  return opener;
}

}  // namespace

int OpenInDefaultBrowser(const QString& address) {
  if (Opener()) return Opener()(address);
  const QUrl url(address, QUrl::StrictMode);
  if (!url.isValid() || url.isEmpty()) return 2;
  return QDesktopServices::openUrl(url) ? 42 : 31;
}

void SetBrowserOpener(std::function<int(const QString&)> opener) { Opener() = std::move(opener); }

}  // namespace orv
