// The settings store: named text values under a key of the per-user store.
//
// Each call opens the key, does its one job and closes it, and returns a
// status text whose first character is a digit code; callers compare it with
// "0 OK" and handle no errors of their own. Nothing is shown to the user.
//
// Where the values live:
//   Windows: the registry itself, below the root (HKEY_CURRENT_USER), at the
//            key path, e.g. Software\<publisher>\ORVC.
//   Linux:   an INI file in the user's configuration folder ($XDG_CONFIG_HOME,
//            usually ~/.config): the key path without its leading "Software"
//            component names the file, so Software\<publisher>\ORVC is
//            <config>/<publisher>/ORVC.ini. A write replaces the file
//            atomically, and only when the value differs from the one it
//            holds; an unreadable or malformed file counts as absent.
//
// Write statuses: "0 New key created.", "0 Key already exists.",
// "0 Key anomaly.", or "<code> Unable to create (or find) key.", each followed
// by two spaces and the system's description of the outcome.
// Read statuses: "0 OK", "0 OK probably", "1 Key not found or is empty.",
// "2 Name not specified.", "3 Name not found.", "4 <system message>".
#pragma once

#include <QString>
#include <cstdint>

namespace orv {

inline constexpr uint32_t kHKeyCurrentUser = 0x80000001;

QString SetRegistryValue(uint32_t root, const QString& key_path, const QString& name,
                         const QString& value);

// The read's status and, when it is "0 OK", the value (its trailing control
// characters taken away).
struct RegistryRead {
  QString status;
  QString value;
};
RegistryRead GetRegistryValue(uint32_t root, const QString& key_path, const QString& name);

}  // namespace orv
