#include "core/RegionFile.h"

#include <QFile>
#include <sstream>

#include "core/ProgramFolder.h"

namespace orv {
namespace {

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream stream(text);
  std::string part;
  while (std::getline(stream, part, separator)) parts.push_back(Trimmed(part));
  return parts;
}

bool ReadDate(const std::string& text, YearMonthDay& date) {
  const std::vector<std::string> parts = Split(text, '-');
  if (parts.size() != 3) return false;
  try {
    date = {std::stoi(parts[0]), std::stoi(parts[1]), std::stoi(parts[2])};
  } catch (...) {
    return false;
  }
  return true;
}

}  // namespace

ReadRegion ReadRegionRow(const std::string& row) {
  const std::vector<std::string> fields = Split(row, '|');
  if (fields.size() < 6 || fields.size() > 7) {
    return {nullptr,
            "a region has six fields: key | name | tag | last Julian date | first "
            "Gregorian date | year starts"};
  }
  auto rules = std::make_shared<RegionRules>();
  rules->key = fields[0];
  rules->json_key = rules->key;
  for (char& c : rules->json_key) c = c == '-' ? '_' : c;
  rules->name = fields[1];
  rules->tag = fields[2];
  if (!ReadDate(fields[3], rules->last_julian)) return {nullptr, "last Julian date: Y-M-D"};
  if (!ReadDate(fields[4], rules->first_gregorian)) return {nullptr, "first Gregorian date: Y-M-D"};
  rules->swedish = fields.size() == 7 && fields[6] == "swedish";
  if (fields.size() == 7 && !rules->swedish) return {nullptr, "the seventh field is \"swedish\""};
  for (const std::string& style : Split(fields[5], ',')) {
    if (style == "january") continue;
    const std::vector<std::string> words = Split(style, ' ');
    const std::vector<std::string> years =
        words.size() == 2 ? Split(words[1], '-') : std::vector<std::string>{};
    YearStartStyle kept;
    if (words[0] == "annunciation") {
      kept.start = YearStart::kAnnunciation;
    } else if (words[0] == "march") {
      kept.start = YearStart::kMarch;
    } else if (words[0] == "easter") {
      kept.start = YearStart::kEaster;
    } else {
      return {nullptr, "year starts: january, annunciation, march or easter, not " + words[0]};
    }
    try {
      if (years.size() != 2) throw std::invalid_argument("years");
      kept.first_year = std::stoi(years[0]);
      kept.last_year = std::stoi(years[1]);
    } catch (...) {
      return {nullptr, "year starts: a style's years as FIRST-LAST (" + style + ")"};
    }
    rules->year_starts.push_back(kept);
  }
  rules->leap_words = "Julian to " + fields[3] + ", Gregorian from " + fields[4];
  if (rules->swedish) rules->leap_words += " (the Swedish calendar 1700-1712)";
  return {rules, {}};
}

std::vector<LoadedDefinition> LoadRegions(const QString& path) {
  std::vector<LoadedDefinition> loaded;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return loaded;
  int line_number = 0;
  while (!file.atEnd()) {
    ++line_number;
    const std::string line = Trimmed(file.readLine().toStdString());
    if (line.empty() || line[0] == '#') continue;
    const QString where = path + ':' + QString::number(line_number);
    const ReadRegion read = ReadRegionRow(line);
    LoadedDefinition region{where, nullptr, {}};
    if (read.rules) {
      const AddedCalendar added = AddCalendar(RegionRow(*read.rules), read.rules);
      region.calendar = added.calendar;
      if (!added.calendar) region.refusal = where + ": " + QString::fromStdString(added.refusal);
    } else {
      region.refusal = where + ": " + QString::fromStdString(read.refusal);
    }
    loaded.push_back(region);
  }
  return loaded;
}

QString ShippedRegionsFile() { return ProgramFolder() + QStringLiteral("/regions.txt"); }

}  // namespace orv
