#include "listview/ReceiverComparison.h"

#include "base/NameText.h"
#include "database/ListDB.h"
#include "listview/OtherList.h"
#include "transfer/Upload.h"

namespace lumoscope {

std::optional<ListDifferences> CompareWithReceiver(CListDB& db, const std::vector<std::string>& fields,
                                                   const std::string& target, const std::string& workFolder) {
  if (!UploadChannelListTo(db, target, workFolder)) return std::nullopt;
  const std::optional<std::vector<std::string>> received = LoadOtherList(target, db.Options(), db.Reporter());
  if (!received) return std::nullopt;
  return CompareLists(fields, *received, NameCodec(db.Options().nameEncoding));
}

}  // namespace lumoscope
