// lower_bound.cpp: linear conflicts through the longest increasing subsequence of each line.
#include "study/lower_bound.h"

#include <algorithm>
#include <vector>

// The conflicts: twice, over every row and column, the tiles in their goal line less the longest
// run of them already in goal order; tiles outside 1 ... n^2-1 are left out.
std::uint64_t LowerBound(const Board& board) {
  const unsigned n = board.n;
  std::uint64_t bound = board.ManhattanDistance();
  if (board.tiles.size() != static_cast<size_t>(n) * n) return bound;
  // The longest strictly increasing run by patience sorting: ends[k] is the smallest last value
  // of an increasing run of k + 1 values seen so far.
  std::vector<unsigned> ends;
  for (const bool rows : {true, false}) {
    for (unsigned k = 0; k < n; ++k) {
      // The goal positions along the line of the tiles whose goal is in this line, in the
      // order in which they stand, and how many there are.
      ends.clear();
      unsigned inLine = 0;
      for (unsigned along = 0; along < n; ++along) {
        const int t = board.tiles[rows ? k * n + along : along * n + k];
        if (t <= 0 || static_cast<unsigned>(t) >= n * n) continue;
        const unsigned goal = static_cast<unsigned>(t) - 1;
        if ((rows ? goal / n : goal % n) != k) continue;
        const unsigned value = rows ? goal % n : goal / n;
        const auto place = std::lower_bound(ends.begin(), ends.end(), value);
        if (place == ends.end()) {
          ends.push_back(value);
        } else {
          *place = value;
        }
        ++inLine;
      }
      bound += 2 * (inLine - static_cast<unsigned>(ends.size()));
    }
  }
  return bound;
}
