// pair_finisher.cpp: breadth-first search over the cells of two tiles and the blank.
#include "planner/pair_finisher.h"

#include <algorithm>

namespace planner {

bool FinishPairInWindow(Grid& grid, int targetA, int targetB, const std::vector<int>& window) {
  const int size = static_cast<int>(window.size());
  if (size > 16) return false;
  auto indexOf = [&](int cell) {
    const auto at = std::find(window.begin(), window.end(), cell);
    return at == window.end() ? -1 : static_cast<int>(at - window.begin());
  };
  // Neighbours inside the window, by direction.
  std::vector<int> next(static_cast<size_t>(size) * 4, -1);
  for (int i = 0; i < size; ++i) {
    for (int dir = 0; dir < 4; ++dir) {
      const int cell = grid.Neighbour(window[i], dir);
      if (cell >= 0) next[i * 4 + dir] = indexOf(cell);
    }
  }
  const int a0 = indexOf(grid.CellOf(grid.TileFor(targetA)));
  const int b0 = indexOf(grid.CellOf(grid.TileFor(targetB)));
  const int blank0 = indexOf(grid.Blank());
  const int goalA = indexOf(targetA), goalB = indexOf(targetB);
  if (a0 < 0 || b0 < 0 || blank0 < 0 || goalA < 0 || goalB < 0) return false;

  auto encode = [size](int a, int b, int blank) { return (a * size + b) * size + blank; };
  const int states = size * size * size;
  std::vector<int> from(states, -2);
  std::vector<int8_t> how(states, -1);
  std::vector<int> queue{encode(a0, b0, blank0)};
  from[queue[0]] = -1;
  int goal = -1;
  for (size_t head = 0; head < queue.size() && goal < 0; ++head) {
    const int state = queue[head];
    const int blank = state % size, b = state / size % size, a = state / size / size;
    if (a == goalA && b == goalB) {
      goal = state;
      break;
    }
    for (int dir = 0; dir < 4; ++dir) {
      const int to = next[blank * 4 + dir];
      if (to < 0) continue;
      // The tile on the cell the blank enters moves to where the blank was.
      const int nextState = encode(a == to ? blank : a, b == to ? blank : b, to);
      if (from[nextState] != -2) continue;
      from[nextState] = state;
      how[nextState] = static_cast<int8_t>(dir);
      queue.push_back(nextState);
    }
  }
  if (goal < 0) return false;
  std::vector<int8_t> dirs;
  for (int state = goal; from[state] >= 0; state = from[state]) dirs.push_back(how[state]);
  std::reverse(dirs.begin(), dirs.end());
  grid.Walk(dirs);
  return true;
}

}  // namespace planner
