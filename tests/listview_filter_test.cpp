// The filter of the list view: the rows shown, every row command on a filtered display
// acting on exactly the selected rows shown (checked against the same commands on the
// whole list), the counts of the status bar and the keyboard search.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "tests/support/ListViewFixture.h"
#include "tests/support/ScriptedDialogs.h"

namespace lumoscope::test {
namespace {

constexpr int kNameColumn = 5;
// The Latin-1 name "Radio \xC9t\xE9" as the view shows it, decoded to UTF-8.
constexpr const char* kShownEte = "Radio \xC3\x89t\xC3\xA9";

class FilterTest : public ListViewTest {
 protected:
  Strings ShownNames() const { return control.ColumnTexts(kNameColumn); }
  void SelectShown(std::initializer_list<int> rows) { control.Select(rows); }
};

TEST_F(FilterTest, ShowsTheRowsThatContainTheTextInAnyFieldItSearches) {
  FieldsBuilder b = Standard();
  b.Channel("2", "2", "RADIO", "Radio \xC9t\xE9", "6d66");
  Load(b);
  struct Case {
    const char* typed;
    Strings names;
  };
  const Case cases[] = {
      {"p", {"P1", "P2"}},                  // name
      {"SKY", {"A", "B", "C", "D", "P1"}},  // bouquet, any case
      {"hot", {kShownEte, "P2"}},           // satellite
      {"12000", {kShownEte, "P2"}},         // frequency
      {"6D6", {kShownEte}},                 // SVC ID
      {"\xC3\xA9t\xC3\xA9", {kShownEte}},   // UTF-8 "été" for the Latin-1 name
      {"5", {kShownEte}},                   // number
      {"nothing like it", {}},
      {"", {"A", "B", "C", "D", kShownEte, "P1", "P2"}},
  };
  for (const Case& c : cases) {
    view.SetFilter(c.typed);
    EXPECT_EQ(ShownNames(), c.names) << c.typed;
    EXPECT_EQ(view.Filtered(), *c.typed != '\0');
  }
  view.SetFilter("p");
  EXPECT_EQ(view.FullRow(1), 6);  // P2 after five channels and P1
  EXPECT_EQ(view.ShownRow(6), 1);
  EXPECT_EQ(view.ShownRow(0), -1);  // hidden
  // Analog channels and the sections filter the same way.
  view.ExecuteCommand(cmd::kViewAnalogChannels);
  view.SetFilter("y");
  EXPECT_EQ(control.ColumnTexts(4), Strings{"Y"});
  view.ExecuteCommand(cmd::kViewSatellites);
  view.SetFilter("19.2");  // the degree as the view shows it
  EXPECT_EQ(control.ColumnTexts(1), Strings{"Astra"});
  // Names are searched as the name encoding decodes them, in any case of any script; the
  // filter follows another encoding at once.
  view.ExecuteCommand(cmd::kViewDigitalChannels);
  view.SetFilter("\xC3\xA9t\xC3\xA9");
  ASSERT_EQ(ShownNames(), Strings{kShownEte});
  view.SetNameEncoding(NameEncoding::Windows1251);  // the same bytes read as Cyrillic
  EXPECT_EQ(ShownNames(), Strings{});
  view.SetFilter("\xD0\xB9T\xD0\x99");  // Cyrillic small short i, Latin T, capital short I
  EXPECT_EQ(ShownNames(), Strings{"Radio \xD0\x99t\xD0\xB9"});
}

// A technician types without accents: the filter and the keyboard search find the names
// that have them.
TEST_F(FilterTest, AccentsAndCaseAreIgnored) {
  FieldsBuilder b = Standard();
  b.Channel("2", "2", "TV",
            "S\xFC"
            "d")
      .Channel("2", "2", "TV", "T\xE9l\xE9");  // Latin-1
  Load(b);
  const std::string sud =
      "S\xC3\xBC"
      "d";
  const std::string tele = "T\xC3\xA9l\xC3\xA9";
  for (const char* typed : {"sud",
                            "S\xC3\x9C"
                            "D"}) {
    view.SetFilter(typed);
    EXPECT_EQ(ShownNames(), Strings{sud}) << typed;
  }
  view.SetFilter("tele");
  EXPECT_EQ(ShownNames(), Strings{tele});
  view.SetFilter("");
  EXPECT_EQ(view.FindName("te", 0), 5);
}

// Esc clears the filter: the rows selected among those shown stay selected, in view.
TEST_F(FilterTest, ClearingTheFilterKeepsTheSelectedRowsInView) {
  Load(Standard());
  control.pageSize = 2;
  view.SetFilter("p");
  SelectShown({1});  // P2, the sixth row
  view.SetFilter("");
  EXPECT_EQ(control.selected, (std::set<int>{5}));
  EXPECT_EQ(control.focused, 5);
  EXPECT_LE(control.top, 5);
  EXPECT_GT(control.top + control.pageSize, 5);
}

TEST_F(FilterTest, RowCommandsActOnTheSelectedRowsShownAndTheFilterStays) {
  Load(Standard());
  view.SetFilter("b");  // B, and nothing else: "Sky", "Astra" hold no b
  view.SetFilter("c");
  ASSERT_EQ(ShownNames(), Strings{"C"});
  SelectShown({0});
  ASSERT_TRUE(view.OnKeyDown(ViewKey::Insert));
  EXPECT_EQ(Names(), (Strings{"A", "B", "C", "_", "D"}));
  EXPECT_EQ(ShownNames(), Strings{"C"});  // the null channel does not match
  EXPECT_EQ(control.focused, 0);
  SelectShown({0});
  ASSERT_TRUE(view.OnKeyDown(ViewKey::F3));
  EXPECT_EQ(Names(), (Strings{"A", "B", "_", "D"}));
  view.SetFilter("a");  // A and the satellite Astra: every channel on satellite 1
  SelectShown({3});     // D
  ASSERT_TRUE(view.OnKeyDown(ViewKey::F4));
  EXPECT_EQ(Names(), (Strings{"A", "B", "_", "C", "D"}));
  view.Undo();
  EXPECT_EQ(Names(), (Strings{"A", "B", "_", "D"}));
  EXPECT_EQ(view.FilterText(), "a");
  // Sorting sorts the whole list, hidden rows too.
  view.SetSortAscending(false);
  view.ExecuteCommand(cmd::kSortName);
  EXPECT_EQ(Names(), (Strings{"_", "D", "B", "A"}));
  // A cell edited in place in a filtered section view is the one of the record shown.
  view.ExecuteCommand(cmd::kViewSatellites);
  view.SetFilter("hot");
  ASSERT_TRUE(view.EditCell(0, 1, "Hotbird"));
  EXPECT_EQ(view.Fields()[SectionLocator(view.Fields())[Section::Satellite].At(1, 1)], "Hotbird");
  EXPECT_EQ(control.ColumnTexts(1), Strings{"Hotbird"});
  EXPECT_EQ(view.FilterText(), "hot");
}

TEST_F(FilterTest, DraggingIsOffWhileFilteredAndSaysWhy) {
  Load(Standard());
  view.SetFilter("a");
  ASSERT_TRUE(view.OnLButtonDown(control.PointOnRow(0)));
  view.OnBeginDrag();
  EXPECT_FALSE(view.Dragging());
  view.OnLButtonUp(control.PointOnRow(2));
  EXPECT_EQ(Names(), (Strings{"A", "B", "C", "D"}));
  EXPECT_EQ(reporter.notes, Strings{kNoDragWhileFiltered});
}

// Random lists, filters and commands: each command on the filtered view changes the list
// exactly as the same command on the whole list does with the same records selected.
TEST_F(FilterTest, EveryRowCommandOnAFilteredViewEqualsItOnTheWholeList) {
  std::mt19937 random(20240613);
  const auto pick = [&](size_t n) { return static_cast<size_t>(random() % n); };
  // Enter renames the channel it opens; both views get the same name.
  std::string rename;
  ScriptedDialogs dialogs;
  dialogs.digital = [&](DigitalChannelForm& form) { return (form.name = rename, true); };
  dialogs.analog = [&](AnalogChannelForm& form) { return (form.name = rename, true); };
  for (int round = 0; round < 40; ++round) {
    SCOPED_TRACE(round);
    FieldsBuilder b;
    b.SatName("1", "Astra").SatName("2", "Hotbird").Satellite("1", "Astra").Satellite("2", "Hotbird");
    b.Tp("1", "1", "11362", "ARD").Tp("2", "2", "10992", "Rai");
    const char* const names[] = {"Das Erste", "ZDF", "arte", "Rai 1", "Rai 2", "Sky", "BR", "ORF1"};
    for (size_t i = 0, n = 5 + pick(30); i < n; ++i) {
      const std::string s = pick(2) ? "1" : "2";
      b.Channel(s, s, pick(3) ? "TV" : "RADIO", names[pick(8)], std::to_string(200 + i));
    }
    for (size_t i = 0, n = pick(5); i < n; ++i) b.Pid("1", "1", "TV", names[pick(8)]);
    for (size_t i = 0, n = pick(6); i < n; ++i) b.Analog(pick(2) ? "1" : "2", "TV", names[pick(8)]);

    // Two views of the same list, with their own cut buffers and undo steps.
    FakeListControl filteredControl, plainControl;
    CLumoscopeListView filtered(filteredControl, reporter), plain(plainControl, reporter);
    for (CLumoscopeListView* v : {&filtered, &plain}) {
      v->SetDocument(&document);
      v->SetChannelDialogs(&dialogs);
      v->Fields() = b.Build();
      v->RefreshWithRenumber();
    }
    const bool digital = pick(4) != 0;
    const int show = digital ? cmd::kViewDigitalChannels : cmd::kViewAnalogChannels;
    filtered.ExecuteCommand(show);
    plain.ExecuteCommand(show);

    const char* const filters[] = {"r", "ra", "Z", "1", "astra", "11362", "e", "sky"};
    for (int step = 0; step < 12; ++step) {
      filtered.SetFilter(filters[pick(8)]);
      const int shown = filteredControl.ItemCount();
      std::set<int> chosen;
      for (size_t k = 0, n = shown > 0 ? pick(4) : 0; k < n; ++k)
        chosen.insert(static_cast<int>(pick(shown)));
      filteredControl.selected = chosen;
      plainControl.selected.clear();
      for (int r : chosen) plainControl.selected.insert(filtered.FullRow(r));
      const ViewKey keys[] = {ViewKey::Delete, ViewKey::Insert, ViewKey::F3, ViewKey::F4, ViewKey::Enter};
      const size_t command = pick(8);
      rename = names[pick(8)];
      if (command < 5) {
        EXPECT_EQ(filtered.OnKeyDown(keys[command]), plain.OnKeyDown(keys[command]));
      } else if (command == 5) {
        filtered.Undo();
        plain.Undo();
      } else if (command == 6) {
        filtered.Redo();
        plain.Redo();
      } else {
        filtered.ExecuteCommand(cmd::kSortSatTypeName);
        plain.ExecuteCommand(cmd::kSortSatTypeName);
      }
      ASSERT_EQ(filtered.Fields(), plain.Fields()) << "command " << command;
      // The filter still holds: the rows shown are those of the whole display that match.
      const std::string needle = FoldCase(filtered.FilterText());
      const std::vector<int> searched =
          digital ? std::vector<int>{0, 3, 5, 11, 14, 15} : std::vector<int>{0, 2, 4, 18};
      std::vector<int> matching, shownRows;
      for (int r = 0; r < plainControl.ItemCount(); ++r) {
        bool match = false;
        for (int c : searched)
          match = match || FoldCase(plainControl.Cell(r, c)).find(needle) != std::string::npos;
        if (match) matching.push_back(r);
      }
      for (int r = 0; r < filteredControl.ItemCount(); ++r) shownRows.push_back(filtered.FullRow(r));
      EXPECT_EQ(shownRows, matching);
    }
  }
}

TEST_F(FilterTest, CountsOfTheRowsShownAndSelected) {
  FieldsBuilder b = Standard();
  b.Channel("1", "1", "RADIO", "R");
  Load(b);
  view.Fields()[SectionLocator(view.Fields())[Section::DigitalChannel].At(1, 7)] = "Y";  // B: a null channel
  view.RefreshWithRenumber();
  control.Select({0, 2});
  ListCounts c = view.Counts();
  EXPECT_EQ(c.display, ListCounts::Display::DigitalChannels);
  EXPECT_EQ(ShownText(c), "7 channels");
  EXPECT_EQ(KindsText(c), "4 TV, 2 radio, 1 null");
  EXPECT_EQ(SelectionText(c), "2 rows selected");

  view.SetFilter("sky");
  c = view.Counts();
  EXPECT_EQ(ShownText(c), "Showing 6 of 7");  // every channel of transponder 1
  EXPECT_EQ(KindsText(c), "4 TV, 1 radio, 1 null");
  EXPECT_EQ(SelectionText(c), "2 rows selected");  // A and C, still shown, stay selected

  view.ExecuteCommand(cmd::kViewAnalogChannels);
  view.SetFilter("");
  EXPECT_EQ(KindsText(view.Counts()), "2 TV, 0 radio");
  view.ExecuteCommand(cmd::kViewSatNames);
  EXPECT_EQ(ShownText(view.Counts()), "2 records");
  EXPECT_EQ(KindsText(view.Counts()), "");
  document.loaded = false;
  EXPECT_EQ(ShownText(view.Counts()), "");

  for (const auto& [n, text] : {std::pair<size_t, const char*>{0, "0"},
                                {999, "999"},
                                {1000, "1,000"},
                                {1234567, "1,234,567"},
                                {100000, "100,000"}})
    EXPECT_EQ(GroupedNumber(n), text);
}

TEST_F(FilterTest, KeyboardSearchFindsTheNextNameStartingWithTheTextAmongTheRowsShown) {
  FieldsBuilder b = Standard();
  b.Channel("1", "1", "TV", "\xC9lan").Channel("1", "1", "TV", "Bbc");
  Load(b);
  EXPECT_EQ(view.FindName("b", 0), 1);  // B
  EXPECT_EQ(view.FindName("b", 2), 5);  // Bbc, after the row it starts from
  EXPECT_EQ(view.FindName("BB", 0), 5);
  EXPECT_EQ(view.FindName("b", 6), 1);  // round to the top
  EXPECT_EQ(view.FindName("\xC3\xA9l", 0), 4);
  EXPECT_EQ(view.FindName("x", 0), -1);
  view.SetFilter("b");
  EXPECT_EQ(view.FindName("b", 1), 1);  // among B and Bbc only
}

}  // namespace
}  // namespace lumoscope::test
