#include "listview/StringPool.h"

#include <algorithm>

namespace lumoscope {

StringPool::Id StringPool::Intern(const std::string& text) {
  if (const auto found = ids_.find(text); found != ids_.end()) return found->second;
  const auto id = static_cast<Id>(strings_.size());
  strings_.push_back(text);
  ids_.emplace(strings_.back(), id);
  return id;
}

std::vector<StringPool::Id> StringPool::InternAll(const std::vector<std::string>& texts,
                                                  const std::vector<Id>* like) {
  std::vector<Id> ids;
  ids.reserve(texts.size());
  const size_t hinted = like != nullptr ? std::min(like->size(), texts.size()) : 0;
  for (size_t i = 0; i < texts.size(); ++i) {
    if (i < hinted && strings_[(*like)[i]] == texts[i])
      ids.push_back((*like)[i]);
    else
      ids.push_back(Intern(texts[i]));
  }
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
