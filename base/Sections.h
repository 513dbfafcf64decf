#pragma once
// The six sections of a channel list, named once for the whole program. Each section has
// its header line in the text file, the start and end markers that enclose its records in
// the working section list, the number of strings per record and which of them is the
// (quoted) name, and the caption block and column widths the program writes it with.
// The reader, the loader, the writer, the list view, the new-channel logic and the list
// generator all take these from here.
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace lumoscope {

// The sections by their codes in the text file. The list view's section views carry the
// same numbers (view 1 shows the satellite names, ..., view 6 the PID channels).
enum class Section : int {
  SatNameList = 1,
  Satellite = 2,
  DigitalTp = 3,
  AnalogTp = 4,
  DigitalChannel = 5,
  PidChannel = 6,
};
inline constexpr size_t kSectionCount = 6;

// In code order: the order in which the reader tries the headers.
inline constexpr std::array<Section, kSectionCount> kSections{
    Section::SatNameList, Section::Satellite,      Section::DigitalTp,
    Section::AnalogTp,    Section::DigitalChannel, Section::PidChannel,
};

// The order in which the program writes a list (and in which the loader completes it):
// the digital channels and PID channels come before the analog transponders.
inline constexpr std::array<Section, kSectionCount> kWrittenOrder{
    Section::SatNameList,    Section::Satellite,  Section::DigitalTp,
    Section::DigitalChannel, Section::PidChannel, Section::AnalogTp,
};

// The longest record: an analog transponder with its one analog service.
inline constexpr size_t kMaxRecordFields = 18;

struct SectionFormat {
  Section section;
  std::string_view header;       // the line that opens the section in the text file
  std::string_view startMarker;  // the working list's strings around the records
  std::string_view endMarker;
  size_t fieldCount;  // strings per record
  size_t nameField;   // position of the name, from 0; written in double quotes
  // The comment lines the program writes under the header: captions for a person, which
  // the reader skips. (The first rule line of the name list starts with "##".)
  std::string_view captions;
  // Column width of each field in the written text file; a field is padded with blanks
  // to one past its width.
  std::array<size_t, kMaxRecordFields> columnWidths;
};

inline constexpr std::array<SectionFormat, kSectionCount> kSectionFormats{{
    {Section::SatNameList,
     "[SATELLITE_NAME_LIST]",
     "SAT_NAME START",
     "SAT_NAME END",
     2,
     1,
     "##-------------------------+\r\n"
     "# Index  Satellite_Name   |\r\n"
     "#-------------------------+\r\n",
     {6, 16}},
    {Section::Satellite,
     "[SATELLITE]",
     "SATELLITE START",
     "SATELLITE END",
     7,
     1,
     "#----------------------------------------------------------------------+\r\n"
     "#  Index    Name          Blank  LNB_LO   LNB_LO Position Posotioner   |\r\n"
     "#                                 HIGH     LOW                         |\r\n"
     "#----------------------------------------------------------------------+\r\n",
     {6, 16, 3, 8, 8, 5, 10}},
    {Section::DigitalTp,
     "[DIGITAL TP]",
     "DIGITAL START",
     "DIGITAL END",
     6,
     5,
     "#---------------------------------------------------------+\r\n"
     "# D_TP   SAT   Frequency  Symbol    Polari-    Comment    |\r\n"
     "# Index  Index   (MHz)    R. (KHz)   zation               |\r\n"
     "#---------------------------------------------------------+\r\n",
     {6, 6, 8, 8, 3, 16}},
    {Section::AnalogTp,
     "[ANALOG TP]",
     "ANALOG START",
     "ANALOG END",
     18,
     4,
     "#------------------------------------------------------------------------------------------------------"
     "--------------------+\r\n"
     "# A_TP  SAT   Freq.  Name          Video Pol Thr Con-  Decoder  Audio  A_Freq  A_Freq  Band   Panda  "
     "De-       TV/   Blank |\r\n"
     "# Index Index (MHz)                Band          trast Output   Mode   L (MHz) R (MHz) W.(KHz)       "
     "emphasis  RADIO       |\r\n"
     "#------------------------------------------------------------------------------------------------------"
     "--------------------+\r\n",
     {6, 6, 8, 8, 16, 8, 3, 6, 6, 10, 12, 8, 8, 8, 3, 8, 8, 3}},
    {Section::DigitalChannel,
     "[DIGITAL CHANNEL]",
     "CHANNEL START",
     "CHANNEL END",
     8,
     5,
     "#-----------------------------------------------------------------+\r\n"
     "# SVC   D_TP  SAT   SVC     SVC       SVC         Active  Blank   |\r\n"
     "# Index Index Index ID(hex) Type      Name        Audio           |\r\n"
     "#-----------------------------------------------------------------+\r\n",
     {6, 6, 6, 8, 8, 16, 6, 3}},
    {Section::PidChannel,
     "[DIGITAL PID CHANNEL]",
     "CHANNEL_PID START",
     "CHANNEL_PID END",
     10,
     4,
     "#----------------------------------------------------------------------------+\r\n"
     "# SVC   D_TP  SAT   SVC       SVC           Video Audio  PCR  Active  Blank  |\r\n"
     "# Index Index Index Type      Name          PID   PID    PID  Audio          |\r\n"
     "#----------------------------------------------------------------------------+\r\n",
     {6, 6, 6, 8, 16, 8, 8, 8, 6, 3}},
}};

// The header that ends the list; nothing after it is read.
inline constexpr std::string_view kEndHeader = "[END]";

// Position of a section in arrays kept per section, 0 to 5 in code order.
constexpr size_t SectionIndex(Section section) {
  return static_cast<size_t>(section) - 1;
}

constexpr const SectionFormat& FormatOf(Section section) {
  return kSectionFormats[SectionIndex(section)];
}

// Strings per record of a section.
constexpr size_t RecordWidth(Section section) {
  return FormatOf(section).fieldCount;
}

// The section whose header `line` starts with: the name in brackets, with the "]"
// directly after it; text after the "]" does not matter. Nothing for "[END]" and for a
// bracketed line that names no section.
std::optional<Section> SectionOfHeader(std::string_view line);
bool IsEndHeader(std::string_view line);

// True for any of the twelve marker strings.
bool IsSectionMarker(std::string_view text);

}  // namespace lumoscope
