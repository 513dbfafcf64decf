// The four channel sorts. Each section is ordered by the receiver's exchange sort
// (for every i, every later record that must come first is exchanged with record i;
// equal records are never exchanged). Its exact result, equal keys included, is what
// the numbering of existing lists depends on, so it is reproduced (ExchangeSort.h):
// every record's keys are read once and reduced to a rank (equal keys, equal rank). The
// records are ordered by the keys before the name, plain numbers, and by name only where
// those tie.
#include <algorithm>
#include <bit>
#include <compare>
#include <cstdint>
#include <numeric>
#include <string_view>
#include <unordered_map>

#include "base/FieldConversions.h"
#include "base/Keywords.h"
#include "base/ReadAhead.h"
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

struct SortRule {
  bool bySat;
  bool byFrequency;
  bool byBouquet;
  bool nameAscending;
};

// A record's keys before its name: the numbers as the receiver reads them, the texts by
// their place among the section's texts (TextPlaces). Keys a mode does not use stay 0.
struct LeadingKeys {
  long sat = 0;
  uint32_t type = 0;  // reversed: "TV" before "RADIO"
  long frequency = 0;
  uint32_t bouquet = 0;
  int record = 0;  // orders records of equal keys by their position
  auto operator<=>(const LeadingKeys&) const = default;
  bool SameKeys(const LeadingKeys& o) const {
    return sat == o.sat && type == o.type && frequency == o.frequency && bouquet == o.bouquet;
  }
};

// The places of texts compared trimmed and upper-cased, byte by byte: equal texts get
// equal places, and places compare as the texts do. A section has few distinct types and
// bouquets, so each distinct text as written is trimmed and upper-cased once.
class TextPlaces {
 public:
  // A number for the text as written (which must outlive the object); equal texts get
  // the same number.
  uint32_t Add(const std::string& text) {
    // Neighbouring records often share the text.
    if (last_ < texts_.size() && *texts_[last_] == text) return last_;
    if (const auto found = numbers_.find(text); found != numbers_.end()) return last_ = found->second;
    last_ = static_cast<uint32_t>(texts_.size());
    texts_.push_back(&text);
    numbers_.emplace(text, last_);
    return last_;
  }
  // The place of each number given out.
  std::vector<uint32_t> Places() const {
    std::vector<std::string> upper;
    upper.reserve(texts_.size());
    for (const std::string* t : texts_) upper.push_back(TrimmedUpper(*t));
    std::vector<uint32_t> byText(texts_.size());
    std::iota(byText.begin(), byText.end(), 0);
    std::sort(byText.begin(), byText.end(), [&](uint32_t a, uint32_t b) { return upper[a] < upper[b]; });
    std::vector<uint32_t> places(texts_.size());
    uint32_t place = 0;
    for (size_t i = 0; i < byText.size(); ++i) {
      if (i > 0 && upper[byText[i - 1]] != upper[byText[i]]) ++place;
      places[byText[i]] = place;
    }
    return places;
  }

 private:
  std::vector<const std::string*> texts_;
  std::unordered_map<std::string_view, uint32_t> numbers_;
  uint32_t last_ = 0;
};

// Each record's leading keys and its number packed into one word, in their order, where
// the keys' spans leave room for that: a list's satellites, types, frequencies and
// bouquets span a few bits each. Ordering these words orders the records by their keys
// and, where those tie, by their position, as ordering the keys themselves would. Empty
// where the keys are too far apart to pack.
std::vector<uint64_t> PackedKeys(const std::vector<LeadingKeys>& keys) {
  if (keys.empty()) return {};
  const auto [satLow, satHigh] = std::minmax_element(
      keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.sat < b.sat; });
  const auto [freqLow, freqHigh] = std::minmax_element(
      keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.frequency < b.frequency; });
  uint32_t typeHigh = 0;
  uint32_t bouquetHigh = 0;
  for (const LeadingKeys& k : keys) {
    typeHigh = std::max(typeHigh, k.type);
    bouquetHigh = std::max(bouquetHigh, k.bouquet);
  }
  // Differences of two longs taken as unsigned are exact.
  const auto span = [](long low, long high) {
    return static_cast<uint64_t>(high) - static_cast<uint64_t>(low);
  };
  const int satBits = std::bit_width(span(satLow->sat, satHigh->sat));
  const int typeBits = std::bit_width(typeHigh);
  const int freqBits = std::bit_width(span(freqLow->frequency, freqHigh->frequency));
  const int bouquetBits = std::bit_width(bouquetHigh);
  const int recordBits = std::bit_width(keys.size() - 1);
  if (satBits + typeBits + freqBits + bouquetBits + recordBits > 64) return {};
  std::vector<uint64_t> packed;
  packed.reserve(keys.size());
  for (const LeadingKeys& k : keys) {
    uint64_t word = span(satLow->sat, k.sat);
    word = word << typeBits | k.type;
    word = word << freqBits | span(freqLow->frequency, k.frequency);
    word = word << bouquetBits | k.bouquet;
    word = word << recordBits | static_cast<uint64_t>(k.record);
    packed.push_back(word);
  }
  std::sort(packed.begin(), packed.end());
  return packed;
}

// `keys` (given in record order) ordered by the keys and, where those tie, by record.
void SortKeys(std::vector<LeadingKeys>& keys) {
  const std::vector<uint64_t> packed = PackedKeys(keys);
  if (packed.empty()) {
    std::sort(keys.begin(), keys.end());
    return;
  }
  // The record number in the low bits; fewer than 64 of them, as no list has 2^64 records.
  const uint64_t recordMask = (uint64_t{1} << std::bit_width(keys.size() - 1)) - 1;
  std::vector<LeadingKeys> sorted;
  sorted.reserve(keys.size());
  for (const uint64_t word : packed) sorted.push_back(keys[static_cast<size_t>(word & recordMask)]);
  keys = std::move(sorted);
}

// The final order (record numbers) the exchange sort gives for these keys (in record
// order): the records are ordered by their leading keys, and where those tie, by `names`
// (trimmed and upper-cased, by record).
std::vector<int> SortedOrder(std::vector<LeadingKeys> keys, const std::vector<std::string>& names,
                             bool nameAscending) {
  SortKeys(keys);
  std::vector<int> ranks(keys.size());
  std::vector<int> byRank(keys.size());
  const auto nameBefore = [&](int a, int b) {
    const std::string& x = names[static_cast<size_t>(a)];
    const std::string& y = names[static_cast<size_t>(b)];
    if (x != y) return nameAscending ? x < y : x > y;
    return a < b;
  };
  int rank = -1;
  for (size_t first = 0; first < keys.size();) {
    size_t end = first + 1;
    while (end < keys.size() && keys[end].SameKeys(keys[first])) ++end;
    const auto run = byRank.begin() + static_cast<std::ptrdiff_t>(first);
    for (size_t k = first; k < end; ++k) byRank[k] = keys[k].record;
    if (end - first > 1) std::sort(run, run + static_cast<std::ptrdiff_t>(end - first), nameBefore);
    for (size_t k = first; k < end; ++k) {
      if (k == first || names[static_cast<size_t>(byRank[k])] != names[static_cast<size_t>(byRank[k - 1])])
        ++rank;
      ranks[static_cast<size_t>(byRank[k])] = rank;
    }
    first = end;
  }
  return ExchangeSortOrder(ranks, byRank);
}

}  // namespace

void CLumoscopeListView::PrepareSort(int mode) {
  // The digital sorts by frequency and bouquet read the transponder's values from the
  // joined rows; they are brought up to date first if the list was changed without them.
  const bool byTransponder = mode == kBySatTypeFreqName || mode == kBySatTypeBouquetName;
  if (byTransponder && m_tablesStale) BuildChannelTables();
}

FieldsChange CLumoscopeListView::SortInPlace(int mode, const SectionLocator& sections) {
  PrepareSort(mode);
  FieldsChange change = SortOrders(mode, sections);
  // The keys were all read from the list as it was; now the records move.
  PermuteSections(m_fields, sections, change.orders);
  return change;
}

FieldsChange CLumoscopeListView::SortOrders(int mode, const SectionLocator& sections) const {
  if (mode < kBySatTypeName || mode > kByName) return FieldsChange::Nothing();
  FieldsChange change = FieldsChange::Nothing();
  const bool byTransponder = mode == kBySatTypeFreqName || mode == kBySatTypeBouquetName;
  const SortRule digitalRule{mode != kByName, mode == kBySatTypeFreqName, mode == kBySatTypeBouquetName,
                             byTransponder ? true : m_sortAscending};
  const SortRule analogRule{mode != kByName, byTransponder, false, m_sortAscending};

  const auto sortSection = [&](Section section, int satF, int typeF, int nameF, const SortRule& rule) {
    const SectionSpan& span = sections[section];
    if (!span.Found()) return;
    const size_t firstRow = section == Section::PidChannel ? sections[Section::DigitalChannel].Records() : 0;
    const auto record = [&](size_t r) { return m_fields.data() + span.At(r); };
    const auto joined = [&](size_t r) { return m_digitalRows.data() + (firstRow + r) * kDigitalRowWidth; };
    std::vector<LeadingKeys> keys(span.Records());
    TextPlaces types;
    TextPlaces bouquets;
    std::vector<std::string> names(keys.size());
    const TrimmedUpperCase upper;
    for (size_t r = 0; r < keys.size(); ++r) {
      if (r + kReadAhead < keys.size()) {
        ReadAhead(record(r + kReadAhead) + satF);
        ReadAhead(record(r + kReadAhead) + typeF);
        ReadAhead(record(r + kReadAhead) + nameF);
        if (byTransponder && section != Section::AnalogTp) ReadAhead(joined(r + kReadAhead) + kRowFrequency);
      }
      const std::string* f = record(r);
      LeadingKeys& k = keys[r];
      k.record = static_cast<int>(r);
      if (rule.bySat) k.sat = DecimalValue(f[satF]);
      k.type = types.Add(f[typeF]);
      if (rule.byFrequency)
        k.frequency =
            DecimalValue(section == Section::AnalogTp ? f[field::kAnFrequency] : joined(r)[kRowFrequency]);
      if (rule.byBouquet) k.bouquet = bouquets.Add(joined(r)[kRowBouquet]);
      names[r] = upper(f[nameF]);
    }
    const std::vector<uint32_t> typePlaces = types.Places();
    const std::vector<uint32_t> bouquetPlaces = bouquets.Places();
    const uint32_t lastType =
        typePlaces.empty() ? 0 : *std::max_element(typePlaces.begin(), typePlaces.end());
    for (LeadingKeys& k : keys) {
      k.type = lastType - typePlaces[k.type];
      if (rule.byBouquet) k.bouquet = bouquetPlaces[k.bouquet];
    }
    change.orders.emplace_back(section, SortedOrder(std::move(keys), names, rule.nameAscending));
  };
  sortSection(Section::DigitalChannel, field::kChSat, field::kChType, field::kChName, digitalRule);
  sortSection(Section::PidChannel, field::kPidSat, field::kPidType, field::kPidName, digitalRule);
  sortSection(Section::AnalogTp, field::kAnSat, field::kAnType, field::kAnName, analogRule);
  return change;
}

void CLumoscopeListView::SortChannels() {
  if (!IsLoaded()) return;
  // The records only change places within their sections: the sections stay put.
  const SectionLocator sections(m_fields);
  PrepareSort(g_sortMode);
  FieldsChange change;
  {
    WaitGuard wait(*m_reporter);
    PushUndoWhile("Sort Channel", [&] { change = SortOrders(g_sortMode, sections); });
    PermuteSections(m_fields, sections, change.orders);
  }
  // The rows follow the records, and the numbers that changed.
  Refresh(m_renumberAfterSort, change, sections);
}

}  // namespace lumoscope
