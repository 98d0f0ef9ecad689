#include "ui_services/weblink.h"

#include "ui_services/ShellOpen.h"

namespace orv {

QString GetFileExtension(const QString& path, bool lower_case) {
  const QString name = path.mid(path.lastIndexOf(u'\\') + 1);
  const qsizetype dot = name.lastIndexOf(u'.');
  const QString extension = dot < 0 ? QString() : name.mid(dot + 1);
  return lower_case ? extension.toLower() : extension;
}

MessageRequest BrowserFailureMessage(int code, const QString& address) {
  QString text = "Error launching web browser, error code = " + QString::number(code) + ".";
  if (code == 31) {
    text += "\r\n\r\nFile extension '" + GetFileExtension(address, true) +
            "' is not associated with any application program.";
  } else if (code == 8) {
    text += QStringLiteral("\r\n\r\nOut of memory.");
  } else if (code == 2) {
    text += QStringLiteral("\r\n\r\nPlease try once more.");
  }
  return {text, MessageStyle::kExclamation, MessageButtons::kOk,
          QStringLiteral("Cannot launch web browser")};
}

void OpenWebAddress(const QString& address) {
  const int code = OpenInDefaultBrowser(address);
  if (code >= 33) return;
  ShowMessageBox(BrowserFailureMessage(code, address));
}

}  // namespace orv
