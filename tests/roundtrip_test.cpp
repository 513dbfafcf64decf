// Round trips of whole lists through the working section list: what the writer makes of
// a loaded list loads back to the same list and, for lists already in the program's
// own section order, compiles to the same images as the original file.
#include <gtest/gtest.h>

#include "database/ListDB.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/SampleLists.h"
#include "tests/support/TempDir.h"
#include "transfer/SectionListLoader.h"
#include "transfer/SectionListWriter.h"

namespace lumoscope {
namespace {

using test::ReadFile;

std::string CompileToHex(CListDB& db, int mode, const test::TempDir& dir, const std::string& stem) {
  if (db.Compile(mode) != 1) return "compile failed";
  return ReadFile(dir.File(stem + ".hex"));
}

TEST(RoundTrip, FormattedListCompilesToTheSameImages) {
  for (unsigned seed = 1; seed <= 4; ++seed) {
    SCOPED_TRACE(seed);
    test::TempDir dir;
    test::RecordingReporter reporter;
    AppOptions options;
    const std::string original = test::GeneratedList(300, seed);
    CListDB before(reporter, options, dir.Write("before.txt", original));
    const std::string normal = CompileToHex(before, kCompileNormal, dir, "before");
    const std::string basic = CompileToHex(before, kCompileBasic, dir, "before");

    CListDB after(reporter, options, dir.Write("after.txt", original));
    std::vector<std::string> fields;
    ASSERT_TRUE(LoadSectionList(after, fields));
    ASSERT_TRUE(SaveSectionList(after, fields));
    EXPECT_NE(ReadFile(dir.File("after.txt")), original);  // really rewritten
    EXPECT_EQ(CompileToHex(after, kCompileNormal, dir, "after"), normal);
    EXPECT_EQ(CompileToHex(after, kCompileBasic, dir, "after"), basic);
    EXPECT_TRUE(reporter.boxes.empty());
  }
}

TEST(RoundTrip, ListWithFortySatelliteNamesNeedsTheOption) {
  test::TempDir dir;
  test::RecordingReporter reporter;
  AppOptions options;
  CListDB db(reporter, options, dir.Write("forty.txt", test::SmallValidList(40)));
  std::vector<std::string> fields;
  EXPECT_FALSE(LoadSectionList(db, fields));
  EXPECT_EQ(reporter.boxes.back(), "The Text Format is not correct");
  options.fortySatellites = true;
  fields.clear();
  EXPECT_TRUE(LoadSectionList(db, fields));
}

}  // namespace
}  // namespace lumoscope
