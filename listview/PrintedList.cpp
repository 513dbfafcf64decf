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
#include "listview/ProgramNumbers.h"

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

// The printed channels of one list, gathered by satellite.
class Groups {
 public:
  Groups(const std::vector<std::string>& fields, const NameCodec& names) : names_(names) {
    const SectionSpan sats = SectionLocator(fields)[Section::Satellite];
    // One group per satellite the receiver shows, in the order of the list.
    std::map<size_t, long> indexOfRecord;
    for (const auto& [index, record] : ShownSatellites(fields, sats)) indexOfRecord.emplace(record, index);
    for (const auto& [record, index] : indexOfRecord) {
      group_[index] = groups_.size();
      groups_.push_back({Title(fields.data() + sats.At(record), names), {}});
    }
  }

  void Add(const std::string* row, int number, int sat, int type, int name, int blank, std::string tuning) {
    if (number == kNoProgramNumber) return;   // the receiver ignores it
    if (Trimmed(row[blank]) == kYes) return;  // a null channel keeps its number free
    const bool tv = row[type] == kTv;
    groups_[group_.at(DecimalValue(row[sat]))].channels.push_back(
        {number, names_.Decode(row[name]), tv ? kTvPrinted : kRadioPrinted, std::move(tuning)});
  }

  std::vector<PrintedSatellite> Printed() && {
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
  std::map<long, size_t> group_;  // satellite index -> group
  std::vector<PrintedSatellite> groups_;
};

}  // namespace

std::vector<PrintedSatellite> BuildPrintedList(const std::vector<std::string>& fields,
                                               const NameCodec& names) {
  std::vector<std::string> digitalRows;
  std::vector<std::string> analogRows;
  JoinChannelTables(fields, digitalRows, analogRows);
  const ProgramNumbers numbers = NumberPrograms(fields, SectionLocator(fields), digitalRows, analogRows);
  Groups groups(fields, names);
  for (size_t r = 0; r < numbers.digital.size(); ++r) {
    const std::string* row = digitalRows.data() + r * kDigitalRowWidth;
    groups.Add(row, numbers.digital[r], digitalcol::kSatIndex, digitalcol::kType, digitalcol::kName,
               digitalcol::kBlank,
               Format("%s MHz %s, %s kS/s", row[digitalcol::kFrequency].c_str(),
                      row[digitalcol::kPolarization].c_str(), row[digitalcol::kSymbolRate].c_str()));
  }
  for (size_t r = 0; r < numbers.analog.size(); ++r) {
    const std::string* row = analogRows.data() + r * kAnalogRowWidth;
    groups.Add(row, numbers.analog[r], analogcol::kSatIndex, analogcol::kType, analogcol::kName,
               analogcol::kBlank,
               Format("%s MHz %s, analog", row[analogcol::kFrequency].c_str(),
                      row[analogcol::kPolarization].c_str()));
  }
  return std::move(groups).Printed();
}

}  // namespace lumoscope
