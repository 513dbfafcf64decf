#pragma once
// Interned strings: each distinct text is kept once and named by a 32-bit id. The undo
// steps keep their lists as ids into one pool, so a string that many steps share costs
// each of them 4 bytes instead of a copy.
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lumoscope {

class StringPool {
 public:
  using Id = std::uint32_t;

  // The id of `text`, added when it is new.
  Id Intern(const std::string& text);
  const std::string& Text(Id id) const { return strings_[id]; }

  // The ids of all `texts`. `like` (ids of a similar list, such as the previous snapshot of
  // the same list) is tried first at each position: an unchanged string then costs a
  // comparison instead of a hash lookup; after the place where the lists differ, it is
  // tried counted from its end as well.
  std::vector<Id> InternAll(const std::vector<std::string>& texts, const std::vector<Id>* like = nullptr);
  std::vector<std::string> TextsOf(const std::vector<Id>& ids) const;

  size_t Size() const { return strings_.size(); }
  void Clear();

 private:
  // A deque never moves its elements, so the views into them stay valid as it grows.
  std::deque<std::string> strings_;
  std::unordered_map<std::string_view, Id> ids_;
  // The ids of channel numbers ("1", "2", ...) by their value; kNone where none is known.
  static constexpr Id kNone = static_cast<Id>(-1);
  std::vector<Id> numbers_;
};

}  // namespace lumoscope
