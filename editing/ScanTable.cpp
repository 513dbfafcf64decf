#include "editing/ScanTable.h"

#include <libdvbv5/dvb-file.h>
#include <libdvbv5/dvb-v5-std.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string_view>
#include <utility>
#include <variant>

#include "base/FileContents.h"
#include "base/Reporter.h"
#include "base/WriteAll.h"

namespace lumoscope {

namespace {

// libdvbv5 copies some words of a line into small fixed buffers and aborts the program
// when one is longer (an unknown value of 45 characters is enough). No word of the
// installed tables of any kind is longer than 30; longer words and values are refused
// before the library sees them.
constexpr size_t kMaxScanWordLength = 32;
// The same for a whole entry line: the installed ones have at most 56 characters.
constexpr size_t kMaxScanEntryLine = 128;

constexpr const char* kUnreadable = "The scan table cannot be read.";
constexpr const char* kNotATable =
    "The scan table %s is not in a format this program reads: line %d has a word or value that is not plain "
    "text or is longer than %zu characters.";
constexpr const char* kNoEntries =
    "The scan table %s could not be read: it is neither in the dvbv5 format (\"[CHANNEL]\" groups) nor in "
    "the one-line format (\"S 11362000 H 22000000 2/3\").";

struct DvbFileFree {
  void operator()(dvb_file* file) const { dvb_file_free(file); }
};

std::string_view Trim(std::string_view s) {
  const size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool IsWord(std::string_view word) {
  if (word.empty() || word.size() > kMaxScanWordLength) return false;
  return std::all_of(word.begin(), word.end(), [](char c) {
    return static_cast<unsigned char>(c) > 0x20 && static_cast<unsigned char>(c) < 0x7f;
  });
}

// The blank-separated words of `text`, joined by single blanks; nothing when one of them
// is not a plain printable word of at most kMaxScanWordLength characters.
std::optional<std::string> Words(std::string_view text) {
  std::string joined;
  for (size_t start = 0; start < text.size();) {
    const size_t first = text.find_first_not_of(" \t", start);
    if (first == std::string_view::npos) break;
    const size_t last = std::min(text.find_first_of(" \t", first), text.size());
    if (!IsWord(text.substr(first, last - first))) return std::nullopt;
    if (!joined.empty()) joined += ' ';
    joined += text.substr(first, last - first);
    start = last;
  }
  return joined;
}

// One line as the library is given it. The library is not handed the table's own bytes:
// its tests for comments, blank lines and line ends differ from a person's (a comment
// indented by a tab, or a blank line with a carriage return, is an entry to it), and it
// copies words into small fixed buffers. So only what was checked reaches it, in one
// spelling: comments and blank lines become empty lines (the line numbers stay those of the
// file), a dvbv5 group name (which may hold anything) becomes "[CHANNEL]", a "KEY = VALUE"
// line keeps its key and value words, and an entry line keeps its words, each joined by
// single blanks.
std::optional<std::string> CheckedLine(std::string_view line, dvb_file_formats format) {
  if (line.find('\0') != std::string_view::npos) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const std::string_view text = Trim(line);
  if (text.empty() || text[0] == '#') return std::string();
  if (format == FILE_DVBV5 && text[0] == '[') return std::string("[CHANNEL]");
  if (text.size() > kMaxScanEntryLine) return std::nullopt;
  const size_t eq = text.find('=');
  if (format != FILE_DVBV5 || eq == std::string_view::npos) return Words(text);
  // The library takes everything after the "=" as the value, a trailing comment included.
  const auto key = Words(text.substr(0, eq));
  const auto value = Words(text.substr(eq + 1));
  if (!key || !value || key->find(' ') != std::string::npos || value->size() > kMaxScanWordLength)
    return std::nullopt;
  return *key + " = " + *value;
}

// The dvbv5 format starts its entries with a "[group]" line; the one-line format has none.
dvb_file_formats FormatOf(std::string_view contents) {
  size_t start = 0;
  while (start < contents.size()) {
    size_t end = contents.find('\n', start);
    if (end == std::string_view::npos) end = contents.size();
    const std::string_view text = contents.substr(start, end - start);
    start = end + 1;
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos || text[first] == '#') continue;
    return text[first] == '[' ? FILE_DVBV5 : FILE_CHANNEL;
  }
  return FILE_DVBV5;
}

// The whole table as the library is given it, or the number of its first line that cannot
// be given to it.
std::variant<std::string, int> CheckedTable(std::string_view contents, dvb_file_formats format) {
  std::string checked;
  int line = 1;
  for (size_t start = 0; start <= contents.size(); ++line) {
    size_t end = contents.find('\n', start);
    if (end == std::string_view::npos) end = contents.size();
    const auto text = CheckedLine(contents.substr(start, end - start), format);
    if (!text) return line;
    checked += *text;
    checked += '\n';
    start = end + 1;
  }
  return checked;
}

// The library reads from a file name. It is given the checked table in an anonymous
// memory file, so what it parses is exactly what was checked, whatever happens to the
// file on the disk meanwhile.
std::unique_ptr<dvb_file, DvbFileFree> ParseChecked(std::string_view contents, std::string& error) {
  const int fd = memfd_create("scan-table", MFD_CLOEXEC);
  if (fd < 0) {
    error = std::strerror(errno);
    return nullptr;
  }
  if (const int failed = WriteAll(fd, contents); failed != 0) {
    error = std::strerror(failed);
    close(fd);
    return nullptr;
  }
  const std::string name = "/proc/self/fd/" + std::to_string(fd);
  std::unique_ptr<dvb_file, DvbFileFree> file(
      dvb_read_file_format(name.c_str(), SYS_UNDEFINED, FormatOf(contents)));
  close(fd);
  return file;
}

uint32_t Property(dvb_entry* entry, uint32_t command, uint32_t fallback) {
  uint32_t value = fallback;
  return dvb_retrieve_entry_prop(entry, command, &value) == 0 ? value : fallback;
}

// The library's codes of the delivery systems and polarisations a satellite list takes.
constexpr std::pair<uint32_t, ScanDelivery> kDeliveries[] = {{SYS_DVBS, ScanDelivery::DvbS},
                                                             {SYS_DVBS2, ScanDelivery::DvbS2}};
constexpr std::pair<uint32_t, ScanPolarization> kPolarizations[] = {
    {POLARIZATION_H, ScanPolarization::Horizontal},
    {POLARIZATION_V, ScanPolarization::Vertical},
    {POLARIZATION_L, ScanPolarization::CircularLeft},
    {POLARIZATION_R, ScanPolarization::CircularRight},
};

template <typename T, size_t N>
T Lookup(const std::pair<uint32_t, T> (&table)[N], uint32_t code, T fallback) {
  for (const auto& [c, value] : table)
    if (c == code) return value;
  return fallback;
}

ScanEntry EntryOf(dvb_entry* entry) {
  ScanEntry e;
  e.delivery = Lookup(kDeliveries, Property(entry, DTV_DELIVERY_SYSTEM, SYS_UNDEFINED), ScanDelivery::Other);
  if (e.delivery == ScanDelivery::Other) return e;
  e.frequencyKHz = Property(entry, DTV_FREQUENCY, 0);
  e.symbolRate = Property(entry, DTV_SYMBOL_RATE, 0);
  e.polarization =
      Lookup(kPolarizations, Property(entry, DTV_POLARIZATION, POLARIZATION_OFF), ScanPolarization::None);
  return e;
}

}  // namespace

std::optional<ScanTable> ReadScanTable(const std::string& path, std::string& error) {
  std::string contents;
  FileFailure failure;
  if (!ReadInputFile(path, contents, failure)) {
    error = WithFailure(kUnreadable, failure);
    return std::nullopt;
  }
  return ParseScanTable(contents, path, error);
}

std::optional<ScanTable> ParseScanTable(std::string_view contents, const std::string& path,
                                        std::string& error) {
  const auto checked = CheckedTable(contents, FormatOf(contents));
  if (const int* badLine = std::get_if<int>(&checked)) {
    error = Format(kNotATable, path.c_str(), *badLine, kMaxScanWordLength);
    return std::nullopt;
  }
  std::string why;
  const auto file = ParseChecked(std::get<std::string>(checked), why);
  if (!file) {
    error = why.empty() ? Format(kNoEntries, path.c_str()) : WithFailure(kUnreadable, {path, why});
    return std::nullopt;
  }
  ScanTable table;
  table.name = std::filesystem::path(path).filename().string();
  for (dvb_entry* entry = file->first_entry; entry != nullptr; entry = entry->next)
    table.entries.push_back(EntryOf(entry));
  return table;
}

}  // namespace lumoscope
