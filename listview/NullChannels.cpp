#include "listview/NullChannels.h"

#include "base/Keywords.h"

namespace lumoscope {

namespace {
constexpr const char* kNullName = "_";
constexpr const char* kNullPid = "   0";     // 0 as "%4d"
constexpr const char* kNullTuning = "0000";  // frequency, audio carriers
constexpr const char* kNullServiceId = "0000";
constexpr const char* kNullActiveAudio = "1";

std::string Word(std::string_view word) {
  return std::string(word);
}
}  // namespace

std::vector<std::string> NullChannelRecord(const std::string& index, const std::string& tp,
                                           const std::string& sat, const std::string& type) {
  return {index, tp, sat, kNullServiceId, type, kNullName, kNullActiveAudio, Word(kYes)};
}

std::vector<std::string> NullPidRecord(const std::string& index, const std::string& tp,
                                       const std::string& sat, const std::string& type) {
  return {index, tp, sat, type, kNullName, kNullPid, kNullPid, kNullPid, kNullActiveAudio, Word(kYes)};
}

std::vector<std::string> NullAnalogRecord(const std::string& index, const std::string& sat,
                                          const std::string& type) {
  // C band, 27MHz video, horizontal, threshold 1, contrast 5, CVBS, stereo, 130 kHz audio
  // band, panda on, U50 de-emphasis: the receiver's own settings for an empty channel.
  return {index,
          sat,
          kNullTuning,
          Word(kTpBands[0]),
          kNullName,
          Word(kVideoBands[1]),
          Word(kHorizontal),
          "1",
          "5",
          Word(kDecoderOutputs[0]),
          Word(kAudioModes[0]),
          kNullTuning,
          kNullTuning,
          Word(kAudioBands[0]),
          Word(kYes),
          Word(kDeEmphases[1]),
          type,
          Word(kYes)};
}

}  // namespace lumoscope
