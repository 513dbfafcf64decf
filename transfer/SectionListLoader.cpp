// Placeholder until the working-list loader lands.
#include "database/ListDB.h"

namespace lumoscope {

bool CListDB::LoadSectionList(std::vector<std::string>& /*list*/) {
  return false;
}

}  // namespace lumoscope
