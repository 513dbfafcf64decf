// The four channel sorts. Each section is ordered by the receiver's exchange sort
// (for every i, every later record that must come first is exchanged with record i;
// equal records are never exchanged). Its exact result, equal keys included, is what
// the numbering of existing lists depends on, so it is reproduced (ExchangeSort.h):
// every record's keys are read once and reduced to a rank (equal keys, equal rank).
#include <algorithm>
#include <cstdint>
#include <map>
#include <numeric>
#include <string_view>
#include <type_traits>

#include "base/FieldConversions.h"
#include "base/Keywords.h"
#include "base/RecordFields.h"
#include "base/Reporter.h"
#include "listview/ExchangeSort.h"
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
constexpr int kRowFrequency = digitalcol::kFrequency;
constexpr int kRowBouquet = digitalcol::kBouquet;

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

// Each value's place among the distinct values, in their order: equal values get equal
// places, and places compare as the values do.
std::vector<uint64_t> Places(const std::vector<long>& values) {
  std::vector<long> distinct = values;
  std::sort(distinct.begin(), distinct.end());
  distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
  std::vector<uint64_t> places;
  places.reserve(values.size());
  for (const long v : values) {
    const auto at = std::lower_bound(distinct.begin(), distinct.end(), v);
    places.push_back(static_cast<uint64_t>(at - distinct.begin()));
  }
  return places;
}

// The same for texts (types and bouquets, of which there are few), compared byte by byte.
std::vector<uint64_t> Places(const std::vector<std::string_view>& values) {
  std::map<std::string_view, uint64_t> distinct;
  for (const std::string_view v : values) distinct.emplace(v, 0);
  uint64_t place = 0;
  for (auto& entry : distinct) entry.second = place++;
  std::vector<uint64_t> places;
  places.reserve(values.size());
  for (const std::string_view v : values) places.push_back(distinct.find(v)->second);
  return places;
}

// The final order (record numbers) the exchange sort gives for these keys. The keys
// before the name are packed into one number per record (their places, the type's
// reversed: "TV" before "RADIO"), so records are compared by one number and only then,
// where that ties, by name.
std::vector<int> SortedOrder(const std::vector<SortKey>& keys, const SortRule& rule) {
  const size_t n = keys.size();
  constexpr int kPlaceBits = 20;  // more than the records of any section
  const auto column = [&](auto member) {
    using Value = std::conditional_t<std::is_same_v<std::decay_t<decltype(keys[0].*member)>, long>, long,
                                     std::string_view>;
    std::vector<Value> values;
    values.reserve(n);
    for (const SortKey& k : keys) values.push_back(k.*member);
    return Places(values);
  };
  std::vector<uint64_t> packed(n, 0);
  const auto pack = [&](const std::vector<uint64_t>& places) {
    for (size_t i = 0; i < n; ++i) packed[i] = (packed[i] << kPlaceBits) | places[i];
  };
  if (rule.bySat) pack(column(&SortKey::sat));
  std::vector<uint64_t> types = column(&SortKey::type);
  const uint64_t lastType = types.empty() ? 0 : *std::max_element(types.begin(), types.end());
  for (uint64_t& t : types) t = lastType - t;
  pack(types);
  if (rule.byFrequency) pack(column(&SortKey::frequency));
  if (rule.byBouquet) pack(column(&SortKey::bouquet));

  std::vector<int> byKey(n);
  std::iota(byKey.begin(), byKey.end(), 0);
  // True when record x must come before record y.
  const auto before = [&](int x, int y) {
    const auto a = static_cast<size_t>(x);
    const auto b = static_cast<size_t>(y);
    if (packed[a] != packed[b]) return packed[a] < packed[b];
    return rule.nameAscending ? keys[a].name < keys[b].name : keys[a].name > keys[b].name;
  };
  std::sort(byKey.begin(), byKey.end(), before);
  std::vector<int> rank(n);
  int r = 0;
  for (size_t i = 0; i < n; ++i) {
    if (i > 0 && before(byKey[i - 1], byKey[i])) ++r;
    rank[static_cast<size_t>(byKey[i])] = r;
  }
  return ExchangeSortOrder(rank);
}

SortKey KeyOf(const std::string* record, int satF, int typeF, int nameF) {
  SortKey k;
  k.sat = DecimalValue(record[satF]);
  k.type = TrimmedUpper(record[typeF]);
  k.name = TrimmedUpper(record[nameF]);
  return k;
}

}  // namespace

FieldsChange CLumoscopeListView::SortInPlace(int mode) {
  if (mode < kBySatTypeName || mode > kByName) return FieldsChange::Nothing();
  FieldsChange change = FieldsChange::Nothing();
  const bool byTransponder = mode == kBySatTypeFreqName || mode == kBySatTypeBouquetName;
  const SectionLocator sections(m_fields);
  const SortRule digitalRule{mode != kByName, mode == kBySatTypeFreqName, mode == kBySatTypeBouquetName,
                             byTransponder ? true : m_sortAscending};
  const SortRule analogRule{mode != kByName, byTransponder, false, m_sortAscending};
  // The digital sorts by frequency and bouquet read the transponder's values from the
  // joined rows; they are brought up to date first if the list was changed without them.
  if (byTransponder && m_tablesStale) BuildChannelTables();

  const auto sortSection = [&](Section section, int satF, int typeF, int nameF, const SortRule& rule) {
    const SectionSpan& span = sections[section];
    if (!span.Found()) return;
    std::vector<SortKey> keys(span.Records());
    for (size_t r = 0; r < keys.size(); ++r) {
      const std::string* f = m_fields.data() + span.At(r);
      SortKey& k = keys[r];
      k = KeyOf(f, satF, typeF, nameF);
      if (!byTransponder) continue;
      if (section == Section::AnalogTp) {
        k.frequency = DecimalValue(f[field::kAnFrequency]);
      } else {
        const size_t row =
            (section == Section::PidChannel ? sections[Section::DigitalChannel].Records() : 0) + r;
        const std::string* joined = m_digitalRows.data() + row * kDigitalRowWidth;
        k.frequency = DecimalValue(joined[kRowFrequency]);
        k.bouquet = TrimmedUpper(joined[kRowBouquet]);
      }
    }
    change.orders.emplace_back(section, SortedOrder(keys, rule));
  };
  sortSection(Section::DigitalChannel, field::kChSat, field::kChType, field::kChName, digitalRule);
  sortSection(Section::PidChannel, field::kPidSat, field::kPidType, field::kPidName, digitalRule);
  sortSection(Section::AnalogTp, field::kAnSat, field::kAnType, field::kAnName, analogRule);
  // The keys were all read from the list as it was; now the records move.
  PermuteSections(m_fields, sections, change.orders);
  return change;
}

void CLumoscopeListView::SortChannels() {
  if (!IsLoaded()) return;
  PushUndo("Sort Channel");
  FieldsChange change;
  {
    WaitGuard wait(*m_reporter);
    change = SortInPlace(g_sortMode);
  }
  // The records only changed places: the rows follow them, and the numbers that changed.
  Refresh(m_renumberAfterSort, change);
}

}  // namespace lumoscope
