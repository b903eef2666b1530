// blank_router.h: shortest walks of the blank to the cells around one cell, around obstacles.
#pragma once

#include <cstdint>
#include <vector>

#include "planner/grid.h"

namespace planner {

/// Finds shortest walks of the blank over cells that are not locked, keeping off one cell (the
/// tile it works around). Holds its working storage between searches.
class BlankRouter {
 public:
  /// The length of a shortest walk from start to target that never enters `avoid` (nor
  /// `avoid2`, when given), or -1 when there is none within `limit` moves. PathTo then gives
  /// that walk.
  int Distance(const Grid& grid, int start, int avoid, int target, int limit, int avoid2 = -1);
  /// From start, the distance to each side cell of focus (index = direction from focus), or -1
  /// for a side off the board, locked, or more than `slack` beyond the nearest side. The walk
  /// never enters focus.
  void DistancesAround(const Grid& grid, int start, int focus, int slack, int dist[4]);
  /// The directions of the walk that the last call of Distance found.
  void PathTo(const Grid& grid, std::vector<int8_t>& dirs) const;

 private:
  struct Entry {
    int f;
    int g;
    int cell;
  };
  std::vector<int> g;
  std::vector<uint32_t> seen;
  std::vector<int8_t> cameFrom;
  std::vector<Entry> heap;
  uint32_t stamp = 0;
  int start = -1;
  int reached = -1;
};

}  // namespace planner
