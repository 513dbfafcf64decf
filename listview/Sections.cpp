#include "listview/Sections.h"

#include <cerrno>
#include <cstdlib>
#include <utility>

#include "base/SectionLayout.h"

namespace lumoscope {

namespace {

// Section views: the name column is wide, the others narrow.
constexpr int kNarrow = 50;
constexpr int kWide = 120;

std::vector<int> NarrowWithWideAt(size_t count, size_t wide) {
  std::vector<int> w(count, kNarrow);
  w[wide] = kWide;
  return w;
}

// The markers and record width come from the working list's own table.
SectionInfo Info(int section, std::vector<const char*> titles, std::vector<int> widths) {
  const SectionLayout& format = Layout(section);
  return {format.startMarker.data(), format.endMarker.data(), static_cast<int>(format.fieldCount),
          std::move(titles), std::move(widths)};
}

const std::array<SectionInfo, kListSectionCount>& Table() {
  static const std::array<SectionInfo, kListSectionCount> table{{
      Info(kSectionSatName, {"Index", "SAT Name"}, {kNarrow, kWide}),
      Info(kSectionSatellite, {"Index", "SAT Name", "BLANK", "LNB_LO Hi", "LNB_LO Lo", "Position", "Degree"},
           NarrowWithWideAt(kSatelliteWidth, 1)),
      Info(kSectionDigitalTp, {"Index", "SAT Index", "Freq(MHz)", "SR(KHz)", "Polar", "Bouquet"},
           NarrowWithWideAt(kDigitalTpWidth, 5)),
      Info(kSectionAnalogTp,
           {"Index", "SAT Index", "Frequency", "Signal Band", "Name", "Video Band", "Polarization", "Thr",
            "contrast", "Decoder Output", "Audio mode", "Audio Freq LEFT", "Audio Freq RIGHT", "BandWidth",
            "DNR", "DeEmphasis", "Type", "Blank"},
           NarrowWithWideAt(kAnalogWidth, 4)),
      Info(kSectionChannel,
           {"Index", "Digital TP Index", "SAT Index", "SVC ID(hex)", "Type", "Name", "Active Audio", "Blank"},
           NarrowWithWideAt(kChannelWidth, 5)),
      Info(kSectionPidChannel,
           {"Index", "Digital TP Index", "SAT Index", "Type", "Name", "Video PID", "Audio PID", "PCR PID",
            "Active Audio", "Blank"},
           NarrowWithWideAt(kPidWidth, 4)),
  }};
  return table;
}

}  // namespace

const SectionInfo& InfoOf(ListSection section) {
  return Table()[static_cast<size_t>(section)];
}

SectionMap SectionMap::Locate(const std::vector<std::string>& fields) {
  SectionMap layout;
  const auto& table = Table();
  // One pass; the first exact match of each marker counts, as a scan from the start
  // for that marker would find it.
  std::array<long, kListSectionCount> firstEnd{};
  firstEnd.fill(-1);
  for (size_t i = 0; i < fields.size(); ++i) {
    const std::string& s = fields[i];
    if (s.size() < 7 || (s.back() != 'T' && s.back() != 'D')) continue;  // "... START" / "... END"
    for (size_t k = 0; k < table.size(); ++k) {
      if (layout.spans[k].start < 0 && s == table[k].startMarker)
        layout.spans[k].start = static_cast<long>(i);
      if (firstEnd[k] < 0 && s == table[k].endMarker) firstEnd[k] = static_cast<long>(i);
    }
  }
  for (size_t k = 0; k < table.size(); ++k) layout.spans[k].end = firstEnd[k];
  return layout;
}

long DecimalValue(const std::string& text) {
  errno = 0;
  const long v = std::strtol(text.c_str(), nullptr, 10);
  return errno == ERANGE ? 0 : v;
}

}  // namespace lumoscope
