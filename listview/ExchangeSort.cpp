#include "listview/ExchangeSort.h"

#include <algorithm>
#include <deque>
#include <numeric>

namespace lumoscope {
namespace {

// Counts of records at positions, with prefix sums in a logarithm of the length.
class PositionCounts {
 public:
  explicit PositionCounts(size_t n) : tree_(n + 1, 0) {}
  void Add(size_t position) {
    for (size_t i = position + 1; i < tree_.size(); i += i & (~i + 1)) ++tree_[i];
  }
  // Records added at positions before `position`.
  int Before(size_t position) const {
    int sum = 0;
    for (size_t i = position; i > 0; i -= i & (~i + 1)) sum += tree_[i];
    return sum;
  }

 private:
  std::vector<int> tree_;
};

// Rotates left by `steps`, by whichever way round moves fewer records.
void RotateLeft(std::deque<int>& a, size_t steps) {
  if (a.size() < 2) return;
  steps %= a.size();
  if (steps <= a.size() / 2) {
    for (; steps > 0; --steps) {
      a.push_back(a.front());
      a.pop_front();
    }
  } else {
    for (steps = a.size() - steps; steps > 0; --steps) {
      a.push_front(a.back());
      a.pop_back();
    }
  }
}

}  // namespace

std::vector<int> ExchangeSortOrder(const std::vector<int>& ranks) {
  // By rank, and within a rank by position: each key's records in their first order.
  std::vector<int> byRank(ranks.size());
  std::iota(byRank.begin(), byRank.end(), 0);
  std::stable_sort(byRank.begin(), byRank.end(), [&](int a, int b) {
    return ranks[static_cast<size_t>(a)] < ranks[static_cast<size_t>(b)];
  });
  return ExchangeSortOrder(ranks, byRank);
}

std::vector<int> ExchangeSortOrder(const std::vector<int>& ranks, const std::vector<int>& byRank) {
  const size_t n = ranks.size();
  std::vector<int> order(n);
  PositionCounts smaller(n);
  std::deque<int> group;
  for (size_t first = 0; first < n;) {
    size_t last = first;
    while (last < n && ranks[static_cast<size_t>(byRank[last])] == ranks[static_cast<size_t>(byRank[first])])
      ++last;
    if (last - first == 1) {
      // A key of one record: rotations leave it as it is.
      order[first] = byRank[first];
      smaller.Add(static_cast<size_t>(byRank[first]));
      first = last;
      continue;
    }
    // The smaller records passed so far, as the key's records come one after another.
    group.clear();
    int passed = 0;
    for (size_t k = first; k < last; ++k) {
      const int before = smaller.Before(static_cast<size_t>(byRank[k]));
      RotateLeft(group, static_cast<size_t>(before - passed));
      passed = before;
      group.push_back(byRank[k]);
    }
    // Every smaller record is passed in the end: there are `first` of them.
    RotateLeft(group, first - static_cast<size_t>(passed));
    std::copy(group.begin(), group.end(), order.begin() + static_cast<long>(first));
    for (size_t k = first; k < last; ++k) smaller.Add(static_cast<size_t>(byRank[k]));
    first = last;
  }
  return order;
}

}  // namespace lumoscope
