#include "transfer/SectionListFormatter.h"

#include <array>
#include <string_view>

#include "transfer/SectionLayout.h"

namespace lumoscope {

namespace {

// Name limit of the text format; names are quoted so their blanks survive.
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
    for (size_t i = first, k = 0; i < last; ++i, ++k) {
      const size_t field = k % layout.fieldCount;
      if (field == 0) out += kLineEnd;
      const size_t begin = out.size();
      if (field == layout.nameField)
        AppendQuotedName(out, list[i]);
      else
        out += list[i];
      // Pad to one past the column width, and always leave at least one blank so no
      // value runs into the next.
      const size_t length = out.size() - begin;
      const size_t width = written.widths[field] + 1;
      out.append(length < width ? width - length : 1, ' ');
    }
  }
  out += kEndBlock;
  return out;
}

}  // namespace lumoscope
