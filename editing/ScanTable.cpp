#include "editing/ScanTable.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <utility>

#include "base/KeyValueGroups.h"
#include "base/Reporter.h"
#include "editing/ScanValues.h"

namespace lumoscope {

namespace {

constexpr const char* kUnreadable = "The scan table cannot be read.";
constexpr const char* kTooLarge =
    "The scan table %s cannot be read: it is %lld bytes long, and a scan table has at most 1 MiB.";
constexpr const char* kBadLine = "The scan table %s cannot be read: line %d %s.";
constexpr const char* kNoEntries =
    "The scan table %s could not be read: it is neither in the dvbv5 format (\"[CHANNEL]\" groups) nor in "
    "the one-line format (\"S 11362000 H 22000000 2/3\").";
constexpr const char* kNotAnEntryLine = "is not a transponder line such as \"S 11362000 H 22000000 2/3\"";
constexpr const char* kUnknownValue = "gives %s a value this program does not know";

// The bounds of a table. Installed tables have lines of at most 200 characters, values of
// at most 60 and groups of at most 26 values.
constexpr KeyValueLimits kTableLimits{kMaxScanTableBytes, 256, 32, 128, 64, kMaxScanTableGroups};
std::optional<uint32_t> Decimal(std::string_view text) {
  return DecimalField(text);
}

class TableParser {
 public:
  TableParser(std::string_view contents, const std::string& path) : contents_(contents), path_(path) {}

  // The table's entries; nothing with `error` set when it cannot be taken.
  std::optional<std::vector<ScanEntry>> Run(std::string& error);

 private:
  bool Refuse(int line, const std::string& reason) {
    error_ = line > 0 ? Format(kBadLine, path_.c_str(), line, reason.c_str())
                      : Format("The scan table %s cannot be read: it %s.", path_.c_str(), reason.c_str());
    return false;
  }
  bool Groups(std::vector<ScanEntry>& entries);
  bool OneLineEntries(std::vector<ScanEntry>& entries);
  bool OneLine(std::string_view line, int number, std::vector<ScanEntry>& entries);
  // The group's value of `key`, through `convert`; `fallback` when the group has none.
  template <typename T, typename Convert>
  bool Value(const KeyValueGroup& group, std::string_view key, Convert convert, T fallback, T& out) {
    const KeyValue* v = group.Find(key);
    if (v == nullptr) {
      out = fallback;
      return true;
    }
    const std::optional<T> converted = convert(v->value);
    if (!converted) return Refuse(v->line, Format(kUnknownValue, std::string(key).c_str()));
    out = *converted;
    return true;
  }

  std::string_view contents_;
  const std::string& path_;
  std::string error_;
};

// The groups format starts its entries with a "[group]" line; the one-line format has none.
bool StartsWithGroup(std::string_view contents) {
  bool group = true;
  ForEachTextLine(contents, [&](std::string_view line, int) {
    const std::string_view text = TrimBlanks(line);
    if (text.empty() || text[0] == '#') return true;
    group = text[0] == '[';
    return false;
  });
  return group;
}

std::optional<std::vector<ScanEntry>> TableParser::Run(std::string& error) {
  std::vector<ScanEntry> entries;
  const bool ok = StartsWithGroup(contents_) ? Groups(entries) : OneLineEntries(entries);
  if (ok && entries.empty()) error_ = Format(kNoEntries, path_.c_str());
  if (!ok || entries.empty()) {
    error = error_;
    return std::nullopt;
  }
  return entries;
}

bool TableParser::Groups(std::vector<ScanEntry>& entries) {
  std::vector<KeyValueGroup> groups;
  KeyValueError failure;
  if (!ReadKeyValueGroups(contents_, kTableLimits, groups, failure))
    return Refuse(failure.line, failure.reason);
  entries.reserve(groups.size());
  for (const KeyValueGroup& group : groups) {
    ScanEntry e;
    e.line = group.line;
    if (!Value(group, "DELIVERY_SYSTEM", DeliveryNamed, ScanDelivery::Other, e.delivery)) return false;
    if (e.delivery != ScanDelivery::Other &&
        (!Value(group, "FREQUENCY", Decimal, uint32_t{0}, e.frequencyKHz) ||
         !Value(group, "SYMBOL_RATE", Decimal, uint32_t{0}, e.symbolRate) ||
         !Value(group, "POLARIZATION", PolarizationNamed, ScanPolarization::None, e.polarization)))
      return false;
    entries.push_back(e);
  }
  return true;
}

bool TableParser::OneLineEntries(std::vector<ScanEntry>& entries) {
  bool ok = true;
  ForEachTextLine(contents_,
                  [&](std::string_view line, int number) { return ok = OneLine(line, number, entries); });
  return ok;
}

// "S 11494000 H 22000000 5/6": system, frequency (kHz), polarisation, symbol rate, then
// FEC and more that a satellite list does not keep. The other systems' lines (T, T2, C, A)
// have other fields and are not for a satellite receiver.
bool TableParser::OneLine(std::string_view line, int number, std::vector<ScanEntry>& entries) {
  if (line.size() > kTableLimits.maxLineLength)
    return Refuse(number, Format("is longer than %zu characters", kTableLimits.maxLineLength));
  if (line.find('\0') != std::string_view::npos) return Refuse(number, "holds a zero byte");
  const std::string_view text = TrimBlanks(line);
  if (text.empty() || text[0] == '#') return true;
  std::array<std::string_view, 4> words{};
  size_t count = 0;
  for (size_t start = 0; count < words.size();) {
    const size_t first = text.find_first_not_of(" \t", start);
    if (first == std::string_view::npos) break;
    const size_t last = std::min(text.find_first_of(" \t", first), text.size());
    words[count++] = text.substr(first, last - first);
    start = last;
  }
  ScanEntry e;
  e.line = number;
  const std::string system = UpperWord(words[0]);
  if (system == "S" || system == "S1" || system == "S2") {
    const auto frequency = DecimalField(words[1]);
    const auto polarization = PolarizationNamed(words[2]);
    const auto symbolRate = DecimalField(words[3]);
    if (count < 4 || !frequency || !polarization || !symbolRate) return Refuse(number, kNotAnEntryLine);
    e.delivery = system == "S2" ? ScanDelivery::DvbS2 : ScanDelivery::DvbS;
    e.frequencyKHz = *frequency;
    e.polarization = *polarization;
    e.symbolRate = *symbolRate;
  } else if (system != "T" && system != "T2" && system != "C" && system != "A") {
    return Refuse(number, kNotAnEntryLine);
  }
  entries.push_back(e);
  return true;
}

}  // namespace

std::optional<ScanTable> ReadScanTable(const std::string& path, std::string& error) {
  const std::optional<std::string> contents = ReadToolFile(
      path, kMaxScanTableBytes, [&path](long long size) { return Format(kTooLarge, path.c_str(), size); },
      kUnreadable, error);
  if (!contents) return std::nullopt;
  return ParseScanTable(*contents, path, error);
}

std::optional<ScanTable> ParseScanTable(std::string_view contents, const std::string& path,
                                        std::string& error) {
  if (contents.size() > kMaxScanTableBytes) {
    error = Format(kTooLarge, path.c_str(), static_cast<long long>(contents.size()));
    return std::nullopt;
  }
  std::optional<std::vector<ScanEntry>> entries = TableParser(contents, path).Run(error);
  if (!entries) return std::nullopt;
  ScanTable table;
  table.name = std::filesystem::path(path).filename().string();
  table.entries = std::move(*entries);
  return table;
}

}  // namespace lumoscope
