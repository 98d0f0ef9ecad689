// Web links: opening an address in the default browser, and explaining to the
// user why it could not be opened.
#pragma once

#include <QString>

#include "ui_services/MessageBox.h"

namespace orv {

// The extension of the last component of a path (after its last "\"),
// without the dot; empty when it has none.
QString GetFileExtension(const QString& path, bool lower_case);

// The message for a browser that could not be launched with this code.
MessageRequest BrowserFailureMessage(int code, const QString& address);

// Opens the address; a failure is explained in a message box.
void OpenWebAddress(const QString& address);

}  // namespace orv
