#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "base/ListLimits.h"
#include "base/SectionLocator.h"
#include "editing/NewChannel.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/WorkingListBuilder.h"

namespace lumoscope {
namespace {

using test::FakeListView;
using test::ScriptedDialogs;
using test::WorkingListBuilder;

// A dialog closed with OK after typing these values.
std::function<bool(DigitalChannelForm&)> TypeDigital(std::string freq, std::string rate,
                                                     bool horizontal = true, int satellite = 0,
                                                     std::string svcId = "1F") {
  return [=](DigitalChannelForm& f) {
    f.name = "NEW ONE";
    f.svcId = svcId;
    f.frequency = freq;
    f.symbolRate = rate;
    f.horizontal = horizontal;
    f.bouquet = "  BQ  ";
    f.satellite.selected = satellite;
    return true;
  };
}

std::function<bool(AnalogChannelForm&)> TypeAnalog(std::function<void(AnalogChannelForm&)> more = {}) {
  return [=](AnalogChannelForm& f) {
    f.name = " news 24 ";
    f.frequency = "3880";
    f.threshold = "12";
    f.contrast = "200";
    f.audioLeft = "6.50";
    f.audioRight = "7.02";
    f.satellite.selected = 1;
    if (more) more(f);
    return true;
  };
}

// Two satellites (indexes 4 and 9), transponders 2 and 9 on satellite 4, channels with
// SVC indexes 3 and 1, a PID channel with 7.
WorkingListBuilder TypicalList() {
  WorkingListBuilder b;
  b.SatNames(2)
      .Satellite("4", "ASTRA", "10600", "09750", "1", "0192")
      .Satellite("9", "HOTBIRD", "10700", "09800", "2", "-0130")
      .Transponder("2", "4", "11730", "27500", "H")
      .Transponder("9", "4", "12000", "22000", "V")
      .Channel("3", "2", "4")
      .Channel("1", "9", "4")
      .PidChannel("7", "2", "4")
      .Analog("1", "9");
  return b;
}

std::vector<std::string> Record(const std::vector<std::string>& f, const char* endMarker, size_t length) {
  size_t end = 0;
  while (f.at(end) != endMarker) ++end;
  return {f.begin() + static_cast<std::ptrdiff_t>(end - length),
          f.begin() + static_cast<std::ptrdiff_t>(end)};
}

// The state must be exactly the one before the command: fields, undo steps, no refresh.
void ExpectUnchanged(const FakeListView& view, const std::vector<std::string>& before,
                     const std::vector<FakeListView::UndoStep>& undoBefore) {
  EXPECT_EQ(view.fields, before);
  EXPECT_EQ(view.undo, undoBefore);
  EXPECT_EQ(view.refreshes, 0);
}

struct DigitalRun {
  FakeListView view;
  ScriptedDialogs dialogs;
  std::vector<std::string> before;
  std::vector<FakeListView::UndoStep> undoBefore;

  explicit DigitalRun(const std::vector<std::string>& fields) : view(fields, true), before(fields) {
    view.PushUndo("Delete Channel");  // an older step that must survive a refusal
    undoBefore = view.undo;
  }
  void Run() { CreateNewChannel(view, dialogs); }
};

TEST(NewDigitalChannel, FillsTheDialogAndAppendsTheChannelWithTheNextServiceIndex) {
  DigitalRun run(TypicalList().Build());
  run.dialogs.digital = TypeDigital("11730", "27500");  // exact match of transponder 2
  run.Run();

  const DigitalChannelForm& shown = run.dialogs.shownDigital;
  EXPECT_EQ(shown.name, "");
  EXPECT_EQ(shown.activeAudio, "1");
  EXPECT_TRUE(shown.horizontal);
  EXPECT_TRUE(shown.tv);
  EXPECT_EQ(shown.bouquet, "---");
  EXPECT_EQ(shown.satellite.name, "ASTRA");
  EXPECT_EQ(shown.satellite.lnbHigh, "10600");
  EXPECT_EQ(shown.satellite.degree, "0192");  // stored form until a satellite is chosen
  EXPECT_EQ(run.dialogs.shownLines.size(), 14u);
  EXPECT_EQ(run.dialogs.shownLines[7 + 1], "HOTBIRD");

  // Exact reuse: no question, only the 8 channel lines, SVC index 1 + max(3, 7).
  EXPECT_TRUE(run.view.reporter.questions.empty());
  EXPECT_EQ(run.view.fields.size(), run.before.size() + 8);
  EXPECT_EQ(Record(run.view.fields, "CHANNEL END", 8),
            (std::vector<std::string>{"8", "2", "4", "1F", "TV", "NEW ONE", "1", "N"}));
  ASSERT_EQ(run.view.undo.size(), 2u);
  EXPECT_EQ(run.view.undo.back().label, "New Dig Channel");
  EXPECT_EQ(run.view.undo.back().fields, run.before);
  EXPECT_EQ(run.view.refreshes, 1);
}

TEST(NewDigitalChannel, ServiceIndexStartsAtOneAndTheRefreshNumbersByPosition) {
  WorkingListBuilder b;
  b.Satellite("0", "SAT");
  FakeListView view(b.Build());
  view.renumber = true;
  ScriptedDialogs dialogs;
  dialogs.digital = TypeDigital("11000", "27500");
  CreateNewChannel(view, dialogs);
  EXPECT_EQ(Record(view.fields, "DIGITAL END", 6),
            (std::vector<std::string>{"1", "0", "11000", "27500", "H", "BQ"}));
  EXPECT_EQ(Record(view.fields, "CHANNEL END", 8)[0], "1");
}

TEST(NewDigitalChannel, SimilarTransponderIsOfferedAndTheAnswerDecides) {
  const std::string question =
      "Most alike TP exist, Replace with founded TP?\r\n\r\nfounded TP's information:\r\nFreguency   : 11730"
      "\r\nSymbol Rate : 27500\r\nPolarization :Horizontal\r\n\r\nYES\t\t=> REPLACE with founded TP"
      "\r\nNO\t\t=> Make NEW TP\r\nCANCEL\t=> Cancel";
  {
    DigitalRun run(TypicalList().Build());
    run.dialogs.digital = TypeDigital("11727", "27503");
    run.view.reporter.answers = {Answer::Yes};
    run.Run();
    ASSERT_EQ(run.view.reporter.questions.size(), 1u);
    EXPECT_EQ(run.view.reporter.questions[0].text, question);
    EXPECT_EQ(run.view.reporter.questions[0].caption, "REPLACE");
    EXPECT_TRUE(run.view.reporter.questions[0].withCancel);
    EXPECT_EQ(run.view.fields.size(), run.before.size() + 8);
    EXPECT_EQ(Record(run.view.fields, "CHANNEL END", 8)[1], "2");
  }
  {
    DigitalRun run(TypicalList().Build());
    run.dialogs.digital = TypeDigital("11727", "27500");
    run.view.reporter.answers = {Answer::No};
    run.Run();
    // A new transponder one above the largest (9), then the channel that uses it.
    EXPECT_EQ(Record(run.view.fields, "DIGITAL END", 6),
              (std::vector<std::string>{"10", "4", "11727", "27500", "H", "BQ"}));
    EXPECT_EQ(Record(run.view.fields, "CHANNEL END", 8)[1], "10");
    EXPECT_EQ(run.view.fields.size(), run.before.size() + 14);
    EXPECT_EQ(run.view.refreshes, 1);
  }
  {
    DigitalRun run(TypicalList().Build());
    run.dialogs.digital = TypeDigital("11727", "27500");
    run.view.reporter.answers = {Answer::Cancel};
    run.Run();
    ExpectUnchanged(run.view, run.before, run.undoBefore);
    EXPECT_TRUE(run.view.reporter.boxes.empty());
  }
}

TEST(NewDigitalChannel, OnlyNearbyTuningOnTheSameSatelliteAndPolarityIsSimilar) {
  struct Case {
    const char* what;
    std::function<bool(DigitalChannelForm&)> typed;
  };
  const Case cases[] = {
      {"frequency 5 away", TypeDigital("11725", "27500")},
      {"symbol rate 5 away", TypeDigital("11730", "27505")},
      {"other polarity", TypeDigital("11730", "27500", false)},
      {"other satellite", TypeDigital("11730", "27500", true, 1)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DigitalRun run(TypicalList().Build());
    run.dialogs.digital = c.typed;
    run.Run();
    EXPECT_TRUE(run.view.reporter.questions.empty());
    EXPECT_EQ(Record(run.view.fields, "DIGITAL END", 6)[0], "10");
    EXPECT_EQ(Record(run.view.fields, "CHANNEL END", 8)[1], "10");
  }
}

TEST(NewDigitalChannel, RefusalsAfterTheDialogDropTheUndoStepAndChangeNothing) {
  struct Case {
    const char* message;
    std::function<void(DigitalChannelForm&)> edit;
  };
  const Case cases[] = {
      {"ERROR:When PID Value is filled, SvcID must not fill!!", [](auto& f) { f.svcId = "   "; }},
      {"SVC ID(hex) must be 1 to 4 hexadecimal digits (0-9, A-F), such as 1A2F.",
       [](auto& f) { f.svcId = "1FFFF"; }},
      {"SVC ID(hex) must be 1 to 4 hexadecimal digits (0-9, A-F), such as 1A2F.",
       [](auto& f) { f.svcId = "1G"; }},
      {"Frequency[MHz] must be 4 or 5 digits (0-9), such as 11727.", [](auto& f) { f.frequency = ""; }},
      {"Frequency[MHz] must be 4 or 5 digits (0-9), such as 11727.", [](auto& f) { f.frequency = "117270"; }},
      {"Symbol Rate[KHz] must be 4 or 5 digits (0-9), such as 11727.",
       [](auto& f) { f.symbolRate = "27a00"; }},
      {"Active Audio must be a number from 0 to 255.", [](auto& f) { f.activeAudio = "256"; }},
      {"Name must be at most 13 characters long.", [](auto& f) { f.name = "FOURTEEN CHARS"; }},
      {"Name must not contain double quotes.", [](auto& f) { f.name = "A\"B"; }},
      {"Name must not be \"CHANNEL END\": that text marks a section of the channel list.",
       [](auto& f) { f.name = "CHANNEL END"; }},
      {"Name must not contain \"~\": the list reads it back as a blank; type a blank instead.",
       [](auto& f) { f.name = "DIGITAL~END"; }},
      {"Bouquet must not be \"ANALOG END\": that text marks a section of the channel list.",
       [](auto& f) { f.bouquet = " ANALOG END "; }},
      {"Satellite: choose one of the satellites of the list.", [](auto& f) { f.satellite.selected = 2; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    DigitalRun run(TypicalList().Build());
    run.dialogs.digital = [&](DigitalChannelForm& f) {
      TypeDigital("11000", "27500")(f);
      c.edit(f);
      return true;
    };
    run.Run();
    ExpectUnchanged(run.view, run.before, run.undoBefore);
    EXPECT_EQ(run.view.drops, 1);
    EXPECT_EQ(run.view.reporter.boxes, std::vector<std::string>{c.message});
  }
}

TEST(NewDigitalChannel, CancelledDialogRecordsNothing) {
  DigitalRun run(TypicalList().Build());
  run.Run();  // the scripted dialog answers Cancel
  EXPECT_EQ(run.dialogs.runs, 1);
  ExpectUnchanged(run.view, run.before, run.undoBefore);
  EXPECT_EQ(run.view.drops, 0);
}

TEST(NewChannel, IsRefusedBeforeTheDialogWithoutSatelliteOrSection) {
  WorkingListBuilder noSatellite = TypicalList();
  noSatellite.satellites.clear();
  WorkingListBuilder noPid = TypicalList();
  noPid.withPidSection = false;
  std::vector<std::string> noEnd = TypicalList().Build();
  noEnd.pop_back();  // "ANALOG END"

  struct Case {
    std::vector<std::string> fields;
    bool digital;
    const char* message;
  };
  const Case cases[] = {
      {noSatellite.Build(), true,
       "A new channel cannot be made: the channel list has no satellite. Add a satellite to the [SATELLITE] "
       "section "
       "first."},
      {noSatellite.Build(), false,
       "A new channel cannot be made: the channel list has no satellite. Add a satellite to the [SATELLITE] "
       "section "
       "first."},
      {noPid.Build(), true,
       "A new channel cannot be made: the [DIGITAL PID CHANNEL] section of the channel list is missing or "
       "damaged."},
      {noEnd, false,
       "A new channel cannot be made: the [ANALOG TP] section of the channel list is missing or damaged."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    FakeListView view(c.fields, c.digital);
    ScriptedDialogs dialogs;
    CreateNewChannel(view, dialogs);
    EXPECT_EQ(dialogs.runs, 0);
    EXPECT_TRUE(view.undo.empty());
    EXPECT_EQ(view.fields, c.fields);
    EXPECT_EQ(view.reporter.boxes, std::vector<std::string>{c.message});
  }
  // The analog command does not need the digital sections.
  FakeListView analogOnly(noPid.Build(), false);
  ScriptedDialogs dialogs;
  dialogs.analog = TypeAnalog();
  CreateNewChannel(analogOnly, dialogs);
  EXPECT_EQ(analogOnly.refreshes, 1);
}

TEST(NewChannel, FullListIsRefused) {
  {  // 9999 digital channels already: 9998 CHANNEL + 1 PID.
    WorkingListBuilder b = TypicalList();
    b.channels.clear();
    for (int i = 1; i <= 9998; ++i) b.Channel(std::to_string(i), "2", "4");
    DigitalRun run(b.Build());
    run.dialogs.digital = TypeDigital("11730", "27500");
    run.Run();
    ExpectUnchanged(run.view, run.before, run.undoBefore);
    EXPECT_EQ(run.view.reporter.boxes, std::vector<std::string>{kListFullMessage});
  }
  {  // A new transponder would get index 5000; reusing one is still fine.
    WorkingListBuilder b = TypicalList();
    b.Transponder("4999", "4", "12500", "27500", "H");
    DigitalRun run(b.Build());
    run.dialogs.digital = TypeDigital("10000", "27500");
    run.Run();
    ExpectUnchanged(run.view, run.before, run.undoBefore);
    EXPECT_EQ(run.view.reporter.boxes, std::vector<std::string>{kListFullMessage});

    DigitalRun reuse(b.Build());
    reuse.dialogs.digital = TypeDigital("12500", "27500");
    reuse.Run();
    EXPECT_EQ(reuse.view.refreshes, 1);
  }
  {  // 4999 analog channels already.
    WorkingListBuilder b = TypicalList();
    b.analog.clear();
    for (int i = 1; i <= 4999; ++i) b.Analog(std::to_string(i), "4");
    const std::vector<std::string> before = b.Build();
    FakeListView view(before, false);
    ScriptedDialogs dialogs;
    dialogs.analog = TypeAnalog();
    CreateNewChannel(view, dialogs);
    EXPECT_EQ(view.fields, before);
    EXPECT_TRUE(view.undo.empty());
    EXPECT_EQ(view.reporter.boxes, std::vector<std::string>{kListFullMessage});
  }
}

TEST(NewAnalogChannel, AppendsTheEighteenLineRecord) {
  FakeListView view(TypicalList().Build(), false);
  ScriptedDialogs dialogs;
  dialogs.analog = TypeAnalog([](AnalogChannelForm& f) {
    f.cBand = false;
    f.videoBand = 1;
    f.horizontal = false;
    f.decoderOutput = 3;
    f.audioMode = 2;
    f.bandWidth = 4;
    f.dnrYes = false;
    f.deEmphasis = 2;
    f.tv = false;
  });
  CreateNewChannel(view, dialogs);

  const AnalogChannelForm& shown = dialogs.shownAnalog;
  EXPECT_TRUE(shown.cBand && shown.horizontal && shown.dnrYes && shown.tv);
  EXPECT_EQ(shown.videoBand + shown.decoderOutput + shown.audioMode + shown.bandWidth + shown.deEmphasis, 0);
  EXPECT_EQ(shown.satellite.name, "ASTRA");
  EXPECT_EQ(Record(view.fields, "ANALOG END", 18),
            (std::vector<std::string>{"1", "9", "3880", "KU", "NEWS 24", "27MHz", "V", "12", "200", "CANAL",
                                      "MONO_RIGHT", "6.50", "7.02", "400", "N", "U75", "RADIO", "N"}));
  ASSERT_EQ(view.undo.size(), 1u);
  EXPECT_EQ(view.undo[0].label, "New Ana Channel");
  EXPECT_EQ(view.refreshes, 1);

  // The defaults and the first list entries give the first keywords.
  FakeListView plain(TypicalList().Build(), false);
  plain.renumber = true;
  dialogs.analog = TypeAnalog();
  CreateNewChannel(plain, dialogs);
  EXPECT_EQ(Record(plain.fields, "ANALOG END", 18),
            (std::vector<std::string>{"2", "9", "3880", "C", "NEWS 24", "18MHz", "H", "12", "200", "CVBS",
                                      "STEREO", "6.50", "7.02", "130", "Y", "NO_DEEMP", "TV", "N"}));
}

TEST(NewAnalogChannel, RefusalsAfterTheDialogDropTheUndoStepAndChangeNothing) {
  struct Case {
    const char* message;
    std::function<void(AnalogChannelForm&)> edit;
  };
  const Case cases[] = {
      {"Frequency not filled!", [](auto& f) { f.frequency = ""; }},
      {"Frequency[MHz] must be 4 or 5 digits (0-9), such as 11727.", [](auto& f) { f.frequency = "388"; }},
      {"Threshold must be a number from 0 to 255.", [](auto& f) { f.threshold = ""; }},
      {"Contrast must be a number from 0 to 255.", [](auto& f) { f.contrast = "-1"; }},
      {"Audio Freq LEFT[MHz] must be written d.dd (a digit, a point and two digits), such as 6.50.",
       [](auto& f) { f.audioLeft = "6.5"; }},
      {"Audio Freq RIGHT[MHz] must be written d.dd (a digit, a point and two digits), such as 6.50.",
       [](auto& f) { f.audioRight = "6,50"; }},
      {"Name must not be \"ANALOG END\": that text marks a section of the channel list.",
       [](auto& f) { f.name = " analog end"; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const std::vector<std::string> before = TypicalList().Build();
    FakeListView view(before, false);
    ScriptedDialogs dialogs;
    dialogs.analog = TypeAnalog(c.edit);
    CreateNewChannel(view, dialogs);
    EXPECT_EQ(view.fields, before);
    EXPECT_TRUE(view.undo.empty());
    EXPECT_EQ(view.drops, 1);
    EXPECT_EQ(view.reporter.boxes, std::vector<std::string>{c.message});
  }
}

TEST(SectionLocator, StepsOverWholeRecordsSoMarkerLikeNamesAreNotMarkers) {
  // A list read from an old file may hold a channel named like a marker.
  WorkingListBuilder b = TypicalList();
  b.Channel("5", "2", "4", "CHANNEL END");
  const std::vector<std::string> f = b.Build();
  const SectionLocator sections(f);
  EXPECT_EQ(sections[Section::DigitalChannel].Records(), 3u);
  EXPECT_EQ(sections[Section::PidChannel].Records(), 1u);
  EXPECT_EQ(sections[Section::AnalogTp].Records(), 1u);
  EXPECT_EQ(f[sections[Section::AnalogTp].end], "ANALOG END");

  // A section whose length is not whole records has no end marker at a boundary.
  std::vector<std::string> broken = TypicalList().Build();
  broken.insert(broken.begin() + 8, "stray");  // inside the first satellite
  const SectionLocator damaged(broken);
  EXPECT_FALSE(damaged[Section::Satellite].Found());
  EXPECT_TRUE(damaged[Section::SatNameList].Found());

  // A repeated section counts by its last appearance, the one a save keeps.
  std::vector<std::string> twice = TypicalList().Build();
  const size_t firstEnd =
      static_cast<size_t>(std::find(twice.begin(), twice.end(), "DIGITAL END") - twice.begin());
  twice.insert(twice.begin() + static_cast<std::ptrdiff_t>(firstEnd + 1), {"DIGITAL START", "DIGITAL END"});
  const SectionLocator repeated(twice);
  EXPECT_EQ(repeated[Section::DigitalTp].start, firstEnd + 1);
  EXPECT_EQ(repeated[Section::DigitalTp].Records(), 0u);
  EXPECT_EQ(repeated[Section::DigitalChannel].Records(), 2u);
}

}  // namespace
}  // namespace lumoscope
