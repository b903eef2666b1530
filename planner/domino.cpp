// domino.cpp: the ring round a domino, and one backward Dijkstra search over a walled half-board.
#include "planner/domino.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "board/board.h"
#include "planner/bucket_queue.h"
#include "planner/grid.h"

namespace planner {

namespace {

constexpr int RADIUS = DominoCosts::RADIUS;
constexpr int WIDTH = static_cast<int>(DominoCosts::WIDTH);
constexpr int HEIGHT = static_cast<int>(DominoCosts::HEIGHT);
constexpr auto Index = DominoCosts::Index;

// True when the domino and the blank's slot all stand on the table's rows.
bool Valid(int rows, int cols, int orient, int slot) {
  if (!IsDominoSlot(orient, slot)) return false;
  if (rows < 0 || rows >= HEIGHT || cols < -RADIUS || cols > RADIUS) return false;
  const int rowB = rows + DIR_ROW[orient], colB = cols + DIR_COL[orient];
  if (rowB < 0 || rowB >= HEIGHT || colB < -RADIUS || colB > RADIUS) return false;
  const int whose = slot / 4, dir = slot % 4;
  const int slotRow = (whose == 0 ? rows : rowB) + DIR_ROW[dir];
  return slotRow >= 0;
}

// Moves of the blank round the ring from one slot to another, never above row 0; -1 if both
// ways are cut.
int WalkBelowWall(int rows, int orient, int from, int to) {
  const DominoRing& ring = DOMINO_RINGS[orient];
  uint32_t free = 0;
  for (int k = 0; k < 10; ++k) free |= static_cast<uint32_t>(rows + ring.row[k] >= 0) << k;
  return ShorterFreeWay(WaysRound(10, ring.slot[from], ring.slot[to]), free);
}

std::vector<uint16_t> BuildTable() {
  // The blank's walk between each two slots of a domino on row 0, on row 1, and on row 2 or
  // further, where the ring is open all round; -1 where there is none.
  int walks[3][4][DOMINO_SLOTS][DOMINO_SLOTS];
  for (int rows = 0; rows < 3; ++rows) {
    for (int orient = 0; orient < 4; ++orient) {
      for (int from = 0; from < DOMINO_SLOTS; ++from) {
        for (int to = 0; to < DOMINO_SLOTS; ++to) {
          const bool slots = from != to && IsDominoSlot(orient, from) && IsDominoSlot(orient, to);
          walks[rows][orient][from][to] = slots ? WalkBelowWall(rows, orient, from, to) : -1;
        }
      }
    }
  }
  std::vector<uint16_t> cost(static_cast<size_t>(HEIGHT) * WIDTH * 32, UINT16_MAX);
  BucketQueue queue;
  for (int slot = 0; slot < DOMINO_SLOTS; ++slot) {
    if (!IsDominoSlot(RIGHT, slot)) continue;
    cost[Index(0, 0, RIGHT, slot)] = 0;
    queue.Push(0, Index(0, 0, RIGHT, slot));
  }
  int state;
  while (queue.Pop(state, [&cost](int s, size_t value) { return cost[s] == value; })) {
    const size_t value = cost[state];
    const int slot = state % 8, orient = state / 8 % 4;
    const int cols = state / 32 % WIDTH - RADIUS, rows = state / 32 / WIDTH;
    auto relax = [&](int next, size_t step) {
      if (value + step >= cost[next]) return;
      cost[next] = static_cast<uint16_t>(value + step);
      queue.Push(value + step, next);
    };
    // A walk ends on its slot's cell, which thus lies on the table's rows.
    for (int other = 0; other < DOMINO_SLOTS; ++other) {
      const int walk = walks[std::min(rows, 2)][orient][slot][other];
      if (walk >= 0) relax(state - slot + other, walk);
    }
    // The state whose step led here: the same step from here leads back to it.
    const DominoStep back = StepInto(orient, slot);
    const int r = rows + DIR_ROW[back.move], c = cols + DIR_COL[back.move];
    if (Valid(r, c, back.orient, back.slot)) relax(Index(r, c, back.orient, back.slot), 2);
  }
  return cost;
}

}  // namespace

DominoCosts::DominoCosts(int goalOrient) : across(goalOrient != RIGHT) {
  static const std::vector<uint16_t> built = BuildTable();
  table = built.data();
}

}  // namespace planner
