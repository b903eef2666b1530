// open_board_costs.cpp: one Dijkstra search, backwards from the target, over tile offset and side.
#include "planner/open_board_costs.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "board/board.h"
#include "planner/grid.h"

namespace planner {

namespace {

constexpr int RADIUS = static_cast<int>(MAX_SIDE);
constexpr int WIDTH = 2 * RADIUS + 1;

int Index(int rows, int cols, int dir) {
  return ((rows + RADIUS) * WIDTH + (cols + RADIUS)) * 4 + dir;
}

// With `wall`, every row above the target's is wall: no tile or blank stands there.
bool Valid(bool wall, int rows, int dir) {
  return !wall || (rows >= 0 && rows + DIR_ROW[dir] >= 0);
}

std::vector<uint16_t> BuildTable(bool wall) {
  const int states = WIDTH * WIDTH * 4;
  std::vector<uint16_t> cost(states, UINT16_MAX);
  // Costs are small integers: a bucket per cost value keeps the search linear.
  std::vector<std::vector<int>> buckets(1);
  for (int dir = 0; dir < 4; ++dir) {
    if (!Valid(wall, 0, dir)) continue;
    cost[Index(0, 0, dir)] = 0;
    buckets[0].push_back(Index(0, 0, dir));
  }
  for (size_t value = 0; value < buckets.size(); ++value) {
    for (size_t i = 0; i < buckets[value].size(); ++i) {
      const int state = buckets[value][i];
      if (cost[state] != value) continue;
      const int dir = state % 4;
      const int cols = (state / 4) % WIDTH - RADIUS;
      const int rows = (state / 4) / WIDTH - RADIUS;
      auto relax = [&](int next, size_t step) {
        if (value + step >= cost[next]) return;
        cost[next] = static_cast<uint16_t>(value + step);
        if (buckets.size() <= value + step) buckets.resize(value + step + 1);
        buckets[value + step].push_back(next);
      };
      // Backwards over a push: before it the tile stood one step towards the blank's side, with
      // the blank on the opposite side, in the cell the tile now holds.
      const int fromRows = rows + DIR_ROW[dir];
      const int fromCols = cols + DIR_COL[dir];
      if (fromRows >= -RADIUS && fromRows <= RADIUS && fromCols >= -RADIUS && fromCols <= RADIUS &&
          Valid(wall, fromRows, dir ^ 1)) {
        relax(Index(fromRows, fromCols, dir ^ 1), 1);
      }
      // The blank walks round the tile: two moves to a neighbouring side, four to the opposite
      // (also along the wall, where only the way below the tile is open).
      for (int other = 0; other < 4; ++other) {
        if (other != dir && Valid(wall, rows, other))
          relax(Index(rows, cols, other), other == (dir ^ 1) ? 4 : 2);
      }
    }
  }
  return cost;
}

}  // namespace

int OpenBoardCost(int rows, int cols, int dir) {
  static const std::vector<uint16_t> table = BuildTable(false);
  return table[Index(rows, cols, dir)];
}

int LineTileCost(int rows, int cols, int dir, int wall) {
  static const std::vector<uint16_t> table = BuildTable(true);
  if (wall == LEFT) {
    // A column seen across the diagonal: rows and columns change places, and so do UP and LEFT,
    // DOWN and RIGHT.
    std::swap(rows, cols);
    dir ^= 2;
  }
  if (rows < 0 || (rows == 0 && dir == UP)) return 0;
  const uint16_t cost = table[Index(rows, cols, dir)];
  return cost == UINT16_MAX ? 0 : cost;
}

}  // namespace planner
