#pragma once
// Positions of the fields inside a record of each section, from 0: the same in a text
// line, in the working section list and in the reader's scan of a line (except the
// satellites' older line form, which has no blank flag).
#include "base/Sections.h"

namespace lumoscope::field {

// Every record starts with its index.
inline constexpr int kIndex = 0;

// SATELLITE_NAME_LIST
inline constexpr int kSatNameName = 1;

// SATELLITE
inline constexpr int kSatName = 1;
inline constexpr int kSatBlank = 2;
inline constexpr int kSatLnbHigh = 3;
inline constexpr int kSatLnbLow = 4;
inline constexpr int kSatPosition = 5;
inline constexpr int kSatDegree = 6;  // the positioner, in the stored degree form

// DIGITAL TP
inline constexpr int kTpSat = 1;
inline constexpr int kTpFrequency = 2;
inline constexpr int kTpSymbolRate = 3;
inline constexpr int kTpPolar = 4;
inline constexpr int kTpBouquet = 5;  // the comment

// ANALOG TP
inline constexpr int kAnSat = 1;
inline constexpr int kAnFrequency = 2;
inline constexpr int kAnTpBand = 3;
inline constexpr int kAnName = 4;
inline constexpr int kAnVideoBand = 5;
inline constexpr int kAnPolar = 6;
inline constexpr int kAnThreshold = 7;
inline constexpr int kAnContrast = 8;
inline constexpr int kAnDecoderOutput = 9;
inline constexpr int kAnAudioMode = 10;
inline constexpr int kAnAudioLeft = 11;
inline constexpr int kAnAudioRight = 12;
inline constexpr int kAnAudioBand = 13;
inline constexpr int kAnPanda = 14;
inline constexpr int kAnDeEmphasis = 15;
inline constexpr int kAnType = 16;
inline constexpr int kAnBlank = 17;

// DIGITAL CHANNEL
inline constexpr int kChTp = 1;
inline constexpr int kChSat = 2;
inline constexpr int kChSvcId = 3;
inline constexpr int kChType = 4;
inline constexpr int kChName = 5;
inline constexpr int kChAudio = 6;
inline constexpr int kChBlank = 7;

// DIGITAL PID CHANNEL
inline constexpr int kPidTp = 1;
inline constexpr int kPidSat = 2;
inline constexpr int kPidType = 3;
inline constexpr int kPidName = 4;
inline constexpr int kPidVideo = 5;
inline constexpr int kPidAudio = 6;
inline constexpr int kPidPcr = 7;
inline constexpr int kPidActiveAudio = 8;
inline constexpr int kPidBlank = 9;

// The name positions agree with the section table.
static_assert(FormatOf(Section::SatNameList).nameField == kSatNameName);
static_assert(FormatOf(Section::Satellite).nameField == kSatName);
static_assert(FormatOf(Section::DigitalTp).nameField == kTpBouquet);
static_assert(FormatOf(Section::AnalogTp).nameField == kAnName);
static_assert(FormatOf(Section::DigitalChannel).nameField == kChName);
static_assert(FormatOf(Section::PidChannel).nameField == kPidName);
static_assert(RecordWidth(Section::AnalogTp) == kAnBlank + 1);
static_assert(RecordWidth(Section::DigitalChannel) == kChBlank + 1);
static_assert(RecordWidth(Section::PidChannel) == kPidBlank + 1);

}  // namespace lumoscope::field
