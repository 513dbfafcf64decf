#include "database/ListDB.h"

namespace lumoscope {

CListDB::CListDB(IReporter& reporter, const AppOptions& options, std::string path)
    : reporter_(&reporter), options_(&options), path_(std::move(path)) {}

}  // namespace lumoscope
