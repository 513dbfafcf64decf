// Placeholder until the text writer lands.
#include "database/ListDB.h"

namespace lumoscope {

bool CListDB::SaveSectionList(const std::vector<std::string>& /*list*/) {
  return false;
}

}  // namespace lumoscope
