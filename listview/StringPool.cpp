#include "listview/StringPool.h"

namespace lumoscope {

StringPool::Id StringPool::Intern(const std::string& text) {
  if (const auto found = ids_.find(text); found != ids_.end()) return found->second;
  const auto id = static_cast<Id>(strings_.size());
  strings_.push_back(text);
  ids_.emplace(strings_.back(), id);
  return id;
}

std::vector<StringPool::Id> StringPool::InternAll(const std::vector<std::string>& texts) {
  std::vector<Id> ids;
  ids.reserve(texts.size());
  for (const std::string& text : texts) ids.push_back(Intern(text));
  return ids;
}

std::vector<std::string> StringPool::TextsOf(const std::vector<Id>& ids) const {
  std::vector<std::string> texts;
  texts.reserve(ids.size());
  for (const Id id : ids) texts.push_back(strings_[id]);
  return texts;
}

void StringPool::Clear() {
  ids_.clear();
  strings_.clear();
}

}  // namespace lumoscope
