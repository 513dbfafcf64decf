#include <gtest/gtest.h>

#include "base/FieldConversions.h"
#include "tests/support/RecordingReporter.h"

namespace lumoscope {
namespace {

using test::RecordingReporter;

std::string ToDisplay(std::string stored, RecordingReporter& r) {
  std::string out = "unchanged";
  DegreeToDisplay(stored, out, true, r);
  return out;
}

std::string ToStored(std::string display, RecordingReporter& r) {
  std::string out = "unchanged";
  DegreeToDisplay(display, out, false, r);
  return out;
}

TEST(DegreeToDisplay, StoredToDisplay) {
  RecordingReporter r;
  EXPECT_EQ(ToDisplay("+1234", r), "E123.4");
  EXPECT_EQ(ToDisplay("1234", r), "E123.4");
  EXPECT_EQ(ToDisplay("  -0750 ", r), "W075.0");
  EXPECT_EQ(ToDisplay("0000", r), "E000.0");
  // Whole degrees wrap at 365, not 360.
  EXPECT_EQ(ToDisplay("3650", r), "E000.0");
  EXPECT_EQ(ToDisplay("3640", r), "E364.0");
  // Digits end at the first other character.
  EXPECT_EQ(ToDisplay("192x5", r), "E019.2");
  EXPECT_TRUE(r.boxes.empty());
}

TEST(DegreeToDisplay, DisplayToStored) {
  RecordingReporter r;
  EXPECT_EQ(ToStored("E123.4", r), "1234");
  EXPECT_EQ(ToStored("w75.5", r), "-0755");
  EXPECT_EQ(ToStored("W0", r), "0000");
  EXPECT_EQ(ToStored("W000.0", r), "0000");
  EXPECT_EQ(ToStored("123", r), "1230");
  EXPECT_EQ(ToStored("E360.0", r), "0000");
  EXPECT_EQ(ToStored("+19.25", r), "0192");
  EXPECT_EQ(ToStored("E.", r), "0000");
  EXPECT_EQ(ToStored("-5.", r), "-0050");
  EXPECT_TRUE(r.boxes.empty());
}

TEST(DegreeToDisplay, BadFirstCharacterKeepsTheResultAndTrimsTheValue) {
  RecordingReporter r;
  std::string value = "  X12 ";
  std::string out = "kept";
  EXPECT_FALSE(DegreeToDisplay(value, out, false, r));
  EXPECT_EQ(out, "kept");
  EXPECT_EQ(value, "X12");
  EXPECT_FALSE(DegreeToDisplay(value, out, true, r));
  std::string empty;
  EXPECT_FALSE(DegreeToDisplay(empty, out, true, r));
  // "E" names east only in the display form.
  std::string east = "E123.4";
  EXPECT_FALSE(DegreeToDisplay(east, out, true, r));
  EXPECT_EQ(r.boxes, std::vector<std::string>(4, "ERROR in converting degree format!!!"));

  std::string lower = " e12.3";
  ASSERT_TRUE(DegreeToDisplay(lower, out, false, r));
  EXPECT_EQ(lower, "E12.3");
  EXPECT_EQ(out, "0123");
}

TEST(HexToInt, DigitsEmptyTextAndFailure) {
  RecordingReporter r;
  EXPECT_EQ(HexToInt("1F", r), 31);
  EXPECT_EQ(HexToInt("FFFF", r), 65535);
  EXPECT_EQ(HexToInt("", r), 0);
  EXPECT_EQ(HexToInt("0", r), 0);
  EXPECT_TRUE(r.boxes.empty());
  EXPECT_EQ(HexToInt("1G", r), kHexConversionFailed);
  // The text arrives upper-cased; a lower-case digit is no digit here.
  EXPECT_EQ(HexToInt("1f", r), kHexConversionFailed);
  EXPECT_EQ(r.boxes, std::vector<std::string>(2, "Conversion form Hex string to Int is failed"));
}

TEST(ParseNumber, DecimalHexAndOtherBases) {
  RecordingReporter r;
  std::string t = "  -42abc";
  EXPECT_EQ(ParseNumber(t, 10, r), -42);
  EXPECT_EQ(t, "  -42ABC");  // upper-cased in place
  std::string none = "xyz";
  EXPECT_EQ(ParseNumber(none, 10, r), 0);
  std::string plus = "+7";
  EXPECT_EQ(ParseNumber(plus, 10, r), 7);
  std::string hex = "1f";
  EXPECT_EQ(ParseNumber(hex, 16, r), 31);
  std::string octal = "17";
  EXPECT_EQ(ParseNumber(octal, 8, r), 0);
  EXPECT_TRUE(r.boxes.empty());
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

}  // namespace
}  // namespace lumoscope
