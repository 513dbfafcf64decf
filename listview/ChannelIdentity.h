#pragma once
// Who a channel is, independent of where it stands in a list: the keys by which the
// upkeep of a list (ordering like a reference, tidying up, comparing two lists) finds
// the same channel again. Record indices are the list's own bookkeeping and differ from
// list to list; what the receiver tunes does not. So a digital channel is known by its
// satellite's name, its transponder's frequency and polarisation, and its service ID
// (PID channels by their video, audio and PCR PIDs). An analog channel is known by its
// satellite, frequency and polarisation, its audio carriers and its name: the radio
// stations on the sound carriers of a TV transponder share the transponder's frequency
// and polarisation with the TV channel and with each other. Names are compared with case
// and blanks ignored, as people type them differently.
//
// Two channels are the same channel twice (a duplicate) only when everything of theirs
// that reaches the receiver's image is equal: the identity above, the name, the tuning
// and every other field (ImageKey).
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/FieldConversions.h"
#include "base/Keywords.h"
#include "base/NameText.h"
#include "base/Sections.h"

namespace lumoscope {

// A field of a channel (or of its transponder) that reaches the image, beyond those the
// keys name: as a report names it, as a person reads it, and what the image holds of it
// (two texts whose `image` is equal give the same bytes).
struct ImageField {
  const char* label;
  std::string shown;
  std::string image;
};

// A keyword field as the reader takes it: the first word the token begins with.
template <size_t N>
ImageField KeywordField(const char* label, const std::string& token, const KeywordList<N>& words);
// The service type as people say it: "TV", "Radio".
ImageField TypeField(const std::string& token);
// A number the image holds in one byte.
ImageField ByteField(const char* label, const std::string& text);

struct ChannelEntry {
  Section section = Section::DigitalChannel;  // DigitalChannel, PidChannel or AnalogTp
  size_t first = 0;                           // index of the record's first string in the working list
  long number = 0;        // the channel number the list shows: digital channels (CHANNEL, then
                          // CHANNEL_PID) count from 1, analog channels count from 1 again
  bool null = false;      // a null channel (blank Y): a kept place, not a service
  bool compiled = true;   // its satellite is in the list and not blank, so it reaches the image
  std::string name;       // UTF-8, blanks at both ends trimmed
  std::string satellite;  // the satellite's name (UTF-8); "#" and the index when no satellite has it
  // The satellite as the keys take it: its name with case and blanks ignored. Comparing
  // two lists puts the first list's name here for a satellite the second one renamed.
  std::string satelliteKey;
  std::string transponder;  // digital channels: the D_TP index as written
  long frequency = 0;       // MHz: the transponder's, or the analog record's own
  std::string polarization;
  std::string serviceId;       // CHANNEL: upper-case hex without leading zeros
  std::array<long, 3> pids{};  // CHANNEL_PID: video, audio, PCR
  long symbolRate = 0;         // kHz, the transponder's (digital)
  std::string audioCarriers;   // analog: left and right, "7.38/7.56"
  // What the receiver tunes, for display and comparison: frequency, polarisation and
  // symbol rate of a digital channel's transponder; frequency, polarisation, band, video
  // band and audio carriers of an analog channel.
  std::string tuning;
  // Everything else of the channel that reaches the image: digital channels their type,
  // active audio, bouquet and their transponder's satellite; analog channels their
  // threshold, contrast, decoder output, audio mode, audio bandwidth, DNR, de-emphasis
  // and type.
  std::vector<ImageField> details;

  bool Digital() const { return section != Section::AnalogTp; }
};

struct TransponderEntry {
  size_t first = 0;  // index of the record's first string in the working list
  std::string index;
  std::string satellite;
  std::string satelliteKey;
  long frequency = 0;
  std::string polarization;
  long symbolRate = 0;
  std::string bouquet;   // UTF-8
  bool compiled = true;  // on a satellite that reaches the image
};

struct ListChannels {
  std::vector<ChannelEntry> channels;  // CHANNEL, CHANNEL_PID, then ANALOG records, in list order
  std::vector<TransponderEntry> transponders;
};

// Names (the channels' and the satellites') are decoded with `names`.
ListChannels ReadChannels(const std::vector<std::string>& fields, const NameCodec& names);

// Which of the list's transponders a channel refers to, leaving out the channels marked
// in `gone` (by their place in `list.channels`; none when it is empty). An index counts
// by its text and by its value ("07" and "7"), as the list view looks transponders up by
// the one and the compiler by the other.
std::vector<bool> TranspondersInUse(const ListChannels& list, const std::vector<bool>& gone = {});

// A name as it is matched: blanks removed, letters of any script in one case.
std::string NameKey(std::string_view name);

// The channel itself: section, satellite, frequency, polarisation and service ID or PIDs
// (analog: audio carriers and name as well).
std::string IdentityKey(const ChannelEntry& channel);
// The service wherever it is tuned: section, satellite and service ID or PIDs (analog:
// the channel without its name: satellite, frequency, polarisation, audio carriers).
std::string ServiceKey(const ChannelEntry& channel);
// The service by its name wherever it is tuned: section, satellite, service ID or PIDs and
// name (analog: satellite and name).
std::string NamedServiceKey(const ChannelEntry& channel);
// Everything of the channel that reaches the image: equal keys are duplicates.
std::string ImageKey(const ChannelEntry& channel);
// The transponder a channel is on: satellite, frequency, polarisation.
std::string TransponderKey(const ChannelEntry& channel);

inline constexpr size_t kNoPartner = SIZE_MAX;

// Pairs entries of two sequences by key: each left entry without a partner yet takes the
// first right entry of its key that has none, both in order. Empty keys pair nothing.
// `partnerOfLeft` and `rightTaken` carry the pairs of earlier passes.
void PairByKey(const std::vector<std::string>& leftKeys, const std::vector<std::string>& rightKeys,
               std::vector<size_t>& partnerOfLeft, std::vector<bool>& rightTaken);

// "channel 12 \"ZDF\"", "analog channel 3 \"ARD\"" (reports are UTF-8).
std::string ChannelLabel(const ChannelEntry& channel);
// Where it is: "Astra 19.2E 11953 H, SVC ID 6E" (PIDs 101/102/100; analog: satellite,
// frequency, polarisation and audio carriers).
std::string ChannelPlace(const ChannelEntry& channel);

// A service ID as the list writes it, with four digits at least: "006E".
std::string ServiceIdText(const ChannelEntry& channel);

// Numbers as ranges: "3, 7-9, 12".
std::string NumberRanges(const std::vector<long>& ascending);

// A block of a report: "Title: count" and the lines indented below it; nothing when
// `count` is 0.
std::string ReportBlock(const char* title, size_t count, const std::vector<std::string>& lines);

template <size_t N>
ImageField KeywordField(const char* label, const std::string& token, const KeywordList<N>& words) {
  const int code = KeywordCode(token, words);
  return {label, code < 0 ? Trimmed(token) : std::string(words[static_cast<size_t>(code)]),
          std::to_string(code)};
}

}  // namespace lumoscope
