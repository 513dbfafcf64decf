#pragma once
// Who a channel is, independent of where it stands in a list: the keys by which the
// upkeep of a list (ordering like a reference, tidying up, comparing two lists) finds
// the same channel again. Record indices are the list's own bookkeeping and differ from
// list to list; what the receiver tunes does not. So a channel is known by its
// satellite's name, its transponder's frequency and polarisation, and its service ID
// (PID channels by their video, audio and PCR PIDs); an analog channel by its
// satellite, frequency and polarisation. Names are compared with case and blanks
// ignored, as people type them differently.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/NameText.h"
#include "base/Sections.h"

namespace lumoscope {

struct ChannelEntry {
  Section section = Section::DigitalChannel;  // DigitalChannel, PidChannel or AnalogTp
  size_t first = 0;                           // index of the record's first string in the working list
  long number = 0;          // the channel number the list shows: digital channels (CHANNEL, then
                            // CHANNEL_PID) count from 1, analog channels count from 1 again
  bool null = false;        // a null channel (blank Y): a kept place, not a service
  std::string name;         // UTF-8, blanks at both ends trimmed
  std::string satellite;    // the satellite's name (UTF-8); "#" and the index when no satellite has it
  std::string transponder;  // digital channels: the D_TP index as written
  long frequency = 0;       // MHz: the transponder's, or the analog record's own
  std::string polarization;
  std::string serviceId;       // CHANNEL: upper-case hex without leading zeros
  std::array<long, 3> pids{};  // CHANNEL_PID: video, audio, PCR
  long symbolRate = 0;         // kHz, the transponder's (digital)
  // What the receiver tunes, for display and comparison: frequency, polarisation and
  // symbol rate of a digital channel's transponder; frequency, polarisation, band, video
  // band and audio carriers of an analog channel.
  std::string tuning;

  bool Digital() const { return section != Section::AnalogTp; }
};

struct TransponderEntry {
  size_t first = 0;  // index of the record's first string in the working list
  std::string index;
  std::string satellite;
  long frequency = 0;
  std::string polarization;
};

struct ListChannels {
  std::vector<ChannelEntry> channels;  // CHANNEL, CHANNEL_PID, then ANALOG records, in list order
  std::vector<TransponderEntry> transponders;
};

// Names (the channels' and the satellites') are decoded with `names`.
ListChannels ReadChannels(const std::vector<std::string>& fields, const NameCodec& names);

// A name as it is matched: blanks removed, letters of any script in one case.
std::string NameKey(std::string_view name);

// The channel itself: section, satellite, frequency, polarisation and service ID or PIDs.
std::string IdentityKey(const ChannelEntry& channel);
// The service wherever it is tuned: section, satellite and service ID or PIDs (analog:
// satellite, frequency and polarisation).
std::string ServiceKey(const ChannelEntry& channel);
// The transponder a channel is on: satellite, frequency, polarisation.
std::string TransponderKey(const ChannelEntry& channel);
// The service by its name wherever it is tuned: section, satellite, service ID or PIDs and
// name (analog: satellite and name).
std::string NamedServiceKey(const ChannelEntry& channel);

inline constexpr size_t kNoPartner = SIZE_MAX;

// Pairs entries of two sequences by key: each left entry without a partner yet takes the
// first right entry of its key that has none, both in order. Empty keys pair nothing.
// `partnerOfLeft` and `rightTaken` carry the pairs of earlier passes.
void PairByKey(const std::vector<std::string>& leftKeys, const std::vector<std::string>& rightKeys,
               std::vector<size_t>& partnerOfLeft, std::vector<bool>& rightTaken);

// "channel 12 \"ZDF\"", "analog channel 3 \"ARD\"" (reports are UTF-8).
std::string ChannelLabel(const ChannelEntry& channel);
// Where it is: "Astra 19.2E 11953 H, SVC ID 6E" (PIDs 101/102/100; analog: satellite,
// frequency, polarisation).
std::string ChannelPlace(const ChannelEntry& channel);

// A service ID as the list writes it, with four digits at least: "006E".
std::string ServiceIdText(const ChannelEntry& channel);

// Numbers as ranges: "3, 7-9, 12".
std::string NumberRanges(const std::vector<long>& ascending);

// A block of a report: "Title: count" and the lines indented below it; nothing when
// `count` is 0.
std::string ReportBlock(const char* title, size_t count, const std::vector<std::string>& lines);

}  // namespace lumoscope
