#include "listview/ChannelIdentity.h"

#include <algorithm>
#include <deque>
#include <set>
#include <string_view>
#include <unordered_map>

#include "base/FieldConversions.h"
#include "base/Keywords.h"
#include "base/ListLimits.h"
#include "base/NameText.h"
#include "base/RecordFields.h"
#include "base/Reporter.h"
#include "base/SectionLocator.h"
#include "listview/ChannelTables.h"

namespace lumoscope {

namespace {

constexpr char kKeySeparator = '\x1f';  // never in a field: the loader splits on blanks

// Service IDs are hexadecimal; "006E" and "6e" are the same service.
std::string ServiceIdKey(const std::string& text) {
  std::string id = TrimmedUpper(text);
  if (id.empty() || id.find_first_not_of("0123456789ABCDEF") != std::string::npos) return id;
  const size_t digit = id.find_first_not_of('0');
  return digit == std::string::npos ? "0" : id.substr(digit);
}

std::string SatelliteOf(const std::unordered_map<std::string_view, std::string>& satellites,
                        const std::string& index) {
  const auto it = satellites.find(index);
  return it != satellites.end() ? it->second : "#" + Trimmed(index);
}

bool IsNull(const std::string& blank) {
  return TrimmedUpper(blank) == kYes;
}

template <typename... Parts>
std::string Key(const Parts&... parts) {
  std::string key;
  ((key += parts, key += kKeySeparator), ...);
  return key;
}

// The section's code: keys of different kinds of channel never meet.
std::string SectionTag(Section section) {
  return std::to_string(static_cast<int>(section));
}

std::string PidsText(const ChannelEntry& c, char separator) {
  return Format("%ld%c%ld%c%ld", c.pids[0], separator, c.pids[1], separator, c.pids[2]);
}

// Which satellite indices reach the image: a satellite with that index (read as a
// number, as the compile reads it) whose blank flag is N.
class UsableSatellites {
 public:
  explicit UsableSatellites(const std::vector<std::string>& fields, const SectionSpan& satellites) {
    for (size_t r = 0; r < satellites.Records(); ++r) {
      const std::string* f = fields.data() + satellites.At(r);
      usable_.emplace(DecimalValue(f[field::kIndex]), KeywordCode(f[field::kSatBlank], kYesNo) != 1);
    }
  }
  bool operator()(const std::string& index) const {
    const auto it = usable_.find(DecimalValue(index));
    return it != usable_.end() && it->second;
  }

 private:
  std::unordered_map<long, bool> usable_;
};

}  // namespace

ImageField TypeField(const std::string& token) {
  ImageField type = KeywordField("type", token, kServiceTypes);
  if (type.shown == kRadio) type.shown = "Radio";
  return type;
}

ImageField ByteField(const char* label, const std::string& text) {
  return {label, Trimmed(text), std::to_string(DecimalValue(text) & 0xFF)};
}

ListChannels ReadChannels(const std::vector<std::string>& fields, const NameCodec& names) {
  ListChannels list;
  const SectionLocator sections(fields);

  std::unordered_map<std::string_view, std::string> satellites;
  const SectionSpan& sats = sections[Section::Satellite];
  for (size_t r = 0; r < sats.Records(); ++r) {
    const std::string* f = fields.data() + sats.At(r);
    satellites.emplace(f[field::kIndex], names.Decode(Trimmed(f[field::kSatName])));
  }
  const UsableSatellites usable(fields, sats);
  std::unordered_map<std::string_view, size_t> transponderAt;
  const SectionSpan& tps = sections[Section::DigitalTp];
  for (size_t r = 0; r < tps.Records(); ++r) {
    const std::string* f = fields.data() + tps.At(r);
    TransponderEntry tp;
    tp.first = tps.At(r);
    tp.index = f[field::kIndex];
    tp.satellite = SatelliteOf(satellites, f[field::kTpSat]);
    tp.satelliteKey = NameKey(tp.satellite);
    tp.frequency = DecimalValue(f[field::kTpFrequency]);
    tp.polarization = TrimmedUpper(f[field::kTpPolar]);
    tp.symbolRate = DecimalValue(f[field::kTpSymbolRate]);
    tp.bouquet = names.Decode(Trimmed(f[field::kTpBouquet]));
    tp.compiled = usable(f[field::kTpSat]);
    transponderAt.emplace(f[field::kIndex], list.transponders.size());
    list.transponders.push_back(std::move(tp));
  }

  // The channels as the channel views join them with their transponders and satellites.
  std::vector<std::string> digitalRows;
  std::vector<std::string> analogRows;
  JoinChannelTables(fields, digitalRows, analogRows);
  const SectionSpan& services = sections[Section::DigitalChannel];
  const SectionSpan& pids = sections[Section::PidChannel];
  const auto satelliteOf = [&satellites, &names](const std::string* row, int nameColumn, int indexColumn) {
    return row[nameColumn].empty() ? SatelliteOf(satellites, row[indexColumn])
                                   : names.Decode(Trimmed(row[nameColumn]));
  };
  for (size_t r = 0; r * kDigitalRowWidth < digitalRows.size(); ++r) {
    const std::string* row = digitalRows.data() + r * kDigitalRowWidth;
    const bool service = r < services.Records();
    ChannelEntry c;
    c.section = service ? Section::DigitalChannel : Section::PidChannel;
    c.first = service ? services.At(r) : pids.At(r - services.Records());
    c.number = static_cast<long>(r) + 1;
    c.null = IsNull(row[digitalcol::kBlank]);
    c.compiled = usable(row[digitalcol::kSatIndex]);
    c.name = names.Decode(Trimmed(row[digitalcol::kName]));
    c.satellite = satelliteOf(row, digitalcol::kSatName, digitalcol::kSatIndex);
    c.satelliteKey = NameKey(c.satellite);
    c.transponder = row[digitalcol::kTpIndex];
    c.frequency = DecimalValue(row[digitalcol::kFrequency]);
    c.polarization = TrimmedUpper(row[digitalcol::kPolarization]);
    c.symbolRate = DecimalValue(row[digitalcol::kSymbolRate]);
    c.tuning = Format("%ld %s %ld", c.frequency, c.polarization.c_str(), c.symbolRate);
    if (service) {
      c.serviceId = ServiceIdKey(row[digitalcol::kSvcId]);
    } else {
      c.pids = {DecimalValue(row[digitalcol::kVideoPid]), DecimalValue(row[digitalcol::kAudioPid]),
                DecimalValue(row[digitalcol::kPcrPid])};
    }
    const std::string& bouquet = row[digitalcol::kBouquet];
    // The image holds the comment's first characters only.
    c.details = {TypeField(row[digitalcol::kType]),
                 ByteField("active audio", row[digitalcol::kActiveAudio]),
                 {"bouquet", names.Decode(Trimmed(bouquet)), bouquet.substr(0, kMaxNameLength)}};
    // The receiver looks the transponder up on the channel's satellite; one that names
    // another satellite is another transponder. (Its own satellite counts as none, so
    // that a renamed satellite changes no channel.)
    if (const auto tp = transponderAt.find(c.transponder); tp != transponderAt.end()) {
      const TransponderEntry& t = list.transponders[tp->second];
      c.details.push_back(
          {"transponder's satellite", t.satellite, t.satelliteKey == c.satelliteKey ? "" : t.satelliteKey});
    }
    list.channels.push_back(std::move(c));
  }
  for (size_t r = 0; r * kAnalogRowWidth < analogRows.size(); ++r) {
    const std::string* row = analogRows.data() + r * kAnalogRowWidth;
    ChannelEntry c;
    c.section = Section::AnalogTp;
    c.first = sections[Section::AnalogTp].At(r);
    c.number = static_cast<long>(r) + 1;
    c.null = IsNull(row[analogcol::kBlank]);
    c.compiled = usable(row[analogcol::kSatIndex]);
    c.name = names.Decode(Trimmed(row[analogcol::kName]));
    c.satellite = satelliteOf(row, analogcol::kSatName, analogcol::kSatIndex);
    c.satelliteKey = NameKey(c.satellite);
    c.frequency = DecimalValue(row[analogcol::kFrequency]);
    c.polarization = TrimmedUpper(row[analogcol::kPolarization]);
    c.audioCarriers =
        Trimmed(row[analogcol::kAudioFrequencyLeft]) + "/" + Trimmed(row[analogcol::kAudioFrequencyRight]);
    c.tuning = Format("%ld %s %s %s %s", c.frequency, c.polarization.c_str(),
                      TrimmedUpper(row[analogcol::kBand]).c_str(),
                      Trimmed(row[analogcol::kVideoBand]).c_str(), c.audioCarriers.c_str());
    c.details = {ByteField("threshold", row[analogcol::kThreshold]),
                 ByteField("contrast", row[analogcol::kContrast]),
                 KeywordField("decoder output", row[analogcol::kDecoderOutput], kDecoderOutputs),
                 KeywordField("audio mode", row[analogcol::kAudioMode], kAudioModes),
                 KeywordField("audio bandwidth", row[analogcol::kAudioBandwidth], kAudioBands),
                 KeywordField("DNR", row[analogcol::kDnr], kYesNo),
                 KeywordField("de-emphasis", row[analogcol::kDeemphasis], kDeEmphases),
                 TypeField(row[analogcol::kType])};
    list.channels.push_back(std::move(c));
  }
  return list;
}

std::vector<bool> TranspondersInUse(const ListChannels& list, const std::vector<bool>& gone) {
  std::set<std::string> texts;
  std::set<long> values;
  for (size_t i = 0; i < list.channels.size(); ++i) {
    const ChannelEntry& c = list.channels[i];
    if (!c.Digital() || (i < gone.size() && gone[i])) continue;
    texts.insert(Trimmed(c.transponder));
    values.insert(DecimalValue(c.transponder));
  }
  std::vector<bool> used;
  used.reserve(list.transponders.size());
  for (const TransponderEntry& tp : list.transponders)
    used.push_back(texts.contains(Trimmed(tp.index)) || values.contains(DecimalValue(tp.index)));
  return used;
}

std::string NameKey(std::string_view name) {
  std::string key;
  key.reserve(name.size());
  for (const char ch : name)
    if (ch != ' ' && ch != '\t') key += ch;
  return FoldCase(key);
}

std::string IdentityKey(const ChannelEntry& c) {
  if (!c.Digital()) return ServiceKey(c) + Key(NameKey(c.name));
  return Key(SectionTag(c.section), TransponderKey(c),
             c.section == Section::DigitalChannel ? c.serviceId : PidsText(c, ' '));
}

std::string ServiceKey(const ChannelEntry& c) {
  if (!c.Digital()) return Key(SectionTag(c.section), TransponderKey(c), c.audioCarriers);
  return Key(SectionTag(c.section), c.satelliteKey,
             c.section == Section::DigitalChannel ? c.serviceId : PidsText(c, ' '));
}

std::string TransponderKey(const ChannelEntry& c) {
  return Key(c.satelliteKey, std::to_string(c.frequency), c.polarization);
}

std::string NamedServiceKey(const ChannelEntry& c) {
  if (c.Digital()) return ServiceKey(c) + Key(NameKey(c.name));
  return Key(SectionTag(c.section), c.satelliteKey, NameKey(c.name));
}

std::string ImageKey(const ChannelEntry& c) {
  std::string key = IdentityKey(c) + Key(c.name, c.tuning);
  for (const ImageField& f : c.details) key += Key(f.image);
  return key;
}

void PairByKey(const std::vector<std::string>& leftKeys, const std::vector<std::string>& rightKeys,
               std::vector<size_t>& partnerOfLeft, std::vector<bool>& rightTaken) {
  std::unordered_map<std::string_view, std::deque<size_t>> free;
  for (size_t j = 0; j < rightKeys.size(); ++j)
    if (!rightTaken[j] && !rightKeys[j].empty()) free[rightKeys[j]].push_back(j);
  for (size_t i = 0; i < leftKeys.size(); ++i) {
    if (partnerOfLeft[i] != kNoPartner || leftKeys[i].empty()) continue;
    const auto it = free.find(leftKeys[i]);
    if (it == free.end() || it->second.empty()) continue;
    partnerOfLeft[i] = it->second.front();
    rightTaken[it->second.front()] = true;
    it->second.pop_front();
  }
}

std::string ChannelLabel(const ChannelEntry& c) {
  return Format("%s %ld \"%s\"", c.Digital() ? "channel" : "analog channel", c.number, c.name.c_str());
}

std::string ChannelPlace(const ChannelEntry& c) {
  std::string place = Format("%s %ld %s", c.satellite.c_str(), c.frequency, c.polarization.c_str());
  if (c.section == Section::DigitalChannel) place += ", SVC ID " + ServiceIdText(c);
  if (c.section == Section::PidChannel) place += ", PIDs " + PidsText(c, '/');
  if (c.section == Section::AnalogTp) place += ", audio " + c.audioCarriers;
  return place;
}

std::string ServiceIdText(const ChannelEntry& c) {
  constexpr size_t kDigits = 4;
  return std::string(kDigits - std::min(kDigits, c.serviceId.size()), '0') + c.serviceId;
}

std::string NumberRanges(const std::vector<long>& numbers) {
  std::string out;
  for (size_t i = 0; i < numbers.size();) {
    size_t j = i;
    while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1) ++j;
    if (!out.empty()) out += ", ";
    out += std::to_string(numbers[i]);
    if (j > i) out += "-" + std::to_string(numbers[j]);
    i = j + 1;
  }
  return out;
}

std::string ReportBlock(const char* title, size_t count, const std::vector<std::string>& lines) {
  if (count == 0) return {};
  std::string text = Format("%s: %zu\n", title, count);
  for (const std::string& line : lines) text += "  " + line + "\n";
  return text;
}

}  // namespace lumoscope
