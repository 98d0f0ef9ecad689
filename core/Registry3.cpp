#include "core/Registry3.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/StrProc.h"

namespace orv {
namespace {

#ifdef Q_OS_WIN

QString NativeKey(uint32_t root, const QString& key_path) {
  const QString root_name = root == kHKeyCurrentUser ? QStringLiteral("HKEY_CURRENT_USER")
                                                     : QStringLiteral("HKEY_LOCAL_MACHINE");
  return root_name + u'\\' + key_path;
}

#else

// The INI file that stands for the key, or an empty text when the key path
// names none.
QString KeyFile(uint32_t root, const QString& key_path) {
  if (root != kHKeyCurrentUser) return QString();
  QStringList parts = key_path.split(u'\\', Qt::SkipEmptyParts);
  if (!parts.isEmpty() &&
      parts.front().compare(QStringLiteral("Software"), Qt::CaseInsensitive) == 0) {
    parts.removeFirst();
  }
  if (parts.isEmpty()) return QString();
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return folder + u'/' + parts.join(u'/') + QStringLiteral(".ini");
}

QString SystemMessage(int code) { return QString::fromLocal8Bit(std::strerror(code)).left(100); }

// The program writes three short values; a settings file far larger than
// that is not its own, and reading or rewriting it would slow every start
// and Quit.
constexpr qint64 kLargestSettingsFile = 64 * 1024;

// Whether the file reads as settings: UTF-8 text of at most 64 KB whose
// lines are blank, comments, [section] headers or name=value pairs. Anything
// else (a broken, foreign or bloated file) counts as no settings at all.
// Checked here rather than through QSettings, whose shared cache reports a
// parse error only once.
bool IsWellFormedIni(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestSettingsFile) return false;
  const QByteArray bytes = file.readAll();
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = decoder(bytes);
  if (decoder.hasError()) return false;
  // A carriage return ends a line as a line feed does (as QSettings reads it).
  text.replace(u'\r', u'\n');
  for (QStringView line : QStringView(text).split(u'\n')) {
    line = line.trimmed();
    if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) continue;
    const bool section = line.startsWith(u'[');
    if (section ? !line.endsWith(u']') || line.size() < 3 : !line.contains(u'=')) return false;
  }
  return true;
}

#endif

}  // namespace

#ifdef Q_OS_WIN

QString SetRegistryValue(uint32_t root, const QString& key_path, const QString& name,
                         const QString& value) {
  QSettings key(NativeKey(root, key_path), QSettings::NativeFormat);
  const bool existed = !key.allKeys().isEmpty() || !key.childGroups().isEmpty();
  key.setValue(name, value);
  key.sync();
  if (key.status() != QSettings::NoError) {
    return QStringLiteral("5 Unable to create (or find) key.  Access is denied.");
  }
  return (existed ? QStringLiteral("0 Key already exists.")
                  : QStringLiteral("0 New key created.")) +
         QStringLiteral("  The operation completed successfully.");
}

RegistryRead GetRegistryValue(uint32_t root, const QString& key_path, const QString& name) {
  if (key_path.isEmpty()) return {QStringLiteral("1 Key not found or is empty."), QString()};
  QSettings key(NativeKey(root, key_path), QSettings::NativeFormat);
  if (key.status() != QSettings::NoError)
    return {QStringLiteral("1 Key not found or is empty."), QString()};
  if (name.isEmpty()) return {QStringLiteral("2 Name not specified."), QString()};
  QString text = key.value(name).toString();
  if (text.isEmpty()) return {QStringLiteral("3 Name not found."), QString()};
  return {QStringLiteral("0 OK"), WithoutTrailingControls(text)};
}

#else

QString SetRegistryValue(uint32_t root, const QString& key_path, const QString& name,
                         const QString& value) {
  const QString file = KeyFile(root, key_path);
  const auto unable = [](int code) {
    return QString::number(code) + QStringLiteral(" Unable to create (or find) key.  ") +
           SystemMessage(code);
  };
  if (file.isEmpty()) return unable(EINVAL);

  std::error_code error;
  std::filesystem::create_directories(QFileInfo(file).absolutePath().toStdString(), error);
  if (error) return unable(error.value());

  const QFileInfo info(file);
  if (info.exists() && !info.isFile()) return unable(EISDIR);
  bool existed = info.exists();
  // A file that cannot be read as settings is not ours to keep.
  if (existed && !IsWellFormedIni(file)) {
    std::filesystem::remove(file.toStdString(), error);
    existed = false;
  }

  // A value the file already holds is not written again: Quit then costs no
  // disk write when nothing changed.
  if (existed) {
    const QSettings current(file, QSettings::IniFormat);
    if (current.status() == QSettings::NoError && current.contains(name) &&
        current.value(name).toString() == value) {
      return QStringLiteral("0 Key already exists.  ") + SystemMessage(0);
    }
  }

  // QSettings writes through a temporary file that replaces the old one in a
  // single rename, so a crash or a full disk leaves the previous file intact.
  const auto write = [&] {
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(name, value);
    settings.sync();
    return settings.status();
  };
  QSettings::Status outcome = write();
  if (outcome == QSettings::FormatError) {
    // QSettings will not write over a file it cannot read: the file is not
    // ours to keep, so it goes and the value is written afresh.
    std::filesystem::remove(file.toStdString(), error);
    existed = false;
    outcome = write();
  }
  if (outcome != QSettings::NoError) {
    const QFileInfo folder(QFileInfo(file).absolutePath());
    return unable(folder.isWritable() ? EIO : EACCES);
  }
  const QString status =
      existed ? QStringLiteral("0 Key already exists.") : QStringLiteral("0 New key created.");
  return status + QStringLiteral("  ") + SystemMessage(0);
}

RegistryRead GetRegistryValue(uint32_t root, const QString& key_path, const QString& name) {
  const QString not_found = QStringLiteral("1 Key not found or is empty.");
  if (key_path.isEmpty()) return {not_found, QString()};
  const QString file = KeyFile(root, key_path);
  const QFileInfo info(file);
  if (file.isEmpty() || !info.isFile() || !IsWellFormedIni(file)) return {not_found, QString()};
  QSettings settings(file, QSettings::IniFormat);
  if (settings.status() != QSettings::NoError) return {not_found, QString()};
  if (name.isEmpty()) return {QStringLiteral("2 Name not specified."), QString()};
  const QVariant stored = settings.value(name);
  QString text = stored.typeId() == QMetaType::QStringList ? stored.toStringList().join(u',')
                                                           : stored.toString();
  if (text.isEmpty()) return {QStringLiteral("3 Name not found."), QString()};
  return {QStringLiteral("0 OK"), WithoutTrailingControls(text)};
}

#endif

}  // namespace orv
