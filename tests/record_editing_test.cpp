// Editing what is already in the list, through the list view: channels in their dialogs
// (scripted), the other sections' fields in place, undo and redo over every kind of change,
// the undo depth and the name encoding.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "base/RecordFields.h"
#include "editing/EditChannel.h"
#include "editing/FieldRules.h"
#include "shell/EditingSettings.h"
#include "shell/OptionDialogState.h"
#include "shell/SettingsStore.h"
#include "tests/support/ListViewFixture.h"
#include "tests/support/ScriptedDialogs.h"

namespace lumoscope::test {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

// The standard list with a third transponder (3: satellite 1, 11500 MHz) that no channel uses.
FieldsBuilder WithSpareTransponder() {
  FieldsBuilder b;
  b.SatName("1", "Astra").SatName("2", "Hot");
  b.Satellite("1", "Astra", "0192").Satellite("2", "Hot", "-0750");
  b.Tp("1", "1", "11000", "Sky").Tp("2", "2", "12000", "Rai").Tp("3", "1", "11500", "Spare");
  b.Channel("1", "1", "TV", "A").Channel("1", "1", "TV", "B");
  b.Pid("1", "1", "TV", "P1").Pid("2", "2", "RADIO", "P2");
  b.Analog("1", "TV", "X").Analog("2", "TV", "Y");
  return b;
}

class RecordEditingTest : public ListViewTest {
 protected:
  void SetUp() override {
    view.SetChannelDialogs(&dialogs);
    Load(WithSpareTransponder());
  }

  const std::string& Field(Section section, size_t record, int field) {
    return view.Fields()[SectionLocator(view.Fields())[section].At(record, field)];
  }
  size_t Records(Section section) { return SectionLocator(view.Fields())[section].Records(); }

  // Opens the channel at `row` of the digital or analog channel view.
  bool EditChannelRow(bool digital, int row) {
    view.ExecuteCommand(digital ? cmd::kViewDigitalChannels : cmd::kViewAnalogChannels);
    return view.EditChannelAt(row);
  }

  ScriptedDialogs dialogs;
};

TEST_F(RecordEditingTest, EachChannelKindChangesInPlaceKeepingPlaceAndNumber) {
  struct Change {
    int field;
    const char* stored;
  };
  struct Case {
    const char* what;
    bool digital;
    int row;
    Section section;
    size_t record;
    std::function<void(ScriptedDialogs&)> type;
    std::vector<Change> changes;
  };
  const Case cases[] = {
      {"digital channel",
       true,
       1,
       Section::DigitalChannel,
       1,
       [](ScriptedDialogs& d) {
         d.digital = [](DigitalChannelForm& f) {
           EXPECT_EQ(f.name, "B");
           f.name = "Bee";
           f.svcId = "1f2";
           f.tv = false;
           return true;
         };
       },
       {{field::kChSvcId, "1f2"}, {field::kChType, "RADIO"}, {field::kChName, "Bee"}}},
      {"PID channel in the digital dialog",
       true,
       3,
       Section::PidChannel,
       1,
       [](ScriptedDialogs& d) {
         d.digital = [](DigitalChannelForm& f) {
           EXPECT_TRUE(f.pid);
           EXPECT_EQ(f.videoPid, "100");
           f.videoPid = "200";
           f.activeAudio = "2";
           return true;
         };
       },
       {{field::kPidVideo, "200"}, {field::kPidActiveAudio, "2"}}},
      {"analog channel",
       false,
       1,
       Section::AnalogTp,
       1,
       [](ScriptedDialogs& d) {
         d.analog = [](AnalogChannelForm& f) {
           EXPECT_EQ(f.name, "Y");
           f.name = " news y ";
           f.threshold = "12";
           return true;
         };
       },
       {{field::kAnName, "NEWS Y"}, {field::kAnThreshold, "12"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Load(WithSpareTransponder());
    view.ResetUndo();
    const std::vector<std::string> before = view.Fields();
    c.type(dialogs);
    EXPECT_TRUE(EditChannelRow(c.digital, c.row));
    EXPECT_EQ(dialogs.shownPurpose, DialogPurpose::Edit);

    std::vector<std::string> expected = before;
    const size_t first = SectionLocator(before)[c.section].At(c.record);
    for (const Change& change : c.changes)
      expected[first + static_cast<size_t>(change.field)] = change.stored;
    EXPECT_EQ(view.Fields(), expected);  // the same place, the same index, nothing else touched
    EXPECT_EQ(view.CommandText(cmd::kUndo), "Undo (1 - Edit Channel)");
    EXPECT_EQ(control.focused, c.row);

    view.Undo();
    EXPECT_EQ(view.Fields(), before);
    view.Redo();
    EXPECT_EQ(view.Fields(), expected);
  }
  // OK on the values as they were records nothing.
  view.ResetUndo();
  dialogs.digital = [](DigitalChannelForm&) { return true; };
  EXPECT_FALSE(EditChannelRow(true, 0));
  EXPECT_EQ(view.UndoCount(), 0);
  EXPECT_FALSE(view.IsModified());
}

TEST_F(RecordEditingTest, ChangedTuningGoesThroughTheTransponderSearch) {
  struct Case {
    const char* what;
    const char* frequency;
    int satellite;
    std::vector<Answer> answers;
    const char* tp;  // the channel's transponder afterwards; null when nothing changed
    size_t transponders;
  };
  const Case cases[] = {
      {"exact match on another satellite is reused", "12000", 1, {}, "2", 3},
      {"near match, REPLACE answered Yes", "11502", 0, {Answer::Yes}, "3", 3},
      {"near match, REPLACE answered No: a new transponder", "11502", 0, {Answer::No}, "4", 4},
      {"near match, REPLACE cancelled", "11502", 0, {Answer::Cancel}, nullptr, 3},
      {"nothing near: a new transponder", "11900", 0, {}, "4", 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Load(WithSpareTransponder());
    view.ResetUndo();
    reporter.Clear();
    const std::vector<std::string> before = view.Fields();
    reporter.answers.assign(c.answers.begin(), c.answers.end());
    dialogs.digital = [&c](DigitalChannelForm& f) {
      f.frequency = c.frequency;
      f.satellite.selected = c.satellite;
      return true;
    };
    EXPECT_EQ(EditChannelRow(true, 0), c.tp != nullptr);
    EXPECT_EQ(reporter.questions.size(), c.answers.size());
    if (!c.answers.empty()) {
      EXPECT_EQ(reporter.questions[0].caption, "REPLACE");
    }
    if (c.tp == nullptr) {
      EXPECT_EQ(view.Fields(), before);
      EXPECT_EQ(view.UndoCount(), 0);
      continue;
    }
    EXPECT_EQ(Records(Section::DigitalTp), c.transponders);
    EXPECT_EQ(Field(Section::DigitalChannel, 0, field::kChTp), c.tp);
    EXPECT_EQ(Field(Section::DigitalChannel, 0, field::kChName), "A");
    // The transponder the channel left stays, with the other channel on it.
    EXPECT_EQ(Field(Section::DigitalTp, 0, field::kTpFrequency), "11000");
    EXPECT_EQ(Field(Section::DigitalChannel, 1, field::kChTp), "1");
    EXPECT_EQ(view.UndoCount(), 1);
  }
}

TEST_F(RecordEditingTest, RefusedChannelValuesNameTheFieldAndChangeNothing) {
  struct Case {
    bool digital;
    std::function<void(DigitalChannelForm&)> digitalEdit;
    std::function<void(AnalogChannelForm&)> analogEdit;
    const char* field;
  };
  const Case cases[] = {
      {true, [](auto& f) { f.name = "FOURTEEN CHARS"; }, {}, "Name"},
      {true, [](auto& f) { f.svcId = "1G"; }, {}, "SVC ID"},
      {true, [](auto& f) { f.frequency = "117"; }, {}, "Frequency"},
      {true, [](auto& f) { f.name = "\xD0\x9A\xD0\xB0"; }, {}, "Name"},  // Cyrillic in ISO-8859-1
      {false, {}, [](auto& f) { f.threshold = "256"; }, "Threshold"},
      {false, {}, [](auto& f) { f.audioLeft = "6.5"; }, "Audio Freq LEFT"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    Load(WithSpareTransponder());
    view.ResetUndo();
    reporter.Clear();
    const std::vector<std::string> before = view.Fields();
    dialogs.digital = [&c](DigitalChannelForm& f) {
      c.digitalEdit(f);
      return true;
    };
    dialogs.analog = [&c](AnalogChannelForm& f) {
      c.analogEdit(f);
      return true;
    };
    EXPECT_FALSE(EditChannelRow(c.digital, 0));
    ASSERT_EQ(reporter.boxes.size(), 1u);
    EXPECT_THAT(reporter.boxes[0], HasSubstr(c.field));
    EXPECT_EQ(view.Fields(), before);
    EXPECT_EQ(view.UndoCount(), 0);
  }
  EXPECT_THAT(reporter.boxes.empty() ? "" : reporter.boxes[0], HasSubstr("6.50"));
}

TEST_F(RecordEditingTest, SectionFieldsAreEditedInPlaceWithTheReadersRules) {
  struct Case {
    int viewCommand;
    Section section;
    int row;
    int column;
    const char* typed;
    const char* stored;  // null: refused, and the message starts with the column's title
    const char* undoLabel;
  };
  const Case cases[] = {
      {cmd::kViewSatNames, Section::SatNameList, 0, 1, "Astra 19", "Astra 19", "Edit Satellite Name"},
      {cmd::kViewSatNames, Section::SatNameList, 0, 1, "A name too long", nullptr, nullptr},
      {cmd::kViewSatellites, Section::Satellite, 1, 3, "10750", "10750", "Edit Satellite"},
      {cmd::kViewSatellites, Section::Satellite, 1, 6, "W030.0", "-0300", "Edit Satellite"},
      {cmd::kViewSatellites, Section::Satellite, 1, 6, "E200.0", nullptr, nullptr},
      {cmd::kViewSatellites, Section::Satellite, 0, 5, "256", nullptr, nullptr},
      {cmd::kViewDigitalTps, Section::DigitalTp, 0, 2, "11100", "11100", "Edit Transponder"},
      {cmd::kViewDigitalTps, Section::DigitalTp, 0, 4, "v", "V", "Edit Transponder"},
      {cmd::kViewDigitalTps, Section::DigitalTp, 0, 1, "2", "2", "Edit Transponder"},
      {cmd::kViewDigitalTps, Section::DigitalTp, 0, 1, "7", nullptr, nullptr},  // no such satellite
      {cmd::kViewDigitalTps, Section::DigitalTp, 0, 3, "275000", nullptr, nullptr},
      {cmd::kViewAnalogSection, Section::AnalogTp, 0, 4, "Kanal 7", "Kanal 7", "Edit Transponder"},
      {cmd::kViewAnalogSection, Section::AnalogTp, 0, 9, "canal", "CANAL", "Edit Transponder"},
      {cmd::kViewAnalogSection, Section::AnalogTp, 0, 9, "HDMI", nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " in column " + std::to_string(c.column));
    Load(WithSpareTransponder());
    view.ResetUndo();
    reporter.Clear();
    view.ExecuteCommand(c.viewCommand);
    const std::vector<std::string> before = view.Fields();
    ASSERT_TRUE(view.IsCellEditable(c.row, c.column));
    EXPECT_FALSE(view.IsCellEditable(c.row, 0));  // the index others refer to
    EXPECT_EQ(view.EditCell(c.row, c.column, c.typed), c.stored != nullptr);
    if (c.stored == nullptr) {
      ASSERT_EQ(reporter.boxes.size(), 1u);
      EXPECT_THAT(reporter.boxes[0],
                  StartsWith(FieldRulesOf(c.section)[static_cast<size_t>(c.column)].title));
      EXPECT_EQ(view.Fields(), before);
      EXPECT_EQ(view.UndoCount(), 0);
      continue;
    }
    EXPECT_EQ(Field(c.section, static_cast<size_t>(c.row), c.column), c.stored);
    EXPECT_EQ(view.CommandText(cmd::kUndo), std::string("Undo (1 - ") + c.undoLabel + ")");
    EXPECT_EQ(view.ViewType(), static_cast<int>(c.section));  // still the section shown
    view.Undo();
    EXPECT_EQ(view.Fields(), before);
  }
  // Channels are edited in their dialogs, not cell by cell.
  view.ExecuteCommand(cmd::kViewChannelSection);
  EXPECT_FALSE(view.IsCellEditable(0, 5));
}

TEST_F(RecordEditingTest, RetuningKeepsEveryChannelOnATransponderOfItsSatellite) {
  // The receiver looks a channel's transponder up on the channel's satellite: a transponder
  // moved to another satellite takes its channels along, in one step.
  view.ExecuteCommand(cmd::kViewDigitalTps);
  EXPECT_TRUE(view.EditCell(0, 1, "2"));
  for (auto [section, record] :
       {std::pair{Section::DigitalChannel, 0}, {Section::DigitalChannel, 1}, {Section::PidChannel, 0}})
    EXPECT_EQ(Field(section, record, field::kChSat), "2");
  EXPECT_EQ(view.UndoCount(), 1);
  view.Undo();
  EXPECT_EQ(Field(Section::DigitalChannel, 0, field::kChSat), "1");

  // A channel whose transponder is missing shows no tuning: a new frequency alone is not
  // enough to make its transponder.
  view.Fields()[SectionLocator(view.Fields())[Section::DigitalChannel].At(0, field::kChTp)] = "9";
  view.ResetUndo();
  reporter.Clear();
  const std::vector<std::string> before = view.Fields();
  dialogs.digital = [](DigitalChannelForm& f) {
    EXPECT_EQ(f.symbolRate, "");
    f.frequency = "11900";
    return true;
  };
  EXPECT_FALSE(EditChannelRow(true, 0));
  ASSERT_EQ(reporter.boxes.size(), 1u);
  EXPECT_THAT(reporter.boxes[0], StartsWith("Symbol Rate"));
  EXPECT_EQ(view.Fields(), before);
}

TEST_F(RecordEditingTest, UndoAndRedoTakeEveryKindOfChangeBackAndForth) {
  const std::vector<std::string> loaded = view.Fields();
  std::vector<std::vector<std::string>> states{loaded};
  std::vector<std::string> labels;
  const auto record = [&](const char* label) {
    states.push_back(view.Fields());
    labels.push_back(label);
    EXPECT_EQ(view.CommandText(cmd::kUndo), "Undo (" + std::to_string(labels.size()) + " - " + label + ")");
    EXPECT_EQ(view.CommandText(cmd::kRedo), "Redo Disable");
  };
  view.ExecuteCommand(cmd::kViewSatellites);
  view.EditCell(0, 1, "Astra 1");
  record("Edit Satellite");
  view.ExecuteCommand(cmd::kViewDigitalChannels);
  g_sortMode = 4;
  view.SortChannels();
  record("Sort Channel");
  control.Select({1});
  ASSERT_TRUE(view.OnLButtonDown(control.PointOnRow(1)));  // one row dragged to the top
  view.OnBeginDrag();
  view.OnMouseMove();
  view.OnLButtonUp(control.PointOnRow(0));
  record("Move Channel");
  view.PadToHundreds();
  record("Pad Channel");
  ASSERT_EQ(states.size(), 5u);
  EXPECT_NE(states[2], states[3]);

  for (size_t k = labels.size(); k-- > 0;) {
    view.Undo();
    EXPECT_EQ(view.Fields(), states[k]);
    EXPECT_EQ(view.CommandText(cmd::kRedo),
              "Redo (" + std::to_string(labels.size() - k) + " - " + labels[k] + ")");
  }
  EXPECT_FALSE(view.IsModified());
  for (size_t k = 1; k < states.size(); ++k) {
    view.Redo();
    EXPECT_EQ(view.Fields(), states[k]);
  }
  EXPECT_FALSE(view.RedoAvailable());

  // The next change forgets what could be redone.
  view.Undo();
  view.Undo();
  EXPECT_EQ(view.RedoCount(), 2);
  control.Select({0});
  view.OnKeyDown(ViewKey::Delete);
  EXPECT_EQ(view.RedoCount(), 0);
  EXPECT_EQ(view.CommandText(cmd::kRedo), "Redo Disable");

  // Padding keeps its own revert besides its undo step.
  Load(WithSpareTransponder());
  const std::vector<std::string> unpadded = view.Fields();
  view.PadToHundreds();
  ASSERT_TRUE(view.PadUndoAvailable());
  view.RevertPadding();
  EXPECT_EQ(view.Fields(), unpadded);
}

TEST_F(RecordEditingTest, TheUndoDepthIsAnOptionOfUpToAHundredSteps) {
  EXPECT_EQ(view.UndoDepth(), 5u);
  const auto edits = [this](int count) {
    view.ExecuteCommand(cmd::kViewDigitalTps);
    for (int i = 0; i < count; ++i) view.EditCell(0, 2, std::to_string(10000 + i));
  };
  edits(7);
  EXPECT_EQ(view.UndoCount(), 5);
  view.SetUndoDepth(100);
  edits(120);
  EXPECT_EQ(view.UndoCount(), 100);
  for (int i = 0; i < 100; ++i) view.Undo();
  EXPECT_EQ(Field(Section::DigitalTp, 0, field::kTpFrequency),
            "10019");    // 120 edits at depth 100, all undone
  view.SetUndoDepth(3);  // a smaller depth keeps the newest steps
  EXPECT_EQ(view.RedoCount(), 3);
  view.SetUndoDepth(0);
  EXPECT_EQ(view.UndoDepth(), 1u);
  view.SetUndoDepth(1000);
  EXPECT_EQ(view.UndoDepth(), 100u);

  // The option dialog's choice is kept in the settings and read at the next start.
  MemorySettingsStore store;
  AppOptions options;
  LoadEditingOptions(store, options);
  EXPECT_EQ(options.undoSteps, 5u);
  EXPECT_EQ(options.nameEncoding, NameEncoding::Iso8859_1);
  OptionDialogState state(options, store);
  state.undoSteps = 100;
  state.nameEncoding = NameEncoding::Iso8859_5;
  state.Accept(options, store);
  AppOptions restarted;
  LoadEditingOptions(store, restarted);
  EXPECT_EQ(restarted.undoSteps, 100u);
  EXPECT_EQ(restarted.nameEncoding, NameEncoding::Iso8859_5);
}

TEST_F(RecordEditingTest, NamesAreShownAndTypedInTheNameEncoding) {
  // "Канал" and "Ї" in ISO-8859-5; the list keeps the bytes.
  const std::string stored = "\xBA\xD0\xDD\xD0\xDB";
  const std::string shown = "\xD0\x9A\xD0\xB0\xD0\xBD\xD0\xB0\xD0\xBB";
  FieldsBuilder b = WithSpareTransponder();
  b.Channel("1", "1", "TV", stored);
  Load(b);
  view.SetNameEncoding(NameEncoding::Iso8859_5);
  view.ExecuteCommand(cmd::kViewDigitalChannels);
  const std::vector<std::string> names = control.ColumnTexts(5);
  ASSERT_EQ(names.size(), 5u);
  EXPECT_EQ(names[2], shown);

  dialogs.digital = [&](DigitalChannelForm& f) {
    EXPECT_EQ(f.name, shown);
    f.name = shown + " \xD0\x87";  // "Канал Ї": 7 characters, 7 bytes
    return true;
  };
  EXPECT_TRUE(view.EditChannelAt(2));
  EXPECT_EQ(Field(Section::DigitalChannel, 2, field::kChName), stored + " \xA7");

  // Latin-1 by default: an accented name of 13 characters fits, a character it has no byte
  // for is refused by name.
  view.SetNameEncoding(NameEncoding::Iso8859_1);
  view.ExecuteCommand(cmd::kViewSatNames);
  EXPECT_TRUE(view.EditCell(0, 1, "Kanal Unicod\xC3\xA9"));
  EXPECT_EQ(Field(Section::SatNameList, 0, field::kSatNameName), "Kanal Unicod\xE9");
  reporter.Clear();
  EXPECT_FALSE(view.EditCell(0, 1, "\xC5\x99"));
  ASSERT_EQ(reporter.boxes.size(), 1u);
  EXPECT_THAT(reporter.boxes[0], HasSubstr("\"\xC5\x99\" (U+0159)"));
}

}  // namespace
}  // namespace lumoscope::test
