#include "calendar/Dee.h"

namespace orv {

const DeeVersion* DeeVersionByDesignation(std::string_view designation) {
  for (const DeeVersion& version : kDeeVersions) {
    if (version.designation == designation) return &version;
  }
  return nullptr;
}

}  // namespace orv
