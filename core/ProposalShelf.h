// The calendar definitions as the proposals window lists them: those read at
// start (shipped with the program and the user's own, a refused file with its
// reason) and those the user imported or made since; which of them the user
// compares (a column and a chart line of the comparison, a row of the
// calendars window); and what the window does to the user's own files:
// import, duplicate, delete. A file is written whole or not at all; a refused
// file is never changed.
//
//   ProposalShelf shelf(LoadCalendarDefinitions({ShippedCalendarsFolder(),
//   UserCalendarsFolder()})); shelf.SetCompared(0, true); shelf.Compared();  // the first
//   definition's row
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "core/Notice.h"
#include "core/ProposalFile.h"

namespace orv {

struct ShelvedDefinition {
  QString file;
  const CalendarInfo* calendar = nullptr;  // none when refused
  QString refusal;                         // "file: field: reason"
  bool users = false;                      // in the user's folder: the user's to change
  bool compared = false;
};

class ProposalShelf {
 public:
  ProposalShelf() = default;
  explicit ProposalShelf(const std::vector<LoadedDefinition>& loaded,
                         const QString& user_folder = UserCalendarsFolder());

  const std::vector<ShelvedDefinition>& Definitions() const { return definitions_; }
  // The calendars compared, in the order of the list.
  std::vector<const CalendarInfo*> Compared() const;
  // Whether it changed (a refused file is never compared).
  bool SetCompared(size_t index, bool compared);
  // Appends a definition read since start, or puts it in the place of its
  // file's (a refused file mended); compared at once when it is a calendar.
  void Add(const LoadedDefinition& loaded);
  void Remove(size_t index);
  const QString& UserFolder() const { return user_folder_; }

 private:
  std::vector<ShelvedDefinition> definitions_;
  QString user_folder_;
};

// A definition's line in the list: "Coptic (CO, coptic) - shipped",
// "My rule (MR, my-rule) - yours", "bad.json - refused: months[0].days: ...".
QString ShelvedText(const ShelvedDefinition& definition);

// The file's bytes; the refusal when it cannot be read.
Result<QByteArray> ReadDefinitionFile(const QString& path);

// Reads a definition, refusing (kDefinitionRefused) what ReadCalendarDefinition
// refuses and a key, JSON key or tag the calendar table already has.
Result<ReadDefinition> CheckNewDefinition(const QByteArray& contents, const QString& file);

// Writes the definition into the folder as `name` (whole or not at all;
// refused when a file of that name is there) and adds its calendar to the
// table.
Result<LoadedDefinition> AddDefinitionFile(const QByteArray& contents, const QString& name,
                                           const QString& folder);

// Writes an edited definition over its file (whole or not at all; refused
// as ReadCalendarDefinition refuses it, the file left as it was). Its
// calendar joins the table at once when its key and tag are new (a refused
// file mended); one the table has keeps its rules until the next start (no
// calendar returned).
Result<LoadedDefinition> SaveEditedDefinition(const QByteArray& contents, const QString& file);

// Copies a definition file into the folder, its calendar added to the table
// at once; nothing is copied when it is refused.
Result<LoadedDefinition> ImportDefinition(const QString& source, const QString& folder);

// A copy of a calendar's definition under a key and a tag no calendar has
// ("coptic-2", "COA") and its name followed by " (copy)", in the folder.
Result<LoadedDefinition> DuplicateDefinition(const CalendarInfo& calendar, const QString& folder);

// Whether a tag can be a new calendar's: two or three capitals the table has
// not, holding no mark of the main window's calendars (CE, JC, D).
bool IsFreeTag(const QString& tag);

}  // namespace orv
