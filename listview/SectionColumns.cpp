#include "listview/SectionColumns.h"

#include <array>

namespace lumoscope {

namespace {

// The name column is wide, the others narrow.
constexpr int kNarrow = 50;
constexpr int kWide = 120;

template <Section kSection>
constexpr auto NarrowWithWideName() {
  std::array<int, RecordWidth(kSection)> widths{};
  widths.fill(kNarrow);
  widths[FormatOf(kSection).nameField] = kWide;
  return widths;
}

constexpr std::array<const char*, RecordWidth(Section::SatNameList)> kSatNameTitles{"Index", "SAT Name"};
constexpr std::array<const char*, RecordWidth(Section::Satellite)> kSatelliteTitles{
    "Index", "SAT Name", "BLANK", "LNB_LO Hi", "LNB_LO Lo", "Position", "Degree"};
constexpr std::array<const char*, RecordWidth(Section::DigitalTp)> kDigitalTpTitles{
    "Index", "SAT Index", "Freq(MHz)", "SR(KHz)", "Polar", "Bouquet"};
constexpr std::array<const char*, RecordWidth(Section::AnalogTp)> kAnalogTpTitles{"Index",
                                                                                  "SAT Index",
                                                                                  "Frequency",
                                                                                  "Signal Band",
                                                                                  "Name",
                                                                                  "Video Band",
                                                                                  "Polarization",
                                                                                  "Thr",
                                                                                  "contrast",
                                                                                  "Decoder Output",
                                                                                  "Audio mode",
                                                                                  "Audio Freq LEFT",
                                                                                  "Audio Freq RIGHT",
                                                                                  "BandWidth",
                                                                                  "DNR",
                                                                                  "DeEmphasis",
                                                                                  "Type",
                                                                                  "Blank"};
constexpr std::array<const char*, RecordWidth(Section::DigitalChannel)> kChannelTitles{
    "Index", "Digital TP Index", "SAT Index", "SVC ID(hex)", "Type", "Name", "Active Audio", "Blank"};
constexpr std::array<const char*, RecordWidth(Section::PidChannel)> kPidTitles{
    "Index",     "Digital TP Index", "SAT Index", "Type",         "Name",
    "Video PID", "Audio PID",        "PCR PID",   "Active Audio", "Blank"};

constexpr auto kSatNameWidths = NarrowWithWideName<Section::SatNameList>();
constexpr auto kSatelliteWidths = NarrowWithWideName<Section::Satellite>();
constexpr auto kDigitalTpWidths = NarrowWithWideName<Section::DigitalTp>();
constexpr auto kAnalogTpWidths = NarrowWithWideName<Section::AnalogTp>();
constexpr auto kChannelWidths = NarrowWithWideName<Section::DigitalChannel>();
constexpr auto kPidWidths = NarrowWithWideName<Section::PidChannel>();

// In code order, as the sections.
const std::array<SectionColumns, kSectionCount> kColumns{{
    {kSatNameTitles, kSatNameWidths},
    {kSatelliteTitles, kSatelliteWidths},
    {kDigitalTpTitles, kDigitalTpWidths},
    {kAnalogTpTitles, kAnalogTpWidths},
    {kChannelTitles, kChannelWidths},
    {kPidTitles, kPidWidths},
}};

}  // namespace

const SectionColumns& ColumnsOf(Section section) {
  return kColumns[SectionIndex(section)];
}

}  // namespace lumoscope
