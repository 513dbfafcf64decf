#include "tests/support/UpkeepLists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>

#include "database/ListDB.h"
#include "tests/support/RecordingReporter.h"
#include "transfer/SectionListLoader.h"

namespace lumoscope::test {

namespace {
// Record fields of the generator's content (text-line order).
constexpr size_t kTp = 1;
constexpr size_t kSvcId = 3;
constexpr size_t kChannelName = 5;
constexpr size_t kOtherName = 4;  // CHANNEL_PID and ANALOG TP
constexpr size_t kChannelBlank = 7;
}  // namespace

listgen::ListContent UpkeepList(unsigned seed) {
  listgen::ListShape shape;
  shape.seed = seed;
  shape.digitalTps = 8;
  shape.channels = 24;
  shape.pidChannels = 4;
  shape.analogTps = 6;
  shape.nullChannels = false;
  listgen::ListContent c = listgen::GenerateContent(shape);
  for (size_t i = 0; i < c.channels.size(); ++i) {
    char id[24];
    std::snprintf(id, sizeof id, "%04zX", i + 1);
    c.channels[i][kSvcId] = id;
    c.channels[i][kChannelName] = "Ch" + std::to_string(i + 1);
  }
  for (size_t i = 0; i < c.pidChannels.size(); ++i)
    c.pidChannels[i][kOtherName] = "Pid" + std::to_string(i + 1);
  for (size_t i = 0; i < c.analogTps.size(); ++i) c.analogTps[i][kOtherName] = "An" + std::to_string(i + 1);
  std::set<std::string> used;
  for (const Record& r : c.channels) used.insert(r[kTp]);
  for (const Record& r : c.pidChannels) used.insert(r[kTp]);
  std::erase_if(c.digitalTps, [&used](const Record& tp) { return !used.contains(tp[0]); });
  return c;
}

Record NullChannelLike(const Record& like, int index) {
  Record null = like;
  null[0] = std::to_string(index);
  null[kSvcId] = "0000";
  null[kChannelName] = "_";
  null[kChannelBlank] = "Y";
  return null;
}

std::vector<std::string> LoadContent(const listgen::ListContent& content, const TempDir& dir,
                                     const std::string& name) {
  RecordingReporter reporter;
  AppOptions options;
  CListDB db(reporter, options, dir.Write(name, listgen::Render(content)));
  std::vector<std::string> fields;
  EXPECT_TRUE(LoadSectionList(db, fields)) << (reporter.boxes.empty() ? "" : reporter.boxes.front());
  return fields;
}

}  // namespace lumoscope::test
