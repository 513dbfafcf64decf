#pragma once
// A reader of INI-like text in groups, as the Linux DVB tools write their scan tables and
// channel files:
//
//   # a comment
//   [GROUP NAME]
//       KEY = VALUE
//
// Every group and every value keeps the number of its line, so whoever interprets the
// values can say where one is wrong. Such files come from outside and are untrusted: the
// text, its lines, keys and values, the values of a group and the number of groups are
// bounded, a key given twice in one group is refused, and what is kept grows in
// proportion to the text (views into it: the caller keeps the text alive).
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumoscope {

struct KeyValueLimits {
  size_t maxBytes = 1024 * 1024;
  size_t maxLineLength = 256;  // characters before the line end
  size_t maxKeyLength = 32;
  size_t maxValueLength = 128;
  size_t maxValuesPerGroup = 64;
  size_t maxGroups = 5000;
};

struct KeyValue {
  std::string_view key;    // letters, digits and "_"
  std::string_view value;  // without the blanks around it; may hold blanks inside
  int line = 0;
};

struct KeyValueGroup {
  std::string_view name;  // between the brackets, without the blanks around it
  int line = 0;
  std::vector<KeyValue> values;

  // The value of `key` (compared exactly), or null.
  const KeyValue* Find(std::string_view key) const;
};

// Why a text was refused: the line (0 for the text as a whole) and what is wrong with it,
// worded to follow "line N" ("gives FREQUENCY a second time (first on line 4)").
struct KeyValueError {
  int line = 0;
  std::string reason;
};

// Lines end at LF (a CR before it is dropped). Blank lines and lines whose first
// character after blanks is "#" are comments; "[NAME]" opens a group; "KEY = VALUE"
// belongs to the group above it. Anything else, or any bound passed, refuses the text:
// false with `error` set, and `groups` then holds nothing.
bool ReadKeyValueGroups(std::string_view text, const KeyValueLimits& limits,
                        std::vector<KeyValueGroup>& groups, KeyValueError& error);

// The lines of a text as the reader above splits them: `line` (without its line end) and
// its number, until `visit` returns false. The last line may lack its line end.
template <typename Visit>
void ForEachTextLine(std::string_view text, Visit&& visit) {
  int number = 0;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    const size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!visit(line, ++number)) return;
    start = next;
  }
}

// `text` without the blanks and tabs at either end.
std::string_view TrimBlanks(std::string_view text);

}  // namespace lumoscope
