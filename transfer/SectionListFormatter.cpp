#include "transfer/SectionListFormatter.h"

#include <algorithm>
#include <string_view>

#include "base/Sections.h"
#include "base/TextLines.h"

namespace lumoscope {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// Every header stands on a line of its own after an empty line.
constexpr std::string_view kBeforeHeader = "\r\n\r\n";

// Last position of `marker` in the list, or npos.
size_t LastIndexOf(const std::vector<std::string>& list, std::string_view marker) {
  for (size_t i = list.size(); i-- > 0;)
    if (list[i] == marker) return i;
  return std::string::npos;
}

// Records of a section: after its (last) start marker up to its end marker. When the end
// marker is missing the records run to the next marker or the end of the list.
void RecordRange(const std::vector<std::string>& list, const SectionFormat& layout, size_t& first,
                 size_t& last) {
  first = last = 0;
  const size_t start = LastIndexOf(list, layout.startMarker);
  if (start == std::string::npos) return;
  first = start + 1;
  size_t end = LastIndexOf(list, layout.endMarker);
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
    out.append(length < width ? width - length : 1, ' ');
  }
}

}  // namespace

std::string FormatSectionList(const std::vector<std::string>& list) {
  std::string out;
  size_t bytes = 0;
  for (const std::string& s : list) bytes += s.size() + 4;
  out.reserve(bytes + 4096);

  for (Section section : kWrittenOrder) {
    const SectionFormat& layout = FormatOf(section);
    out += kBeforeHeader;
    out += layout.header;
    out += kLineEnd;
    out += layout.captions;
    size_t first = 0;
    size_t last = 0;
    RecordRange(list, layout, first, last);
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
