#include "transfer/SectionListFormatter.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "base/Sections.h"
#include "base/TextLines.h"

namespace lumoscope {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// Every header stands on a line of its own after an empty line.
constexpr std::string_view kBeforeHeader = "\r\n\r\n";

// The last position of every marker in the list (npos for a marker that is not there),
// found in one walk from the end.
struct MarkerPositions {
  std::array<size_t, kSectionCount> start;
  std::array<size_t, kSectionCount> end;
};

MarkerPositions LastMarkers(const std::vector<std::string>& list) {
  MarkerPositions at;
  at.start.fill(std::string::npos);
  at.end.fill(std::string::npos);
  size_t missing = 2 * kSectionCount;
  for (size_t i = list.size(); i-- > 0 && missing > 0;) {
    const std::string& s = list[i];
    // Every marker ends in "START" or "END"; most fields end otherwise.
    if (s.empty() || (s.back() != 'T' && s.back() != 'D')) continue;
    for (const SectionFormat& format : kSectionFormats) {
      const size_t k = SectionIndex(format.section);
      if (at.start[k] == std::string::npos && s == format.startMarker) {
        at.start[k] = i;
        --missing;
      } else if (at.end[k] == std::string::npos && s == format.endMarker) {
        at.end[k] = i;
        --missing;
      }
    }
  }
  return at;
}

// Records of a section: after its (last) start marker up to its end marker. When the end
// marker is missing the records run to the next marker or the end of the list.
void RecordRange(const std::vector<std::string>& list, const MarkerPositions& markers, Section section,
                 size_t& first, size_t& last) {
  first = last = 0;
  const size_t start = markers.start[SectionIndex(section)];
  if (start == std::string::npos) return;
  first = start + 1;
  size_t end = markers.end[SectionIndex(section)];
  if (end == std::string::npos || end < first) {
    end = first;
    while (end < list.size() && !IsSectionMarker(list[end])) ++end;
  }
  last = end;
}

// A name goes in double quotes whole, so blanks inside it and any length read back as
// one field. The format has no way to write a double quote inside a name: it is dropped.
void AppendQuotedName(std::string& out, std::string_view name) {
  out.push_back('"');
  for (char c : name)
    if (c != '"') out.push_back(c);
  out.push_back('"');
}

void AppendBlanks(std::string& out, size_t count) {
  static constexpr std::string_view kBlanks = "                                ";
  for (; count > kBlanks.size(); count -= kBlanks.size()) out += kBlanks;
  out.append(kBlanks.data(), count);
}

// One record's line. In columns every field is padded to one past its column width;
// either way every field is followed by at least one blank, so no value runs into the
// next. A line that began with "[" would read back as a section header, so such a
// record is moved in by one blank.
void AppendRecord(std::string& out, const SectionFormat& layout, const std::string* fields, size_t count,
                  bool columns) {
  if (count > 0 && fields[0].starts_with('[')) out.push_back(' ');
  for (size_t field = 0; field < count; ++field) {
    const size_t begin = out.size();
    if (field == layout.nameField)
      AppendQuotedName(out, fields[field]);
    else
      out += fields[field];
    const size_t length = out.size() - begin;
    const size_t width = columns ? layout.columnWidths[field] + 1 : 0;
    AppendBlanks(out, length < width ? width - length : 1);
  }
}

}  // namespace

std::string FormatSectionList(const std::vector<std::string>& list) {
  std::string out;
  size_t bytes = 0;
  for (const std::string& s : list) bytes += s.size() + 4;
  out.reserve(bytes + 4096);

  const MarkerPositions markers = LastMarkers(list);
  for (Section section : kWrittenOrder) {
    const SectionFormat& layout = FormatOf(section);
    out += kBeforeHeader;
    out += layout.header;
    out += kLineEnd;
    out += layout.captions;
    size_t first = 0;
    size_t last = 0;
    RecordRange(list, markers, section, first, last);
    for (size_t i = first; i < last; i += layout.fieldCount) {
      const size_t count = std::min(layout.fieldCount, last - i);
      out += kLineEnd;
      const size_t lineStart = out.size();
      AppendRecord(out, layout, &list[i], count, true);
      if (out.size() - lineStart > kMaxLineLength) {
        // Columns would make the line too long for the reader: blanks between fields only.
        out.resize(lineStart);
        AppendRecord(out, layout, &list[i], count, false);
      }
    }
  }
  out += kBeforeHeader;
  out += kEndHeader;
  out += kLineEnd;
  return out;
}

}  // namespace lumoscope
