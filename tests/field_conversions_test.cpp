#include <gtest/gtest.h>

#include <clocale>

#include "base/FieldConversions.h"

namespace lumoscope {
namespace {

std::string ToDisplay(std::string stored) {
  return DegreeToDisplay(stored, true).value_or("failed");
}

std::string ToStored(std::string display) {
  return DegreeToDisplay(display, false).value_or("failed");
}

TEST(DegreeToDisplay, StoredToDisplay) {
  EXPECT_EQ(ToDisplay("+1234"), "E123.4");
  EXPECT_EQ(ToDisplay("1234"), "E123.4");
  EXPECT_EQ(ToDisplay("  -0750 "), "W075.0");
  EXPECT_EQ(ToDisplay("0000"), "E000.0");
  // Whole degrees wrap at 365, not 360.
  EXPECT_EQ(ToDisplay("3650"), "E000.0");
  EXPECT_EQ(ToDisplay("3640"), "E364.0");
  // Digits end at the first other character.
  EXPECT_EQ(ToDisplay("192x5"), "E019.2");
}

TEST(DegreeToDisplay, DisplayToStored) {
  EXPECT_EQ(ToStored("E123.4"), "1234");
  EXPECT_EQ(ToStored("w75.5"), "-0755");
  EXPECT_EQ(ToStored("W0"), "0000");
  EXPECT_EQ(ToStored("W000.0"), "0000");
  EXPECT_EQ(ToStored("123"), "1230");
  EXPECT_EQ(ToStored("E360.0"), "0000");
  EXPECT_EQ(ToStored("+19.25"), "0192");
  EXPECT_EQ(ToStored("E."), "0000");
  EXPECT_EQ(ToStored("-5."), "-0050");
}

TEST(DegreeToDisplay, BadFirstCharacterGivesNothingAndTrimsTheValue) {
  std::string value = "  X12 ";
  EXPECT_FALSE(DegreeToDisplay(value, false));
  EXPECT_EQ(value, "X12");
  EXPECT_FALSE(DegreeToDisplay(value, true));
  std::string empty;
  EXPECT_FALSE(DegreeToDisplay(empty, true));
  // "E" names east only in the display form.
  std::string east = "E123.4";
  EXPECT_FALSE(DegreeToDisplay(east, true));

  std::string lower = " e12.3";
  EXPECT_EQ(DegreeToDisplay(lower, false), "0123");
  EXPECT_EQ(lower, "E12.3");
}

TEST(HexToInt, DigitsEmptyTextAndFailure) {
  EXPECT_EQ(HexToInt("1F"), 31);
  EXPECT_EQ(HexToInt("FFFF"), 65535);
  EXPECT_EQ(HexToInt(""), 0);
  EXPECT_EQ(HexToInt("0"), 0);
  EXPECT_EQ(HexToInt("1G"), std::nullopt);
  // The text arrives upper-cased; a lower-case digit is no digit here.
  EXPECT_EQ(HexToInt("1f"), std::nullopt);
}

TEST(ParseNumber, DecimalHexAndOtherBases) {
  std::string t = "  -42abc";
  EXPECT_EQ(ParseNumber(t, 10), -42);
  EXPECT_EQ(t, "  -42ABC");  // upper-cased in place
  std::string none = "xyz";
  EXPECT_EQ(ParseNumber(none, 10), 0);
  std::string plus = "+7";
  EXPECT_EQ(ParseNumber(plus, 10), 7);
  std::string hex = "1f";
  EXPECT_EQ(ParseNumber(hex, 16), 31);
  std::string octal = "17";
  EXPECT_EQ(ParseNumber(octal, 8), 0);
  std::string bad = "1g";
  EXPECT_EQ(ParseNumber(bad, 16), std::nullopt);
}

TEST(TrimSpaces, BlanksOnlyAndLengthLimit) {
  std::string s = "  ab c  ";
  EXPECT_TRUE(TrimSpaces(s));
  EXPECT_EQ(s, "ab c");
  std::string tab = "\tx\t";
  EXPECT_TRUE(TrimSpaces(tab));
  EXPECT_EQ(tab, "\tx\t");  // only the space character is a blank here
  std::string blanks = "   ";
  EXPECT_TRUE(TrimSpaces(blanks));
  EXPECT_EQ(blanks, "");
  std::string limit = " " + std::string(253, 'x') + " ";
  EXPECT_TRUE(TrimSpaces(limit));
  EXPECT_EQ(limit.size(), 253u);
  std::string tooLong = " " + std::string(255, 'x');
  EXPECT_FALSE(TrimSpaces(tooLong));
  EXPECT_EQ(tooLong.size(), 256u);
}

// The table read once gives what the C library gives character by character, in each
// locale the machine has of these.
TEST(TrimmedUpperCase, MatchesTrimmedUpperForEveryByte) {
  const std::string before = std::setlocale(LC_ALL, nullptr);
  for (const char* locale : {"C", "C.UTF-8", "en_US.ISO-8859-1"}) {
    if (std::setlocale(LC_ALL, locale) == nullptr) continue;
    const TrimmedUpperCase upper;
    for (int c = 0; c < 256; ++c) {
      const std::string text = "  a" + std::string(1, static_cast<char>(c)) + "z ";
      ASSERT_EQ(upper(text), TrimmedUpper(text)) << locale << " byte " << c;
    }
  }
  std::setlocale(LC_ALL, before.c_str());
}

}  // namespace
}  // namespace lumoscope
