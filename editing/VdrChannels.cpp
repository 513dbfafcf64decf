// VDR's channels.conf, as VDR and w_scan write it: one service per line,
//   name,short name;provider:frequency:parameters:source:symbolrate:vpid:apid:tpid:caid:sid:nid:tid:rid
// for example
//   Das Erste
//   HD;ARD:11494:HC23M5O35P0S1:S19.2E:22000:5101=27:5102=deu@3,5103=mis@3;5106=deu@106:5104;5105=deu:0:10301:1:1019:0
// Satellite frequencies are in MHz and symbol rates in kS/s. The parameters are letters
// with numbers: H, V, L or R the polarisation, S0 or S1 DVB-S or DVB-S2, the rest (code
// rate, modulation, roll-off, ...) the receiver works out itself. The source is "S" and
// the orbital position for a satellite, "T" terrestrial, "C" cable. The video PID may
// carry the PCR PID ("+") and the stream type ("="); the audio PIDs are a list (language
// after "=", type after "@", Dolby streams after ";"); CA IDs are hexadecimal, 0 for a
// free service. A ":" in a name is written "|". Lines starting with ":" name a group of
// channels in VDR's menu.
#include <cctype>

#include "base/Reporter.h"
#include "editing/ChannelFileFormats.h"
#include "editing/OrbitalPosition.h"

namespace lumoscope {

namespace {

constexpr size_t kMinFields = 10;  // the oldest layout ends at the service ID
constexpr size_t kMaxFields = 14;

enum Field : size_t {
  kName,
  kFrequency,
  kParameters,
  kSource,
  kSymbolRate,
  kVideo,
  kAudio,
  kTeletext,
  kCa,
  kSid
};

class VdrLine {
 public:
  VdrLine(int number, KeyValueError& error) : number_(number), error_(error) {}

  bool Parse(std::string_view line, ScannedService& s);

 private:
  bool Refuse(const std::string& reason) {
    error_ = {number_, reason};
    return false;
  }
  bool Bad(const char* field) { return Refuse(Format("gives a %s this program cannot read", field)); }
  bool Name(std::string_view field, ScannedService& s);
  bool Parameters(std::string_view field, ScannedService& s);
  bool Source(std::string_view field, ScannedService& s);
  bool Video(std::string_view field, ScannedService& s);
  bool Audio(std::string_view field, ScannedService& s);
  bool Ca(std::string_view field, ScannedService& s);

  int number_;
  KeyValueError& error_;
};

bool VdrLine::Parse(std::string_view line, ScannedService& s) {
  const std::vector<std::string_view> f = SplitFields(line, ':', kMaxFields + 1);
  if (f.size() < kMinFields || f.size() > kMaxFields)
    return Refuse(
        Format("has %zu fields, not the %zu to %zu of a VDR channel line", f.size(), kMinFields, kMaxFields));
  s.line = number_;
  const std::optional<uint32_t> frequency = DecimalField(f[kFrequency]);
  const std::optional<uint32_t> symbolRate = DecimalField(f[kSymbolRate]);
  const std::optional<uint32_t> sid = DecimalField(f[kSid], UINT16_MAX);
  if (!frequency) return Bad("frequency");
  if (!symbolRate) return Bad("symbol rate");
  if (!sid) return Bad("service ID");
  s.frequencyKHz = InSmallerUnit(*frequency);
  s.symbolRate = InSmallerUnit(*symbolRate);
  s.serviceId = *sid;
  return Name(f[kName], s) && Parameters(f[kParameters], s) && Source(f[kSource], s) && Video(f[kVideo], s) &&
         Audio(f[kAudio], s) && Ca(f[kCa], s);
}

bool VdrLine::Name(std::string_view field, ScannedService& s) {
  const size_t semicolon = field.find(';');
  std::string_view name = field.substr(0, semicolon);
  if (semicolon != std::string_view::npos) s.provider = std::string(TrimBlanks(field.substr(semicolon + 1)));
  name = name.substr(0, name.find(','));  // the short name after "," is VDR's own
  if (name.size() > kMaxServiceNameBytes || s.provider.size() > kMaxServiceNameBytes)
    return Refuse(Format("gives a name longer than %zu bytes", kMaxServiceNameBytes));
  s.name = std::string(TrimBlanks(name));
  for (char& c : s.name)
    if (c == '|') c = ':';
  return true;
}

bool VdrLine::Parameters(std::string_view field, ScannedService& s) {
  for (size_t i = 0; i < field.size();) {
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(field[i++])));
    const size_t digits = i;
    while (i < field.size() && std::isdigit(static_cast<unsigned char>(field[i])) != 0) ++i;
    if (std::isalpha(static_cast<unsigned char>(letter)) == 0 || i - digits > 10) return Bad("parameter");
    if (const auto p = PolarizationNamed(std::string_view(&letter, 1))) s.polarization = *p;
  }
  return true;
}

bool VdrLine::Source(std::string_view field, ScannedService& s) {
  if (field.empty()) return Bad("source");
  s.satellite = field[0] == 'S';
  if (!s.satellite) return true;
  s.position = ParseOrbitalPosition(field.substr(1));
  return s.position.has_value() || Bad("source");
}

// "5101", "5101=27", "5101+5100=27": video PID, PCR PID, stream type.
bool VdrLine::Video(std::string_view field, ScannedService& s) {
  field = field.substr(0, field.find('='));
  const size_t plus = field.find('+');
  const std::optional<uint32_t> video = DecimalField(field.substr(0, plus), kMaxPid);
  if (!video) return Bad("video PID");
  s.videoPid = *video;
  s.pcrPid = *video;
  if (plus != std::string_view::npos) {
    const std::optional<uint32_t> pcr = DecimalField(field.substr(plus + 1), kMaxPid);
    if (!pcr) return Bad("PCR PID");
    s.pcrPid = *pcr;
  }
  return true;
}

// "5102=deu@3,5103=mis@3;5106=deu@106": the first audio PID, a Dolby one when there is no
// other.
bool VdrLine::Audio(std::string_view field, ScannedService& s) {
  const size_t semicolon = field.find(';');
  for (std::string_view list :
       {field.substr(0, semicolon),
        semicolon == std::string_view::npos ? std::string_view() : field.substr(semicolon + 1)}) {
    if (list.empty()) continue;
    std::string_view first = list.substr(0, list.find(','));
    first = first.substr(0, first.find_first_of("=@"));
    const std::optional<uint32_t> audio = DecimalField(first, kMaxPid);
    if (!audio) return Bad("audio PID");
    if (*audio != 0) {
      s.audioPid = *audio;
      break;
    }
  }
  if (s.videoPid == 0) s.pcrPid = s.audioPid;
  return true;
}

// "0" for a free service, else CA system IDs in hexadecimal: "1702,1722".
bool VdrLine::Ca(std::string_view field, ScannedService& s) {
  for (const std::string_view id : SplitFields(field, ',', kMaxChannelLineLength)) {
    const std::optional<uint32_t> value = HexField(id);
    if (!value) return Bad("CA ID");
    if (*value != 0) s.encrypted = true;
  }
  return true;
}

}  // namespace

bool ParseVdrChannels(std::string_view text, std::vector<ScannedService>& services, KeyValueError& error) {
  return ParseServiceLines(text, services, error, [&](std::string_view line, int number) {
    if (line[0] == ':') return true;  // a group of channels in VDR's menu
    ScannedService s;
    if (!VdrLine(number, error).Parse(line, s)) return false;
    services.push_back(std::move(s));
    return true;
  });
}

}  // namespace lumoscope
