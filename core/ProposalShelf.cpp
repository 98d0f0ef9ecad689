#include "core/ProposalShelf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <algorithm>

#include "core/StrProc.h"

namespace orv {
namespace {

bool InFolder(const QString& file, const QString& folder) {
  return !folder.isEmpty() &&
         QFileInfo(file).absolutePath() == QFileInfo(folder + QStringLiteral("/")).absolutePath();
}

Notice Refused(const QString& file, const std::string& reason) {
  Notice notice(NoticeKind::kDefinitionRefused, QFileInfo(file).fileName().toStdString());
  notice.part = reason;
  return notice;
}

Notice FileError(const QString& file, const QString& reason) {
  Notice notice(NoticeKind::kDefinitionFileError, file.toStdString());
  notice.part = reason.toStdString();
  return notice;
}

// Whether a row of the table has the key, JSON key or tag.
bool TableHas(std::string_view key, std::string_view json_key, std::string_view tag) {
  return std::any_of(Calendars().begin(), Calendars().end(), [&](const CalendarInfo* row) {
    return (!key.empty() && row->key == key) || (!json_key.empty() && row->json_key == json_key) ||
           (!tag.empty() && row->tag == tag);
  });
}

}  // namespace

ProposalShelf::ProposalShelf(const std::vector<LoadedDefinition>& loaded,
                             const QString& user_folder)
    : user_folder_(user_folder) {
  for (const LoadedDefinition& definition : loaded) {
    definitions_.push_back({definition.file, definition.calendar, definition.refusal,
                            InFolder(definition.file, user_folder_), false});
  }
}

std::vector<const CalendarInfo*> ProposalShelf::Compared() const {
  std::vector<const CalendarInfo*> compared;
  for (const ShelvedDefinition& definition : definitions_) {
    if (definition.compared && definition.calendar != nullptr) {
      compared.push_back(definition.calendar);
    }
  }
  return compared;
}

bool ProposalShelf::SetCompared(size_t index, bool compared) {
  ShelvedDefinition& definition = definitions_.at(index);
  const bool now = compared && definition.calendar != nullptr;
  if (definition.compared == now) return false;
  definition.compared = now;
  return true;
}

void ProposalShelf::Add(const LoadedDefinition& loaded) {
  for (ShelvedDefinition& definition : definitions_) {
    if (definition.file == loaded.file) {  // a refused file, mended
      definition = {loaded.file, loaded.calendar, loaded.refusal, definition.users,
                    loaded.calendar != nullptr};
      return;
    }
  }
  definitions_.push_back({loaded.file, loaded.calendar, loaded.refusal,
                          InFolder(loaded.file, user_folder_), loaded.calendar != nullptr});
}

void ProposalShelf::Remove(size_t index) {
  definitions_.erase(definitions_.begin() + static_cast<std::ptrdiff_t>(index));
}

QString ShelvedText(const ShelvedDefinition& definition) {
  if (definition.calendar == nullptr) {
    return QFileInfo(definition.file).fileName() + QStringLiteral(" - refused: ") +
           definition.refusal.mid(definition.file.size() + 2);
  }
  return QStringLiteral("%1 (%2, %3) - %4")
      .arg(QStringOf(definition.calendar->name), QStringOf(definition.calendar->tag),
           QStringOf(definition.calendar->key),
           definition.users ? QStringLiteral("yours") : QStringLiteral("shipped"));
}

Result<QByteArray> ReadDefinitionFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return FileError(path, file.errorString());
  return file.readAll();
}

Result<ReadDefinition> CheckNewDefinition(const QByteArray& contents, const QString& file) {
  ReadDefinition read = ReadCalendarDefinition(contents);
  if (!read.rules) return Refused(file, read.refusal);
  if (TableHas(read.rules->key, {}, {})) {
    return Refused(file, "key: the program has a calendar " + read.rules->key + " already");
  }
  if (TableHas({}, read.rules->json_key, {})) {
    return Refused(file, "key: the program has a calendar " + read.rules->json_key + " already");
  }
  if (!IsFreeTag(QString::fromStdString(read.rules->tag))) {
    return Refused(file, "tag: " + read.rules->tag +
                             " is not two or three capitals that no calendar has (nor CE, JC, D)");
  }
  return read;
}

Result<LoadedDefinition> AddDefinitionFile(const QByteArray& contents, const QString& name,
                                           const QString& folder) {
  const QString target = QDir(folder).filePath(name);
  const Result<ReadDefinition> read = CheckNewDefinition(contents, name);
  if (!read) return read.refusal();
  if (QFileInfo::exists(target)) return Refused(name, "your calendars have a file of that name");
  if (!QDir().mkpath(folder)) return FileError(folder, QStringLiteral("the folder cannot be made"));
  QSaveFile file(target);
  if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() ||
      !file.commit()) {
    return FileError(target, file.errorString());
  }
  read->rules->file = target.toStdString();
  const AddedCalendar added = AddCalendar(ProposalRow(*read->rules), read->rules);
  if (added.calendar == nullptr) return FileError(target, QString::fromStdString(added.refusal));
  return LoadedDefinition{target, added.calendar, {}};
}

Result<LoadedDefinition> SaveEditedDefinition(const QByteArray& contents, const QString& file) {
  const ReadDefinition read = ReadCalendarDefinition(contents);
  if (!read.rules) return Refused(file, read.refusal);
  QSaveFile saved(file);
  if (!saved.open(QIODevice::WriteOnly) || saved.write(contents) != contents.size() ||
      !saved.commit()) {
    return FileError(file, saved.errorString());
  }
  if (!CheckNewDefinition(contents, file)) return LoadedDefinition{file, nullptr, {}};
  read.rules->file = file.toStdString();
  const AddedCalendar added = AddCalendar(ProposalRow(*read.rules), read.rules);
  return LoadedDefinition{file, added.calendar, {}};
}

Result<LoadedDefinition> ImportDefinition(const QString& source, const QString& folder) {
  const Result<QByteArray> contents = ReadDefinitionFile(source);
  if (!contents) return contents.refusal();
  return AddDefinitionFile(*contents, QFileInfo(source).fileName(), folder);
}

Result<LoadedDefinition> DuplicateDefinition(const CalendarInfo& calendar, const QString& folder) {
  const QString file = DefinitionFileOf(calendar);
  const Result<QByteArray> contents = ReadDefinitionFile(file);
  if (!contents) return contents.refusal();
  QJsonObject object = QJsonDocument::fromJson(*contents).object();
  const QString key = QStringOf(calendar.key);
  QString new_key;
  for (int n = 2; new_key.isEmpty(); ++n) {
    const QString tried = key + '-' + QString::number(n);
    QString json_key = tried;
    json_key.replace('-', '_');
    if (!TableHas(tried.toStdString(), json_key.toStdString(), {}) &&
        !QFileInfo::exists(QDir(folder).filePath(tried + QStringLiteral(".json")))) {
      new_key = tried;
    }
  }
  const QString tag = QStringOf(calendar.tag).left(2);
  QString new_tag;
  for (char letter = 'A'; letter <= 'Z' && new_tag.isEmpty(); ++letter) {
    if (IsFreeTag(tag + QChar(letter))) new_tag = tag + QChar(letter);
  }
  for (char first = 'A'; first <= 'Z' && new_tag.isEmpty(); ++first) {
    for (char second = 'A'; second <= 'Z' && new_tag.isEmpty(); ++second) {
      if (IsFreeTag(QStringLiteral("Q") + QChar(first) + QChar(second))) {
        new_tag = QStringLiteral("Q") + QChar(first) + QChar(second);
      }
    }
  }
  object.insert(QStringLiteral("key"), new_key);
  object.insert(QStringLiteral("tag"), new_tag);
  object.insert(QStringLiteral("name"), QStringOf(calendar.name) + QStringLiteral(" (copy)"));
  return AddDefinitionFile(QJsonDocument(object).toJson(), new_key + QStringLiteral(".json"),
                           folder);
}

bool IsFreeTag(const QString& tag) {
  const bool capitals = (tag.size() == 2 || tag.size() == 3) &&
                        std::all_of(tag.begin(), tag.end(),
                                    [](QChar c) { return c >= QChar('A') && c <= QChar('Z'); });
  return capitals && !tag.contains('D') && !tag.contains(QStringLiteral("CE")) &&
         !tag.contains(QStringLiteral("JC")) && !TableHas({}, {}, tag.toStdString());
}

}  // namespace orv
