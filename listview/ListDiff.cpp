#include "listview/ListDiff.h"

#include <algorithm>
#include <array>
#include <nlohmann/json.hpp>
#include <unordered_map>

#include "base/NameText.h"
#include "base/RecordFields.h"
#include "base/Reporter.h"
#include "base/SectionLocator.h"
#include "listview/ChannelTables.h"

namespace lumoscope {

namespace {

constexpr std::array kChangeKinds{ChangeKind::Added, ChangeKind::Removed, ChangeKind::Renamed,
                                  ChangeKind::Moved, ChangeKind::Retuned, ChangeKind::Changed};

constexpr char kKeySeparator = '\x1f';

using KeyFunction = std::string (*)(const ChannelEntry&);

// Keys of the named channels; null channels get none and pair with nothing.
std::vector<std::string> KeysOf(const std::vector<ChannelEntry>& channels, KeyFunction key) {
  std::vector<std::string> keys;
  keys.reserve(channels.size());
  for (const ChannelEntry& c : channels) keys.push_back(c.null ? std::string() : key(c));
  return keys;
}

// An analog channel under another name on the same frequency and carriers is renamed.
std::string AnalogServiceKey(const ChannelEntry& c) {
  return c.Digital() ? std::string() : ServiceKey(c);
}

size_t NullCount(const std::vector<ChannelEntry>& channels) {
  return static_cast<size_t>(
      std::count_if(channels.begin(), channels.end(), [](const auto& c) { return c.null; }));
}

// The channel a change is about, for its order in the report.
const ChannelEntry& Subject(const ChannelChange& change) {
  return change.kind == ChangeKind::Added ? change.after : change.before;
}

// The fields of two records (in the same order, by label) that reach the image
// differently.
std::vector<FieldChange> FieldsThatDiffer(const std::vector<ImageField>& a,
                                          const std::vector<ImageField>& b) {
  std::vector<FieldChange> changes;
  for (const ImageField& f : a) {
    const auto other = std::find_if(
        b.begin(), b.end(), [&f](const ImageField& g) { return std::string_view(g.label) == f.label; });
    const bool missing = other == b.end();
    if (missing || other->image != f.image)
      changes.push_back({f.label, f.shown, missing ? "" : other->shown});
  }
  for (const ImageField& g : b)
    if (std::none_of(a.begin(), a.end(),
                     [&g](const ImageField& f) { return std::string_view(f.label) == g.label; }))
      changes.push_back({g.label, "", g.shown});
  return changes;
}

std::string FieldsText(const std::vector<FieldChange>& fields) {
  std::string text;
  for (const FieldChange& f : fields) {
    if (!text.empty()) text += ", ";
    text += f.field + " " + f.before + " -> " + f.after;
  }
  return text;
}

// A record of one of the other kinds, with the keys it is paired by (a renamed
// satellite by its index) and every field of it that reaches the image.
struct RecordEntry {
  std::string key;
  std::string secondKey;
  std::string label;
  std::vector<ImageField> fields;
};

std::vector<RecordEntry> Satellites(const std::vector<std::string>& fields, const SectionSpan& span,
                                    const NameCodec& names) {
  std::vector<RecordEntry> satellites;
  for (size_t r = 0; r < span.Records(); ++r) {
    const std::string* f = fields.data() + span.At(r);
    const std::string index = Trimmed(f[field::kIndex]);
    const std::string name = names.Decode(Trimmed(f[field::kSatName]));
    const auto digits = [f](const char* label, int at) {
      return ImageField{label, Trimmed(f[at]), std::to_string(DecimalValue(f[at]))};
    };
    satellites.push_back({NameKey(name),
                          index,
                          Format("satellite %s \"%s\"", index.c_str(), name.c_str()),
                          {digits("index", field::kIndex),
                           {"name", name, f[field::kSatName]},
                           KeywordField("blank", f[field::kSatBlank], kYesNo),
                           digits("LNB high", field::kSatLnbHigh),
                           digits("LNB low", field::kSatLnbLow),
                           ByteField("position", f[field::kSatPosition]),
                           // The positioner is a signed 16-bit value in the image.
                           {"degree", Trimmed(f[field::kSatDegree]),
                            std::to_string(DecimalValue(f[field::kSatDegree]) & 0xFFFF)}}});
  }
  return satellites;
}

// The satellite name slots, paired by their place.
std::vector<RecordEntry> SatelliteNames(const std::vector<std::string>& fields, const SectionSpan& span,
                                        const NameCodec& names) {
  std::vector<RecordEntry> slots;
  for (size_t r = 0; r < span.Records(); ++r) {
    const std::string& name = fields[span.At(r, field::kSatNameName)];
    slots.push_back({std::to_string(r + 1),
                     {},
                     Format("satellite name %zu", r + 1),
                     {{"name", names.Decode(Trimmed(name)), name}}});
  }
  return slots;
}

// The transponders of a list that reach the image and that no channel uses, keyed by
// everything of theirs; the others show in the channels on them.
std::vector<RecordEntry> UnusedTransponders(const ListChannels& list) {
  const std::vector<bool> used = TranspondersInUse(list);
  std::vector<RecordEntry> unused;
  for (size_t t = 0; t < list.transponders.size(); ++t) {
    const TransponderEntry& tp = list.transponders[t];
    if (used[t] || !tp.compiled) continue;
    std::string key = tp.satelliteKey;
    for (const std::string& part :
         {std::to_string(tp.frequency), tp.polarization, std::to_string(tp.symbolRate), tp.bouquet})
      key += kKeySeparator + part;
    unused.push_back({std::move(key),
                      {},
                      Format("transponder %s (%s %ld %s, %ld kS/s, bouquet %s): no channel uses it",
                             Trimmed(tp.index).c_str(), tp.satellite.c_str(), tp.frequency,
                             tp.polarization.c_str(), tp.symbolRate, tp.bouquet.c_str()),
                      {}});
  }
  return unused;
}

std::vector<std::string> KeysOf(const std::vector<RecordEntry>& records, std::string RecordEntry::*key) {
  std::vector<std::string> keys;
  for (const RecordEntry& r : records) keys.push_back(r.*key);
  return keys;
}

// Pairs the records of two lists (by key, then by the second key) and reports what is
// only in one of them and the fields of a pair that differ. Gives the partner of each
// record of the first list.
std::vector<size_t> CompareRecords(const char* record, const std::vector<RecordEntry>& a,
                                   const std::vector<RecordEntry>& b, std::vector<RecordChange>& changes) {
  std::vector<size_t> partner(a.size(), kNoPartner);
  std::vector<bool> taken(b.size(), false);
  for (std::string RecordEntry::*key : {&RecordEntry::key, &RecordEntry::secondKey})
    PairByKey(KeysOf(a, key), KeysOf(b, key), partner, taken);
  for (size_t i = 0; i < a.size(); ++i) {
    if (partner[i] == kNoPartner) {
      changes.push_back({ChangeKind::Removed, record, a[i].label});
      continue;
    }
    std::vector<FieldChange> fields = FieldsThatDiffer(a[i].fields, b[partner[i]].fields);
    if (!fields.empty()) changes.push_back({ChangeKind::Changed, record, a[i].label, std::move(fields)});
  }
  for (size_t j = 0; j < b.size(); ++j)
    if (!taken[j]) changes.push_back({ChangeKind::Added, record, b[j].label});
  return partner;
}

// The channels of a list that reach the image.
std::vector<ChannelEntry> Compiled(std::vector<ChannelEntry> channels) {
  std::erase_if(channels, [](const ChannelEntry& c) { return !c.compiled; });
  return channels;
}

}  // namespace

std::string ChangeText(const ChannelChange& c) {
  switch (c.kind) {
    case ChangeKind::Added:
      return ChannelLabel(c.after) + " (" + ChannelPlace(c.after) + ")";
    case ChangeKind::Removed:
      return ChannelLabel(c.before) + " (" + ChannelPlace(c.before) + ")";
    case ChangeKind::Renamed:
      return ChannelLabel(c.before) + " -> \"" + c.after.name + "\"";
    case ChangeKind::Moved:
      return Format("%s -> %ld", ChannelLabel(c.before).c_str(), c.after.number);
    case ChangeKind::Retuned:
      return ChannelLabel(c.before) + " " + c.before.tuning + " -> " + c.after.tuning;
    case ChangeKind::Changed:
      return ChannelLabel(c.before) + ": " + FieldsText(c.fields);
  }
  return {};
}

std::string RecordChangeText(const RecordChange& c) {
  return c.fields.empty() ? c.label : c.label + ": " + FieldsText(c.fields);
}

namespace {

nlohmann::ordered_json ChannelJson(const ChannelEntry& c) {
  nlohmann::ordered_json j{{"number", c.number},
                           {"name", c.name},
                           {"satellite", c.satellite},
                           {"frequency", c.frequency},
                           {"polarization", c.polarization}};
  if (c.section == Section::DigitalChannel) j["service_id"] = ServiceIdText(c);
  if (c.section == Section::PidChannel) j["pids"] = c.pids;
  if (c.Digital()) j["symbol_rate"] = c.symbolRate;
  if (!c.Digital()) j["audio_carriers"] = c.audioCarriers;
  j["tuning"] = c.tuning;
  return j;
}

nlohmann::ordered_json FieldsJson(const std::vector<FieldChange>& fields) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const FieldChange& f : fields)
    list.push_back({{"field", f.field}, {"first", f.before}, {"second", f.after}});
  return list;
}

}  // namespace

const char* ChangeName(ChangeKind kind) {
  switch (kind) {
    case ChangeKind::Added:
      return "added";
    case ChangeKind::Removed:
      return "removed";
    case ChangeKind::Renamed:
      return "renamed";
    case ChangeKind::Moved:
      return "moved";
    case ChangeKind::Retuned:
      return "retuned";
    case ChangeKind::Changed:
      return "changed";
  }
  return "";
}

size_t ListDifferences::Count(ChangeKind kind) const {
  return static_cast<size_t>(std::count_if(changes.begin(), changes.end(),
                                           [kind](const ChannelChange& c) { return c.kind == kind; }));
}

ListDifferences CompareLists(const std::vector<std::string>& before, const std::vector<std::string>& after,
                             const NameCodec& names) {
  ListDifferences d;
  const SectionLocator first(before);
  const SectionLocator second(after);
  ListChannels listA = ReadChannels(before, names);
  ListChannels listB = ReadChannels(after, names);

  // The satellites first: a satellite the second list renamed keeps the first list's
  // name in the keys of its channels and transponders.
  const std::vector<RecordEntry> satsA = Satellites(before, first[Section::Satellite], names);
  const std::vector<RecordEntry> satsB = Satellites(after, second[Section::Satellite], names);
  const std::vector<size_t> satPartner = CompareRecords("satellite", satsA, satsB, d.records);
  std::unordered_map<std::string, std::string> renamed;
  for (size_t i = 0; i < satsA.size(); ++i)
    if (satPartner[i] != kNoPartner && satsB[satPartner[i]].key != satsA[i].key)
      renamed.emplace(satsB[satPartner[i]].key, satsA[i].key);
  const auto asFirst = [&renamed](std::string& key) {
    if (const auto it = renamed.find(key); it != renamed.end()) key = it->second;
  };
  for (ChannelEntry& c : listB.channels) asFirst(c.satelliteKey);
  for (TransponderEntry& tp : listB.transponders) asFirst(tp.satelliteKey);
  CompareRecords("satellite name", SatelliteNames(before, first[Section::SatNameList], names),
                 SatelliteNames(after, second[Section::SatNameList], names), d.records);
  CompareRecords("transponder", UnusedTransponders(listA), UnusedTransponders(listB), d.records);

  const std::vector<ChannelEntry> a = Compiled(std::move(listA.channels));
  const std::vector<ChannelEntry> b = Compiled(std::move(listB.channels));
  d.nullChannelsBefore = NullCount(a);
  d.nullChannelsAfter = NullCount(b);

  // The same channel first; then the same service under the same name elsewhere; then an
  // analog channel under another name.
  std::vector<size_t> partner(a.size(), kNoPartner);
  std::vector<bool> taken(b.size(), false);
  for (const KeyFunction key : {&IdentityKey, &NamedServiceKey, &AnalogServiceKey})
    PairByKey(KeysOf(a, key), KeysOf(b, key), partner, taken);

  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].null) continue;
    if (partner[i] == kNoPartner) {
      d.changes.push_back({ChangeKind::Removed, a[i], {}});
      continue;
    }
    const ChannelEntry& other = b[partner[i]];
    if (a[i].name != other.name) d.changes.push_back({ChangeKind::Renamed, a[i], other});
    if (a[i].number != other.number) d.changes.push_back({ChangeKind::Moved, a[i], other});
    if (a[i].tuning != other.tuning) d.changes.push_back({ChangeKind::Retuned, a[i], other});
    if (std::vector<FieldChange> fields = FieldsThatDiffer(a[i].details, other.details); !fields.empty())
      d.changes.push_back({ChangeKind::Changed, a[i], other, std::move(fields)});
  }
  for (size_t j = 0; j < b.size(); ++j)
    if (!b[j].null && !taken[j]) d.changes.push_back({ChangeKind::Added, {}, b[j]});

  std::stable_sort(d.changes.begin(), d.changes.end(), [](const ChannelChange& x, const ChannelChange& y) {
    const ChannelEntry& s = Subject(x);
    const ChannelEntry& t = Subject(y);
    if (x.kind != y.kind) return x.kind < y.kind;
    if (s.Digital() != t.Digital()) return s.Digital();
    return s.number < t.number;
  });
  return d;
}

std::string NullChannelsText(const ListDifferences& d) {
  if (d.nullChannelsBefore == d.nullChannelsAfter) return {};
  return Format("null channels: %zu -> %zu", d.nullChannelsBefore, d.nullChannelsAfter);
}

std::string DifferencesSummary(const ListDifferences& d) {
  if (d.Equal()) return "The lists have the same channels.";
  std::string summary;
  for (const ChangeKind kind : kChangeKinds)
    summary += Format("%s%zu %s", summary.empty() ? "" : ", ", d.Count(kind), ChangeName(kind));
  if (!d.records.empty())
    summary += Format(", %zu in satellites, satellite names or transponders", d.records.size());
  const size_t total = d.changes.size() + d.records.size();
  return Format("%zu %s: %s", total, total == 1 ? "change" : "changes", summary.c_str());
}

std::string DifferencesText(const ListDifferences& d) {
  std::string text;
  for (const ChannelChange& c : d.changes)
    text += Format("%-8s %s\n", ChangeName(c.kind), ChangeText(c).c_str());
  for (const RecordChange& c : d.records)
    text += Format("%-8s %s\n", ChangeName(c.kind), RecordChangeText(c).c_str());
  if (const std::string nulls = NullChannelsText(d); !nulls.empty()) text += nulls + "\n";
  return text + DifferencesSummary(d) + "\n";
}

std::string DifferencesJson(const ListDifferences& d, const std::string& firstName,
                            const std::string& secondName) {
  nlohmann::ordered_json summary = nlohmann::ordered_json::object();
  for (const ChangeKind kind : kChangeKinds) summary[ChangeName(kind)] = d.Count(kind);
  summary["records"] = d.records.size();
  nlohmann::ordered_json changes = nlohmann::ordered_json::array();
  for (const ChannelChange& c : d.changes) {
    nlohmann::ordered_json change{{"change", ChangeName(c.kind)},
                                  {"kind", ChannelKindName(Subject(c).section)}};
    if (c.kind != ChangeKind::Added) change["first"] = ChannelJson(c.before);
    if (c.kind != ChangeKind::Removed) change["second"] = ChannelJson(c.after);
    if (!c.fields.empty()) change["fields"] = FieldsJson(c.fields);
    changes.push_back(std::move(change));
  }
  nlohmann::ordered_json records = nlohmann::ordered_json::array();
  for (const RecordChange& c : d.records) {
    nlohmann::ordered_json change{{"change", ChangeName(c.kind)}, {"record", c.record}, {"label", c.label}};
    if (!c.fields.empty()) change["fields"] = FieldsJson(c.fields);
    records.push_back(std::move(change));
  }
  const nlohmann::ordered_json document{
      {"format", "lumoscope-list-diff"},
      {"version", 1},
      // File names are no receiver names: one that is no UTF-8 is taken as Latin-1.
      {"first", TextToUtf8(firstName, NameCodec())},
      {"second", TextToUtf8(secondName, NameCodec())},
      {"equal", d.Equal()},
      {"summary", std::move(summary)},
      {"null_channels", {{"first", d.nullChannelsBefore}, {"second", d.nullChannelsAfter}}},
      {"changes", std::move(changes)},
      {"records", std::move(records)}};
  return document.dump(2) + "\n";
}

}  // namespace lumoscope
