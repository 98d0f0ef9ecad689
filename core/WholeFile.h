// Reading a whole text file at once, for the help viewer.
#pragma once

#include <QString>

namespace orv {

struct WholeFile {
  enum class Outcome { kRead, kEmpty, kFailed };
  Outcome outcome = Outcome::kFailed;
  QString text;          // when read: decoded as UTF-8; bytes that are not UTF-8 show as U+FFFD
  int error_number = 0;  // when failed: 53 file not found, 75 access refused, 57 other
  QString description;   // when failed: the system's description of the error
};

WholeFile ReadWholeFile(const QString& path);

}  // namespace orv
