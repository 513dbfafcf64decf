#pragma once
// The reader's and the compile's messages, byte for byte as the person sees them in a
// message box. "%d" is the line number of the text file (counting every line from 1)
// unless a message says otherwise.
namespace lumoscope::msg {

inline constexpr const char* kInvalidState = "\n ERROR : INVALID state !!!\n           line number %d ";
inline constexpr const char* kSatNameCount =
    "\n ERROR : SYNTAX - Number of SAT NAME should be %d !!!\nline number %d ";
inline constexpr const char* kSatNameExceeds =
    "\n ERROR : SYNTAX - SAT NAME exceeds %d!!!\n         line number %d ";
inline constexpr const char* kSatNameIndex =
    "\n ERROR : SYNTAX - SAT NAME INDEX !!!\n         line number %d ";
inline constexpr const char* kSatelliteIllegal = "Satellite Section's information is illegal!!!";
inline constexpr const char* kSameSatIndex =
    "\n\n ERROR - same INDEX already exists. \n         line number %d ";
inline constexpr const char* kLnbHigh =
    "\n ERROR : SYNTAX - SAT LNB_HIGH frequency. 4 or 5 digit requested !!!\n         line number %d ";
inline constexpr const char* kLnbLow =
    "\n ERROR : SYNTAX - SAT LNB_LOW frequency. 4 or 5 digit requested !!!\n         line number %d ";

inline constexpr const char* kTpPolarization =
    "\n ERROR : SYNTAX - D_TP Polarization !!!\n           line number %d ";
inline constexpr const char* kTpFrequency =
    "\n ERROR : SYNTAX - D_TP frequency. 4 or 5 digit requested !!!\n           line number %d ";
inline constexpr const char* kTpSymbolRate =
    "\n ERROR : SYNTAX - D_TP symbol rate. 4 or 5 digit requested !!!\n           line number %d ";
inline constexpr const char* kSameTpIndex =
    "\n\n ERROR - same D_TP INDEX already exists.\n           line number %d ";
inline constexpr const char* kBasicTpFrequency =
    "\n\n\n ERROR : SYNTAX - D_TP frequency !!!.\n           line number %d ";
inline constexpr const char* kBasicTpSymbolRate =
    "\n\n\n ERROR : SYNTAX - D_TP symbol rate. 4 or 5 digit requested !!!.\n           line number %d ";
inline constexpr const char* kBasicTpPolarization =
    "\n\n ERROR : SYNTAX - D_TP Polarization !!!.\n           line number %d ";

inline constexpr const char* kTvRadio = "\n ERROR : SYNTAX - TV/RADIO!!!\n           line number %d ";
inline constexpr const char* kBlank =
    "\n ERROR : SYNTAX - blank !!! Y or N is OK.\n           line number %d ";
inline constexpr const char* kSameAtpIndex =
    "\n\n ERROR - same A_TP INDEX already exists.\n           line number %d ";
inline constexpr const char* kNameExceeds =
    "\n ERROR : SYNTAX - NAME exceeds %d!!!\n           line number %d ";
inline constexpr const char* kAtpFrequency =
    "\n ERROR : SYNTAX - A_TP frequency. 4 or 5 digit requested !!!\n           line number %d ";
inline constexpr const char* kAtpVideoBand =
    "\n ERROR : SYNTAX - A_TP video band !!!\n           line number %d ";
inline constexpr const char* kAtpPolarization =
    "\n ERROR : SYNTAX - A_TP Polarization !!!\n           line number %d ";
inline constexpr const char* kAtpAudioMode =
    "\n ERROR : SYNTAX - A_TP audio mode !!!\n           line number %d ";
inline constexpr const char* kAtpDecoderOutput =
    "\n ERROR : SYNTAX - A_TP decoder output !!!\n           line number %d ";
inline constexpr const char* kAtpAudioBand =
    "\n ERROR : SYNTAX - A_TP audio band !!!\n           line number %d ";
inline constexpr const char* kAtpDeEmphasis =
    "\n ERROR : SYNTAX - A_TP De-Emphasis !!!\n           line number %d ";
inline constexpr const char* kAtpPanda =
    "\n ERROR : SYNTAX - A_TP panda_enable !!!\n           line number %d ";
inline constexpr const char* kAtpTpBand = "\n ERROR : SYNTAX - A_TP TP_band !!!\n           line number %d ";

inline constexpr const char* kSvcType =
    "\n ERROR : SYNTAX - svc type !!! TV or RADIO is OK.\n           line number %d ";
inline constexpr const char* kBasicSvcType =
    "\n ERROR : SYNTAX - SVC Type !!!  TV or RADIO is OK.\n           line number %d ";
inline constexpr const char* kSameSvcIndex =
    "\n\n ERROR - same SVC INDEX already exists.\n           line number %d ";
inline constexpr const char* kTpReference = "\n\n ERROR - D_TP index.\n           line number %d ";
inline constexpr const char* kPidBlank = "\n\n ERROR - D_TP Blank must Y or N.\n           line number %d ";
inline constexpr const char* kPidTpReference =
    "\n\n ERROR - D_TP:fail make Tp map table.\n           line number %d ";
inline constexpr const char* kBasicPidBlank =
    "\n ERROR : SYNTAX - CHANNEL blank !!!\n           line number %d ";
inline constexpr const char* kBasicPidNameExceeds =
    "\n ERROR : SYNTAX - DIGITAL CHANNEL NAME exceeds %d!!!\n           line number %d ";

// Refusals of lines the receiver's tables or the 12-bit fields cannot take.
inline constexpr const char* kIndexOutOfRange =
    "\n ERROR : SYNTAX - INDEX out of range !!!\n           line number %d ";
inline constexpr const char* kFieldMissing =
    "\n ERROR : SYNTAX - field missing or not a number !!!\n           line number %d ";
inline constexpr const char* kPidMustFollowChannel =
    "\n ERROR : SYNTAX - [DIGITAL PID CHANNEL] must follow [DIGITAL CHANNEL] !!!\n           line number %d ";
inline constexpr const char* kTooManyServices =
    "\n ERROR : SYNTAX - more than 4095 TV or RADIO services !!!\n           line number %d ";
inline constexpr const char* kTpPositionTooHigh =
    "\n ERROR : SYNTAX - D_TP position above 4095 !!!\n           line number %d ";
inline constexpr const char* kUnknownSection =
    "\n ERROR : SYNTAX - unknown section name !!!\n           line number %d ";

// Files of the compile.
inline constexpr const char* kCantOpenInput = "Can't open Input file : %s\n";
inline constexpr const char* kCantOpenOutput = "Can't open Output file : %s\n";
inline constexpr const char* kCantOpenTemp = "Can't open .temp file : %s\n";

}  // namespace lumoscope::msg
