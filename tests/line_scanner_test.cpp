// The record-line scanner counts values exactly as the C library's sscanf does; the
// library itself is the oracle here.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
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

// Tokens and runs of white space of every length, so that they start and end anywhere in
// the eight-byte words the scanner passes at once; control and high bytes inside tokens.
TEST(LineScanner, TokensOfAnyLengthAndBytesMatchSscanf) {
  std::mt19937 random(11);
  const std::string spaces = " \t\r\v\f\n";
  const std::string inner = std::string("aZ9~-\x01\x1f\x7f\x80\xe9!", 11);
  for (int i = 0; i < 3000; ++i) {
    std::string line;
    for (int part = 0; part < 8; ++part) {
      const bool blank = part % 2 == 0;
      for (unsigned k = random() % 20; k > 0; --k)
        line += blank ? (random() % 4 == 0 ? spaces[random() % spaces.size()] : ' ')
                      : inner[random() % inner.size()];
    }
    char t[4][64] = {};
    const int expected = std::sscanf(line.c_str(), "%s %s %s %s", t[0], t[1], t[2], t[3]);
    const ScannedLine got = ScanLine(line, "%s %s %s %s");
    ASSERT_EQ(got.count, expected) << '"' << line << '"';
    for (int f = 0; f < expected; ++f) ASSERT_EQ(got.Token(f), t[f]) << '"' << line << '"';
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
