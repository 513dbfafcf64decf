#pragma once
// The channel files a satellite scan with the Linux DVB tools leaves: every service found,
// with its tuning, service ID and PIDs. Three formats are read:
// - dvbv5 (dvbv5-scan): one "[NAME]" group of "KEY = VALUE" lines per service (SERVICE_ID,
//   VIDEO_PID, AUDIO_PID, FREQUENCY in kHz, POLARIZATION, SYMBOL_RATE in symbols/s, ...);
// - VDR's channels.conf, as w_scan writes it, one service per line:
//   "name;provider:frequency:parameters:source:symbolrate:vpid:apid:tpid:caid:sid:nid:tid:rid";
// - zap (szap): "name:frequency:polarisation:satellite:symbolrate:vpid:apid:sid".
// The files come from outside: each parser bounds the file, its lines, fields and values,
// keeps memory in proportion to the file, and refuses what it cannot take with the line.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editing/ScanTable.h"

namespace lumoscope {

enum class ChannelFileFormat { Dvbv5, Vdr, Zap };

// "dvbv5", "VDR channels.conf", "zap".
const char* ChannelFileFormatName(ChannelFileFormat format);

// A scan of several satellites is a few thousand services and a few hundred kilobytes;
// 2 MiB refuses a file no scan makes (100,000 services) before it is read.
inline constexpr size_t kMaxChannelFileBytes = 2 * 1024 * 1024;
// And at most this many services: twice the channels a list can hold.
inline constexpr size_t kMaxChannelFileServices = 20000;
// Lines, names and the other fields are bounded as well.
inline constexpr size_t kMaxChannelLineLength = 1024;
inline constexpr size_t kMaxServiceNameBytes = 255;
// PIDs are 13 bits wide.
inline constexpr uint32_t kMaxPid = 8191;

struct ScannedService {
  int line = 0;          // where the service starts in the file
  std::string name;      // as the file gives it (the tools write UTF-8); may be empty
  std::string provider;  // the bouquet, where the format names one
  // The orbital position (tenths of a degree, east positive), where the format names one.
  std::optional<int> position;
  bool satellite = true;  // false: terrestrial, cable or another kind of source
  uint32_t frequencyKHz = 0;
  uint32_t symbolRate = 0;  // symbols per second
  ScanPolarization polarization = ScanPolarization::None;
  uint32_t serviceId = 0;
  uint32_t videoPid = 0;   // 0: none (a radio or data service)
  uint32_t audioPid = 0;   // the first audio stream; 0: none
  uint32_t pcrPid = 0;     // as the format gives it, else the video (radio: the audio) PID
  bool encrypted = false;  // the format names conditional-access IDs for it
};

struct ChannelFile {
  ChannelFileFormat format = ChannelFileFormat::Vdr;
  std::vector<ScannedService> services;
};

// Reads the channel file at `path`; nothing, with `error` a sentence for the person, when
// it cannot be read or is in none of the formats.
std::optional<ChannelFile> ReadChannelFile(const std::string& path, std::string& error);

// The same for a file's bytes; `path` names it in messages.
std::optional<ChannelFile> ParseChannelFile(std::string_view contents, const std::string& path,
                                            std::string& error);

}  // namespace lumoscope
