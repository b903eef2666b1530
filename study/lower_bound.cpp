// lower_bound.cpp: linear conflicts through the longest increasing subsequence of each line.
#include "study/lower_bound.h"

#include <algorithm>
#include <vector>

namespace {

// Length of the longest strictly increasing subsequence, by patience sorting: ends[k] is the
// smallest last value of an increasing run of k + 1 values seen so far.
size_t LongestIncreasingRun(const std::vector<unsigned>& values, std::vector<unsigned>& ends) {
  ends.clear();
  for (const unsigned value : values) {
    const auto place = std::lower_bound(ends.begin(), ends.end(), value);
    if (place == ends.end()) {
      ends.push_back(value);
    } else {
      *place = value;
    }
  }
  return ends.size();
}

// Twice, over every row and column, the tiles in their goal line less the longest run of them
// already in goal order; tiles outside 1 ... n^2-1 are left out.
unsigned LinearConflicts(const Board& board) {
  const unsigned n = board.n;
  if (board.tiles.size() != static_cast<size_t>(n) * n) return 0;
  std::vector<unsigned> line, ends;
  unsigned conflicts = 0;
  for (const bool rows : {true, false}) {
    for (unsigned k = 0; k < n; ++k) {
      // The goal positions along the line of the tiles whose goal is in this line, in the
      // order in which they stand.
      line.clear();
      for (unsigned along = 0; along < n; ++along) {
        const int t = board.tiles[rows ? k * n + along : along * n + k];
        if (t <= 0 || static_cast<unsigned>(t) >= n * n) continue;
        const unsigned goal = static_cast<unsigned>(t) - 1;
        if ((rows ? goal / n : goal % n) == k) line.push_back(rows ? goal % n : goal / n);
      }
      conflicts += 2 * static_cast<unsigned>(line.size() - LongestIncreasingRun(line, ends));
    }
  }
  return conflicts;
}

}  // namespace

unsigned LowerBound(const Board& board) {
  return board.ManhattanDistance() + LinearConflicts(board);
}
