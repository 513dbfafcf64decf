// Placeholder until the upload lands.
#include "database/ListDB.h"

namespace lumoscope {

bool CListDB::UploadChannelList() { return false; }

}  // namespace lumoscope
