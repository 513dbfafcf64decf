#include <gtest/gtest.h>

#include "base/Crc.h"
#include "base/DerivedNames.h"
#include "base/TextLines.h"

namespace lumoscope {
namespace {

std::vector<std::string> SplitAll(std::string_view data, TextLineSplitter::Status* last = nullptr) {
  TextLineSplitter s(data);
  std::vector<std::string> lines;
  std::string line;
  TextLineSplitter::Status st;
  while ((st = s.Next(line)) == TextLineSplitter::Status::Line) lines.push_back(line);
  if (last) *last = st;
  return lines;
}

TEST(TextLineSplitter, EndsLinesAtCrLfOrBareLfAndKeepsAnUnterminatedLastLine) {
  EXPECT_EQ(SplitAll("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(SplitAll("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  // A bare CR is an ordinary character.
  EXPECT_EQ(SplitAll("a\rb\r\n"), (std::vector<std::string>{"a\rb"}));
  EXPECT_TRUE(SplitAll("").empty());
}

TEST(TextLineSplitter, RefusesLinesLongerThan498Characters) {
  std::string ok(498, 'x');
  EXPECT_EQ(SplitAll(ok + "\r\n").size(), 1u);
  TextLineSplitter::Status st;
  auto lines = SplitAll("first\r\n" + std::string(499, 'x') + "\r\n", &st);
  EXPECT_EQ(lines.size(), 1u);
  EXPECT_EQ(st, TextLineSplitter::Status::TooLong);
}

TEST(TextLineSplitter, NulEndsTheTextOfItsLine) {
  EXPECT_EQ(SplitAll(std::string("ab\0cd\r\nef", 9)), (std::vector<std::string>{"ab", "ef"}));
}

TEST(PrepareQuotes, QuotedNameBecomesOneTokenWithTildes) {
  std::string l = R"(1 "Astra 19 E"  N 10600)";
  ASSERT_TRUE(PrepareQuotes(l));
  EXPECT_EQ(l, "1 Astra~19~E  N 10600");
  EXPECT_EQ(RestoreBlanks("Astra~19~E"), "Astra 19 E");
}

TEST(PrepareQuotes, EmptyPairLaterQuotesAndLoneQuote) {
  std::string empty = R"(1 "" N)";
  ASSERT_TRUE(PrepareQuotes(empty));
  EXPECT_EQ(empty, "1 -- N");

  std::string three = R"(1 "a b" c"d)";
  ASSERT_TRUE(PrepareQuotes(three));
  EXPECT_EQ(three, "1 a~b c d");

  std::string lone = R"(1 "Hot Bird 13)";
  ASSERT_TRUE(PrepareQuotes(lone));
  EXPECT_EQ(lone, "1 Hot~ird 13");

  std::string open = R"(# a "comment)";
  EXPECT_FALSE(PrepareQuotes(open));
}

TEST(IsSkippedLine, LettersOrDigitsBeforeTheHashDecide) {
  EXPECT_TRUE(IsSkippedLine(""));
  EXPECT_TRUE(IsSkippedLine("   "));
  EXPECT_TRUE(IsSkippedLine("#-----+"));
  EXPECT_TRUE(IsSkippedLine("  # 12 abc"));
  EXPECT_TRUE(IsSkippedLine("----+----"));
  EXPECT_FALSE(IsSkippedLine(" 1 # comment"));
  EXPECT_FALSE(IsSkippedLine("[END]"));
}

TEST(DerivedPath, ReplacesOnlyTheFinalExtensionInAnyCase) {
  EXPECT_EQ(DerivedPath("/a.txt/list.txt", kExtHex), "/a.txt/list.hex");
  EXPECT_EQ(DerivedPath("/a/LIST.TXT", kExtBin), "/a/LIST.bin");
  EXPECT_EQ(DerivedPath("/a.txt/list", kExtBak), "/a.txt/list.bak");
  EXPECT_EQ(DerivedPath("/a/.txt", kExtBak), "/a/.bak");
  EXPECT_FALSE(HasTextExtension("/x.txt/"));
}

TEST(Crc, TablesAndKnownChecks) {
  EXPECT_EQ(kCrc16Table[1], 0xC0C1);
  EXPECT_EQ(kCrc16Table[255], 0x4040);
  EXPECT_EQ(kCrc32Table[1], 0x77073096u);
  EXPECT_EQ(kCrc32Table[255], 0x2D02EF8Du);
  const std::string check = "123456789";
  std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(check.data()), check.size());
  EXPECT_EQ(Crc16(bytes), 0xBB3D);       // CRC-16/ARC check value
  EXPECT_EQ(Crc32(bytes), 0xCBF43926u);  // CRC-32 check value
}

}  // namespace
}  // namespace lumoscope
