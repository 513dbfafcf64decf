// The four channel sorts. Each section is ordered by the receiver's exchange sort
// (for every i, every later record that must come first is exchanged with record i;
// equal records are never exchanged). Its exact result, equal keys included, is what
// the numbering of existing lists depends on, so it is reproduced (ExchangeSort.h):
// every record's keys are read once and reduced to a rank (equal keys, equal rank).
#include <algorithm>
#include <numeric>
#include <optional>
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

// What a channel on transponder 0 (no transponder of its own) sorts by, as its joined
// row shows it.
constexpr const char* kNoTransponderFrequency = "0000";
constexpr const char* kNoTransponderBouquet = "___";

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
std::vector<int> SortedOrder(const std::vector<SortKey>& keys, const SortRule& rule) {
  const size_t n = keys.size();
  std::vector<int> byKey(n);
  std::iota(byKey.begin(), byKey.end(), 0);
  const auto less = [&](int x, int y) {
    return Before(keys[static_cast<size_t>(x)], keys[static_cast<size_t>(y)], rule);
  };
  std::sort(byKey.begin(), byKey.end(), less);
  std::vector<int> rank(n);
  int r = 0;
  for (size_t i = 0; i < n; ++i) {
    if (i > 0 && less(byKey[i - 1], byKey[i])) ++r;
    rank[static_cast<size_t>(byKey[i])] = r;
  }
  return ExchangeSortOrder(rank);
}

// The transponder a digital channel sorts by, found as its joined row finds it: the first
// DIGITAL record of that Index; a CHANNEL record on transponder 0 has none of its own.
class TransponderKeys {
 public:
  explicit TransponderKeys(const std::vector<std::string>& fields) : fields_(fields) {
    const SectionSpan tps = SectionLocator(fields)[Section::DigitalTp];
    byIndex_.reserve(tps.Records());
    for (size_t r = 0; r < tps.Records(); ++r) byIndex_.emplace(fields[tps.At(r)], tps.At(r));
  }
  void Fill(SortKey& key, const std::string& tpIndex, bool zeroIsNone) const {
    if (zeroIsNone && DecimalValue(tpIndex) == 0) {
      key.frequency = DecimalValue(kNoTransponderFrequency);
      key.bouquet = kNoTransponderBouquet;
      return;
    }
    const auto it = byIndex_.find(tpIndex);
    if (it == byIndex_.end()) {
      key.frequency = 0;
      key.bouquet.clear();
      return;
    }
    key.frequency = DecimalValue(fields_[it->second + field::kTpFrequency]);
    key.bouquet = TrimmedUpper(fields_[it->second + field::kTpBouquet]);
  }

 private:
  const std::vector<std::string>& fields_;
  std::unordered_map<std::string_view, size_t> byIndex_;
};

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
  const bool byTransponder = mode == kBySatTypeFreqName || mode == kBySatTypeBouquetName;
  const SectionLocator sections(m_fields);
  const SortRule digitalRule{mode != kByName, mode == kBySatTypeFreqName, mode == kBySatTypeBouquetName,
                             byTransponder ? true : m_sortAscending};
  const SortRule analogRule{mode != kByName, byTransponder, false, m_sortAscending};
  std::optional<TransponderKeys> transponders;
  if (byTransponder) transponders.emplace(m_fields);

  const auto sortSection = [&](Section section, int satF, int typeF, int nameF, int tpF,
                               const SortRule& rule) {
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
        transponders->Fill(k, f[tpF], section == Section::DigitalChannel);
      }
    }
    PermuteRecords(m_fields, span, SortedOrder(keys, rule));
  };
  sortSection(Section::DigitalChannel, field::kChSat, field::kChType, field::kChName, field::kChTp,
              digitalRule);
  sortSection(Section::PidChannel, field::kPidSat, field::kPidType, field::kPidName, field::kPidTp,
              digitalRule);
  sortSection(Section::AnalogTp, field::kAnSat, field::kAnType, field::kAnName, 0, analogRule);
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
