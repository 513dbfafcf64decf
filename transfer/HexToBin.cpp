// Placeholder until the hex-to-binary conversion lands.
#include "database/ListDB.h"

namespace lumoscope {

bool CListDB::ConvertHexToBin() {
  return false;
}

}  // namespace lumoscope
