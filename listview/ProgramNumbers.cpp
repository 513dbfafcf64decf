#include "listview/ProgramNumbers.h"

#include "base/FieldConversions.h"
#include "base/Keywords.h"
#include "base/ReadAhead.h"
#include "base/RecordFields.h"
#include "base/SectionLocator.h"
#include "listview/ChannelTables.h"

namespace lumoscope {

std::map<long, size_t> ShownSatellites(const std::vector<std::string>& fields, const SectionSpan& sats) {
  std::map<long, size_t> shown;
  for (size_t r = 0; r < sats.Records(); ++r) {
    const std::string* s = fields.data() + sats.At(r);
    // Of several shown records with one index, the first counts.
    if (Trimmed(s[field::kSatBlank]) == kNo) shown.emplace(DecimalValue(s[field::kIndex]), r);
  }
  return shown;
}

namespace {

class Counter {
 public:
  Counter(const std::vector<std::string>& fields, const SectionSpan& satellites)
      : shown_(ShownSatellites(fields, satellites)) {}

  void Number(const std::vector<std::string>& rows, int width, int satColumn, int typeColumn,
              std::vector<int>& out) {
    out.clear();
    out.reserve(rows.size() / static_cast<size_t>(width));
    // Rows of one satellite mostly follow each other: its answer is kept for the next row.
    const std::string* lastSat = nullptr;
    bool lastShown = false;
    for (size_t i = 0; i + static_cast<size_t>(width) <= rows.size(); i += static_cast<size_t>(width)) {
      const std::string* row = rows.data() + i;
      if (const size_t ahead = i + kReadAhead * static_cast<size_t>(width); ahead < rows.size()) {
        ReadAhead(rows.data() + ahead + satColumn);
        ReadAhead(rows.data() + ahead + typeColumn);
      }
      if (lastSat == nullptr || *lastSat != row[satColumn]) {
        lastSat = &row[satColumn];
        lastShown = shown_.count(DecimalValue(*lastSat)) > 0;
      }
      if (!lastShown) {
        out.push_back(kNoProgramNumber);
        continue;
      }
      out.push_back(++(row[typeColumn] == kTv ? tv_ : radio_));
    }
  }

 private:
  std::map<long, size_t> shown_;
  int tv_ = 0;
  int radio_ = 0;
};

}  // namespace

ProgramNumbers NumberPrograms(const std::vector<std::string>& fields, const SectionLocator& sections,
                              const std::vector<std::string>& digitalRows,
                              const std::vector<std::string>& analogRows) {
  ProgramNumbers numbers;
  Counter counter(fields, sections[Section::Satellite]);
  counter.Number(digitalRows, kDigitalRowWidth, digitalcol::kSatIndex, digitalcol::kType, numbers.digital);
  counter.Number(analogRows, kAnalogRowWidth, analogcol::kSatIndex, analogcol::kType, numbers.analog);
  return numbers;
}

std::string ProgramNumberText(int number) {
  return number == kNoProgramNumber ? std::string() : std::to_string(number);
}

}  // namespace lumoscope
