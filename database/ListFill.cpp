#include "database/ListFill.h"

#include <algorithm>

#include "base/Keywords.h"
#include "base/RecordFields.h"
#include "base/Reporter.h"
#include "base/SectionLocator.h"
#include "database/ImageLayout.h"

namespace lumoscope {

namespace {

constexpr const char* kBytes = " bytes";
constexpr const char* kNoUnit = "";

// A satellite index as the compile reads it (a decimal number after optional blanks and
// sign), or -1 for one that names no satellite slot. Done by hand: it runs for every record
// of the list after every edit.
int SlotOf(const std::string& index) {
  size_t i = 0;
  while (i < index.size() && (index[i] == ' ' || index[i] == '\t')) ++i;
  bool negative = false;
  if (i < index.size() && (index[i] == '+' || index[i] == '-')) negative = index[i++] == '-';
  int value = 0;
  for (; i < index.size() && index[i] >= '0' && index[i] <= '9'; ++i) {
    value = value * 10 + (index[i] - '0');
    if (value >= kSatelliteSlots) return -1;
  }
  return negative && value != 0 ? -1 : value;
}

// The satellite indices a record may name and still be compiled: a satellite with that
// index whose blank flag is N.
class UsableSatellites {
 public:
  UsableSatellites(const std::vector<std::string>& fields, const SectionSpan& satellites) {
    for (size_t r = 0; r < satellites.Records(); ++r) {
      const int slot = SlotOf(fields[satellites.At(r, field::kIndex)]);
      if (slot >= 0)
        usable_[static_cast<size_t>(slot)] = !fields[satellites.At(r, field::kSatBlank)].starts_with(kYes);
    }
  }
  bool operator()(const std::string& index) const {
    const int slot = SlotOf(index);
    return slot >= 0 && usable_[static_cast<size_t>(slot)];
  }

 private:
  std::array<bool, kSatelliteSlots> usable_{};
};

}  // namespace

int FillFigure::Percent() const {
  return static_cast<int>((value * 100 + limit - 1) / limit);
}

std::array<FillFigure, 6> ListFill::Figures() const {
  return {{
      {"normal image", kBytes, normalImageBytes, kMaxNormalImageBytes},
      {"basic image", kBytes, basicImageBytes, kMaxBasicImageBytes},
      {"TV services", kNoUnit, tv, kMaxProgramNumber},
      {"radio services", kNoUnit, radio, kMaxProgramNumber},
      {"transponders", kNoUnit, digitalTps, kMaxNormalTpPosition},
      {"satellites", kNoUnit, satellites, kSatelliteSlots},
  }};
}

bool ListFill::Fits() const {
  const auto figures = Figures();
  return std::all_of(figures.begin(), figures.end(), [](const FillFigure& f) { return f.Fits(); });
}

int ListFill::Percent() const {
  int percent = 0;
  for (const FillFigure& f : Figures()) percent = std::max(percent, f.Percent());
  return percent;
}

ListFill FillOfList(const std::vector<std::string>& fields) {
  const SectionLocator sections(fields);
  const UsableSatellites usable(fields, sections[Section::Satellite]);
  ListFill fill;
  // Records compiled, by section.
  std::array<size_t, kSectionCount> compiled{};
  compiled[SectionIndex(Section::Satellite)] = sections[Section::Satellite].Records();
  const auto count = [&](Section section, int satField, int typeField) {
    const SectionSpan& span = sections[section];
    size_t& n = compiled[SectionIndex(section)];
    for (size_t r = 0; r < span.Records(); ++r) {
      if (!usable(fields[span.At(r, satField)])) continue;
      ++n;
      if (typeField < 0) continue;
      // Every service takes a program number of its type, null channels included.
      const int type = KeywordCode(fields[span.At(r, typeField)], kServiceTypes);
      if (type == 0) ++fill.tv;
      if (type == 1) ++fill.radio;
    }
  };
  count(Section::DigitalTp, field::kTpSat, -1);
  count(Section::DigitalChannel, field::kChSat, field::kChType);
  count(Section::PidChannel, field::kPidSat, field::kPidType);
  count(Section::AnalogTp, field::kAnSat, field::kAnType);
  const auto of = [&compiled](Section s) { return compiled[SectionIndex(s)]; };
  fill.satellites = of(Section::Satellite);
  fill.digitalTps = of(Section::DigitalTp);
  fill.digitalServices = of(Section::DigitalChannel) + of(Section::PidChannel);
  fill.analogTps = of(Section::AnalogTp);

  // The images of the list as the program saves it: every section, in the written order.
  for (const bool normal : {true, false}) {
    size_t bytes = normal ? kNormalHeaderBytes : NameTableBytes(sections[Section::SatNameList].Records());
    for (const Section s : kWrittenOrder)
      bytes += MarkersAtHeader(s, normal).Bytes() + of(s) * RecordBytes(s, normal);
    bytes += kMarkerBytes;  // the end marker at the end of the text
    (normal ? fill.normalImageBytes : fill.basicImageBytes) = PaddedImageBytes(bytes, normal);
  }
  return fill;
}

std::string FillStatusText(const ListFill& fill) {
  return Format(fill.Fits() ? kFitsText : kDoesNotFitText, fill.Percent());
}

std::string FigureText(const FillFigure& f) {
  return Format("%s %zu%s (at most %zu)", f.name, f.value, f.unit, f.limit);
}

namespace {

template <typename Over>
std::string JoinedFigures(const ListFill& fill, const Over& over) {
  std::string text;
  const auto figures = fill.Figures();
  for (size_t i = 0; i < figures.size(); ++i) {
    if (!over(i, figures[i])) continue;
    if (!text.empty()) text += "; ";
    text += FigureText(figures[i]);
  }
  return text;
}

}  // namespace

std::string OverLimitsText(const ListFill& fill) {
  return JoinedFigures(fill, [](size_t, const FillFigure& f) { return !f.Fits(); });
}

std::string NewlyOverLimitsText(const ListFill& before, const ListFill& after) {
  const auto was = before.Figures();
  return JoinedFigures(after,
                       [&was](size_t i, const FillFigure& f) { return !f.Fits() && f.value > was[i].value; });
}

bool StillFits(const ListFill& before, const std::vector<std::string>& after, IReporter& reporter) {
  const std::string over = NewlyOverLimitsText(before, FillOfList(after));
  if (over.empty()) return true;
  reporter.MessageBox(Format(kNoLongerFitsRefusal, over.c_str()));
  return false;
}

void WarnWhenNoLongerFits(const ListFill& before, const std::vector<std::string>& after,
                          IReporter& reporter) {
  const std::string over = NewlyOverLimitsText(before, FillOfList(after));
  if (!over.empty()) reporter.MessageBox(Format(kNoLongerFitsWarning, over.c_str()));
}

}  // namespace lumoscope
