// The four channel sorts. Each section is ordered by the receiver's exchange sort
// (for every i, every later record that must come first is exchanged with record i;
// equal records are never exchanged). Its exact result, equal keys included, is what
// the numbering of existing lists depends on, so it is reproduced: every record's keys
// are reduced once to a rank (equal keys, equal rank), and the exchange sort then runs
// over small integers and record indices instead of comparing and moving strings.
#include <algorithm>
#include <cstdint>
#include <numeric>

#include "base/FieldConversions.h"
#include "base/Keywords.h"
#include "base/RecordFields.h"
#include "base/Reporter.h"
#include "listview/ListView.h"
#include "listview/RecordMoves.h"

namespace lumoscope {

namespace {

// Sort modes of the four commands.
constexpr int kBySatTypeName = 1;
constexpr int kBySatTypeFreqName = 2;
constexpr int kBySatTypeBouquetName = 3;
constexpr int kByName = 4;

// Columns of a joined digital row that modes 2 and 3 read.
constexpr int kRowSat = 2;
constexpr int kRowType = 4;
constexpr int kRowName = 5;
constexpr int kRowFrequency = 11;
constexpr int kRowBouquet = 14;

struct SortKey {
  long sat = 0;
  std::string type;
  long frequency = 0;
  std::string bouquet;
  std::string name;
};

struct SortRule {
  bool bySat;
  bool byFrequency;
  bool byBouquet;
  bool nameAscending;
};

// True when `a` (the later record) must come before `b`.
bool Before(const SortKey& a, const SortKey& b, const SortRule& rule) {
  if (rule.bySat && a.sat != b.sat) return a.sat < b.sat;
  if (a.type != b.type) return a.type > b.type;  // kTv ("TV") before kRadio ("RADIO")
  if (rule.byFrequency && a.frequency != b.frequency) return a.frequency < b.frequency;
  if (rule.byBouquet && a.bouquet != b.bouquet) return a.bouquet < b.bouquet;
  return rule.nameAscending ? a.name < b.name : a.name > b.name;
}

// The final order (record numbers) the exchange sort gives for these keys.
std::vector<int> ExchangeSortOrder(const std::vector<SortKey>& keys, const SortRule& rule) {
  const int n = static_cast<int>(keys.size());
  std::vector<int> byKey(static_cast<size_t>(n));
  std::iota(byKey.begin(), byKey.end(), 0);
  const auto less = [&](int x, int y) {
    return Before(keys[static_cast<size_t>(x)], keys[static_cast<size_t>(y)], rule);
  };
  std::sort(byKey.begin(), byKey.end(), less);
  std::vector<int> rank(static_cast<size_t>(n));
  int r = 0;
  for (int i = 0; i < n; ++i) {
    if (i > 0 && less(byKey[static_cast<size_t>(i - 1)], byKey[static_cast<size_t>(i)])) ++r;
    rank[static_cast<size_t>(byKey[static_cast<size_t>(i)])] = r;
  }
  // Rank in the high half, record number in the low half: one comparison with the
  // current record's rank (low half cleared) says whether a later record comes first.
  constexpr int kRankShift = 32;
  std::vector<std::uint64_t> slots(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    slots[static_cast<size_t>(i)] = (static_cast<std::uint64_t>(rank[static_cast<size_t>(i)]) << kRankShift) |
                                    static_cast<std::uint32_t>(i);
  }
  std::uint64_t* a = slots.data();
  for (int i = 0; i + 1 < n; ++i) {
    std::uint64_t current = a[i];
    std::uint64_t currentRank = current >> kRankShift << kRankShift;
    for (int j = i + 1; j < n; ++j) {
      if (a[j] < currentRank) {
        std::swap(current, a[j]);
        currentRank = current >> kRankShift << kRankShift;
      }
    }
    a[i] = current;
  }
  std::vector<int> order(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) order[static_cast<size_t>(i)] = static_cast<int>(a[i] & 0xFFFFFFFFu);
  return order;
}

SortKey KeyOf(const std::string* record, int satF, int typeF, int nameF) {
  SortKey k;
  k.sat = DecimalValue(record[satF]);
  k.type = TrimmedUpper(record[typeF]);
  k.name = TrimmedUpper(record[nameF]);
  return k;
}

}  // namespace

void CLumoscopeListView::SortInPlace(int mode) {
  if (mode < kBySatTypeName || mode > kByName) return;
  const bool joined = mode == kBySatTypeFreqName || mode == kBySatTypeBouquetName;
  // The digital sorts by frequency and bouquet read the joined rows, which carry the
  // transponder's values; rebuild them so they match the list exactly.
  if (joined) BuildChannelTables();
  const SectionLocator sections(m_fields);
  const SectionSpan& ch = sections[Section::DigitalChannel];
  const SectionSpan& pid = sections[Section::PidChannel];
  const SectionSpan& an = sections[Section::AnalogTp];

  const SortRule digitalRule{mode != kByName, mode == kBySatTypeFreqName, mode == kBySatTypeBouquetName,
                             joined ? true : m_sortAscending};
  const SortRule analogRule{mode != kByName, joined, false, m_sortAscending};

  const auto sortDigital = [&](const SectionSpan& span, int satF, int typeF, int nameF, size_t firstRow) {
    if (!span.Found()) return;
    const size_t n = span.Records();
    std::vector<SortKey> keys(n);
    for (size_t r = 0; r < n; ++r) {
      if (joined) {
        const std::string* row = m_digitalRows.data() + (firstRow + r) * kDigitalRowWidth;
        SortKey& k = keys[r];
        k = KeyOf(row, kRowSat, kRowType, kRowName);
        k.frequency = DecimalValue(row[kRowFrequency]);
        k.bouquet = TrimmedUpper(row[kRowBouquet]);
      } else {
        keys[r] = KeyOf(m_fields.data() + span.At(r), satF, typeF, nameF);
      }
    }
    PermuteRecords(m_fields, span, ExchangeSortOrder(keys, digitalRule));
  };
  sortDigital(ch, field::kChSat, field::kChType, field::kChName, 0);
  sortDigital(pid, field::kPidSat, field::kPidType, field::kPidName, ch.Records());

  if (an.Found()) {
    const size_t n = an.Records();
    std::vector<SortKey> keys(n);
    for (size_t r = 0; r < n; ++r) {
      const std::string* f = m_fields.data() + an.At(r);
      keys[r] = KeyOf(f, field::kAnSat, field::kAnType, field::kAnName);
      keys[r].frequency = DecimalValue(f[field::kAnFrequency]);
    }
    PermuteRecords(m_fields, an, ExchangeSortOrder(keys, analogRule));
  }
}

void CLumoscopeListView::SortChannels() {
  if (!IsLoaded()) return;
  PushUndo("Sort Channel");
  {
    WaitGuard wait(*m_reporter);
    SortInPlace(g_sortMode);
    if (m_renumberAfterSort) Renumber();
  }
  BuildChannelTables();
  FillList();
}

}  // namespace lumoscope
