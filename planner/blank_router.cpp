// blank_router.cpp: A* over the free cells, the Manhattan distance to the focus as estimate.
#include "planner/blank_router.h"

#include <algorithm>
#include <cstdlib>

namespace planner {

void BlankRouter::DistancesAround(const Grid& grid, int from, int focus, int slack, int dist[4]) {
  const int n = grid.Side();
  const size_t size = static_cast<size_t>(n) * n;
  if (g.size() != size) {
    g.assign(size, 0);
    seen.assign(size, 0);
    cameFrom.assign(size, -1);
  }
  if (++stamp == 0) {
    std::fill(seen.begin(), seen.end(), 0);
    stamp = 1;
  }
  start = from;
  int side[4];
  int wanted = 0;
  for (int dir = 0; dir < 4; ++dir) {
    dist[dir] = -1;
    side[dir] = grid.Neighbour(focus, dir);
    if (side[dir] >= 0 && grid.IsLocked(side[dir])) side[dir] = -1;
    if (side[dir] >= 0) ++wanted;
  }
  const int focusRow = grid.Row(focus), focusCol = grid.Col(focus);
  auto estimate = [&](int cell) {
    return std::abs(grid.Row(cell) - focusRow) + std::abs(grid.Col(cell) - focusCol) - 1;
  };
  // Cheapest estimate on top; among equals the deeper entry, so that the search runs straight at
  // its goal instead of widening over every equally short walk.
  auto later = [](const Entry& a, const Entry& b) { return a.f != b.f ? a.f > b.f : a.g < b.g; };
  heap.clear();
  g[from] = 0;
  seen[from] = stamp;
  cameFrom[from] = -1;
  heap.push_back({estimate(from), 0, from});
  int nearest = -1;
  while (!heap.empty() && wanted > 0) {
    std::pop_heap(heap.begin(), heap.end(), later);
    const Entry entry = heap.back();
    heap.pop_back();
    if (entry.g != g[entry.cell]) continue;
    if (nearest >= 0 && entry.f > nearest + slack) break;
    for (int dir = 0; dir < 4; ++dir) {
      if (side[dir] == entry.cell && dist[dir] < 0) {
        dist[dir] = entry.g;
        if (nearest < 0) nearest = entry.g;
        --wanted;
      }
    }
    for (int dir = 0; dir < 4; ++dir) {
      const int next = grid.Neighbour(entry.cell, dir);
      if (next < 0 || next == focus || grid.IsLocked(next)) continue;
      const int cost = entry.g + 1;
      if (seen[next] == stamp && g[next] <= cost) continue;
      seen[next] = stamp;
      g[next] = cost;
      cameFrom[next] = static_cast<int8_t>(dir);
      heap.push_back({cost + estimate(next), cost, next});
      std::push_heap(heap.begin(), heap.end(), later);
    }
  }
}

void BlankRouter::PathTo(const Grid& grid, int cell, std::vector<int8_t>& dirs) const {
  dirs.clear();
  while (cell != start) {
    const int dir = cameFrom[cell];
    dirs.push_back(static_cast<int8_t>(dir));
    cell = grid.Neighbour(cell, dir ^ 1);
  }
  std::reverse(dirs.begin(), dirs.end());
}

}  // namespace planner
