// The program's numbered texts (captions, addresses, the settings path) and
// its identity (title, abbreviation, version, publisher).
//
// The texts come from the program's text file (app/data/orvc.dat) through the
// vellum library; a text stored as "~" reads as empty, a number without a
// text reads as empty.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace orv {

// The path of a file in a folder: one separator between them, never two.
QString ProgramTextPath(const QString& folder, const QString& file_name);

// What to tell the user when loading failed with vellum's result code.
QString ProgramTextLoadMessage(int32_t result, const QString& path);

// Loads the texts of file_name in the program's folder. On failure returns
// the message to show (stop icon, empty title) before the program ends.
std::optional<QString> LoadProgramTexts(const QString& file_name);
// The same from a given folder.
std::optional<QString> LoadProgramTexts(const QString& folder, const QString& file_name);

QString ProgramText(int16_t number);

struct ProgramIdentity {
  QString strProgramTitle;
  QString strProgramAbbrev;
  QString strVersion;  // "1.06" for version 1.0: major, ".", minor, "6"
  QString strPublisher;
};

// Sets the identity once the texts are loaded.
void InitProgramIdentity(int major_version, int minor_version);
const ProgramIdentity& Identity();

// The program's title, a space and its version ("Orvantis 1.06").
QString ProgramTitleWithVersion();

}  // namespace orv
