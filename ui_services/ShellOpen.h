// Opening a web address in the user's default browser.
#pragma once

#include <QString>
#include <functional>

namespace orv {

// Asks the desktop to open the address; returns a code in the manner of the
// Windows shell: 33 or more when the browser has it, otherwise an error code.
// On Linux the desktop's opener (xdg-open, or a portal) is reached through
// QDesktopServices, which says only yes or no: an address that is not a
// valid URL gives 2 (not found), a refusal 31 (no application associated).
int OpenInDefaultBrowser(const QString& address);

// Replaces the opener, for tests that must not start a real browser; an
// empty function restores the desktop's.
void SetBrowserOpener(std::function<int(const QString&)> opener);

}  // namespace orv
