#include "listview/OtherList.h"

#include "database/ListDB.h"
#include "transfer/SectionListLoader.h"

namespace lumoscope {

std::optional<std::vector<std::string>> LoadOtherList(const std::string& path, const AppOptions& options,
                                                      IReporter& reporter) {
  CListDB db(reporter, options, path);
  std::vector<std::string> fields;
  if (!LoadSectionList(db, fields)) return std::nullopt;
  return fields;
}

}  // namespace lumoscope
