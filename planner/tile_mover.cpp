// tile_mover.cpp: the (tile cell, blank side) search and the moves it stands for.
#include "planner/tile_mover.h"

#include <algorithm>

#include "planner/open_board_costs.h"

namespace planner {

namespace {

// The eight cells round a tile, clockwise from the one above it.
constexpr int RING_ROW[] = {-1, -1, 0, 1, 1, 1, 0, -1};
constexpr int RING_COL[] = {0, 1, 1, 1, 0, -1, -1, -1};
// Ring position of each side: UP, DOWN, LEFT, RIGHT.
constexpr int RING_OF_SIDE[] = {0, 4, 6, 2};
// The slack beyond the nearest side up to which the blank's first walk looks for the others:
// past it, walking round the tile is never dearer on an open board.
constexpr int APPROACH_SLACK = 0;
constexpr int NO_LIMIT = 1 << 30;

bool FreeCell(const Grid& grid, int row, int col) {
  const int n = grid.Side();
  return row >= 0 && col >= 0 && row < n && col < n && !grid.IsLocked(grid.CellAt(row, col));
}

int DirBetween(const Grid& grid, int from, int to) {
  if (to == from - grid.Side()) return UP;
  if (to == from + grid.Side()) return DOWN;
  return to == from - 1 ? LEFT : RIGHT;
}

}  // namespace

int TileMover::Turn(const Grid& grid, int cell, int from, int to, std::vector<int8_t>* dirs) {
  const int row = grid.Row(cell), col = grid.Col(cell);
  const int a = RING_OF_SIDE[from], b = RING_OF_SIDE[to];
  // Both ways round the ring; the shorter free one, clockwise first among equals.
  // When the walk itself is wanted, equally short ways are told apart by the tiles they push.
  int best = -1, bestStep = 0, bestPushes = 0;
  for (const int step : {1, 7}) {
    const int length = step == 1 ? (b - a + 8) % 8 : (a - b + 8) % 8;
    bool free = true;
    int pushes = 0;
    int previous = grid.Neighbour(cell, from);
    for (int k = 1; k <= length && free; ++k) {
      const int at = (a + step * k) % 8;
      free = FreeCell(grid, row + RING_ROW[at], col + RING_COL[at]);
      if (free && dirs) {
        const int next = grid.CellAt(row + RING_ROW[at], col + RING_COL[at]);
        pushes += DisplacementCost(grid, next, previous);
        previous = next;
      }
    }
    if (free && (best < 0 || length < best || (length == best && pushes < bestPushes))) {
      best = length;
      bestStep = step;
      bestPushes = pushes;
    }
  }
  if (best >= 0) {
    if (dirs) {
      dirs->clear();
      int previous = grid.Neighbour(cell, from);
      for (int k = 1; k <= best; ++k) {
        const int at = (a + bestStep * k) % 8;
        const int next = grid.CellAt(row + RING_ROW[at], col + RING_COL[at]);
        dirs->push_back(static_cast<int8_t>(DirBetween(grid, previous, next)));
        previous = next;
      }
    }
    return best;
  }
  // The ring is cut on both ways: a wider walk round the walls.
  const int length =
      router.Distance(grid, grid.Neighbour(cell, from), cell, grid.Neighbour(cell, to), NO_LIMIT);
  if (length >= 0 && dirs) router.PathTo(*dirs);
  return length;
}

int TileMover::Search(const Grid& grid, int tile, int target) {
  const int n = grid.Side();
  const size_t states = static_cast<size_t>(n) * n * 4;
  if (g.size() != states) {
    g.assign(states, 0);
    parent.assign(states, -1);
    seen.assign(states, 0);
  }
  if (++stamp == 0) {
    std::fill(seen.begin(), seen.end(), 0);
    stamp = 1;
  }
  const int targetRow = grid.Row(target), targetCol = grid.Col(target);
  auto estimate = [&](int cell, int side) {
    return OpenBoardCost(grid.Row(cell) - targetRow, grid.Col(cell) - targetCol, side);
  };
  auto later = [](const Entry& a, const Entry& b) { return a.f != b.f ? a.f > b.f : a.g < b.g; };
  heap.clear();
  auto reach = [&](int state, int cost, int from) {
    if (seen[state] == stamp && g[state] <= cost) return;
    seen[state] = stamp;
    g[state] = cost;
    parent[state] = from;
    heap.push_back({cost + estimate(state / 4, state % 4), cost, state});
    std::push_heap(heap.begin(), heap.end(), later);
  };

  const int start = grid.CellOf(tile);
  int dist[4];
  router.DistancesAround(grid, grid.Blank(), start, APPROACH_SLACK, dist);
  for (int side = 0; side < 4; ++side) {
    if (dist[side] >= 0) reach(start * 4 + side, dist[side], -1);
  }
  while (!heap.empty()) {
    std::pop_heap(heap.begin(), heap.end(), later);
    const Entry entry = heap.back();
    heap.pop_back();
    if (entry.g != g[entry.state]) continue;
    const int cell = entry.state / 4, side = entry.state % 4;
    if (cell == target) return entry.state;
    const int blankCell = grid.Neighbour(cell, side);
    reach(blankCell * 4 + (side ^ 1), entry.g + 1, entry.state);
    for (int other = 0; other < 4; ++other) {
      if (other == side) continue;
      const int otherCell = grid.Neighbour(cell, other);
      if (otherCell < 0 || grid.IsLocked(otherCell)) continue;
      const int turn = Turn(grid, cell, side, other, nullptr);
      if (turn >= 0) reach(cell * 4 + other, entry.g + turn, entry.state);
    }
  }
  return -1;
}

int TileMover::Cost(const Grid& grid, int tile, int target) {
  if (grid.CellOf(tile) == target) return 0;
  const int goal = Search(grid, tile, target);
  return goal < 0 ? -1 : g[goal];
}

bool TileMover::MoveTile(Grid& grid, int tile, int target) {
  if (grid.CellOf(tile) == target) return true;
  const int goal = Search(grid, tile, target);
  if (goal < 0) return false;
  chain.clear();
  for (int state = goal; state >= 0; state = parent[state]) chain.push_back(state);
  std::reverse(chain.begin(), chain.end());

  const int start = chain.front() / 4;
  router.Distance(grid, grid.Blank(), start, grid.Neighbour(start, chain.front() % 4), NO_LIMIT);
  router.PathTo(walk);
  for (const int8_t dir : walk) grid.Move(dir);
  for (size_t i = 1; i < chain.size(); ++i) {
    const int cell = chain[i - 1] / 4, side = chain[i - 1] % 4;
    if (chain[i] / 4 != cell) {
      grid.Move(side ^ 1);
    } else {
      Turn(grid, cell, side, chain[i] % 4, &walk);
      for (const int8_t dir : walk) grid.Move(dir);
    }
  }
  return true;
}

}  // namespace planner
