#include "core/WholeFile.h"

#include <QFile>
#include <QFileInfo>

namespace orv {
namespace {

// The classic file error numbers users and help texts know: 53 file not
// found, 75 path/file access error, 57 device I/O error.
WholeFile Failure(int error_number, const QString& description) {
  WholeFile file;
  file.outcome = WholeFile::Outcome::kFailed;
  file.error_number = error_number;
  file.description = description;
  return file;
}

}  // namespace

WholeFile ReadWholeFile(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return Failure(53, QStringLiteral("No such file or directory"));
  if (info.isDir()) return Failure(75, QStringLiteral("Is a directory"));
  QFile stream(path);
  if (!stream.open(QIODevice::ReadOnly)) {
    return Failure(stream.error() == QFileDevice::PermissionsError ? 75 : 57, stream.errorString());
  }
  const QByteArray bytes = stream.readAll();
  // A read that failed part-way is a failure, never a shorter text.
  if (stream.error() != QFileDevice::NoError) return Failure(57, stream.errorString());
  WholeFile file;
  if (bytes.isEmpty()) {
    file.outcome = WholeFile::Outcome::kEmpty;
    return file;
  }
  file.outcome = WholeFile::Outcome::kRead;
  file.text = QString::fromUtf8(bytes);
  return file;
}

}  // namespace orv
