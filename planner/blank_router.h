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
  /// From start, the distance to each side cell of focus (index = direction from focus), or -1
  /// for a side off the board, locked, or more than `slack` beyond the nearest side. The walk
  /// never enters focus. PathTo then gives the walk to any side with a distance.
  void DistancesAround(const Grid& grid, int start, int focus, int slack, int dist[4]);
  /// The directions of the blank's walk from the last search's start to the cell, which that
  /// search reached.
  void PathTo(const Grid& grid, int cell, std::vector<int8_t>& dirs) const;

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
};

}  // namespace planner
