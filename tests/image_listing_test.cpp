// The simulated receiver reads its list back from the basic image flashed into it: for
// lists of every shape, what it prints compares equal to the list that was compiled.
#include <gtest/gtest.h>

#include "base/SilentReporter.h"
#include "database/ListDB.h"
#include "listview/ListDiff.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/TempDir.h"
#include "tools/listgen/ListGenerator.h"
#include "tools/receiver-sim/ImageListing.h"
#include "transfer/HexImageReader.h"
#include "transfer/SectionListParser.h"

namespace lumoscope {
namespace {

std::vector<std::string> Fields(const std::string& text) {
  SilentReporter silent;
  std::vector<std::string> fields;
  bool resave = false;
  EXPECT_TRUE(ParseSectionList(text, silent, fields, resave));
  return fields;
}

TEST(ImageListing, TheListReadBackFromTheBasicImageIsTheListCompiled) {
  test::TempDir dir;
  for (uint32_t seed = 1; seed <= 24; ++seed) {
    SCOPED_TRACE(seed);
    const listgen::ListShape shape = listgen::VariedShape(seed);
    const std::string text = listgen::GenerateList(shape);
    test::RecordingReporter reporter;
    AppOptions options;
    options.fortySatellites = shape.maxSatellites == 40;
    CListDB db(reporter, options, dir.Write("list.txt", text));
    ASSERT_EQ(db.Compile(kCompileBasic), 1);
    // The flash as the download leaves it: the hex image's lines by their load addresses.
    sim::FlashContents flash;
    const std::string hex = test::ReadFile(dir.File("list.hex"));
    HexImageReader reader(hex, reporter);
    HexRecord record;
    while (reader.Next(record) == HexImageReader::Status::Record) flash[record.address] = record.data;
    const std::optional<std::string> listing = sim::ListingOfFlash(flash);
    ASSERT_TRUE(listing);
    const ListDifferences d = CompareLists(Fields(text), Fields(*listing), NameCodec());
    EXPECT_TRUE(d.Equal()) << DifferencesText(d);
  }
  EXPECT_FALSE(sim::ListingOfFlash({}));
}

}  // namespace
}  // namespace lumoscope
