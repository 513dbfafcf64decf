#include "listview/ListDiff.h"

#include <algorithm>
#include <array>
#include <nlohmann/json.hpp>

#include "base/NameText.h"
#include "base/Reporter.h"
#include "listview/ChannelTables.h"

namespace lumoscope {

namespace {

constexpr std::array kChangeKinds{ChangeKind::Added, ChangeKind::Removed, ChangeKind::Renamed,
                                  ChangeKind::Moved, ChangeKind::Retuned};

using KeyFunction = std::string (*)(const ChannelEntry&);

// Keys of the named channels; null channels get none and pair with nothing.
std::vector<std::string> KeysOf(const std::vector<ChannelEntry>& channels, KeyFunction key) {
  std::vector<std::string> keys;
  keys.reserve(channels.size());
  for (const ChannelEntry& c : channels) keys.push_back(c.null ? std::string() : key(c));
  return keys;
}

size_t NullCount(const std::vector<ChannelEntry>& channels) {
  return static_cast<size_t>(
      std::count_if(channels.begin(), channels.end(), [](const auto& c) { return c.null; }));
}

// The channel a change is about, for its order in the report.
const ChannelEntry& Subject(const ChannelChange& change) {
  return change.kind == ChangeKind::Added ? change.after : change.before;
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
  }
  return {};
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
  j["tuning"] = c.tuning;
  return j;
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
  }
  return "";
}

size_t ListDifferences::Count(ChangeKind kind) const {
  return static_cast<size_t>(std::count_if(changes.begin(), changes.end(),
                                           [kind](const ChannelChange& c) { return c.kind == kind; }));
}

ListDifferences CompareLists(const std::vector<std::string>& before, const std::vector<std::string>& after,
                             const NameCodec& names) {
  const std::vector<ChannelEntry> a = ReadChannels(before, names).channels;
  const std::vector<ChannelEntry> b = ReadChannels(after, names).channels;
  ListDifferences d;
  d.nullChannelsBefore = NullCount(a);
  d.nullChannelsAfter = NullCount(b);

  // The same channel first; then the same service under the same name elsewhere.
  std::vector<size_t> partner(a.size(), kNoPartner);
  std::vector<bool> taken(b.size(), false);
  for (const KeyFunction key : {&IdentityKey, &NamedServiceKey})
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
  return Format("%zu %s: %s", d.changes.size(), d.changes.size() == 1 ? "change" : "changes",
                summary.c_str());
}

std::string DifferencesText(const ListDifferences& d) {
  std::string text;
  for (const ChannelChange& c : d.changes)
    text += Format("%-8s %s\n", ChangeName(c.kind), ChangeText(c).c_str());
  if (const std::string nulls = NullChannelsText(d); !nulls.empty()) text += nulls + "\n";
  return text + DifferencesSummary(d) + "\n";
}

std::string DifferencesJson(const ListDifferences& d, const std::string& firstName,
                            const std::string& secondName) {
  nlohmann::ordered_json summary = nlohmann::ordered_json::object();
  for (const ChangeKind kind : kChangeKinds) summary[ChangeName(kind)] = d.Count(kind);
  nlohmann::ordered_json changes = nlohmann::ordered_json::array();
  for (const ChannelChange& c : d.changes) {
    nlohmann::ordered_json change{{"change", ChangeName(c.kind)},
                                  {"kind", ChannelKindName(Subject(c).section)}};
    if (c.kind != ChangeKind::Added) change["first"] = ChannelJson(c.before);
    if (c.kind != ChangeKind::Removed) change["second"] = ChannelJson(c.after);
    changes.push_back(std::move(change));
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
      {"changes", std::move(changes)}};
  return document.dump(2) + "\n";
}

}  // namespace lumoscope
