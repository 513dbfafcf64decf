// Placeholder until the flash download lands.
#include "database/ListDB.h"

namespace lumoscope {

bool CListDB::DownloadImage(const std::string& /*path*/) { return false; }
bool CListDB::DownloadCurrentList() { return false; }

}  // namespace lumoscope
