#include "calendar/Dee.h"

namespace orv {

const DeeVersion* DeeVersionByDesignation(std::string_view designation) {
  for (const DeeVersion& version : kDeeVersions) {
    if (version.designation == designation) return &version;
  }
  return nullptr;
}

DeeVersion DeeVersionInForce() {
  DeeVersion version = DeeEpoch() == kDeeEpoch ? kDeeVersion : kDeeCecilVersion;
  version.epoch = DeeEpoch();
  return version;
}

void SetDeeVersion(const DeeVersion& version) { SetDeeEpoch(version.epoch); }

}  // namespace orv
