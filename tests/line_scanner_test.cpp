// The record-line scanner counts values exactly as the C library's sscanf does; the
// library itself is the oracle here.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "database/LineScanner.h"

namespace lumoscope {
namespace {

TEST(LineScanner, CountsAndValuesMatchSscanf) {
  const char* inputs[] = {"",
                          "   ",
                          "12 abc -7 0x1f TV name 3 N",
                          "12\tabc\t-7\t1F\tTV",
                          "+5 x y",
                          "5x 6",
                          "-0 - 7",
                          "0x zz",
                          "12 abc -7 0xg TV",
                          "4294967295 1 2 FFFFFFFF a b 1 c",
                          "-1 1 2 -1A a b -3 c",
                          "abc 1 2"};
  for (const char* in : inputs) {
    unsigned u = 0, x = 0;
    int d1 = 0, d2 = 0, d3 = 0;
    char s1[64] = {}, s2[64] = {}, s3[64] = {};
    const int expected = std::sscanf(in, "%u %d %d %x %s %s %d %s", &u, &d1, &d2, &x, s1, s2, &d3, s3);
    const ScannedLine got = ScanLine(in, "%u %d %d %x %s %s %d %s");
    EXPECT_EQ(got.count, expected) << '"' << in << '"';
    if (expected >= 1) {
      EXPECT_EQ(got.Unsigned(0), u) << in;
    }
    if (expected >= 3) {
      EXPECT_EQ(got.Int(2), d2) << in;
    }
    if (expected >= 4) {
      EXPECT_EQ(got.Unsigned(3), x) << in;
    }
    if (expected >= 5) {
      EXPECT_EQ(got.Token(4), s1) << in;
    }
    if (expected >= 7) {
      EXPECT_EQ(got.Int(6), d3) << in;
    }
  }
}

TEST(LineScanner, TrailingBlankInTheFormatReadsNothingMore) {
  const ScannedLine s = ScanLine("0 Astra N 10600", "%d %s %s ");
  EXPECT_EQ(s.count, 3);
  EXPECT_EQ(s.Token(2), "N");
  EXPECT_EQ(ScanLine("0 Astra", "%d %s %s ").count, 2);
}

}  // namespace
}  // namespace lumoscope
