#pragma once
// Interned strings: each distinct text is kept once and named by a 32-bit id. The undo
// steps keep their lists as ids into one pool, so a string that many steps share costs
// each of them 4 bytes instead of a copy.
//
// A list holds some hundred thousand short texts (numbers, flags, names of up to 12
// characters), and an undo step looks each one up. So every text is also kept packed
// into two machine words (PackedText): a lookup compares two numbers, and the table of
// ids is searched without reading any text.
#include <bit>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lumoscope {

// A text as two words: up to 15 bytes whole, with its length in the top byte, so that
// equal packs mean equal texts; a longer text by a hash of its bytes and a mark, so that
// equal packs only make it worth comparing the bytes.
struct PackedText {
  static constexpr size_t kWhole = 15;

  explicit PackedText(std::string_view text) {
    const char* const p = text.data();
    const size_t n = text.size();
    if (n > kWhole) {
      head = std::hash<std::string_view>{}(text);
      tail = kLong;
      return;
    }
    // For a given length each byte lands in a fixed place of the words (two loads
    // overlap for lengths between their sizes), so the words hold the whole text.
    tail = uint64_t{n} << kLengthShift;
    if (n >= 8) {
      head = Load<uint64_t>(p);
      // Bytes 8 on, without those the head holds already: a little-endian load puts
      // the last bytes of the text in the top of the word.
      static_assert(std::endian::native == std::endian::little);
      if (n > 8) tail |= Load<uint64_t>(p + n - 8) >> (8 * (16 - n));
    } else if (n >= 4) {
      head = Load<uint32_t>(p) | Load<uint32_t>(p + n - 4) << 32;
    } else if (n > 0) {
      head = Byte(p[0]) | Byte(p[n / 2]) << 8 | Byte(p[n - 1]) << 16;
    }
  }
  bool Whole() const { return tail != kLong; }
  bool operator==(const PackedText&) const = default;

  uint64_t head = 0;
  uint64_t tail = 0;

 private:
  static constexpr int kLengthShift = 56;
  static constexpr uint64_t kLong = ~uint64_t{0};  // no whole text's length byte is 0xFF

  template <typename Word>
  static uint64_t Load(const char* p) {
    Word w;
    std::memcpy(&w, p, sizeof w);
    return w;
  }
  static uint64_t Byte(char c) { return static_cast<unsigned char>(c); }
};

class StringPool {
 public:
  using Id = std::uint32_t;

  // The id of `text`, added when it is new.
  Id Intern(std::string_view text);
  // The id of the decimal text of `number`. The renumbering after an edit writes
  // thousands of channel numbers; those the pool has seen are found by their value.
  Id InternNumber(size_t number);
  std::string_view Text(Id id) const { return texts_[id]; }

  // The ids of all `texts`. `like` (ids of a similar list, such as the previous snapshot of
  // the same list) is tried first at each position: an unchanged string then costs a
  // comparison instead of a lookup; after the place where the lists differ, it is tried
  // counted from its end as well.
  std::vector<Id> InternAll(const std::vector<std::string>& texts, const std::vector<Id>* like = nullptr);
  std::vector<std::string> TextsOf(const std::vector<Id>& ids) const;

  size_t Size() const { return texts_.size(); }
  void Clear();

 private:
  static constexpr Id kNoId = static_cast<Id>(-1);

  // Whether the text of `id` is `text`, packed as `packed`.
  bool Holds(Id id, const PackedText& packed, std::string_view text) const {
    return packs_[id] == packed && (packed.Whole() || texts_[id] == text);
  }
  Id Intern(const PackedText& packed, std::string_view text);
  // A copy of `text` that stays where it is for as long as the pool holds it.
  std::string_view Store(std::string_view text);
  void Grow();

  // Blocks of bytes, never moved once written; the last one is being filled.
  std::vector<std::unique_ptr<char[]>> blocks_;
  size_t blockSize_ = 0;  // of the last block
  size_t blockUsed_ = 0;
  // By id.
  std::vector<std::string_view> texts_;
  std::vector<PackedText> packs_;
  // Open addressing over the packs' hashes: kNoId where free, a power of two long.
  std::vector<Id> table_;
  // By value, for the numbers up to the most channels a list can hold; kNoId until seen.
  std::vector<Id> numbers_;
};

}  // namespace lumoscope
