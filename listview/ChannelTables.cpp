// The joined channel tables (each channel with its transponder and satellite) and the
// channel numbering.
#include "listview/ChannelTables.h"

#include <string_view>
#include <unordered_map>

#include "base/FieldConversions.h"
#include "base/Keywords.h"
#include "base/RecordFields.h"
#include "listview/ListView.h"

namespace lumoscope {

namespace {

constexpr int kTransponderPart = 4;  // frequency, symbol rate, polarization, bouquet
constexpr int kSatellitePart = 5;    // name, LNB_LO high, LNB_LO low, position, degree

// What a channel on transponder 0 (no transponder of its own) shows.
constexpr std::string_view kNoTransponder[kTransponderPart] = {"0000", "0000", kVertical, "___"};

// First record of a section by the text of its Index field.
using IndexMap = std::unordered_map<std::string_view, long>;

IndexMap MapByIndex(const std::vector<std::string>& fields, const SectionSpan& span) {
  IndexMap map;
  map.reserve(span.Records());
  for (size_t r = 0; r < span.Records(); ++r) {
    const size_t first = span.At(r);
    map.emplace(fields[first], static_cast<long>(first));
  }
  return map;
}

void AppendTransponder(std::vector<std::string>& out, const std::vector<std::string>& fields,
                       const IndexMap& tps, const std::string& tpIndex) {
  const auto it = tps.find(tpIndex);
  if (it == tps.end()) {
    // A missing transponder still fills its columns, so the row keeps its width.
    out.insert(out.end(), kTransponderPart, std::string());
    return;
  }
  const size_t t = static_cast<size_t>(it->second);
  out.push_back(fields[t + field::kTpFrequency]);
  out.push_back(fields[t + field::kTpSymbolRate]);
  out.push_back(fields[t + field::kTpPolar]);
  out.push_back(fields[t + field::kTpBouquet]);
}

void AppendSatellite(std::vector<std::string>& out, const std::vector<std::string>& fields,
                     const IndexMap& sats, const std::string& satIndex) {
  const auto it = sats.find(satIndex);
  if (it == sats.end()) {
    out.insert(out.end(), kSatellitePart, std::string());
    return;
  }
  const size_t s = static_cast<size_t>(it->second);
  out.push_back(fields[s + field::kSatName]);
  out.push_back(fields[s + field::kSatLnbHigh]);
  out.push_back(fields[s + field::kSatLnbLow]);
  out.push_back(fields[s + field::kSatPosition]);
  out.push_back(fields[s + field::kSatDegree]);
}

}  // namespace

void JoinChannelTables(const std::vector<std::string>& fields, std::vector<std::string>& digitalRows,
                       std::vector<std::string>& analogRows) {
  digitalRows.clear();
  analogRows.clear();
  const SectionLocator sections(fields);
  const IndexMap sats = MapByIndex(fields, sections[Section::Satellite]);
  const IndexMap tps = MapByIndex(fields, sections[Section::DigitalTp]);

  const SectionSpan& ch = sections[Section::DigitalChannel];
  const SectionSpan& pid = sections[Section::PidChannel];
  const SectionSpan& an = sections[Section::AnalogTp];
  digitalRows.reserve((ch.Records() + pid.Records()) * kDigitalRowWidth);
  analogRows.reserve(an.Records() * kAnalogRowWidth);

  for (size_t r = 0; r < ch.Records(); ++r) {
    const std::string* f = fields.data() + ch.At(r);
    for (int i = 0; i <= field::kChName; ++i) digitalRows.push_back(f[i]);
    digitalRows.insert(digitalRows.end(), 3, std::string());  // no PIDs
    digitalRows.push_back(f[field::kChAudio]);
    digitalRows.push_back(f[field::kChBlank]);
    if (DecimalValue(f[field::kChTp]) == 0) {
      for (std::string_view s : kNoTransponder) digitalRows.emplace_back(s);
    } else {
      AppendTransponder(digitalRows, fields, tps, f[field::kChTp]);
    }
    AppendSatellite(digitalRows, fields, sats, f[field::kChSat]);
  }
  for (size_t r = 0; r < pid.Records(); ++r) {
    const std::string* f = fields.data() + pid.At(r);
    digitalRows.push_back(f[field::kIndex]);
    digitalRows.push_back(f[field::kPidTp]);
    digitalRows.push_back(f[field::kPidSat]);
    digitalRows.emplace_back();  // no service id
    for (int i = field::kPidType; i <= field::kPidBlank; ++i) digitalRows.push_back(f[i]);
    AppendTransponder(digitalRows, fields, tps, f[field::kPidTp]);
    AppendSatellite(digitalRows, fields, sats, f[field::kPidSat]);
  }
  for (size_t r = 0; r < an.Records(); ++r) {
    const std::string* f = fields.data() + an.At(r);
    analogRows.insert(analogRows.end(), f, f + an.width);
    AppendSatellite(analogRows, fields, sats, f[field::kAnSat]);
  }
}

void CLumoscopeListView::BuildChannelTables() {
  JoinChannelTables(m_fields, m_digitalRows, m_analogRows);
  m_programNumbers = NumberPrograms(m_fields, m_digitalRows, m_analogRows);
  ++m_tablesGeneration;
}

void CLumoscopeListView::Renumber() {
  const SectionLocator sections(m_fields);
  long number = 1;
  const auto numberSection = [&](const SectionSpan& span) {
    for (size_t r = 0; r < span.Records(); ++r)
      m_fields[span.At(r, field::kIndex)] = std::to_string(number++);
  };
  numberSection(sections[Section::DigitalChannel]);
  numberSection(sections[Section::PidChannel]);
  number = 1;
  numberSection(sections[Section::AnalogTp]);
}

const char* ChannelKindName(Section section) {
  switch (section) {
    case Section::DigitalChannel:
      return "digital";
    case Section::PidChannel:
      return "pid";
    default:
      return "analog";
  }
}

}  // namespace lumoscope
