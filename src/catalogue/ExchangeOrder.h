// The row order that the table's exchange sort produces, computed without running it.
//
// The exchange sort (for i, for j > i: swap rows i and j when row i ranks higher) puts the rows in
// ascending rank, but rows of equal rank come out in an order of its own, which users see and which
// must not change. It follows from two facts about a pass i:
//  - rows of a rank v only move while they stand before every lower-ranked row; the leading group of
//    such rows is then rotated by one (its first row moves to its end);
//  - the positions that hold lower-ranked rows lose exactly their smallest one per pass, so after
//    pass i the first lower-ranked row stands at the (i+2)-th original position of such rows.
// Hence a row of rank v joins the leading group of its rank after as many passes as there are
// lower-ranked rows before it in the input, and the group rotates once per pass until all
// lower-ranked rows are gone. Simulating only that queue per rank takes O(n log n) for realistic
// data and O(n sqrt n) at worst, instead of the sort's O(n^2) comparisons.
#pragma once

#include <vector>

namespace mcb {

// ranks[p] is the rank of the row at input position p (equal ranks are ties). Returns the input
// positions in the order the exchange sort leaves them.
std::vector<int> ExchangeSortOrder(const std::vector<int>& ranks);

// The same when the caller already has the positions ordered by rank and, within a rank, by position.
std::vector<int> ExchangeSortOrder(const std::vector<int>& ranks, const std::vector<int>& byRank);

} // namespace mcb
