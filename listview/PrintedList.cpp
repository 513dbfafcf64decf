#include "listview/PrintedList.h"

#include <algorithm>
#include <map>

#include "base/FieldConversions.h"
#include "base/Keywords.h"
#include "base/NameText.h"
#include "base/RecordFields.h"
#include "base/Reporter.h"
#include "base/SectionLocator.h"
#include "listview/ChannelTables.h"

namespace lumoscope {

namespace {

// The service types as the printout names them.
constexpr const char* kTvPrinted = "TV";
constexpr const char* kRadioPrinted = "Radio";

// "Astra 19.2E (E019.2)"; the name alone when the satellite has no degree.
std::string Title(const std::string* satellite, const NameCodec& names) {
  std::string title = names.Decode(satellite[field::kSatName]);
  std::string degree = satellite[field::kSatDegree];
  if (DecimalValue(degree) == 0) return title;
  // A degree that does not convert is left out.
  if (const std::optional<std::string> shown = DegreeToDisplay(degree, true)) title += " (" + *shown + ")";
  return title;
}

class Numbering {
 public:
  Numbering(const std::vector<std::string>& fields, const NameCodec& names) : names_(names) {
    const SectionSpan sats = SectionLocator(fields)[Section::Satellite];
    for (size_t r = 0; r < sats.Records(); ++r) {
      const std::string* s = fields.data() + sats.At(r);
      const long index = DecimalValue(s[field::kIndex]);
      // The first record of an index counts, as the lookups of the channel views do.
      if (Trimmed(s[field::kSatBlank]) != kNo || group_.count(index) > 0) continue;
      group_[index] = groups_.size();
      groups_.push_back({Title(s, names), {}});
    }
  }

  void Add(const std::string* row, int sat, int type, int name, int blank, std::string tuning) {
    const auto group = group_.find(DecimalValue(row[sat]));
    if (group == group_.end()) return;  // the receiver ignores it: no number
    const bool tv = row[type] == kTv;
    const int number = ++(tv ? tvNumber_ : radioNumber_);
    if (Trimmed(row[blank]) == kYes) return;  // a null channel keeps its number free
    groups_[group->second].channels.push_back(
        {number, names_.Decode(row[name]), tv ? kTvPrinted : kRadioPrinted, std::move(tuning)});
  }

  std::vector<PrintedSatellite> Groups() && {
    std::vector<PrintedSatellite> out;
    for (PrintedSatellite& g : groups_) {
      if (g.channels.empty()) continue;
      std::stable_sort(g.channels.begin(), g.channels.end(),
                       [](const PrintedChannel& a, const PrintedChannel& b) {
                         return (a.type == kTvPrinted) > (b.type == kTvPrinted) ||
                                (a.type == b.type && a.number < b.number);
                       });
      out.push_back(std::move(g));
    }
    return out;
  }

 private:
  const NameCodec& names_;
  std::map<long, size_t> group_;
  std::vector<PrintedSatellite> groups_;
  int tvNumber_ = 0;
  int radioNumber_ = 0;
};

}  // namespace

std::vector<PrintedSatellite> BuildPrintedList(const std::vector<std::string>& fields,
                                               const NameCodec& names) {
  std::vector<std::string> digitalRows;
  std::vector<std::string> analogRows;
  JoinChannelTables(fields, digitalRows, analogRows);
  Numbering numbering(fields, names);
  for (size_t i = 0; i + kDigitalRowWidth <= digitalRows.size(); i += kDigitalRowWidth) {
    const std::string* row = digitalRows.data() + i;
    numbering.Add(row, digitalcol::kSatIndex, digitalcol::kType, digitalcol::kName, digitalcol::kBlank,
                  Format("%s MHz %s, %s kS/s", row[digitalcol::kFrequency].c_str(),
                         row[digitalcol::kPolarization].c_str(), row[digitalcol::kSymbolRate].c_str()));
  }
  for (size_t i = 0; i + kAnalogRowWidth <= analogRows.size(); i += kAnalogRowWidth) {
    const std::string* row = analogRows.data() + i;
    numbering.Add(row, analogcol::kSatIndex, analogcol::kType, analogcol::kName, analogcol::kBlank,
                  Format("%s MHz %s, analog", row[analogcol::kFrequency].c_str(),
                         row[analogcol::kPolarization].c_str()));
  }
  return std::move(numbering).Groups();
}

}  // namespace lumoscope
