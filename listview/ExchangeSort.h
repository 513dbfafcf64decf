#pragma once
// The order the receiver's exchange sort gives. The sort compares record i with every
// later record j and exchanges the two when j must come first; records that compare
// equal are never exchanged. Channel numbers on existing receivers follow the order it
// leaves records of equal keys in, so that order is kept exactly; the work, though, is
// that of an ordinary sort plus a little per group of equal keys.
//
// Why it works: a pass of the exchange sort carries the smallest record seen so far and
// drops it where it picks up a smaller one, so each record it drops jumps right over the
// records up to the next smaller one. Equal records can only change their order when one
// jumps over another, and the records of one key value only ever jump relative to the
// records smaller than them. Seen from the records of one key (V) among the smaller
// ones (S) alone, the whole sort reduces to: A := the V before the first S; for each
// later S in turn, A := A rotated left by one, then the V that follow that S appended.
// A is then the final order of that key's records.
#include <vector>

namespace lumoscope {

// `ranks[i]` orders record i: a smaller rank must come first, equal ranks compare
// equal. Gives the records in the order the exchange sort leaves them: element k is the
// record that ends at position k.
std::vector<int> ExchangeSortOrder(const std::vector<int>& ranks);

// The same for a caller that has the records by rank already: `byRank` holds every
// record number, ordered by rank and, within a rank, by record number.
std::vector<int> ExchangeSortOrder(const std::vector<int>& ranks, const std::vector<int>& byRank);

}  // namespace lumoscope
