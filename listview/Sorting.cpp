// The four channel sorts. Each section is ordered by the receiver's exchange sort
// (for every i, every later record that must come first is exchanged with record i;
// equal records are never exchanged). Its exact result, equal keys included, is what
// the numbering of existing lists depends on, so it is reproduced (ExchangeSort.h):
// every record's keys are read once and reduced to a rank (equal keys, equal rank). A
// name is read only where the keys before it tie.
#include <algorithm>
#include <compare>
#include <cstdint>
#include <functional>
#include <numeric>
#include <string_view>
#include <unordered_map>

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

// The final order (record numbers) the exchange sort gives for these keys: the records
// are ordered by their leading keys, and only where those tie are their names read.
std::vector<int> SortedOrder(std::vector<LeadingKeys> keys, const SortRule& rule,
                             const std::function<std::string(int)>& nameOf) {
  std::sort(keys.begin(), keys.end());
  std::vector<int> ranks(keys.size());
  std::vector<int> byRank(keys.size());
  std::vector<std::pair<std::string, int>> names;  // of one run of equal leading keys
  int rank = -1;
  for (size_t first = 0; first < keys.size();) {
    size_t end = first + 1;
    while (end < keys.size() && keys[end].SameKeys(keys[first])) ++end;
    if (end - first == 1) {
      ranks[static_cast<size_t>(keys[first].record)] = ++rank;
      byRank[first] = keys[first].record;
      first = end;
      continue;
    }
    names.clear();
    for (size_t k = first; k < end; ++k) names.emplace_back(nameOf(keys[k].record), keys[k].record);
    std::sort(names.begin(), names.end(), [&](const auto& a, const auto& b) {
      if (a.first != b.first) return rule.nameAscending ? a.first < b.first : a.first > b.first;
      return a.second < b.second;
    });
    for (size_t k = 0; k < names.size(); ++k) {
      if (k == 0 || names[k].first != names[k - 1].first) ++rank;
      ranks[static_cast<size_t>(names[k].second)] = rank;
      byRank[first + k] = names[k].second;
    }
    first = end;
  }
  return ExchangeSortOrder(ranks, byRank);
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
    const size_t firstRow = section == Section::PidChannel ? sections[Section::DigitalChannel].Records() : 0;
    const auto record = [&](size_t r) { return m_fields.data() + span.At(r); };
    const auto joined = [&](size_t r) { return m_digitalRows.data() + (firstRow + r) * kDigitalRowWidth; };
    std::vector<LeadingKeys> keys(span.Records());
    TextPlaces types;
    TextPlaces bouquets;
    for (size_t r = 0; r < keys.size(); ++r) {
      const std::string* f = record(r);
      LeadingKeys& k = keys[r];
      k.record = static_cast<int>(r);
      if (rule.bySat) k.sat = DecimalValue(f[satF]);
      k.type = types.Add(f[typeF]);
      if (rule.byFrequency)
        k.frequency =
            DecimalValue(section == Section::AnalogTp ? f[field::kAnFrequency] : joined(r)[kRowFrequency]);
      if (rule.byBouquet) k.bouquet = bouquets.Add(joined(r)[kRowBouquet]);
    }
    const std::vector<uint32_t> typePlaces = types.Places();
    const std::vector<uint32_t> bouquetPlaces = bouquets.Places();
    const uint32_t lastType =
        typePlaces.empty() ? 0 : *std::max_element(typePlaces.begin(), typePlaces.end());
    for (LeadingKeys& k : keys) {
      k.type = lastType - typePlaces[k.type];
      if (rule.byBouquet) k.bouquet = bouquetPlaces[k.bouquet];
    }
    const auto nameOf = [&](int r) { return TrimmedUpper(record(static_cast<size_t>(r))[nameF]); };
    change.orders.emplace_back(section, SortedOrder(std::move(keys), rule, nameOf));
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
