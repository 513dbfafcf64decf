#include "database/ListDB.h"

namespace lumoscope {

CListDB::CListDB(IReporter& reporter, const AppOptions& options, std::string path)
    : reporter_(&reporter), options_(&options), path_(std::move(path)) {}

bool CListDB::ChangedByAnotherProgram() const {
  const FileIdentity now = IdentityOf(path_);
  return now.exists && now != knownVersion_;
}

}  // namespace lumoscope
