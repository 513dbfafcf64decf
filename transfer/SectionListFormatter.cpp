#include "transfer/SectionListFormatter.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "base/SectionLayout.h"
#include "base/TextLines.h"

namespace lumoscope {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kEndBlock = "\r\n\r\n[END]\r\n";

struct WrittenSection {
  int number;
  std::string_view headerBlock;
  std::array<size_t, 18> widths;  // column width of each field
};

// The writer's order: names, satellites, digital transponders, digital channels, PID
// channels, analog transponders.
constexpr std::array<WrittenSection, kSectionCount> kWrittenSections{{
    {kSectionSatName,
     "\r\n\r\n[SATELLITE_NAME_LIST]\r\n#"
     "#-------------------------+\r\n"
     "# Index  Satellite_Name   |\r\n"
     "#-------------------------+\r\n",
     {6, 16}},
    {kSectionSatellite,
     "\r\n\r\n[SATELLITE]\r\n"
     "#----------------------------------------------------------------------+\r\n"
     "#  Index    Name          Blank  LNB_LO   LNB_LO Position Posotioner   |\r\n"
     "#                                 HIGH     LOW                         |\r\n"
     "#----------------------------------------------------------------------+\r\n",
     {6, 16, 3, 8, 8, 5, 10}},
    {kSectionDigitalTp,
     "\r\n\r\n[DIGITAL TP]\r\n"
     "#---------------------------------------------------------+\r\n"
     "# D_TP   SAT   Frequency  Symbol    Polari-    Comment    |\r\n"
     "# Index  Index   (MHz)    R. (KHz)   zation               |\r\n"
     "#---------------------------------------------------------+\r\n",
     {6, 6, 8, 8, 3, 16}},
    {kSectionChannel,
     "\r\n\r\n[DIGITAL CHANNEL]\r\n"
     "#-----------------------------------------------------------------+\r\n"
     "# SVC   D_TP  SAT   SVC     SVC       SVC         Active  Blank   |\r\n"
     "# Index Index Index ID(hex) Type      Name        Audio           |\r\n"
     "#-----------------------------------------------------------------+\r\n",
     {6, 6, 6, 8, 8, 16, 6, 3}},
    {kSectionPidChannel,
     "\r\n\r\n[DIGITAL PID CHANNEL]\r\n"
     "#----------------------------------------------------------------------------+\r\n"
     "# SVC   D_TP  SAT   SVC       SVC           Video Audio  PCR  Active  Blank  |\r\n"
     "# Index Index Index Type      Name          PID   PID    PID  Audio          |\r\n"
     "#----------------------------------------------------------------------------+\r\n",
     {6, 6, 6, 8, 16, 8, 8, 8, 6, 3}},
    {kSectionAnalogTp,
     "\r\n\r\n[ANALOG TP]\r\n"
     "#------------------------------------------------------------------------------------------------------"
     "-"
     "-------------------+\r\n"
     "# A_TP  SAT   Freq.  Name          Video Pol Thr Con-  Decoder  Audio  A_Freq  A_Freq  Band   Panda  "
     "De-       TV/   Blank |\r\n"
     "# Index Index (MHz)                Band          trast Output   Mode   L (MHz) R (MHz) W.(KHz)       "
     "emphasis  RADIO       |\r\n"
     "#------------------------------------------------------------------------------------------------------"
     "-"
     "-------------------+\r\n",
     {6, 6, 8, 8, 16, 8, 3, 6, 6, 10, 12, 8, 8, 8, 3, 8, 8, 3}},
}};

// Last position of `marker` in the list, or npos.
size_t LastIndexOf(const std::vector<std::string>& list, std::string_view marker) {
  for (size_t i = list.size(); i-- > 0;)
    if (list[i] == marker) return i;
  return std::string::npos;
}

// Records of a section: after its (last) start marker up to its end marker. When the end
// marker is missing the records run to the next marker or the end of the list.
void RecordRange(const std::vector<std::string>& list, const SectionLayout& layout, size_t& first,
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
void AppendRecord(std::string& out, const WrittenSection& written, const SectionLayout& layout,
                  const std::string* fields, size_t count, bool columns) {
  if (count > 0 && fields[0].starts_with('[')) out.push_back(' ');
  for (size_t field = 0; field < count; ++field) {
    const size_t begin = out.size();
    if (field == layout.nameField)
      AppendQuotedName(out, fields[field]);
    else
      out += fields[field];
    const size_t length = out.size() - begin;
    const size_t width = columns ? written.widths[field] + 1 : 0;
    out.append(length < width ? width - length : 1, ' ');
  }
}

}  // namespace

std::string FormatSectionList(const std::vector<std::string>& list) {
  std::string out;
  size_t bytes = kEndBlock.size();
  for (const std::string& s : list) bytes += s.size() + 4;
  out.reserve(bytes + 4096);

  for (const WrittenSection& written : kWrittenSections) {
    const SectionLayout& layout = Layout(written.number);
    out += written.headerBlock;
    size_t first = 0;
    size_t last = 0;
    RecordRange(list, layout, first, last);
    for (size_t i = first; i < last; i += layout.fieldCount) {
      const size_t count = std::min(layout.fieldCount, last - i);
      out += kLineEnd;
      const size_t lineStart = out.size();
      AppendRecord(out, written, layout, &list[i], count, true);
      if (out.size() - lineStart > kMaxLineLength) {
        // Columns would make the line too long for the reader: blanks between fields only.
        out.resize(lineStart);
        AppendRecord(out, written, layout, &list[i], count, false);
      }
    }
  }
  out += kEndBlock;
  return out;
}

}  // namespace lumoscope
