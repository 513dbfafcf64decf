#include "listview/ChannelColumns.h"

namespace lumoscope {

const std::array<const char*, kDigitalViewColumns> kDigitalTitles{
    "Number",  "TPindex",  "SAT Index",    "SVC ID",     "Type",     "Name",        "VPID",
    "APID",    "PCR PID",  "Active Audio", "Blank",      "freqency", "Symbol Rate", "Polarization",
    "Bouquet", "Sat Name", "LNB_LO high",  "LNB_LO low", "Position", "Degree",      kProgramNumberTitle};
const std::array<int, kDigitalViewColumns> kDigitalInitialWidths{100, 0,  0,  50,  0,   120, 0, 0, 0, 0, 0,
                                                                 70,  70, 50, 100, 120, 0,   0, 0, 0, 60};
const std::array<int, kDigitalDetailWidths> kDigitalDetailOn{100, 50, 50, 50, 70,  100, 50, 50, 50, 50,
                                                             70,  70, 70, 50, 100, 120, 0,  0,  0};
const std::array<int, kDigitalDetailWidths> kDigitalDetailOff{100, 0,  0,  50, 70,  120, 0, 0, 0, 0,
                                                              0,   70, 70, 50, 100, 120, 0, 0, 0};

const std::array<const char*, kAnalogViewColumns> kAnalogTitles{
    "Number",           "SAT Index",   "Frequency",  "Band",           "Name",       "Video Band",
    "Polarization",     "Thr",         "contrast",   "Decoder Output", "Audio mode", "Audio Freq LEFT",
    "Audio Freq RIGHT", "BandWidth",   "DNR",        "DeEmphasis",     "Type",       "Blank",
    "SatName",          "LNB_LO high", "LNB_LO low", "Position",       "Degree",     kProgramNumberTitle};
const std::array<int, kAnalogViewColumns> kAnalogInitialWidths{
    100, 0, 50, 50, 120, 70, 30, 50, 50, 50, 70, 50, 50, 50, 50, 50, 0, 0, 120, 0, 0, 0, 0, 60};
const std::array<int, kAnalogDetailWidths> kAnalogDetailOn{100, 50, 50, 50, 100, 70, 30, 50,  50, 50, 70,
                                                           50,  50, 50, 50, 50,  50, 50, 120, 0,  0,  0};
const std::array<int, kAnalogDetailWidths> kAnalogDetailOff{100, 0,  50, 50, 120, 70, 30, 50,  50, 50, 70,
                                                            50,  50, 50, 50, 50,  50, 0,  120, 0,  0,  0};

}  // namespace lumoscope
