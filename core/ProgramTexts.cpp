#include "core/ProgramTexts.h"

#include "core/ProgramFolder.h"
#include "platform/vellum/vellum.h"

namespace orv {
namespace {

ProgramIdentity& MutableIdentity() {
  static ProgramIdentity identity;
  return identity;
}

}  // namespace

QString ProgramTextPath(const QString& folder, const QString& file_name) {
  const bool ends_with_separator = folder.endsWith(u'/') || folder.endsWith(u'\\');
  return ends_with_separator ? folder + file_name : folder + u'/' + file_name;
}

QString ProgramTextLoadMessage(int32_t result, const QString& path) {
  switch (result) {
    case VELLUM_NOTHING_READ:
      return QStringLiteral("No program text was read.");
    case VELLUM_CANNOT_OPEN:
      return QStringLiteral("Cannot open file containing program text.\r\n") + path;
    case VELLUM_NO_MEMORY_FOR_TEXT:
      return QStringLiteral("Particular memory allocation error.");
    case VELLUM_TOO_MUCH_TEXT:
      return QStringLiteral("Too much program text.");
    case VELLUM_NOT_RECOVERED:
      return QStringLiteral("Text not recovered.");
    case VELLUM_EMPTY_FILE:
      return QStringLiteral("File is empty.");
    case VELLUM_READ_ERROR:
      return QStringLiteral("Error reading file.");
    case VELLUM_NO_MEMORY:
      return QStringLiteral("General memory allocation error.");
    default:
      break;
  }
  if (result < VELLUM_DUPLICATE_BASE) {
    return QStringLiteral("Duplicate in program text at line %1.")
        .arg(VELLUM_DUPLICATE_BASE - result);
  }
  if (result < VELLUM_TOO_LONG_BASE) {
    return QStringLiteral("String too long at line %1.").arg(VELLUM_TOO_LONG_BASE - result);
  }
  if (result < VELLUM_MISSING_BASE) {
    return QStringLiteral("Missing string at line %1.").arg(VELLUM_MISSING_BASE - result);
  }
  return QStringLiteral("Error %1").arg(result);
}

std::optional<QString> LoadProgramTexts(const QString& folder, const QString& file_name) {
  const QString path = ProgramTextPath(folder, file_name);
  const int32_t result = vellum_load(path.toUtf8().constData(), 0);
  if (result >= 1) return std::nullopt;
  return ProgramTextLoadMessage(result, path);
}

std::optional<QString> LoadProgramTexts(const QString& file_name) {
  return LoadProgramTexts(ProgramFolder(), file_name);
}

QString ProgramText(int16_t number) {
  char buffer[VELLUM_MAX_TEXT_BYTES];
  const int32_t length = vellum_get(number, 0, buffer, sizeof buffer, 1);
  if (length <= 0) return QString();
  const QString text = QString::fromUtf8(buffer, length);
  return text == QStringLiteral("~") ? QString() : text;
}

void InitProgramIdentity(int major_version, int minor_version) {
  ProgramIdentity& identity = MutableIdentity();
  identity.strPublisher = ProgramText(310);
  identity.strProgramTitle = QStringLiteral("Orvantis");
  identity.strProgramAbbrev = QStringLiteral("ORVC");
  identity.strVersion =
      QString::number(major_version) + u'.' + QString::number(minor_version) + u'6';
}

const ProgramIdentity& Identity() { return MutableIdentity(); }

QString ProgramTitleWithVersion() {
  return Identity().strProgramTitle + u' ' + Identity().strVersion;
}

}  // namespace orv
