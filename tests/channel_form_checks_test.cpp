#include <gtest/gtest.h>

#include "editing/ChannelFormChecks.h"

namespace lumoscope {
namespace {

TEST(ChannelFormChecks, AcceptTheBoundaryValuesTheReaderTakes) {
  for (const char* ok : {"1234", "12345", "0000"}) EXPECT_FALSE(CheckTuningDigits(ok, "F")) << ok;
  for (const char* bad : {"", "123", "123456", " 1234", "12a4", "-1234"})
    EXPECT_TRUE(CheckTuningDigits(bad, "F")) << bad;

  for (const char* ok : {"0", "1f", "FFFF", "a0B9"}) EXPECT_FALSE(CheckServiceId(ok)) << ok;
  for (const char* bad : {"", "10000", "0x1F", "G", "1 2"}) EXPECT_TRUE(CheckServiceId(bad)) << bad;

  for (const char* ok : {"0", "255", "007"}) EXPECT_FALSE(CheckByte(ok, "B")) << ok;
  for (const char* bad : {"", "256", "1000", "+1", "-0", "1.5"}) EXPECT_TRUE(CheckByte(bad, "B")) << bad;

  for (const char* ok : {"6.50", "0.00", "9.99"}) EXPECT_FALSE(CheckAudioFrequency(ok, "A")) << ok;
  for (const char* bad : {"", "6.5", "6,50", "10.50", "6.500", "a.bc"})
    EXPECT_TRUE(CheckAudioFrequency(bad, "A")) << bad;
}

TEST(ChannelFormChecks, NamesAreShortPlainAndNeverASectionMarker) {
  for (const char* ok : {"THIRTEEN CHAR", " lead", "CHANNEL  END", "channel end", "A#B"})
    EXPECT_FALSE(CheckName(ok, "Name")) << ok;
  // What the list cannot hold is refused by name: an empty name reads back as "--", "~" as
  // a blank, and on a satellite's line "#" starts a comment.
  EXPECT_TRUE(CheckName("", "Name"));
  EXPECT_NE(CheckName("A~B", "Name").value_or("").find("\"~\""), std::string::npos);
  EXPECT_NE(CheckName("A#B", "Name", NamePlace::SatelliteLine).value_or("").find("\"#\""), std::string::npos);
  EXPECT_EQ(CheckName("FOURTEEN CHARS", "Name"), "Name must be at most 13 characters long.");
  EXPECT_EQ(CheckName("TAB\tHERE", "Name"), "Name must not contain tabs or other control characters.");
  EXPECT_EQ(CheckName("\"", "Bouquet"), "Bouquet must not contain double quotes.");
  for (const char* marker : {"SAT_NAME END", "SATELLITE END", "DIGITAL START", "DIGITAL END", "CHANNEL START",
                             "CHANNEL END", "ANALOG START", "ANALOG END"})
    EXPECT_TRUE(CheckName(marker, "Name")) << marker;
}

}  // namespace
}  // namespace lumoscope
