// Importing the services of a scan into the list: the channels and transponders made, what
// is skipped and why, one undo step, and a result that checks, compiles and fits.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/ListLimits.h"
#include "base/RecordFields.h"
#include "base/SectionLocator.h"
#include "base/SilentReporter.h"
#include "database/ListDB.h"
#include "editing/ChannelImport.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/TempDir.h"
#include "tests/support/WorkingListBuilder.h"
#include "tools/listgen/ListGenerator.h"
#include "transfer/SectionListLoader.h"
#include "transfer/SectionListParser.h"
#include "transfer/SectionListWriter.h"

namespace lumoscope::test {
namespace {

const std::string kScans = std::string(LUMOSCOPE_SOURCE_DIR) + "/examples/scans/";

ChannelFile Parse(const std::string& text) {
  std::string error;
  const std::optional<ChannelFile> file = ParseChannelFile(text, "scan", error);
  EXPECT_TRUE(file) << error;
  return file.value_or(ChannelFile{});
}

ChannelFile Read(const std::string& name) {
  std::string error;
  const std::optional<ChannelFile> file = ReadChannelFile(kScans + name, error);
  EXPECT_TRUE(file) << error;
  return file.value_or(ChannelFile{});
}

// Satellite 3 at 19.2E with transponder 7 (11494 H 22000, channel SVC ID 283D on it),
// satellite 5 at 13.0E.
std::vector<std::string> TwoSatellites() {
  WorkingListBuilder b;
  b.SatNames(32)
      .Satellite("3", "Testsat 19.2E")
      .Satellite("5", "Other 13E", "10600", "09750", "1", "0130")
      .Transponder("7", "3", "11494", "22000", "H", "ASTRA")
      .Transponder("12", "5", "11778", "27500", "V");
  b.channels = {"1", "7", "3", "283D", "TV", "Das Erste HD", "0", "N"};
  return b.Build();
}

std::vector<std::vector<std::string>> Records(const std::vector<std::string>& fields, Section section) {
  const SectionSpan span = SectionLocator(fields)[section];
  std::vector<std::vector<std::string>> out;
  for (size_t r = 0; r < span.Records(); ++r)
    out.emplace_back(fields.begin() + static_cast<std::ptrdiff_t>(span.At(r)),
                     fields.begin() + static_cast<std::ptrdiff_t>(span.At(r) + span.width));
  return out;
}

TEST(ChannelImport, ChannelsOnTheSatellitesTranspondersOrNewOnesInOneUndoStep) {
  FakeListView view(TwoSatellites());
  const std::vector<std::string> before = view.fields;
  const auto report = ImportChannels(view, Read("vdr-channels.conf"), "vdr-channels.conf", {"3"});
  ASSERT_TRUE(report);
  EXPECT_EQ(report->tv, 4u);
  EXPECT_EQ(report->radio, 1u);
  EXPECT_EQ(report->alreadyThere, 1u);  // Das Erste HD on transponder 7
  EXPECT_EQ(report->encrypted, 1u);
  EXPECT_EQ(report->otherPositions, (std::map<int, size_t>{{130, 1}}));
  EXPECT_EQ(report->newTransponders, 4u);

  using Record = std::vector<std::string>;
  const auto tps = Records(view.fields, Section::DigitalTp);
  ASSERT_EQ(tps.size(), 6u);
  EXPECT_EQ(tps[2],
            (Record{"13", "3", "11362", "22000", "H", "ZDFvision"}));  // the bouquet from the provider
  const auto channels = Records(view.fields, Section::DigitalChannel);
  ASSERT_EQ(channels.size(), 6u);
  EXPECT_EQ(channels[1], (Record{"2", "7", "3", "283E", "TV", "arte HD", "1", "N"}));
  EXPECT_EQ(channels[5], (Record{"6", "16", "3", "6EF0", "RADIO", "Bayern 3", "1", "N"}));
  ASSERT_EQ(view.undo.size(), 1u);
  EXPECT_EQ(view.undo[0].label, kChannelImportUndoLabel);
  EXPECT_EQ(view.undo[0].fields, before);

  // Imported again, everything is there: nothing changes, no undo step.
  const std::vector<std::string> once = view.fields;
  const auto again = ImportChannels(view, Read("vdr-channels.conf"), "vdr-channels.conf", {"3"});
  ASSERT_TRUE(again);
  EXPECT_EQ(again->Added(), 0u);
  EXPECT_EQ(again->alreadyThere, 6u);
  EXPECT_EQ(view.fields, once);
  EXPECT_EQ(view.undo.size(), 1u);
}

TEST(ChannelImport, WhatIsSkippedIsCountedAndNamedInTheReport) {
  // Zap: no positions, no CA IDs. A duplicate, a frequency no LNB receives, a symbol rate
  // the list cannot hold, a data service, a name too long and one missing.
  const ChannelFile file = Parse(
      "Eins:11494:h:0:22000:5101:5102:10301\n"
      "Eins again:11494:h:0:22000:5101:5102:10301\n"
      "Out of band:2100:h:0:22000:5101:5102:10302\n"
      "Fast:11494:h:0:120000:5101:5102:10303\n"
      "Data:11494:h:0:22000:0:0:10304\n"
      "A name much too long:11494:h:0:22000:5101:5102:10305\n"
      ":11494:h:0:22000:0:5102:10306\n");
  FakeListView view(TwoSatellites());
  const auto report = ImportChannels(view, file, "scan", {"5"});
  ASSERT_TRUE(report);
  EXPECT_EQ(report->tv, 2u);
  EXPECT_EQ(report->radio, 1u);
  EXPECT_EQ(report->alreadyThere, 1u);
  EXPECT_EQ(report->dataServices, 1u);
  EXPECT_EQ(report->outOfBand, (std::vector<std::pair<int, uint32_t>>{{3, 2100000}}));
  EXPECT_EQ(report->unusable, std::vector<int>{4});
  ASSERT_EQ(report->cutNames.size(), 1u);
  EXPECT_EQ(report->cutNames[0].second, "A name much t");
  EXPECT_EQ(report->unnamed, 1u);
  EXPECT_EQ(Records(view.fields, Section::DigitalChannel).back()[field::kChName], "SID 10306");
  const std::string text = ChannelImportReportText(*report, NameCodec());
  for (const char* part : {"3 channels added (2 TV, 1 radio)", "1 skipped: already", "line 3 (2100000 kHz)",
                           ": line 4.", "\"A name much too long\" -> \"A name much t\"", "1 without a name"})
    EXPECT_THAT(text, testing::HasSubstr(part));
}

TEST(ChannelImport, PidChannelsEncryptedServicesAndPositions) {
  FakeListView view(TwoSatellites());
  const auto report = ImportChannels(view, Read("vdr-channels.conf"), "vdr-channels.conf", {"3", true, true});
  ASSERT_TRUE(report);
  EXPECT_EQ(report->Added(), 7u);  // the encrypted one too; the one of 13.0E not
  const auto pids = Records(view.fields, Section::PidChannel);
  ASSERT_EQ(pids.size(), 7u);
  EXPECT_EQ(pids[1],
            (std::vector<std::string>{"3", "7", "3", "TV", "arte HD", "5111", "5112", "5111", "1", "N"}));
  EXPECT_EQ(pids[5][field::kPidPcr], "2049");  // a radio station's PCR is its audio

  // A satellite without a position of its own takes a file of one position, not of two.
  WorkingListBuilder b;
  b.SatNames(32).Satellite("0", "Dish", "10600", "09750", "1", "0");
  for (const char* zap : {"zap-channels.conf", "dvbv5-channels.conf"}) {
    FakeListView unplaced(b.Build());
    const auto taken = ImportChannels(unplaced, Read(zap), zap, {"0"});
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->Added(), 6u);
  }
  FakeListView unplaced(b.Build());
  EXPECT_FALSE(ImportChannels(unplaced, Read("vdr-channels.conf"), "vdr-channels.conf", {"0"}));
  EXPECT_THAT(unplaced.reporter.boxes.at(0), testing::HasSubstr("(13.0E, 19.2E)"));
}

TEST(ChannelImport, RefusedWholeWhenTheListCannotTakeIt) {
  std::vector<std::string> full;
  SilentReporter silent;
  bool resave = false;
  ASSERT_TRUE(ParseSectionList(listgen::FullReceiverList(), silent, full, resave));
  struct Case {
    std::vector<std::string> list;
    std::string satellite;
    std::string message;
  };
  const Case cases[] = {
      {full, "0", "would no longer fit the receiver"},
      {TwoSatellites(), "4", "no satellite with the index 4"},
  };
  for (const Case& c : cases) {
    FakeListView view(c.list);
    EXPECT_FALSE(ImportChannels(view, Read("zap-channels.conf"), "scan", {c.satellite}));
    EXPECT_EQ(view.fields, c.list);
    EXPECT_TRUE(view.undo.empty());
    ASSERT_EQ(view.reporter.boxes.size(), 1u);
    EXPECT_THAT(view.reporter.boxes[0], testing::HasSubstr(c.message));
  }
}

TEST(ChannelImport, TheResultChecksAndCompiles) {
  TempDir dir;
  const std::string path = dir.Write("list.txt", test::ReadFile(LUMOSCOPE_SOURCE_DIR "/examples/sample.txt"));
  RecordingReporter reporter;
  AppOptions options;
  CListDB db(reporter, options, path);
  std::vector<std::string> fields;
  ASSERT_TRUE(LoadSectionList(db, fields));
  for (const bool pids : {false, true}) {
    FakeListView view(fields);
    view.renumber = true;
    for (const char* name : {"vdr-channels.conf", "zap-channels.conf", "dvbv5-channels.conf"})
      ASSERT_TRUE(ImportChannels(view, Read(name), name, {"0", pids, true}));
    ASSERT_TRUE(SaveSectionList(db, view.fields));
    std::vector<std::string> reloaded;
    ASSERT_TRUE(LoadSectionList(db, reloaded)) << (reporter.boxes.empty() ? "" : reporter.boxes.back());
    db.validateOnly = false;
    EXPECT_EQ(db.Compile(kCompileNormal), 1) << (reporter.boxes.empty() ? "" : reporter.boxes.back());
    EXPECT_EQ(db.Compile(kCompileBasic), 1) << (reporter.boxes.empty() ? "" : reporter.boxes.back());
  }
}

}  // namespace
}  // namespace lumoscope::test
