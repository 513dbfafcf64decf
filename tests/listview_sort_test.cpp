#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "base/FieldConversions.h"
#include "base/SectionLocator.h"
#include "listview/ExchangeSort.h"
#include "tests/support/ListViewFixture.h"

namespace lumoscope::test {
namespace {

class SortTest : public ListViewTest {
 protected:
  void Sort(int commandId) { ASSERT_TRUE(view.ExecuteCommand(commandId)); }
};

TEST_F(SortTest, NamesCompareUpperCasedInTheChosenDirection) {
  FieldsBuilder b;
  b.Satellite("1", "S").Tp("1", "1", "11000");
  b.Channel("1", "1", "TV", "ABD").Channel("1", "1", "TV", "abc");
  Load(b);
  Sort(cmd::kSortSatTypeName);
  EXPECT_EQ(Names(), (Strings{"abc", "ABD"}));
  EXPECT_EQ(g_sortMode, 1);
  view.SetSortAscending(false);
  Sort(cmd::kSortSatTypeName);
  EXPECT_EQ(Names(), (Strings{"ABD", "abc"}));
}

TEST_F(SortTest, SatelliteComesBeforeTypeExceptWhenSortingByName) {
  FieldsBuilder b;
  b.Satellite("1", "S").Satellite("2", "T").Tp("1", "1", "11000").Tp("2", "2", "11000");
  b.Channel("2", "2", "TV", "Tv2").Channel("1", "1", "RADIO", "Radio1");
  b.Analog("2", " TV ", "a2").Analog("10", "TV", "a10").Analog("9", "RADIO", "a9");
  Load(b);
  Sort(cmd::kSortSatTypeName);
  EXPECT_EQ(Names(), (Strings{"Radio1", "Tv2"}));
  EXPECT_EQ(Names("ANALOG"), (Strings{"a2", "a9", "a10"}));  // satellites compare as numbers
  Sort(cmd::kSortName);
  EXPECT_EQ(Names(), (Strings{"Tv2", "Radio1"}));
  EXPECT_EQ(g_sortMode, 4);
}

TEST_F(SortTest, FrequencyModeSortsDigitalNamesAlwaysAscending) {
  FieldsBuilder b;
  b.Satellite("1", "S").Tp("1", "1", "12000").Tp("2", "1", "11000");
  b.Channel("1", "1", "TV", "b").Channel("1", "1", "TV", "a").Channel("2", "1", "TV", "z");
  b.Analog("1", "TV", "a").Analog("1", "TV", "b").Analog("1", "TV", "c", "900");
  Load(b);
  view.SetSortAscending(false);
  Sort(cmd::kSortSatTypeFreqName);
  EXPECT_EQ(Names(), (Strings{"z", "a", "b"}));
  EXPECT_EQ(Names("ANALOG"), (Strings{"c", "b", "a"}));
}

TEST_F(SortTest, TransponderZeroAndMissingTransponders) {
  FieldsBuilder b;
  b.Satellite("1", "S").Tp("1", "1", "11000", "Sky").Tp("2", "1", "10000", "9live");
  b.Channel("1", "1", "TV", "real").Channel("0", "1", "TV", "zero").Channel("8", "1", "TV", "lost");
  b.Channel("2", "1", "TV", "nine");
  Load(b);
  Sort(cmd::kSortSatTypeFreqName);
  EXPECT_EQ(Names(), (Strings{"lost", "zero", "nine", "real"}));  // "" and "0000" count as 0
  Sort(cmd::kSortSatTypeBouquetName);
  EXPECT_EQ(Names(), (Strings{"lost", "nine", "real", "zero"}));  // "", "9LIVE", "SKY", "___"
}

TEST_F(SortTest, RenumberingOffKeepsTheOldNumbers) {
  FieldsBuilder b;
  b.Satellite("1", "S").Tp("1", "1", "11000");
  b.Channel("1", "1", "TV", "b").Channel("1", "1", "TV", "a");
  b.Pid("1", "1", "TV", "p");
  Load(b);
  view.ExecuteCommand(cmd::kToggleRenumber);
  Sort(cmd::kSortName);
  EXPECT_EQ(control.ColumnTexts(0), (Strings{"2", "1", "3"}));
  EXPECT_EQ(control.ColumnTexts(5), (Strings{"a", "b", "p"}));  // PID rows stay PID rows
}

// The receiver's exchange sort, written out plainly: for every i, every later record that
// must come first is exchanged with record i, whole records at a time. The reference the
// fast sort must match exactly.
template <typename Record, typename Before>
void PlainExchangeSort(std::vector<Record>& records, Before before) {
  for (size_t i = 0; i + 1 < records.size(); ++i)
    for (size_t j = i + 1; j < records.size(); ++j)
      if (before(records[j], records[i])) std::swap(records[i], records[j]);
}

TEST(ExchangeSortOrderTest, MatchesThePlainExchangeSort) {
  std::mt19937 random(11);
  enum class Input { Random, Sorted, Reversed };
  for (int round = 0; round < 600; ++round) {
    const size_t n = round % 50 == 0 ? 1500 : random() % 120;
    const int distinct = 1 + static_cast<int>(random() % (round % 3 == 0 ? 4 : 40));  // many equal keys
    std::vector<int> ranks(n);
    for (int& r : ranks) r = static_cast<int>(random() % static_cast<unsigned>(distinct));
    const auto input = static_cast<Input>(round % 3);
    if (input == Input::Sorted) std::sort(ranks.begin(), ranks.end());
    if (input == Input::Reversed) std::sort(ranks.rbegin(), ranks.rend());
    std::vector<std::pair<int, int>> expected;  // rank, record
    for (size_t i = 0; i < n; ++i) expected.emplace_back(ranks[i], static_cast<int>(i));
    PlainExchangeSort(expected, [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<int> order;
    for (const auto& e : expected) order.push_back(e.second);
    ASSERT_EQ(ExchangeSortOrder(ranks), order) << "round " << round;
  }
}

// Every sort command, direction and renumbering option over the three channel sections
// of random lists full of equal keys, against the plain exchange sort of the records with
// the keys read as the receiver reads them: modes 2 and 3 read a digital channel's
// transponder from its joined row, and the sorted rows are written back over the records.
TEST_F(SortTest, EveryModeAndOptionMatchesThePlainExchangeSort) {
  using Record = Strings;
  struct Keys {
    int sat, type, name, frequency = -1, bouquet = -1;
  };
  const auto before = [](const Keys& k, bool bySat, bool nameAscending) {
    return [=](const Record& a, const Record& b) {
      const auto up = [](const std::string& t) { return TrimmedUpper(t); };
      const auto number = [](const std::string& t) { return DecimalValue(t); };
      if (bySat && number(a[k.sat]) != number(b[k.sat])) return number(a[k.sat]) < number(b[k.sat]);
      if (up(a[k.type]) != up(b[k.type])) return up(a[k.type]) > up(b[k.type]);
      if (k.frequency >= 0 && number(a[k.frequency]) != number(b[k.frequency]))
        return number(a[k.frequency]) < number(b[k.frequency]);
      if (k.bouquet >= 0 && up(a[k.bouquet]) != up(b[k.bouquet])) return up(a[k.bouquet]) < up(b[k.bouquet]);
      return nameAscending ? up(a[k.name]) < up(b[k.name]) : up(a[k.name]) > up(b[k.name]);
    };
  };
  const int commands[] = {cmd::kSortSatTypeName, cmd::kSortSatTypeFreqName, cmd::kSortSatTypeBouquetName,
                          cmd::kSortName};
  std::mt19937 random(7);
  const auto any = [&](std::initializer_list<const char*> values) {
    return std::string(*(values.begin() + random() % values.size()));
  };
  for (int round = 0; round < 96; ++round) {
    FieldsBuilder b;
    b.Satellite("1", "S").Satellite("2", "T");
    b.Tp("1", "1", "11000", "Sky").Tp("2", "1", "10000", "9live").Tp("3", "2", "11000", " sky");
    const int count = 2 + static_cast<int>(random() % 40);
    for (int i = 0; i < count; ++i) {
      // Few distinct keys, so equal keys are common; the SVC ID tells records apart.
      // Now and then a satellite number far below the others, whose keys span all 64 bits.
      const char* far = round % 5 == 4 ? "-9000000000000000000" : "x";
      b.Channel(any({"0", "1", "2", "3", "9"}), any({"1", "2", far}), any({"TV", "RADIO", " tv"}),
                any({"a", "A ", "b"}), std::to_string(1000 + i));
      if (i % 3 == 0) b.Pid(any({"1", "2", "0"}), any({"1", "2"}), any({"TV", "RADIO"}), any({"p", "q"}));
      if (i % 2 == 0) b.Analog(any({"1", "2"}), any({"TV", "RADIO"}), any({"x", "y"}), any({"1000", "0999"}));
    }
    Load(b);
    const int mode = round % 4 + 1;
    const bool ascending = round / 4 % 2 == 0;
    const bool renumber = round / 8 % 2 == 0;
    view.SetSortAscending(ascending);
    if (round / 16 % 3 != 0) {
      // Sorted input, or reversed sorted input: the exchange sort's best and worst case.
      view.SetRenumberAfterSort(false);
      Sort(commands[mode - 1]);
      if (round / 16 % 3 == 2) {
        const SectionLocator sections(view.Fields());
        for (Section s : {Section::DigitalChannel, Section::PidChannel, Section::AnalogTp}) {
          const SectionSpan& span = sections[s];
          std::vector<Record> records;
          for (size_t r = 0; r < span.Records(); ++r)
            records.emplace_back(view.Fields().begin() + static_cast<long>(span.At(r)),
                                 view.Fields().begin() + static_cast<long>(span.At(r) + span.width));
          std::reverse(records.begin(), records.end());
          for (size_t r = 0; r < records.size(); ++r)
            std::copy(records[r].begin(), records[r].end(),
                      view.Fields().begin() + static_cast<long>(span.At(r)));
        }
        view.RefreshKeepingNumbers();
      }
    }
    view.SetRenumberAfterSort(renumber);

    std::vector<std::string> expected = view.Fields();
    const SectionLocator sections(expected);
    const SectionSpan& ch = sections[Section::DigitalChannel];
    const SectionSpan& pid = sections[Section::PidChannel];
    const SectionSpan& an = sections[Section::AnalogTp];
    const auto records = [&](const SectionSpan& span) {
      std::vector<Record> out;
      for (size_t r = 0; r < span.Records(); ++r)
        out.emplace_back(expected.begin() + static_cast<long>(span.At(r)),
                         expected.begin() + static_cast<long>(span.At(r) + span.width));
      return out;
    };
    const auto writeBack = [&](const SectionSpan& span, const std::vector<Record>& sorted) {
      for (size_t r = 0; r < sorted.size(); ++r)
        std::copy(sorted[r].begin(), sorted[r].end(), expected.begin() + static_cast<long>(span.At(r)));
    };
    const bool bySat = mode != 4;
    if (mode == 2 || mode == 3) {
      const std::vector<std::string>& joined = view.DigitalRows();
      std::vector<Record> rows;
      for (size_t r = 0; r < joined.size() / kDigitalRowWidth; ++r)
        rows.emplace_back(joined.begin() + static_cast<long>(r * kDigitalRowWidth),
                          joined.begin() + static_cast<long>((r + 1) * kDigitalRowWidth));
      const Keys keys{2, 4, 5, mode == 2 ? 11 : -1, mode == 3 ? 14 : -1};
      std::vector<Record> channels(rows.begin(), rows.begin() + static_cast<long>(ch.Records()));
      std::vector<Record> pids(rows.begin() + static_cast<long>(ch.Records()), rows.end());
      PlainExchangeSort(channels, before(keys, bySat, true));
      PlainExchangeSort(pids, before(keys, bySat, true));
      const auto columns = [](const std::vector<Record>& sorted, std::initializer_list<int> taken) {
        std::vector<Record> out;
        for (const Record& row : sorted) {
          out.emplace_back();
          for (int c : taken) out.back().push_back(row[static_cast<size_t>(c)]);
        }
        return out;
      };
      writeBack(ch, columns(channels, {0, 1, 2, 3, 4, 5, 9, 10}));
      writeBack(pid, columns(pids, {0, 1, 2, 4, 5, 6, 7, 8, 9, 10}));
    } else {
      std::vector<Record> channels = records(ch), pids = records(pid);
      PlainExchangeSort(channels, before(Keys{2, 4, 5}, bySat, ascending));
      PlainExchangeSort(pids, before(Keys{2, 3, 4}, bySat, ascending));
      writeBack(ch, channels);
      writeBack(pid, pids);
    }
    std::vector<Record> analogs = records(an);
    PlainExchangeSort(analogs, before(Keys{1, 16, 4, mode == 2 || mode == 3 ? 2 : -1}, bySat, ascending));
    writeBack(an, analogs);
    if (renumber) {
      int number = 1;
      for (size_t r = 0; r < ch.Records(); ++r) expected[ch.At(r)] = std::to_string(number++);
      for (size_t r = 0; r < pid.Records(); ++r) expected[pid.At(r)] = std::to_string(number++);
      for (size_t r = 0; r < an.Records(); ++r) expected[an.At(r)] = std::to_string(r + 1);
    }

    Sort(commands[mode - 1]);
    ASSERT_EQ(view.Fields(), expected) << "round " << round;
  }
}

}  // namespace
}  // namespace lumoscope::test
