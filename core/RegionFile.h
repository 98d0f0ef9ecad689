// The regions' data file (app/data/regions.txt): a row a region, read at
// start and added to the calendar table; a row that is no region is refused
// with its line and the reason, and the others are read.
#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "calendar/Region.h"
#include "core/ProposalFile.h"

namespace orv {

// The rules of one row ("rome | Rome, ... | RO | 1582-10-04 | 1582-10-15 |
// january"), or what is wrong with it.
struct ReadRegion {
  std::shared_ptr<RegionRules> rules;
  std::string refusal;
};
ReadRegion ReadRegionRow(const std::string& row);

// Every row of the file, added to the table ("file:line: reason" for a row
// refused).
std::vector<LoadedDefinition> LoadRegions(const QString& path);

// The regions' file shipped with the program.
QString ShippedRegionsFile();

}  // namespace orv
