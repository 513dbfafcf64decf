#include <gtest/gtest.h>

#include "shell/AboutTexts.h"

namespace lumoscope {
namespace {

TEST(AboutTextsTest, HistoryRunsFromTheFirstChangeToThisEdition) {
  const std::string h = AboutHistory();
  EXPECT_TRUE(h.starts_with("2000.07.19: adjusting upload for large size\r\n"));
  EXPECT_TRUE(h.ends_with(
      "\r\n\tVersion 1.0000\t2000.10.10\r\nLumoscope lite version which have a simple function.\r\n"));
  EXPECT_NE(h.find("upper then 100kbyte\r\n2000.08.24"), std::string::npos);
  EXPECT_NE(h.find("registry\r\nWhen dowmloading"), std::string::npos);
  EXPECT_EQ(std::string(kAboutVersion), "1.0000");
  EXPECT_EQ(std::string(kAboutDate), "2000.10.10");
}

}  // namespace
}  // namespace lumoscope
