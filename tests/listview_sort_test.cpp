#include <gtest/gtest.h>

#include <random>

#include "base/FieldConversions.h"
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

// The receiver's exchange sort, written out plainly over whole records, as the
// reference the fast sort must match record for record.
void ReferenceSort(std::vector<std::string>& f, bool ascending, bool bySat) {
  const long start = std::find(f.begin(), f.end(), "CHANNEL START") - f.begin() + 1;
  const long n = (std::find(f.begin(), f.end(), "CHANNEL END") - f.begin() - start) / 8;
  const auto before = [&](long a, long b) {
    const auto at = [&](long r, int k) { return f[static_cast<size_t>(start + r * 8 + k)]; };
    if (bySat) {
      const long sa = DecimalValue(at(a, 2)), sb = DecimalValue(at(b, 2));
      if (sa != sb) return sa < sb;
    }
    const std::string ta = TrimmedUpper(at(a, 4)), tb = TrimmedUpper(at(b, 4));
    if (ta != tb) return ta > tb;
    const std::string na = TrimmedUpper(at(a, 5)), nb = TrimmedUpper(at(b, 5));
    return ascending ? na < nb : na > nb;
  };
  for (long i = 0; i + 1 < n; ++i) {
    for (long j = i + 1; j < n; ++j) {
      if (before(j, i)) {
        for (int k = 0; k < 8; ++k)
          std::swap(f[static_cast<size_t>(start + i * 8 + k)], f[static_cast<size_t>(start + j * 8 + k)]);
      }
    }
  }
}

TEST_F(SortTest, EqualKeysEndInTheExchangeSortsOrder) {
  std::mt19937 random(7);
  for (int round = 0; round < 20; ++round) {
    FieldsBuilder b;
    b.Satellite("1", "S").Tp("1", "1", "11000");
    const int count = 5 + static_cast<int>(random() % 60);
    for (int i = 0; i < count; ++i) {
      // Few distinct keys, so equal keys are common; the SVC ID tells records apart.
      b.Channel("1", std::to_string(random() % 3), random() % 2 ? "TV" : "RADIO",
                std::string(1, static_cast<char>('a' + random() % 3)), std::to_string(1000 + i));
    }
    Load(b);
    const bool ascending = round % 2 == 0;
    const bool bySat = round % 3 != 0;
    std::vector<std::string> expected = view.Fields();
    ReferenceSort(expected, ascending, bySat);
    view.SetSortAscending(ascending);
    view.SetRenumberAfterSort(false);
    Sort(bySat ? cmd::kSortSatTypeName : cmd::kSortName);
    ASSERT_EQ(view.Fields(), expected) << "round " << round;
  }
}

}  // namespace
}  // namespace lumoscope::test
