#include "listview/FieldsPatch.h"

#include <algorithm>
#include <iterator>

namespace lumoscope {

std::vector<FieldsSplice> PatchFields(std::vector<std::string>& fields,
                                      const std::vector<StringPool::Id>& from,
                                      const std::vector<StringPool::Id>& to, const StringPool& pool) {
  const size_t n = from.size();
  const size_t m = to.size();
  const size_t inserted = m > n ? m - n : 0;
  const size_t removed = n > m ? n - m : 0;
  const size_t common = std::min(n, m);
  // Before the splice at x the lists are compared position by position, after it
  // counted from their ends; x is where the fewest strings differ: those that differ
  // before x by position, and those that differ from x on by the ends.
  const StringPool::Id* a = from.data();
  const StringPool::Id* b = to.data();
  size_t differByEnds = 0;
  for (size_t j = 0; j < common; ++j) differByEnds += a[j + removed] != b[j + inserted] ? 1 : 0;
  size_t splice = 0;
  size_t best = differByEnds;
  size_t differBefore = 0;  // by position, before x
  size_t endsBefore = 0;    // by the ends, before x
  for (size_t x = 1; x <= common; ++x) {
    differBefore += a[x - 1] != b[x - 1] ? 1 : 0;
    endsBefore += a[x - 1 + removed] != b[x - 1 + inserted] ? 1 : 0;
    const size_t differ = differBefore + differByEnds - endsBefore;
    if (differ < best) {
      best = differ;
      splice = x;
    }
  }

  std::vector<FieldsSplice> splices;
  for (size_t j = 0; j < splice; ++j) {
    if (from[j] == to[j]) continue;
    fields[j] = pool.Text(to[j]);
    splices.push_back({j, 1, 1});
  }
  if (removed > 0 || inserted > 0) splices.push_back({splice, removed, inserted});
  for (size_t j = splice; j < common; ++j) {
    if (from[j + removed] == to[j + inserted]) continue;
    fields[j + removed] = pool.Text(to[j + inserted]);
    splices.push_back({j + removed, 1, 1});
  }
  const auto at = fields.begin() + static_cast<std::ptrdiff_t>(splice);
  if (removed > 0) fields.erase(at, at + static_cast<std::ptrdiff_t>(removed));
  if (inserted > 0) {
    std::vector<std::string> texts;
    texts.reserve(inserted);
    for (size_t j = splice; j < splice + inserted; ++j) texts.emplace_back(pool.Text(to[j]));
    fields.insert(fields.begin() + static_cast<std::ptrdiff_t>(splice),
                  std::make_move_iterator(texts.begin()), std::make_move_iterator(texts.end()));
  }
  return splices;
}

}  // namespace lumoscope
