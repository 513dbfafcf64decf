#pragma once
// The keyword fields of the records: for each, its words in the order of their codes
// (the code of a word is its position), as the receiver image stores them. The reader
// accepts a token that begins with a word, the dialogs list the words, the new-channel
// logic and the null channels write them; each keeps its own rule of matching, the
// words are these.
#include <array>
#include <string_view>

namespace lumoscope {

template <size_t N>
using KeywordList = std::array<std::string_view, N>;

inline constexpr KeywordList<2> kPolarizations{"H", "V"};
inline constexpr KeywordList<2> kTpBands{"C", "KU"};
inline constexpr KeywordList<2> kVideoBands{"18MHz", "27MHz"};
inline constexpr KeywordList<4> kDecoderOutputs{"CVBS", "DEEMP_CVBS", "BASEBAND", "CANAL"};
inline constexpr KeywordList<3> kAudioModes{"STEREO", "MONO_LEFT", "MONO_RIGHT"};
inline constexpr KeywordList<5> kAudioBands{"130", "180", "280", "300", "400"};  // kHz
inline constexpr KeywordList<4> kDeEmphases{"NO_DEEMP", "U50", "U75", "J17"};
// Service type of analog transponders, digital channels and PID channels; these are
// the normal image's codes (the basic image stores them one higher).
inline constexpr KeywordList<2> kServiceTypes{"TV", "RADIO"};
// Blank and panda flags: the code is the flag's value.
inline constexpr KeywordList<2> kYesNo{"N", "Y"};

// The code of a keyword field's token: the reader accepts a token that begins with one of
// the field's words, the first word that matches winning. -1 when none matches.
template <size_t N>
constexpr int KeywordCode(std::string_view token, const KeywordList<N>& words) {
  // The words are a few letters long, and every record has several keyword fields: they
  // are compared here byte by byte rather than through a library call each.
  for (size_t i = 0; i < N; ++i) {
    const std::string_view word = words[i];
    if (token.size() < word.size()) continue;
    size_t k = 0;
    while (k < word.size() && token[k] == word[k]) ++k;
    if (k == word.size()) return static_cast<int>(i);
  }
  return -1;
}

// The words the program writes most, by name.
inline constexpr std::string_view kHorizontal = kPolarizations[0];
inline constexpr std::string_view kVertical = kPolarizations[1];
inline constexpr std::string_view kTv = kServiceTypes[0];
inline constexpr std::string_view kRadio = kServiceTypes[1];
inline constexpr std::string_view kNo = kYesNo[0];
inline constexpr std::string_view kYes = kYesNo[1];

}  // namespace lumoscope
