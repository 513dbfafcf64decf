#include "listview/SectionColumns.h"

#include <array>

#include "editing/FieldRules.h"

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

constexpr auto kSatNameWidths = NarrowWithWideName<Section::SatNameList>();
constexpr auto kSatelliteWidths = NarrowWithWideName<Section::Satellite>();
constexpr auto kDigitalTpWidths = NarrowWithWideName<Section::DigitalTp>();
constexpr auto kAnalogTpWidths = NarrowWithWideName<Section::AnalogTp>();
constexpr auto kChannelWidths = NarrowWithWideName<Section::DigitalChannel>();
constexpr auto kPidWidths = NarrowWithWideName<Section::PidChannel>();

// The titles are the fields' own (the field rules of the editing layer).
std::vector<const char*> TitlesOf(Section section) {
  std::vector<const char*> titles;
  for (const FieldRule& rule : FieldRulesOf(section)) titles.push_back(rule.title);
  return titles;
}

// In code order, as the sections.
const std::array<SectionColumns, kSectionCount> kColumns{{
    {TitlesOf(Section::SatNameList), kSatNameWidths},
    {TitlesOf(Section::Satellite), kSatelliteWidths},
    {TitlesOf(Section::DigitalTp), kDigitalTpWidths},
    {TitlesOf(Section::AnalogTp), kAnalogTpWidths},
    {TitlesOf(Section::DigitalChannel), kChannelWidths},
    {TitlesOf(Section::PidChannel), kPidWidths},
}};

}  // namespace

const SectionColumns& ColumnsOf(Section section) {
  return kColumns[SectionIndex(section)];
}

}  // namespace lumoscope
