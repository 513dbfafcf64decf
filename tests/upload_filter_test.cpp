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

TEST(UploadFilter, ListingEndingOnThePromptGetsTheEndBlockInPlaceOfThePromptLine) {
  const std::string block = " \r\n[END]\r\n\r\n";
  const std::string listing = "x||[SATELLITE_NAME_LIST]\r\nx||0123456789ABCDEFGHIJ\r\n";
  const std::string kept = "[SATELLITE_NAME_LIST]\r\n0123456789ABCDEFGHIJ\r\n";
  const std::pair<std::string, std::string> cases[] = {
      {listing + "\r\nSTB>", kept + block},  // the prompt on a line of its own
      {listing + "x||STB>", kept + block},   // the prompt line copied after the bars
      {listing + "x||" + std::string(40, '-') + ">", kept + block},
      {"a||bc\r\n>", "bc\r\n" + block},
      {">", block},
  };
  for (const auto& [raw, filtered] : cases) EXPECT_EQ(FilterUploadText(raw), filtered) << raw;
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
