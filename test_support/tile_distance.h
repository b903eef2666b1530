// tile_distance.h: an independent breadth-first search that the planner's tests compare with.
#pragma once

#include <deque>
#include <vector>

#include "planner/grid.h"

namespace planner_test {

/// Fewest moves that bring the tile at `tile` to `target` over unlocked cells, every other tile
/// free to go anywhere: breadth-first over (tile cell, blank cell).
inline int BfsTileDistance(const planner::Grid& grid, int tile, int blank, int target) {
  const int cells = grid.Side() * grid.Side();
  std::vector<int> dist(static_cast<size_t>(cells) * cells, -1);
  std::deque<int> open{tile * cells + blank};
  dist[open.front()] = 0;
  while (!open.empty()) {
    const int state = open.front();
    open.pop_front();
    const int at = state / cells, hole = state % cells;
    if (at == target) return dist[state];
    for (int dir = 0; dir < 4; ++dir) {
      const int next = grid.Neighbour(hole, dir);
      if (next < 0 || grid.IsLocked(next)) continue;
      const int nextState = (next == at ? hole : at) * cells + next;
      if (dist[nextState] >= 0) continue;
      dist[nextState] = dist[state] + 1;
      open.push_back(nextState);
    }
  }
  return -1;
}

}  // namespace planner_test
