#pragma once
// Importing the services of a satellite scan (ChannelFile) into the list as channels of one
// satellite. Each service becomes a digital channel with its name (in the list's name
// encoding, cut to the receiver's 13 characters), service ID and type (TV with a video
// PID, else radio), or with `pids` a PID channel with its video, audio and PCR PIDs, on a
// transponder of the satellite: the one with exactly its tuning, else one within
// kSameTransponderMHz of the same polarisation (the list's tuning is kept), else a new
// one whose comment (the bouquet) is the service's provider.
// Not imported, and counted in the report: services the list has already (same satellite,
// transponder and service ID, or PIDs; also a service the file gives twice), encrypted ones
// unless asked for, services of another orbital position where the file names one,
// terrestrial and cable services, data services (neither video nor audio), and services
// whose tuning no satellite LNB receives or the list cannot hold.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/NameText.h"
#include "editing/ChannelFile.h"
#include "editing/NewChannelHost.h"

namespace lumoscope {

inline constexpr const char* kChannelImportUndoLabel = "Import Channels";
// A new transponder's comment when the file names no provider, as a new channel's.
inline constexpr const char* kNoBouquet = "---";

struct ChannelImportOptions {
  std::string satelliteIndex;     // the Index field of one of the list's satellites
  bool pids = false;              // PID channel records instead of channels by service ID
  bool includeEncrypted = false;  // services with CA IDs too
};

struct ChannelImportReport {
  std::string fileName;
  ChannelFileFormat format = ChannelFileFormat::Vdr;
  std::string satelliteIndex;
  std::string satelliteName;  // as stored
  bool pids = false;
  size_t tv = 0;
  size_t radio = 0;
  size_t transpondersUsed = 0;  // distinct transponders the new channels are on
  size_t newTransponders = 0;
  size_t alreadyThere = 0;  // in the list, or earlier in the file
  size_t encrypted = 0;
  size_t otherSystems = 0;  // terrestrial, cable and other sources
  size_t dataServices = 0;  // neither video nor audio
  // Services of other orbital positions: position (tenths, east positive) -> count.
  std::map<int, size_t> otherPositions;
  // The position of the satellite, when it has one; unknown, the file's positions are not
  // compared with it.
  std::optional<int> satellitePosition;
  std::vector<std::pair<int, uint32_t>> outOfBand;  // line and frequency (kHz)
  std::vector<int> unusable;                        // lines: no polarisation, or tuning the list cannot hold
  std::vector<std::pair<std::string, std::string>> cutNames;  // the file's name (UTF-8), as stored
  size_t unnamed = 0;                                         // named after their service ID

  size_t Added() const { return tv + radio; }
};

// Adds the file's services to the satellite in one undo step and refreshes the view.
// Refused whole, with the reason told through the host's reporter, when the satellite or
// a section is missing, or the new channels and transponders would pass the list's limits
// or the receiver's (ListFill): the result checks, compiles and fits, or nothing changes.
// Nothing changes, and no undo step is recorded, when no service is to be added.
std::optional<ChannelImportReport> ImportChannels(INewChannelHost& host, const ChannelFile& file,
                                                  const std::string& fileName,
                                                  const ChannelImportOptions& options);

// What was done, for the person: one line per kind of service that occurred.
std::string ChannelImportReportText(const ChannelImportReport& report, const NameCodec& names);

}  // namespace lumoscope
