// The zap format of satellite channels (szap's channels.conf), one service per line:
//   name:frequency:polarisation:satellite:symbolrate:vpid:apid:sid
// for example
//   Das Erste HD:11494:h:0:22000:5101:5102:10301
// with the frequency in MHz, the polarisation as a letter, the DiSEqC number of the
// satellite (the list's satellite is chosen instead) and the symbol rate in kS/s. The
// format names no provider, no orbital position and no CA IDs.
#include "base/Reporter.h"
#include "editing/ChannelFileFormats.h"

namespace lumoscope {

namespace {

constexpr size_t kFields = 8;
constexpr size_t kMaxSatelliteNumberDigits = 3;

enum Field : size_t { kName, kFrequency, kPolarization, kSatellite, kSymbolRate, kVideo, kAudio, kSid };

bool ParseLine(std::string_view line, int number, ScannedService& s, KeyValueError& error) {
  const auto refuse = [&](const std::string& reason) {
    error = {number, reason};
    return false;
  };
  const auto bad = [&](const char* field) {
    return refuse(Format("gives a %s this program cannot read", field));
  };
  const std::vector<std::string_view> f = SplitFields(line, ':', kFields + 1);
  if (f.size() != kFields)
    return refuse(Format("has %zu fields, not the %zu of a zap channel line", f.size(), kFields));
  if (f[kName].size() > kMaxServiceNameBytes)
    return refuse(Format("gives a name longer than %zu bytes", kMaxServiceNameBytes));
  s.line = number;
  s.name = std::string(TrimBlanks(f[kName]));
  const std::optional<uint32_t> frequency = DecimalField(f[kFrequency]);
  const std::optional<ScanPolarization> polarization = PolarizationNamed(f[kPolarization]);
  const std::optional<uint32_t> symbolRate = DecimalField(f[kSymbolRate]);
  const std::optional<uint32_t> video = DecimalField(f[kVideo], kMaxPid);
  // A service with several audio streams may list them: the first one is taken.
  const std::optional<uint32_t> audio = DecimalField(f[kAudio].substr(0, f[kAudio].find(',')), kMaxPid);
  const std::optional<uint32_t> sid = DecimalField(f[kSid], UINT16_MAX);
  if (!frequency) return bad("frequency");
  if (!polarization) return bad("polarisation");
  if (f[kSatellite].size() > kMaxSatelliteNumberDigits || !DecimalField(f[kSatellite]))
    return bad("satellite number");
  if (!symbolRate) return bad("symbol rate");
  if (!video) return bad("video PID");
  if (!audio) return bad("audio PID");
  if (!sid) return bad("service ID");
  s.frequencyKHz = InSmallerUnit(*frequency);
  s.polarization = *polarization;
  s.symbolRate = InSmallerUnit(*symbolRate);
  s.videoPid = *video;
  s.audioPid = *audio;
  s.pcrPid = *video != 0 ? *video : *audio;
  s.serviceId = *sid;
  return true;
}

}  // namespace

bool ParseZapChannels(std::string_view text, std::vector<ScannedService>& services, KeyValueError& error) {
  return ParseServiceLines(text, services, error, [&](std::string_view line, int number) {
    ScannedService s;
    if (!ParseLine(line, number, s, error)) return false;
    services.push_back(std::move(s));
    return true;
  });
}

}  // namespace lumoscope
