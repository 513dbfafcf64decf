#include "listview/StringPool.h"

#include <algorithm>

namespace lumoscope {

namespace {

// The value of a channel number as the renumbering writes it (decimal, no leading zero),
// or -1 for any other text.
long ChannelNumber(const std::string& text) {
  constexpr size_t kMaxDigits = 5;
  if (text.empty() || text.size() > kMaxDigits || (text[0] == '0' && text.size() > 1)) return -1;
  long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

StringPool::Id StringPool::Intern(const std::string& text) {
  // Channel numbers change with every renumbering; they are found without hashing.
  const long number = ChannelNumber(text);
  if (number >= 0 && static_cast<size_t>(number) < numbers_.size() &&
      numbers_[static_cast<size_t>(number)] != kNone)
    return numbers_[static_cast<size_t>(number)];
  Id id;
  if (const auto found = ids_.find(text); found != ids_.end()) {
    id = found->second;
  } else {
    id = static_cast<Id>(strings_.size());
    strings_.push_back(text);
    ids_.emplace(strings_.back(), id);
  }
  if (number >= 0) {
    if (static_cast<size_t>(number) >= numbers_.size())
      numbers_.resize(static_cast<size_t>(number) + 1, kNone);
    numbers_[static_cast<size_t>(number)] = id;
  }
  return id;
}

std::vector<StringPool::Id> StringPool::InternAll(const std::vector<std::string>& texts,
                                                  const std::vector<Id>* like) {
  std::vector<Id> ids;
  ids.reserve(texts.size());
  // An edit inserts or removes strings in one place: before it the lists match position
  // by position, after it they match counted from their ends.
  const size_t likeSize = like != nullptr ? like->size() : 0;
  const auto matches = [&](size_t at, const std::string& text) {
    return at < likeSize && strings_[(*like)[at]] == text;
  };
  for (size_t i = 0; i < texts.size(); ++i) {
    const size_t fromEnd = likeSize + i - texts.size();  // wraps to a huge value before the start
    if (matches(i, texts[i])) {
      ids.push_back((*like)[i]);
    } else if (fromEnd != i && matches(fromEnd, texts[i])) {
      ids.push_back((*like)[fromEnd]);
    } else {
      ids.push_back(Intern(texts[i]));
    }
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
  numbers_.clear();
  strings_.clear();
}

}  // namespace lumoscope
