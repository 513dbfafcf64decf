#include "listview/StringPool.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

#include "base/ReadAhead.h"

namespace lumoscope {

namespace {

// Bytes of one block of texts: a list's few hundred kilobytes of distinct texts take a
// handful.
constexpr size_t kBlockBytes = 64 * 1024;
constexpr size_t kFirstTableSize = 1024;
// Channel numbers run from 1 to the count of a list's channels, well below this.
constexpr size_t kCachedNumbers = 1 << 16;

// A slot of the table for a pack: its words mixed so that texts differing in any byte
// spread over the table.
size_t Spread(const PackedText& p, size_t mask) {
  uint64_t x = p.head * 0x9E3779B97F4A7C15ULL ^ p.tail * 0xC2B2AE3D27D4EB4FULL;
  x ^= x >> 31;
  x *= 0xBF58476D1CE4E5B9ULL;
  x ^= x >> 29;
  return static_cast<size_t>(x) & mask;
}

}  // namespace

std::string_view StringPool::Store(std::string_view text) {
  if (text.empty()) return {};
  if (blocks_.empty() || blockUsed_ + text.size() > blockSize_) {
    blockSize_ = std::max(kBlockBytes, text.size());
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(blockSize_));
    blockUsed_ = 0;
  }
  char* const at = blocks_.back().get() + blockUsed_;
  std::memcpy(at, text.data(), text.size());
  blockUsed_ += text.size();
  return {at, text.size()};
}

void StringPool::Grow() {
  table_.assign(std::max(kFirstTableSize, table_.size() * 2), kNoId);
  const size_t mask = table_.size() - 1;
  for (Id id = 0; id < texts_.size(); ++id) {
    size_t slot = Spread(packs_[id], mask);
    while (table_[slot] != kNoId) slot = (slot + 1) & mask;
    table_[slot] = id;
  }
}

StringPool::Id StringPool::Intern(const PackedText& packed, std::string_view text) {
  // At most half full, so that a search ends soon at a free slot.
  if ((texts_.size() + 1) * 2 > table_.size()) Grow();
  const size_t mask = table_.size() - 1;
  size_t slot = Spread(packed, mask);
  for (; table_[slot] != kNoId; slot = (slot + 1) & mask)
    if (Holds(table_[slot], packed, text)) return table_[slot];
  const auto id = static_cast<Id>(texts_.size());
  texts_.push_back(Store(text));
  packs_.push_back(packed);
  table_[slot] = id;
  return id;
}

StringPool::Id StringPool::Intern(std::string_view text) {
  return Intern(PackedText(text), text);
}

StringPool::Id StringPool::InternNumber(size_t number) {
  const bool cached = number < kCachedNumbers;
  if (cached && number < numbers_.size() && numbers_[number] != kNoId) return numbers_[number];
  std::array<char, 24> text{};
  const char* const end = std::to_chars(text.data(), text.data() + text.size(), number).ptr;
  const Id id = Intern(std::string_view(text.data(), static_cast<size_t>(end - text.data())));
  if (cached) {
    if (number >= numbers_.size()) numbers_.resize(std::min(kCachedNumbers, 2 * number + 1), kNoId);
    numbers_[number] = id;
  }
  return id;
}

std::vector<StringPool::Id> StringPool::InternAll(const std::vector<std::string>& texts,
                                                  const std::vector<Id>* like) {
  std::vector<Id> ids(texts.size());
  // An edit inserts or removes strings in one place: before it the lists match position
  // by position, after it they match counted from their ends.
  const size_t likeSize = like != nullptr ? like->size() : 0;
  const Id* const likeIds = like != nullptr ? like->data() : nullptr;
  for (size_t i = 0; i < texts.size(); ++i) {
    // The packs of neighbouring strings lie anywhere in the pool.
    if (i + 4 * kReadAhead < likeSize) ReadAhead(&packs_[likeIds[i + 4 * kReadAhead]]);
    const PackedText packed(texts[i]);
    const size_t fromEnd = likeSize + i - texts.size();  // wraps to a huge value before the start
    if (i < likeSize && Holds(likeIds[i], packed, texts[i]))
      ids[i] = likeIds[i];
    else if (fromEnd != i && fromEnd < likeSize && Holds(likeIds[fromEnd], packed, texts[i]))
      ids[i] = likeIds[fromEnd];
    else
      ids[i] = Intern(packed, texts[i]);
  }
  return ids;
}

std::vector<std::string> StringPool::TextsOf(const std::vector<Id>& ids) const {
  std::vector<std::string> texts;
  texts.reserve(ids.size());
  for (const Id id : ids) texts.emplace_back(texts_[id]);
  return texts;
}

void StringPool::Clear() {
  table_.clear();
  numbers_.clear();
  packs_.clear();
  texts_.clear();
  blocks_.clear();
  blockUsed_ = blockSize_ = 0;
}

}  // namespace lumoscope
