#include "core/WholeFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace orv {
namespace {

// The classic file error numbers users and help texts know.
int ErrorNumber(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return 53;  // file not found
    case EACCES:
    case EPERM:
    case EISDIR:
      return 75;  // path/file access error
    default:
      return 57;  // device I/O error
  }
}

WholeFile Failure(int error) {
  WholeFile file;
  file.outcome = WholeFile::Outcome::kFailed;
  file.error_number = ErrorNumber(error);
  file.description = QString::fromLocal8Bit(std::strerror(error));
  return file;
}

}  // namespace

WholeFile ReadWholeFile(const QString& path) {
  std::FILE* stream = std::fopen(path.toLocal8Bit().constData(), "rb");
  if (stream == nullptr) return Failure(errno);
  std::string bytes;
  char chunk[65536];
  size_t count;
  while ((count = std::fread(chunk, 1, sizeof chunk, stream)) > 0) bytes.append(chunk, count);
  const int error = std::ferror(stream) ? errno : 0;
  std::fclose(stream);
  if (error != 0) return Failure(error == 0 ? EIO : error);
  WholeFile file;
  if (bytes.empty()) {
    file.outcome = WholeFile::Outcome::kEmpty;
    return file;
  }
  file.outcome = WholeFile::Outcome::kRead;
  file.text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  return file;
}

}  // namespace orv
