#include "base/KeyValueGroups.h"

#include <algorithm>

#include "base/Reporter.h"

namespace lumoscope {

namespace {

bool IsKeyCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

class GroupReader {
 public:
  GroupReader(const KeyValueLimits& limits, std::vector<KeyValueGroup>& groups, KeyValueError& error)
      : limits_(limits), groups_(groups), error_(error) {}

  // One line; false (with the error set) when it is refused.
  bool Line(std::string_view line, int number);

 private:
  bool Refuse(int number, std::string reason) {
    error_ = {number, std::move(reason)};
    return false;
  }
  bool Group(std::string_view text, int number);
  bool Value(std::string_view text, size_t equals, int number);

  const KeyValueLimits& limits_;
  std::vector<KeyValueGroup>& groups_;
  KeyValueError& error_;
};

bool GroupReader::Line(std::string_view line, int number) {
  if (line.size() > limits_.maxLineLength)
    return Refuse(number, Format("is longer than %zu characters", limits_.maxLineLength));
  if (line.find('\0') != std::string_view::npos) return Refuse(number, "holds a zero byte");
  const std::string_view text = TrimBlanks(line);
  if (text.empty() || text[0] == '#') return true;
  if (text[0] == '[') return Group(text, number);
  const size_t equals = text.find('=');
  if (equals == std::string_view::npos)
    return Refuse(number, "is neither a [group], a KEY = VALUE line nor a # comment");
  return Value(text, equals, number);
}

bool GroupReader::Group(std::string_view text, int number) {
  if (text.back() != ']') return Refuse(number, "opens a group without its closing \"]\"");
  if (groups_.size() >= limits_.maxGroups)
    return Refuse(number, Format("opens more than the %zu groups a file may have", limits_.maxGroups));
  KeyValueGroup& group = groups_.emplace_back();
  group.name = TrimBlanks(text.substr(1, text.size() - 2));
  group.line = number;
  return true;
}

bool GroupReader::Value(std::string_view text, size_t equals, int number) {
  const std::string_view key = TrimBlanks(text.substr(0, equals));
  const std::string_view value = TrimBlanks(text.substr(equals + 1));
  if (key.empty() || key.size() > limits_.maxKeyLength ||
      !std::all_of(key.begin(), key.end(), IsKeyCharacter))
    return Refuse(number, Format("has a key that is not a word of at most %zu letters, digits and \"_\"",
                                 limits_.maxKeyLength));
  const std::string keyText(key);
  if (value.size() > limits_.maxValueLength)
    return Refuse(number, Format("gives %s a value longer than %zu characters", keyText.c_str(),
                                 limits_.maxValueLength));
  if (groups_.empty()) return Refuse(number, Format("gives %s before the first [group]", keyText.c_str()));
  KeyValueGroup& group = groups_.back();
  if (const KeyValue* first = group.Find(key))
    return Refuse(number, Format("gives %s a second time in its group (first on line %d)", keyText.c_str(),
                                 first->line));
  if (group.values.size() >= limits_.maxValuesPerGroup)
    return Refuse(number, Format("gives its group more than %zu values", limits_.maxValuesPerGroup));
  group.values.push_back({key, value, number});
  return true;
}

}  // namespace

const KeyValue* KeyValueGroup::Find(std::string_view key) const {
  for (const KeyValue& v : values)
    if (v.key == key) return &v;
  return nullptr;
}

std::string_view TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool ReadKeyValueGroups(std::string_view text, const KeyValueLimits& limits,
                        std::vector<KeyValueGroup>& groups, KeyValueError& error) {
  groups.clear();
  if (text.size() > limits.maxBytes) {
    error = {0,
             Format("is %zu bytes long, more than the %zu bytes it may have", text.size(), limits.maxBytes)};
    return false;
  }
  GroupReader reader(limits, groups, error);
  bool ok = true;
  ForEachTextLine(text, [&](std::string_view line, int number) { return ok = reader.Line(line, number); });
  if (!ok) groups.clear();
  return ok;
}

}  // namespace lumoscope
