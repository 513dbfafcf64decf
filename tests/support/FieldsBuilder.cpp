#include "tests/support/FieldsBuilder.h"

#include <algorithm>

#include "base/RecordFields.h"
#include "base/SectionLocator.h"

namespace lumoscope::test {

FieldsBuilder& FieldsBuilder::SatName(const std::string& index, const std::string& name) {
  satNames_.insert(satNames_.end(), {index, name});
  return *this;
}

FieldsBuilder& FieldsBuilder::Satellite(const std::string& index, const std::string& name,
                                        const std::string& degree) {
  satellites_.insert(satellites_.end(), {index, name, "N", "10600", "9750", "1", degree});
  return *this;
}

FieldsBuilder& FieldsBuilder::Tp(const std::string& index, const std::string& sat, const std::string& freq,
                                 const std::string& bouquet) {
  tps_.insert(tps_.end(), {index, sat, freq, "27500", "H", bouquet});
  return *this;
}

FieldsBuilder& FieldsBuilder::Channel(const std::string& tp, const std::string& sat, const std::string& type,
                                      const std::string& name, const std::string& svcId) {
  channels_.insert(channels_.end(), {"1", tp, sat, svcId, type, name, "1", "N"});
  return *this;
}

FieldsBuilder& FieldsBuilder::Pid(const std::string& tp, const std::string& sat, const std::string& type,
                                  const std::string& name) {
  pids_.insert(pids_.end(), {"1", tp, sat, type, name, "100", "101", "102", "1", "N"});
  return *this;
}

FieldsBuilder& FieldsBuilder::Analog(const std::string& sat, const std::string& type, const std::string& name,
                                     const std::string& freq) {
  analogs_.insert(analogs_.end(), {"1", sat, freq, "C", name, "27MHz", "H", "1", "5", "CVBS", "STEREO",
                                   "0000", "0000", "130", "Y", "U50", type, "N"});
  return *this;
}

std::vector<std::string> FieldsBuilder::Build() const {
  std::vector<std::string> out;
  const auto section = [&out](Section s, const std::vector<std::string>& body) {
    out.emplace_back(FormatOf(s).startMarker);
    out.insert(out.end(), body.begin(), body.end());
    out.emplace_back(FormatOf(s).endMarker);
  };
  section(Section::SatNameList, satNames_);
  section(Section::Satellite, satellites_);
  section(Section::DigitalTp, tps_);
  section(Section::DigitalChannel, channels_);
  section(Section::PidChannel, pids_);
  section(Section::AnalogTp, analogs_);
  return out;
}

std::string CheckWellFormed(const std::vector<std::string>& fields) {
  std::vector<bool> covered(fields.size(), false);
  for (Section s : kSections) {
    const SectionFormat& info = FormatOf(s);
    const std::string startMarker(info.startMarker);
    if (std::count(fields.begin(), fields.end(), info.startMarker) != 1 ||
        std::count(fields.begin(), fields.end(), info.endMarker) != 1) {
      return "markers of " + startMarker;
    }
    const long start = std::find(fields.begin(), fields.end(), info.startMarker) - fields.begin();
    const long end = std::find(fields.begin(), fields.end(), info.endMarker) - fields.begin();
    if (end <= start || (end - start - 1) % static_cast<long>(info.fieldCount) != 0)
      return "records of " + startMarker;
    for (long i = start; i <= end; ++i) {
      if (covered[static_cast<size_t>(i)]) return "overlap at " + startMarker;
      covered[static_cast<size_t>(i)] = true;
    }
  }
  if (std::find(covered.begin(), covered.end(), false) != covered.end()) return "strings outside sections";
  return {};
}

std::vector<std::string> NamesOf(const std::vector<std::string>& fields, const std::string& section) {
  const Section s = section == "CHANNEL"       ? Section::DigitalChannel
                    : section == "CHANNEL_PID" ? Section::PidChannel
                                               : Section::AnalogTp;
  const int nameField = static_cast<int>(FormatOf(s).nameField);
  const SectionSpan span = SectionLocator(fields)[s];
  std::vector<std::string> names;
  for (size_t r = 0; r < span.Records(); ++r) names.push_back(fields[span.At(r, nameField)]);
  return names;
}

}  // namespace lumoscope::test
