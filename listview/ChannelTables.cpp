// The joined channel tables (each channel with its transponder and satellite) and the
// channel numbering.
#include "listview/ChannelTables.h"

#include <array>
#include <charconv>
#include <string_view>

#include "base/FieldConversions.h"
#include "base/Keywords.h"
#include "base/ReadAhead.h"
#include "base/RecordFields.h"
#include "listview/ListView.h"

namespace lumoscope {

namespace {

constexpr int kTransponderPart = 4;  // frequency, symbol rate, polarization, bouquet
constexpr int kSatellitePart = 5;    // name, LNB_LO high, LNB_LO low, position, degree

// Digits of the longest channel number, with room to spare.
constexpr size_t kNumberDigits = 20;

// What a channel on transponder 0 (no transponder of its own) shows.
constexpr std::string_view kNoTransponder[kTransponderPart] = {"0000", "0000", kVertical, "___"};

}  // namespace

ChannelJoiner::ChannelJoiner(const std::vector<std::string>& fields)
    : ChannelJoiner(fields, SectionLocator(fields)) {}

ChannelJoiner::ChannelJoiner(const std::vector<std::string>& fields, const SectionLocator& sections)
    : fields_(fields),
      satellites_(sections[Section::Satellite]),
      transponders_(sections[Section::DigitalTp]) {}

long ChannelJoiner::Find(const SectionSpan& span, IndexMap& map, const std::string& index) {
  // A walk costs one comparison per record, a table one insertion per record: the
  // table pays off after a few lookups.
  constexpr size_t kWalksBeforeTables = 8;
  if (map.empty() && walks_ < kWalksBeforeTables) {
    ++walks_;
    for (size_t r = 0; r < span.Records(); ++r)
      if (fields_[span.At(r)] == index) return static_cast<long>(span.At(r));
    return -1;
  }
  if (map.empty()) {
    map.reserve(span.Records());
    for (size_t r = 0; r < span.Records(); ++r) map.emplace(fields_[span.At(r)], span.At(r));
  }
  const auto it = map.find(index);
  return it == map.end() ? -1 : static_cast<long>(it->second);
}

void ChannelJoiner::AppendTransponder(std::vector<std::string>& out, const std::string& tpIndex) {
  const long found = Find(transponders_, tps_, tpIndex);
  if (found < 0) {
    // A missing transponder still fills its columns, so the row keeps its width.
    out.insert(out.end(), kTransponderPart, std::string());
    return;
  }
  const auto t = static_cast<size_t>(found);
  out.push_back(fields_[t + field::kTpFrequency]);
  out.push_back(fields_[t + field::kTpSymbolRate]);
  out.push_back(fields_[t + field::kTpPolar]);
  out.push_back(fields_[t + field::kTpBouquet]);
}

void ChannelJoiner::AppendSatellite(std::vector<std::string>& out, const std::string& satIndex) {
  const long found = Find(satellites_, sats_, satIndex);
  if (found < 0) {
    out.insert(out.end(), kSatellitePart, std::string());
    return;
  }
  const auto s = static_cast<size_t>(found);
  out.push_back(fields_[s + field::kSatName]);
  out.push_back(fields_[s + field::kSatLnbHigh]);
  out.push_back(fields_[s + field::kSatLnbLow]);
  out.push_back(fields_[s + field::kSatPosition]);
  out.push_back(fields_[s + field::kSatDegree]);
}

void ChannelJoiner::Append(std::vector<std::string>& out, Section section, size_t first) {
  const std::string* f = fields_.data() + first;
  switch (section) {
    case Section::DigitalChannel:
      for (int i = 0; i <= field::kChName; ++i) out.push_back(f[i]);
      out.insert(out.end(), 3, std::string());  // no PIDs
      out.push_back(f[field::kChAudio]);
      out.push_back(f[field::kChBlank]);
      if (DecimalValue(f[field::kChTp]) == 0) {
        for (std::string_view s : kNoTransponder) out.emplace_back(s);
      } else {
        AppendTransponder(out, f[field::kChTp]);
      }
      AppendSatellite(out, f[field::kChSat]);
      return;
    case Section::PidChannel:
      out.push_back(f[field::kIndex]);
      out.push_back(f[field::kPidTp]);
      out.push_back(f[field::kPidSat]);
      out.emplace_back();  // no service id
      for (int i = field::kPidType; i <= field::kPidBlank; ++i) out.push_back(f[i]);
      AppendTransponder(out, f[field::kPidTp]);
      AppendSatellite(out, f[field::kPidSat]);
      return;
    default:
      out.insert(out.end(), f, f + RecordWidth(Section::AnalogTp));
      AppendSatellite(out, f[field::kAnSat]);
      return;
  }
}

void JoinChannelTables(const std::vector<std::string>& fields, std::vector<std::string>& digitalRows,
                       std::vector<std::string>& analogRows) {
  digitalRows.clear();
  analogRows.clear();
  const SectionLocator sections(fields);
  ChannelJoiner joiner(fields, sections);
  const SectionSpan& ch = sections[Section::DigitalChannel];
  const SectionSpan& pid = sections[Section::PidChannel];
  const SectionSpan& an = sections[Section::AnalogTp];
  digitalRows.reserve((ch.Records() + pid.Records()) * kDigitalRowWidth);
  analogRows.reserve(an.Records() * kAnalogRowWidth);
  for (size_t r = 0; r < ch.Records(); ++r) joiner.Append(digitalRows, Section::DigitalChannel, ch.At(r));
  for (size_t r = 0; r < pid.Records(); ++r) joiner.Append(digitalRows, Section::PidChannel, pid.At(r));
  for (size_t r = 0; r < an.Records(); ++r) joiner.Append(analogRows, Section::AnalogTp, an.At(r));
}

void CLumoscopeListView::BuildChannelTables() {
  JoinChannelTables(m_fields, m_digitalRows, m_analogRows);
  m_tableSections.emplace(m_fields);
  m_tablesStale = false;
  m_programNumbers = NumberPrograms(m_fields, *m_tableSections, m_digitalRows, m_analogRows);
  ++m_tablesGeneration;
  // Built anew after a change nobody described: the undo steps' copy of the list is
  // taken from the strings again at the next step.
  m_undo.ForgetCurrent();
}

void CLumoscopeListView::Renumber() {
  NumberChannels(SectionLocator(m_fields));
  // Whatever changed before went untold: the undo steps' copy is taken anew.
  m_undo.ForgetCurrent();
}

void CLumoscopeListView::NumberChannels(const SectionLocator& sections) {
  size_t number = 1;
  // Only the numbers that change are written (and told to the undo steps' copy).
  std::array<char, kNumberDigits> text{};
  const auto numberSection = [&](const SectionSpan& span) {
    for (size_t r = 0; r < span.Records(); ++r) {
      if (r + kReadAhead < span.Records()) ReadAhead(&m_fields[span.At(r + kReadAhead, field::kIndex)]);
      const size_t value = number++;
      const auto written = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
      const std::string_view wanted(text.data(), static_cast<size_t>(written - text.data()));
      std::string& index = m_fields[span.At(r, field::kIndex)];
      if (index == wanted) continue;
      index.assign(wanted);
      m_undo.TrackNumber(span.At(r, field::kIndex), value);
    }
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
