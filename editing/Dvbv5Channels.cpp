// The dvbv5 channel file that dvbv5-scan writes: one group per service, named after it,
//   [Das Erste HD]
//           SERVICE_ID = 10301
//           VIDEO_PID = 5101
//           AUDIO_PID = 5102 5103 5106
//           FREQUENCY = 11494000
//           POLARIZATION = HORIZONTAL
//           SYMBOL_RATE = 22000000
//           DELIVERY_SYSTEM = DVBS2
// with satellite frequencies in kHz and symbol rates in symbols per second. PID keys may
// list several streams; the first is taken. PROVIDER names the bouquet and CA_ID the
// conditional-access systems (hexadecimal) where the file gives them. The groups are read
// by the bounded reader the scan tables share.
#include <algorithm>
#include <cctype>

#include "base/Reporter.h"
#include "editing/ChannelFileFormats.h"

namespace lumoscope {

namespace {

constexpr KeyValueLimits kChannelFileLimits{kMaxChannelFileBytes,   kMaxChannelLineLength, 32, 255, 64,
                                            kMaxChannelFileServices};

class GroupService {
 public:
  GroupService(const KeyValueGroup& group, KeyValueError& error) : group_(group), error_(error) {}

  bool Parse(ScannedService& s);

 private:
  bool Bad(const KeyValue& v) {
    error_ = {v.line, Format("gives %s a value this program cannot read", std::string(v.key).c_str())};
    return false;
  }
  // The first of the numbers a key lists ("5102 5103"), at most `max`; `out` stays when the
  // group has no such key.
  bool FirstNumber(std::string_view key, uint32_t max, uint32_t& out) {
    const KeyValue* v = group_.Find(key);
    if (v == nullptr) return true;
    const std::string_view first = v->value.substr(0, v->value.find_first_of(" \t,"));
    const std::optional<uint32_t> value = DecimalField(first, max);
    if (!value) return Bad(*v);
    out = *value;
    return true;
  }

  const KeyValueGroup& group_;
  KeyValueError& error_;
};

bool GroupService::Parse(ScannedService& s) {
  s.line = group_.line;
  if (group_.name.size() > kMaxServiceNameBytes) {
    error_ = {group_.line, Format("gives a name longer than %zu bytes", kMaxServiceNameBytes)};
    return false;
  }
  s.name = std::string(group_.name);
  if (group_.Find("SERVICE_ID") == nullptr) {
    error_ = {group_.line,
              "opens a group without a SERVICE_ID: this is a list of transponders (a scan table), "
              "not a channel file"};
    return false;
  }
  if (const KeyValue* provider = group_.Find("PROVIDER")) s.provider = std::string(provider->value);
  if (const KeyValue* delivery = group_.Find("DELIVERY_SYSTEM")) {
    const std::optional<ScanDelivery> system = DeliveryNamed(delivery->value);
    if (!system) return Bad(*delivery);
    s.satellite = *system != ScanDelivery::Other;
  }
  if (const KeyValue* polarization = group_.Find("POLARIZATION")) {
    const std::optional<ScanPolarization> p = PolarizationNamed(polarization->value);
    if (!p) return Bad(*polarization);
    s.polarization = *p;
  }
  if (const KeyValue* ca = group_.Find("CA_ID")) {
    for (const std::string_view id : SplitFields(ca->value, ' ', kMaxChannelLineLength)) {
      if (id.empty()) continue;
      const std::optional<uint32_t> value = HexField(id);
      if (!value) return Bad(*ca);
      if (*value != 0) s.encrypted = true;
    }
  }
  uint32_t frequency = 0;
  uint32_t symbolRate = 0;
  if (!FirstNumber("SERVICE_ID", UINT16_MAX, s.serviceId) || !FirstNumber("VIDEO_PID", kMaxPid, s.videoPid) ||
      !FirstNumber("AUDIO_PID", kMaxPid, s.audioPid) || !FirstNumber("FREQUENCY", UINT32_MAX, frequency) ||
      !FirstNumber("SYMBOL_RATE", UINT32_MAX, symbolRate))
    return false;
  s.frequencyKHz = InSmallerUnit(frequency);
  s.symbolRate = InSmallerUnit(symbolRate);
  s.pcrPid = s.videoPid != 0 ? s.videoPid : s.audioPid;
  return true;
}

}  // namespace

bool ParseDvbv5Channels(std::string_view text, std::vector<ScannedService>& services, KeyValueError& error) {
  std::vector<KeyValueGroup> groups;
  if (!ReadKeyValueGroups(text, kChannelFileLimits, groups, error)) return false;
  services.reserve(groups.size());
  for (const KeyValueGroup& group : groups) {
    ScannedService s;
    if (!GroupService(group, error).Parse(s)) return false;
    services.push_back(std::move(s));
  }
  return true;
}

}  // namespace lumoscope
