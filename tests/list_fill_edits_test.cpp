// Edits on a list that fills the receiver to its last byte: the edits beyond the
// receiver's own operations refuse a change that would no longer fit, naming the figure
// and its limit, and change nothing; a new channel and null channels keep their result
// and warn.
#include <gtest/gtest.h>

#include <functional>

#include "base/RecordFields.h"
#include "base/SectionLocator.h"
#include "database/ListFill.h"
#include "editing/EditChannel.h"
#include "editing/FieldRules.h"
#include "editing/TransponderImport.h"
#include "tests/support/ListViewFixture.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/WorkingListBuilder.h"
#include "tools/listgen/ListGenerator.h"
#include "transfer/SectionListParser.h"

namespace lumoscope::test {
namespace {

// The fullest list the receiver takes, with a channel less for a blank satellite, which
// has a transponder and two channels that do not reach the image.
std::vector<std::string> FullList() {
  RecordingReporter reporter;
  std::vector<std::string> fields;
  bool resave = false;
  EXPECT_TRUE(ParseSectionList(listgen::FullReceiverList(), reporter, fields, resave));
  const SectionSpan channels = SectionLocator(fields)[Section::DigitalChannel];
  fields.erase(fields.begin() + static_cast<long>(channels.end - channels.width),
               fields.begin() + static_cast<long>(channels.end));
  const auto append = [&fields](Section section, std::vector<std::string> record) {
    const SectionSpan span = SectionLocator(fields)[section];
    fields.insert(fields.begin() + static_cast<long>(span.end), record.begin(), record.end());
  };
  append(Section::Satellite, {"49", "Spare", "Y", "10600", "09750", "0", "0"});
  append(Section::DigitalTp, {"300", "49", "11111", "27500", "H", "---"});
  append(Section::DigitalChannel, {"9998", "300", "49", "0101", "TV", "Spare 1", "1", "N"});
  append(Section::DigitalChannel, {"9999", "300", "49", "0102", "TV", "Spare 2", "1", "N"});
  EXPECT_TRUE(FillOfList(fields).Fits());
  return fields;
}

// How a refusal or a warning begins, before the figures.
std::string Opening(const char* text) {
  const std::string_view t(text);
  return std::string(t.substr(0, t.find("%s")));
}

TEST(ListFillEdits, ChangesThatWouldNoLongerFitAreRefusedAndChangeNothing) {
  const std::vector<std::string> full = FullList();
  const size_t spare = SectionLocator(full)[Section::Satellite].Records() - 1;
  const std::function<bool(FakeListView&)> edits[] = {
      // The blank satellite's channels would come into the image.
      [spare](FakeListView& host) {
        return SetRecordField(host, Section::Satellite, spare, *FindFieldRule(Section::Satellite, "blank"),
                              "N");
      },
      // A channel retuned to a transponder the list does not have yet.
      [](FakeListView& host) {
        ScriptedDialogs dialogs;
        dialogs.digital = [](DigitalChannelForm& f) {
          f.frequency = "12345";
          return true;
        };
        return EditChannel(host, dialogs, SectionLocator(host.fields)[Section::DigitalChannel].At(0)) ==
               EditOutcome::Changed;
      },
      [](FakeListView& host) {
        const ScanTable table{"Astra-19.2E",
                              {{ScanDelivery::DvbS, 11000000, 27500000, ScanPolarization::Vertical}}};
        return ImportTransponders(host, table, {}).has_value();
      },
  };
  for (const auto& edit : edits) {
    FakeListView host(full);
    EXPECT_FALSE(edit(host));
    EXPECT_EQ(host.fields, full);
    EXPECT_TRUE(host.undo.empty());
    ASSERT_EQ(host.reporter.boxes.size(), 1u);
    const std::string& refusal = host.reporter.boxes.front();
    EXPECT_TRUE(refusal.starts_with(Opening(kNoLongerFitsRefusal))) << refusal;
    EXPECT_NE(refusal.find(FillOfList(full).Figures().front().name), std::string::npos) << refusal;
  }
}

class ListFillViewTest : public ListViewTest {};

TEST_F(ListFillViewTest, NullChannelsAndANewChannelAreKeptAndWarnedAbout) {
  view.Fields() = FullList();
  view.RefreshWithRenumber();
  control.Select({0});
  const size_t channels = Names().size();
  EXPECT_TRUE(view.OnKeyDown(ViewKey::Insert));
  EXPECT_EQ(Names().size(), channels + 1);
  ScriptedDialogs dialogs;
  dialogs.digital = [](DigitalChannelForm& f) {
    f.name = "NEW ONE";
    f.svcId = "1F";
    f.frequency = "12345";
    f.symbolRate = "27500";
    return true;
  };
  view.SetChannelDialogs(&dialogs);
  EXPECT_TRUE(view.OnKeyDown(ViewKey::F2));
  EXPECT_EQ(Names().size(), channels + 2);
  ASSERT_EQ(reporter.boxes.size(), 2u);
  for (const std::string& warning : reporter.boxes)
    EXPECT_TRUE(warning.starts_with(Opening(kNoLongerFitsWarning))) << warning;
}

}  // namespace
}  // namespace lumoscope::test
