#include "transfer/SectionListParser.h"

#include <array>
#include <climits>
#include <iterator>
#include <optional>

#include "base/FieldConversions.h"
#include "base/Keywords.h"
#include "base/RecordFields.h"
#include "base/Reporter.h"
#include "base/Sections.h"
#include "base/TextLines.h"
#include "database/ReaderMessages.h"

namespace lumoscope {

namespace {

// A name keeps its blanks (written as '~' inside quotes) within its first 20
// characters; names are at most 13 characters long, so this covers every valid name.
constexpr size_t kNameRestoreLength = 20;

// The satellite positioner is a signed 16-bit value; files written by older tools
// carry it as its unsigned 16-bit form.
constexpr long kPositionerMax = 32767;
constexpr long kPositionerWrap = 65536;

// Satellite lines come in two forms: with the blank flag (index, name, blank, LNB high,
// LNB low, position, positioner) or without it (the blank is then N).
constexpr size_t kSatTokensWithBlank = 7;
constexpr size_t kSatTokensWithoutBlank = 6;

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// The first `max` blank-separated tokens of a line, into `out`.
void Tokens(std::string_view line, size_t max, std::vector<std::string_view>& out) {
  out.clear();
  size_t i = 0;
  while (out.size() < max) {
    while (i < line.size() && IsSpace(line[i])) ++i;
    if (i >= line.size()) break;
    const size_t start = i;
    while (i < line.size() && !IsSpace(line[i])) ++i;
    out.push_back(line.substr(start, i - start));
  }
}

std::string RestoreNameBlanks(std::string_view token) {
  std::string name(token);
  for (size_t i = 0; i < name.size() && i < kNameRestoreLength; ++i)
    if (name[i] == '~') name[i] = ' ';
  return name;
}

// The leading decimal number of a token, as a C conversion reads it; 0 when there is
// none. Saturates instead of overflowing.
long LeadingNumber(std::string_view text) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long v = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    if (v < INT_MAX / 10) v = v * 10 + (text[i] - '0');
  return negative ? -v : v;
}

// A line the program writes under a section header for the person (a caption), which a
// save writes again.
bool IsProgramCaption(std::string_view line) {
  for (const SectionFormat& format : kSectionFormats) {
    for (std::string_view captions = format.captions; !captions.empty();) {
      const size_t end = captions.find("\r\n");
      if (captions.substr(0, end) == line) return true;
      captions.remove_prefix(end == std::string_view::npos ? captions.size() : end + 2);
    }
  }
  return false;
}

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t\r\n\v\f") == std::string_view::npos;
}

std::string UpperCopy(std::string_view text) {
  std::string s(text);
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

class Parser {
 public:
  Parser(IReporter& reporter, bool& resave, ListTextNotes& notes)
      : reporter_(reporter), resave_(resave), notes_(notes) {}

  bool Run(const PreparedLines& lines, std::vector<std::string>& list);

 private:
  // Records per section, and whether each section's header comes once only; then the
  // list (or the buckets of a repeating section) has room for all of them.
  void Count(const PreparedLines& lines, std::vector<std::string>& list);
  // Notes what of the line a save keeps.
  void NoteText(const PreparedLines::Line& line);
  // Appends the record's fields to `out`; false (and nothing appended) when refused.
  bool Record(Section section, std::string_view line, std::vector<std::string>& out);
  // HexToInt, telling the person when the text holds a character that is no digit.
  long HexValue(const std::string& text) const;
  bool SatelliteRecord(std::string_view line, std::vector<std::string>& fields);
  void Emit(std::vector<std::string>& list);
  void Complete(std::vector<std::string>& list) const;

  IReporter& reporter_;
  bool& resave_;
  ListTextNotes& notes_;
  bool headerSeen_ = false;  // any header, "[END]" included
  int lineNumber_ = 0;
  std::optional<Section> section_;  // none before the first header
  bool endSeen_ = false;
  // Records of each section in file order; a section whose header repeats collects the
  // records of every occurrence, so none is lost when the list is written back. When no
  // header repeats (nearly always) the records go straight into the list instead.
  std::array<std::vector<std::string>, kSectionCount> records_;
  bool direct_ = true;
  std::vector<Section> order_;  // sections in the order of their first header
  std::array<bool, kSectionCount> seen_{};
  // Scratch of one record, kept between lines to spare allocations.
  std::vector<std::string_view> tokens_;
};

long Parser::HexValue(const std::string& text) const {
  const std::optional<long> value = HexToInt(text);
  if (!value) reporter_.MessageBoxAtLine(lineNumber_, kHexConversionMessage);
  return value.value_or(kHexConversionFailed);
}

bool Parser::SatelliteRecord(std::string_view line, std::vector<std::string>& fields) {
  std::vector<std::string_view>& first = tokens_;
  Tokens(line, 3, first);
  const size_t hash = line.find('#');
  if (hash != std::string_view::npos) line = line.substr(0, hash);
  const bool withBlank = first.size() >= 3 && (first[field::kSatBlank].starts_with(kYes) ||
                                               first[field::kSatBlank].starts_with(kNo));
  const size_t wanted = withBlank ? kSatTokensWithBlank : kSatTokensWithoutBlank;
  std::vector<std::string_view>& tokens = tokens_;
  Tokens(line, wanted, tokens);
  if (tokens.size() + 1 < wanted) {
    reporter_.MessageBox(msg::kSatelliteIllegal);
    return false;
  }
  std::string positioner = "0";
  if (tokens.size() == wanted) {
    if (withBlank) {
      long value = LeadingNumber(tokens[field::kSatDegree]);
      if (value > kPositionerMax) value -= kPositionerWrap;
      positioner = std::to_string(value);
    } else {
      positioner = std::string(tokens[5]);
    }
  }
  fields.emplace_back(tokens[field::kIndex]);
  fields.emplace_back(RestoreNameBlanks(tokens[field::kSatName]));
  size_t next = field::kSatBlank;
  if (withBlank)
    fields.emplace_back(tokens[next++]);
  else
    fields.emplace_back(kNo);
  for (int k = 0; k < 3; ++k) fields.emplace_back(tokens[next++]);
  fields.push_back(std::move(positioner));
  return true;
}

bool Parser::Record(Section section, std::string_view line, std::vector<std::string>& out) {
  const SectionFormat& layout = FormatOf(section);
  const size_t first = out.size();
  if (section == Section::Satellite) {
    if (!SatelliteRecord(line, out)) {
      out.resize(first);
      return false;
    }
  } else {
    std::vector<std::string_view>& tokens = tokens_;
    Tokens(line, layout.fieldCount, tokens);
    for (size_t k = 0; k < layout.fieldCount; ++k) {
      const std::string_view token = k < tokens.size() ? tokens[k] : std::string_view{};
      if (k == layout.nameField) {
        out.push_back(RestoreNameBlanks(token));
      } else {
        out.emplace_back(token);
      }
    }
  }
  const std::string* fields = out.data() + first;

  // A name spelled like a marker would later be taken for one and cut the list apart.
  if (IsSectionMarker(fields[layout.nameField])) {
    reporter_.MessageBox(
        Format("\n ERROR : the name \"%s\" is reserved for the program's own use.\n"
               "           line number %d ",
               fields[layout.nameField].c_str(), lineNumber_));
    out.resize(first);
    return false;
  }

  if (section == Section::DigitalChannel) {
    // A service ID or transponder index of 0 marks a list written by an older tool;
    // the view saves such a list again at once.
    std::string svcId = UpperCopy(fields[field::kChSvcId]);
    if (svcId.starts_with("0X")) svcId.erase(0, 2);
    if (HexValue(svcId) == 0 || HexValue(UpperCopy(fields[field::kChTp])) == 0) resave_ = true;
  }
  return true;
}

void Parser::NoteText(const PreparedLines::Line& line) {
  const std::string_view text = line.text;
  const bool header = text.starts_with('[') && (IsEndHeader(text) || SectionOfHeader(text));
  headerSeen_ = headerSeen_ || header;
  if (!headerSeen_) {
    notes_.leadingLines.emplace_back(line.raw);
  } else if (line.skipped) {
    notes_.textLostBySave = notes_.textLostBySave || !(IsBlank(text) || IsProgramCaption(line.raw));
  } else if (!header) {
    // An unknown bracketed line, or a record with a comment behind it.
    notes_.textLostBySave =
        notes_.textLostBySave || text.starts_with('[') || text.find('#') != std::string::npos;
  }
}

void Parser::Count(const PreparedLines& lines, std::vector<std::string>& list) {
  std::array<size_t, kSectionCount> records{};
  std::array<bool, kSectionCount> headed{};
  std::optional<Section> section;
  for (const PreparedLines::Line& line : lines.Lines()) {
    if (line.skipped) continue;
    if (line.text[0] == '[') {
      if (IsEndHeader(line.text)) break;
      const std::optional<Section> header = SectionOfHeader(line.text);
      if (!header) continue;
      if (headed[SectionIndex(*header)]) direct_ = false;
      headed[SectionIndex(*header)] = true;
      section = header;
    } else if (section) {
      ++records[SectionIndex(*section)];
    }
  }
  size_t strings = 2 * kSectionCount + 4;  // markers, and the two sections Complete may add
  for (size_t i = 0; i < kSectionCount; ++i) {
    const size_t fields = records[i] * FormatOf(static_cast<Section>(i + 1)).fieldCount;
    strings += fields;
    if (!direct_) records_[i].reserve(fields);
  }
  list.reserve(list.size() + strings);
}

bool Parser::Run(const PreparedLines& lines, std::vector<std::string>& list) {
  Count(lines, list);
  const size_t before = list.size();
  const auto closeSection = [&] {
    if (direct_ && section_) list.emplace_back(FormatOf(*section_).endMarker);
  };
  for (const PreparedLines::Line& line : lines.Lines()) {
    lineNumber_ = line.number;
    NoteText(line);
    if (line.skipped) continue;
    if (line.text[0] == '[') {
      if (IsEndHeader(line.text)) {
        endSeen_ = true;
        notes_.textLostBySave = notes_.textLostBySave || !IsBlank(lines.After(line));
        closeSection();
        break;
      }
      const std::optional<Section> header = SectionOfHeader(line.text);
      if (!header) continue;  // an unknown bracketed line is ignored
      closeSection();
      section_ = header;
      if (!seen_[SectionIndex(*header)]) {
        seen_[SectionIndex(*header)] = true;
        order_.push_back(*header);
      }
      if (direct_) list.emplace_back(FormatOf(*header).startMarker);
      continue;
    }
    if (!section_) continue;
    if (!Record(*section_, line.text, direct_ ? list : records_[SectionIndex(*section_)])) {
      list.resize(before);
      return false;
    }
  }
  if (!endSeen_ && lines.RefusedLine() > 0) {
    list.resize(before);
    reporter_.MessageBox(Format(kCheckLineMessage, lines.RefusedLine()));
    return false;
  }
  while (!notes_.leadingLines.empty() && IsBlank(notes_.leadingLines.back())) notes_.leadingLines.pop_back();
  if (!direct_) Emit(list);
  Complete(list);
  return true;
}

void Parser::Emit(std::vector<std::string>& list) {
  size_t total = list.size() + 2 * order_.size() + 4;  // markers, and the two sections Complete adds
  for (Section section : order_) total += records_[SectionIndex(section)].size();
  list.reserve(total);
  for (Section section : order_) {
    const SectionFormat& layout = FormatOf(section);
    list.emplace_back(layout.startMarker);
    std::vector<std::string>& bucket = records_[SectionIndex(section)];
    list.insert(list.end(), std::make_move_iterator(bucket.begin()), std::make_move_iterator(bucket.end()));
    // A file that ends without "[END]" leaves its last section open, as it reads.
    const bool openAtEnd = !endSeen_ && section == section_ && section == order_.back();
    if (!openAtEnd) list.emplace_back(layout.endMarker);
  }
}

// The list view needs the PID and analog sections even when the file has none: they
// are put behind the digital channels, in the program's own section order.
void Parser::Complete(std::vector<std::string>& list) const {
  const auto insertBehind = [&](std::string_view anchor, const SectionFormat& layout) {
    for (size_t i = 0; i < list.size(); ++i) {
      if (list[i] == anchor) {
        list.insert(list.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                    {std::string(layout.startMarker), std::string(layout.endMarker)});
        return;
      }
    }
    reporter_.MessageBox(kAnchorMissingMessage);
  };
  if (!seen_[SectionIndex(Section::PidChannel)])
    insertBehind(FormatOf(Section::DigitalChannel).endMarker, FormatOf(Section::PidChannel));
  if (!seen_[SectionIndex(Section::AnalogTp)])
    insertBehind(FormatOf(Section::PidChannel).endMarker, FormatOf(Section::AnalogTp));
}

}  // namespace

bool ParseSectionList(std::string_view text, IReporter& reporter, std::vector<std::string>& list,
                      bool& resave, ListTextNotes* notes) {
  return ParseSectionList(PreparedLines(text), reporter, list, resave, notes);
}

bool ParseSectionList(const PreparedLines& lines, IReporter& reporter, std::vector<std::string>& list,
                      bool& resave, ListTextNotes* notes) {
  resave = false;
  ListTextNotes ignored;
  ListTextNotes& kept = notes != nullptr ? *notes : ignored;
  kept = {};
  Parser parser(reporter, resave, kept);
  return parser.Run(lines, list);
}

}  // namespace lumoscope
