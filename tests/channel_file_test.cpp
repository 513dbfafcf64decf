// The channel files of a Linux DVB scan: the three formats read into the same services,
// and what is no channel file (or a hostile one) refused with the line.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

#include "editing/ChannelFile.h"
#include "tests/support/TempDir.h"

namespace lumoscope::test {
namespace {

const std::string kScans = std::string(LUMOSCOPE_SOURCE_DIR) + "/examples/scans/";

ChannelFile Read(const std::string& path) {
  std::string error;
  const std::optional<ChannelFile> file = ReadChannelFile(path, error);
  EXPECT_TRUE(file) << error;
  return file.value_or(ChannelFile{});
}

ChannelFile Parse(const std::string& text) {
  std::string error;
  const std::optional<ChannelFile> file = ParseChannelFile(text, "scan", error);
  EXPECT_TRUE(file) << error;
  return file.value_or(ChannelFile{});
}

// What reaches the list of a service.
auto Tuned(const ScannedService& s) {
  return std::tie(s.name, s.frequencyKHz, s.symbolRate, s.polarization, s.serviceId, s.videoPid, s.audioPid,
                  s.pcrPid);
}

TEST(ChannelFile, TheExampleFilesOfTheThreeFormatsGiveTheSameServices) {
  const ChannelFile vdr = Read(kScans + "vdr-channels.conf");
  const ChannelFile zap = Read(kScans + "zap-channels.conf");
  const ChannelFile v5 = Read(kScans + "dvbv5-channels.conf");
  EXPECT_EQ(vdr.format, ChannelFileFormat::Vdr);
  EXPECT_EQ(zap.format, ChannelFileFormat::Zap);
  EXPECT_EQ(v5.format, ChannelFileFormat::Dvbv5);
  ASSERT_EQ(zap.services.size(), 6u);
  ASSERT_EQ(v5.services.size(), 6u);
  ASSERT_EQ(vdr.services.size(), 8u);  // and an encrypted one and one of 13.0E
  for (size_t i = 0; i < zap.services.size(); ++i) {
    EXPECT_EQ(Tuned(vdr.services[i]), Tuned(zap.services[i])) << i;
    EXPECT_EQ(Tuned(v5.services[i]), Tuned(zap.services[i])) << i;
  }
  const ScannedService& first = vdr.services[0];
  EXPECT_EQ(first.line, 2);  // after the group separator
  EXPECT_EQ(first.name, "Das Erste HD");
  EXPECT_EQ(first.provider, "ARD");
  EXPECT_EQ(first.position, 192);
  EXPECT_EQ(std::tie(first.frequencyKHz, first.symbolRate, first.serviceId, first.videoPid, first.audioPid),
            std::make_tuple(11494000u, 22000000u, 10301u, 5101u, 5102u));
  EXPECT_EQ(vdr.services[5].videoPid, 0u);  // Bayern 3, a radio station
  EXPECT_EQ(vdr.services[5].pcrPid, vdr.services[5].audioPid);
  EXPECT_TRUE(vdr.services[6].encrypted);
  EXPECT_EQ(vdr.services[7].position, 130);
  EXPECT_EQ(v5.services[0].line, 2);
  EXPECT_EQ(v5.services[5].videoPid, 0u);
}

TEST(ChannelFile, LineEndsCommentsNamelessServicesAndWhatVdrWritesBesideTheChannels) {
  // CR LF line ends, comments, a service without a name, a frequency in kHz, a PCR PID of
  // its own, a short name, a ":" written "|", a Dolby stream only, a terrestrial service.
  const ChannelFile zap = Parse("# comment\r\n\r\n:11494000:H:0:22000:5101:5102,5103:10301\r\n");
  ASSERT_EQ(zap.services.size(), 1u);
  EXPECT_EQ(zap.services[0].name, "");
  EXPECT_EQ(zap.services[0].line, 3);
  EXPECT_EQ(zap.services[0].frequencyKHz, 11494000u);
  EXPECT_EQ(zap.services[0].audioPid, 5102u);

  const ChannelFile vdr = Parse(
      ":@100 Group\r\n"
      "Test|Kanal,TK;Prov:11494:hC23:S19.2E:22000:5101+5100=27:0;5106=deu@106:0:0:1:1:1:0\r\n"
      "BBC ONE;BBC:490000:B8C23D0G32M64S0T8Y0:T:27500:101=2:102=eng@3:0:0:4164:9018:4164:0\n");
  ASSERT_EQ(vdr.services.size(), 2u);
  const ScannedService& s = vdr.services[0];
  EXPECT_EQ(std::tie(s.name, s.provider), std::make_tuple(std::string("Test:Kanal"), std::string("Prov")));
  EXPECT_EQ(std::tie(s.videoPid, s.pcrPid, s.audioPid), std::make_tuple(5101u, 5100u, 5106u));
  EXPECT_EQ(s.polarization, ScanPolarization::Horizontal);
  EXPECT_FALSE(vdr.services[1].satellite);
}

TEST(ChannelFile, RefusesWhatIsNoChannelFileNamingTheLine) {
  const std::string vdr = "A;P:11494:H:S19.2E:22000:5101:5102:0:0:10301:1:1:0\n";
  struct Case {
    std::string text;
    const char* why;
  };
  const Case cases[] = {
      {"# only a comment\n", "none of the formats"},
      {"S 11494000 H 22000000 5/6\n", "none of the formats"},
      {vdr + "A;P:11494:H:S19.2E:22000:5101:5102:0:0:10301\n" + "A;P:11494\n", "line 3 has 2 fields"},
      {vdr + "A;P:11494:H:S19.2E:22000:9000:5102:0:0:10301:1:1:0\n", "line 2 gives a video PID"},
      {vdr + "A;P:11494:H:S19.2E:22000:5101:5102:0:0:70000:1:1:0\n", "line 2 gives a service ID"},
      {vdr + "A;P:11494:H:S19.2X:22000:5101:5102:0:0:10301:1:1:0\n", "line 2 gives a source"},
      {vdr + "A;P:11494:H:S19.2E:22000:5101:5102:0:XY:10301:1:1:0\n", "line 2 gives a CA ID"},
      {vdr + "A;P:99999999999:H:S19.2E:22000:5101:5102:0:0:10301:1:1:0\n", "line 2 gives a frequency"},
      {vdr + std::string(kMaxChannelLineLength + 1, 'x') + "\n", "line 2 is longer than"},
      {vdr + std::string("A\0", 2) + "\n", "line 2 holds a zero byte"},
      {"A:11494:x:0:22000:1:2:3\n", "none of the formats"},
      {"A:11494:h:0:22000:1:2:3\nB:11494:q:0:22000:1:2:3\n", "line 2 gives a polarisation"},
      {"[A]\n\tVIDEO_PID = 1\n", "line 1 opens a group without a SERVICE_ID"},
      {"[A]\n\tSERVICE_ID = 1\n\tAUDIO_PID = many\n", "line 3 gives AUDIO_PID"},
      {"[A]\n\tSERVICE_ID = 1\n\tSERVICE_ID = 2\n", "line 3 gives SERVICE_ID a second time"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(ParseChannelFile(c.text, "scan.conf", error)) << c.why;
    EXPECT_THAT(error, testing::HasSubstr("scan.conf")) << c.why;
    EXPECT_THAT(error, testing::HasSubstr(c.why));
  }
}

TEST(ChannelFile, AFileOfAHundredThousandServicesIsRefusedByItsSizeBeforeItIsRead) {
  TempDir dir;
  const std::string line =
      "Service;Provider:11494:HC23M5O35S1:S19.2E:22000:5101=27:5102=deu@3:0:0:10301:1:1019:0\n";
  const std::string path = dir.File("channels.conf");
  {
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < 100000; ++i) out << line;
  }
  std::string error;
  EXPECT_FALSE(ReadChannelFile(path, error));
  EXPECT_THAT(error, testing::HasSubstr(std::to_string(line.size() * 100000) + " bytes long"));
  // Within the size, the count of services is bounded too.
  std::string many;
  for (size_t i = 0; i <= kMaxChannelFileServices; ++i) many += "A:11494:h:0:22000:1:2:3\n";
  EXPECT_FALSE(ParseChannelFile(many, "scan", error));
  EXPECT_THAT(error, testing::HasSubstr("services a channel file may have"));
}

}  // namespace
}  // namespace lumoscope::test
