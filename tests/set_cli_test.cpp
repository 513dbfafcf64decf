// lumoscope-cli set, run as a person would run it: one record of each section changed and
// saved once with a backup, names stored in the chosen encoding with every other byte of
// the file kept, and refusals that change nothing.
#include <gtest/gtest.h>

#include <functional>

#include "tests/support/CliRun.h"
#include "tests/support/UpkeepLists.h"

namespace lumoscope::test {
namespace {

// A list whose names already hold 8-bit bytes: they must come back unchanged. Its channels
// are numbered as loading numbers them.
listgen::ListContent EightBitList() {
  listgen::ListContent c = UpkeepList(3);
  size_t digital = 0;
  for (auto& r : c.channels) r[0] = std::to_string(++digital);
  for (auto& r : c.pidChannels) r[0] = std::to_string(++digital);
  for (size_t i = 0; i < c.analogTps.size(); ++i) c.analogTps[i][0] = std::to_string(i + 1);
  c.channels[0][5] = "Caf\xE9 Cr\xE8me";
  c.satNames[0][1] = "T\xFCrksat";
  c.analogTps[0][4] = "\xBA\xD0\xDD\xD0\xDB";
  return c;
}

TEST(SetCli, EachSectionIsChangedAndSavedOnceKeepingEveryOtherByte) {
  const listgen::ListContent original = EightBitList();
  const std::string pidNumber = std::to_string(original.channels.size() + 1);
  const std::string& satellite = original.satellites[0][0];
  const std::string& transponder = original.digitalTps[1][0];
  struct Case {
    std::string args;
    std::function<void(listgen::ListContent&)> expect;
  };
  const Case cases[] = {
      {"--channel 2 name=Kanal svc-id=1AB type=radio",
       [](auto& c) {
         c.channels[1][5] = "Kanal";
         c.channels[1][3] = "1AB";
         c.channels[1][4] = "RADIO";
       }},
      {"--pid-channel " + pidNumber + " video-pid=300 active-audio=2",
       [](auto& c) {
         c.pidChannels[0][5] = "300";
         c.pidChannels[0][8] = "2";
       }},
      {"--analog 2 threshold=12 audio-mode=mono_left",
       [](auto& c) {
         c.analogTps[1][7] = "12";
         c.analogTps[1][10] = "MONO_LEFT";
       }},
      {"--satellite " + satellite + " lnb-lo-low=9800 position=3",
       [](auto& c) {
         c.satellites[0][4] = "9800";
         c.satellites[0][5] = "3";
       }},
      {"--transponder " + transponder + " frequency=11111 comment='News Desk'",
       [](auto& c) {
         c.digitalTps[1][2] = "11111";
         c.digitalTps[1][5] = "News Desk";
       }},
      {"--satellite-name 2 name='H\xC3\xB6t Bird'", [](auto& c) { c.satNames[1][1] = "H\xF6t Bird"; }},
      {"--encoding iso-8859-5 --satellite-name 3 name=\xD0\x9A\xD0\xB0\xD0\xBD\xD0\xB0\xD0\xBB",
       [](auto& c) { c.satNames[2][1] = "\xBA\xD0\xDD\xD0\xDB"; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    TempDir dir;
    const std::string path = dir.Write("list.txt", listgen::Render(original));
    const CliResult run = RunCli("set " + path + " " + c.args, dir);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    listgen::ListContent expected = original;
    c.expect(expected);
    EXPECT_EQ(ReadFile(path), listgen::Render(expected));
    EXPECT_EQ(ReadFile(dir.File("list.bak")), listgen::Render(original));
  }
}

TEST(SetCli, RefusalsChangeNothing) {
  const listgen::ListContent original = EightBitList();
  const std::string& satellite = original.satellites[0][0];
  const std::string& transponder = original.digitalTps[0][0];
  struct Case {
    std::string args;
    int exitCode;
    const char* reason;  // in what stderr says
  };
  const Case cases[] = {
      {"--satellite " + satellite + " lnb-lo-low=975", 1, "LNB_LO Lo"},
      {"--satellite " + satellite + " position=3 degree=E200.0", 1, "Degree"},  // the first is not kept
      {"--transponder " + transponder + " sat-index=999", 1, "SAT Index"},
      {"--channel 1 name=\xC5\x99", 1, "U+0159"},
      {"--satellite " + satellite + " 'name=A#B'", 1, "\"#\""},  // the rest of the line a comment
      {"--satellite " + satellite + " name=", 1, "empty"},
      {"--channel 1 'name=A~B'", 1, "\"~\""},  // read back as a blank
      {"--channel 1 svc-id=XYZ", 1, "SVC ID"},
      {"--channel 1 polarization=Q", 1, "Polar"},
      {"--analog 1 name='A very long name'", 1, "Name"},
      {"--channel 9999 name=X", 1, "9999"},
      {"--channel 1 index=5", 2, "index"},
      {"--channel 1 name", 2, "name"},
      {"--encoding KOI8-R --channel 1 name=X", 2, "KOI8-R"},
      {"name=X", 2, "--channel"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    TempDir dir;
    const std::string path = dir.Write("list.txt", listgen::Render(original));
    const CliResult run = RunCli("set " + path + " " + c.args, dir);
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(path), listgen::Render(original));
    EXPECT_FALSE(FileExists(dir.File("list.bak")));
  }
}

}  // namespace
}  // namespace lumoscope::test
