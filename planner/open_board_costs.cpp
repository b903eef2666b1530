// open_board_costs.cpp: Dijkstra searches, backwards from the target, over tile offset and side,
// one per kind of wall.
#include "planner/open_board_costs.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "board/board.h"
#include "planner/bucket_queue.h"
#include "planner/grid.h"

namespace planner {

namespace {

constexpr int RADIUS = static_cast<int>(MAX_SIDE);
static_assert(RADIUS == 100, "LineCosts holds the radius too");
constexpr int WIDTH = 2 * RADIUS + 1;

// The walls a table knows: none; every row above the target's; and those plus the cells left
// of the target in its own row.
enum Walls { OPEN, ROWS_ABOVE, CORNER };

int Index(int rows, int cols, int dir) {
  return ((rows + RADIUS) * WIDTH + (cols + RADIUS)) * 4 + dir;
}

bool Free(Walls walls, int rows, int cols) {
  return walls == OPEN || rows > 0 || (rows == 0 && (walls == ROWS_ABOVE || cols >= 0));
}

// The tile and the blank beside it both stand on free cells.
bool Valid(Walls walls, int rows, int cols, int dir) {
  return Free(walls, rows, cols) && Free(walls, rows + DIR_ROW[dir], cols + DIR_COL[dir]);
}

// The blank's walk round the tile from one side to another: the shorter way whose cells are
// all free (on an open board 2 to a neighbouring side, 4 to the opposite one).
int Turn(Walls walls, int rows, int cols, int from, int to) {
  const int openRing = from == (to ^ 1) ? 4 : 2;
  // The free cells are those from a point on in reading order: when the ring's first cell is
  // free, so is the whole ring, as nearly everywhere.
  if (Free(walls, rows - 1, cols - 1)) return openRing;
  uint32_t free = 0;
  for (int at = 0; at < 8; ++at) {
    free |= static_cast<uint32_t>(Free(walls, rows + RING_ROW[at], cols + RING_COL[at])) << at;
  }
  const int best = ShorterFreeWay(WaysRound(8, RING_OF_SIDE[from], RING_OF_SIDE[to]), free);
  // Both ways cut: a wider walk exists or not; the open ring's count never overstates it.
  return best >= 0 ? best : openRing;
}

std::vector<uint16_t> BuildTable(Walls walls) {
  const int states = WIDTH * WIDTH * 4;
  std::vector<uint16_t> cost(states, UINT16_MAX);
  // Costs are small integers: a bucket per cost value keeps the search linear.
  BucketQueue queue;
  for (int dir = 0; dir < 4; ++dir) {
    if (!Valid(walls, 0, 0, dir)) continue;
    cost[Index(0, 0, dir)] = 0;
    queue.Push(0, Index(0, 0, dir));
  }
  int state;
  while (queue.Pop(state, [&cost](int s, size_t value) { return cost[s] == value; })) {
    const size_t value = cost[state];
    const int dir = state % 4;
    const int cols = (state / 4) % WIDTH - RADIUS;
    const int rows = (state / 4) / WIDTH - RADIUS;
    auto relax = [&](int next, size_t step) {
      if (value + step >= cost[next]) return;
      cost[next] = static_cast<uint16_t>(value + step);
      queue.Push(value + step, next);
    };
    // Backwards over a push: before it the tile stood one step towards the blank's side, with
    // the blank on the opposite side, in the cell the tile now holds.
    const int fromRows = rows + DIR_ROW[dir];
    const int fromCols = cols + DIR_COL[dir];
    if (fromRows >= -RADIUS && fromRows <= RADIUS && fromCols >= -RADIUS && fromCols <= RADIUS &&
        Valid(walls, fromRows, fromCols, dir ^ 1)) {
      relax(Index(fromRows, fromCols, dir ^ 1), 1);
    }
    for (int other = 0; other < 4; ++other) {
      if (other != dir && Valid(walls, rows, cols, other)) {
        relax(Index(rows, cols, other), Turn(walls, rows, cols, dir, other));
      }
    }
  }
  // Positions in a wall or cut off by it were never reached: they cost 0.
  for (uint16_t& value : cost) value = value == UINT16_MAX ? 0 : value;
  return cost;
}

}  // namespace

LineCosts::LineCosts(int wall, int placed) {
  static const std::vector<uint16_t> tables[] = {BuildTable(OPEN), BuildTable(ROWS_ABOVE),
                                                 BuildTable(CORNER)};
  Walls walls = OPEN;
  if (wall >= 0) {
    if (wall == LEFT) {
      // A column seen across the diagonal: rows and columns change places, and so do UP and
      // LEFT, DOWN and RIGHT.
      std::swap(rowStride, colStride);
      for (int& dir : dirOf) dir ^= 2;
      placed = placed < 0 ? placed : placed ^ 2;
    }
    if (placed == RIGHT) {
      // Placed cells after the target: the row seen in a mirror.
      (wall == LEFT ? rowStride : colStride) *= -1;
      for (int& dir : dirOf) dir = dir >= LEFT ? dir ^ 1 : dir;
    }
    walls = placed < 0 ? ROWS_ABOVE : CORNER;
  }
  centre = tables[walls].data() + Index(0, 0, 0);
}

}  // namespace planner
