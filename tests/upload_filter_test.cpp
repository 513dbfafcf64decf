#include <gtest/gtest.h>

#include "transfer/Upload.h"
#include "transfer/UploadFilter.h"

namespace lumoscope {
namespace {

TEST(UploadFilter, KeepsTheTextAfterTheBarsThroughEachLineEnd) {
  const std::string raw =
      "dumpch\r\n"  // the echo: no bars
      "CH_DUMP||[SATELLITE_NAME_LIST]\r\n"
      "status|x line\r\n"   // a bar followed by another byte: nothing
      "CH_DUMP||1,A|B\r\n"  // single bars after the prefix are text
      "CH_DUMP||[END]  ";   // reception stored two blanks after the marker
  EXPECT_EQ(FilterUploadText(raw), "[SATELLITE_NAME_LIST]\r\n1,A|B\r\n[END]   ");
}

TEST(UploadFilter, ListingEndingOnThePromptGetsTheEndBlockOverItsLast18Bytes) {
  const std::string last = "0123456789ABCDEFGHIJ";  // 20 bytes before CR LF
  const std::string raw = "x||[SATELLITE_NAME_LIST]\r\nx||" + last + "\r\n\r\nSTB>";
  const std::string filtered = FilterUploadText(raw);
  const std::string kept = "[SATELLITE_NAME_LIST]\r\n" + last + "\r\n";
  // The block goes 18 bytes back from the end and the file keeps its length.
  EXPECT_EQ(filtered, kept.substr(0, kept.size() - 18) + " \r\n[END]\r\n\r\n" + kept.substr(kept.size() - 6));
}

TEST(UploadFilter, MoveBackNeverGoesBeforeTheStart) {
  EXPECT_EQ(FilterUploadText("a||bc\r\n>"), " \r\n[END]\r\n\r\n");
  EXPECT_EQ(FilterUploadText(">"), " \r\n[END]\r\n\r\n");
}

TEST(UploadFilter, NulBecomesBlankAndTheLastByteCountsAgain) {
  EXPECT_EQ(FilterUploadText(std::string("||a\0b\r\nzz", 9)), "a b\r\nz");
  EXPECT_EQ(FilterUploadText(""), " ");
  // A CR at the very end: the read behind it yields nothing and the CR counts again.
  EXPECT_EQ(FilterUploadText("||ab\r"), "ab\r\r\r");
}

TEST(UploadFilter, FilteredFileSitsBesideTheUploadFile) {
  EXPECT_EQ(FilteredUploadPath("/tmp/VXRupload.txt"), "/tmp/VXRuploadTemp.txt");
  EXPECT_EQ(FilteredUploadPath("/tmp/list"), "/tmp/listTemp");
  EXPECT_EQ(UploadFilePath().substr(UploadFilePath().size() - 14), "/VXRupload.txt");
}

}  // namespace
}  // namespace lumoscope
