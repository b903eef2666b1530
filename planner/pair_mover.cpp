// pair_mover.cpp: the domino search and the moves it stands for.
#include "planner/pair_mover.h"

#include <algorithm>
#include <cstdlib>

#include "planner/domino.h"

namespace planner {

namespace {

constexpr int NO_LIMIT = 1 << 30;
constexpr int APPROACH_SLACK = 2;

int DirBetween(const Grid& grid, int from, int to) {
  if (to == from - grid.Side()) return UP;
  if (to == from + grid.Side()) return DOWN;
  return to == from - 1 ? LEFT : RIGHT;
}

// State layout: ((cell of A * 4 + B's direction) * 8 + slot).
int StateOf(int cellA, int orient, int slot) {
  return (cellA * 4 + orient) * DOMINO_SLOTS + slot;
}

}  // namespace

int PairMover::SlotCell(const Grid& grid, int cellA, int orient, int slot) const {
  const int whose = slot / 4, dir = slot % 4;
  const int base = whose == 0 ? cellA : grid.Neighbour(cellA, orient);
  return base < 0 ? -1 : grid.Neighbour(base, dir);
}

int PairMover::Walk(const Grid& grid, int cellA, int orient, int from, int to,
                    std::vector<int8_t>* dirs) {
  const int n = grid.Side();
  const int row = grid.Row(cellA), col = grid.Col(cellA);
  const DominoRing& ring = RingOf(orient);
  const int a = RingIndex(orient, from), b = RingIndex(orient, to);
  auto freeAt = [&](int k) {
    const int r = row + ring.row[k], c = col + ring.col[k];
    return r >= 0 && c >= 0 && r < n && c < n && !grid.IsLocked(grid.CellAt(r, c));
  };
  // When the walk itself is wanted, equally short ways are told apart by the tiles they push.
  int best = -1, bestStep = 0, bestPushes = 0;
  for (const int step : {1, 9}) {
    const int length = step == 1 ? (b - a + 10) % 10 : (a - b + 10) % 10;
    bool free = true;
    int pushes = 0;
    int previous = SlotCell(grid, cellA, orient, from);
    for (int k = 1; k <= length && free; ++k) {
      const int at = (a + step * k) % 10;
      free = freeAt(at);
      if (free && dirs) {
        const int next = grid.CellAt(row + ring.row[at], col + ring.col[at]);
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
      int previous = SlotCell(grid, cellA, orient, from);
      for (int k = 1; k <= best; ++k) {
        const int at = (a + bestStep * k) % 10;
        const int next = grid.CellAt(row + ring.row[at], col + ring.col[at]);
        dirs->push_back(static_cast<int8_t>(DirBetween(grid, previous, next)));
        previous = next;
      }
    }
    return best;
  }
  const int length =
      router.Distance(grid, SlotCell(grid, cellA, orient, from), cellA,
                      SlotCell(grid, cellA, orient, to), NO_LIMIT, grid.Neighbour(cellA, orient));
  if (length >= 0 && dirs) router.PathTo(*dirs);
  return length;
}

bool PairMover::MovePair(Grid& grid, int tileA, int tileB, int targetA, int goalOrient) {
  const int n = grid.Side();
  const int startA = grid.CellOf(tileA), startB = grid.CellOf(tileB);
  int startOrient = -1;
  for (int dir = 0; dir < 4; ++dir) {
    if (grid.Neighbour(startA, dir) == startB) startOrient = dir;
  }
  if (startOrient < 0) return false;
  const size_t states = static_cast<size_t>(n) * n * 4 * DOMINO_SLOTS;
  if (g.size() != states) {
    g.assign(states, 0);
    parent.assign(states, -1);
    seen.assign(states, 0);
  }
  if (++stamp == 0) {
    std::fill(seen.begin(), seen.end(), 0);
    stamp = 1;
  }
  const int targetRow = grid.Row(targetA), targetCol = grid.Col(targetA);
  auto later = [](const Entry& x, const Entry& y) { return x.f != y.f ? x.f > y.f : x.g < y.g; };
  heap.clear();
  auto reach = [&](int state, int cost, int from) {
    if (seen[state] == stamp && g[state] <= cost) return;
    seen[state] = stamp;
    g[state] = cost;
    parent[state] = from;
    const int cellA = state / (4 * DOMINO_SLOTS);
    const int estimate = DominoCost(grid.Row(cellA) - targetRow, grid.Col(cellA) - targetCol,
                                    state / DOMINO_SLOTS % 4, state % DOMINO_SLOTS, goalOrient);
    heap.push_back({cost + estimate + estimate / 8, cost, state});
    std::push_heap(heap.begin(), heap.end(), later);
  };
  // The blank may start anywhere: a walk to each slot, round both tiles, nearest slots first;
  // a slot whose Manhattan distance is beyond the nearest walk plus APPROACH_SLACK is left to
  // the walks round the domino, which on an open board cost no more.
  int order[DOMINO_SLOTS], bound[DOMINO_SLOTS];
  for (int slot = 0; slot < DOMINO_SLOTS; ++slot) {
    order[slot] = slot;
    bound[slot] = -1;
    if (!IsDominoSlot(startOrient, slot)) continue;
    const int cell = SlotCell(grid, startA, startOrient, slot);
    if (cell < 0 || grid.IsLocked(cell)) continue;
    bound[slot] = std::abs(grid.Row(cell) - grid.Row(grid.Blank())) +
                  std::abs(grid.Col(cell) - grid.Col(grid.Blank()));
  }
  std::sort(order, order + DOMINO_SLOTS, [&](int x, int y) { return bound[x] < bound[y]; });
  int nearest = -1;
  for (const int slot : order) {
    if (bound[slot] < 0 || (nearest >= 0 && bound[slot] > nearest + APPROACH_SLACK)) continue;
    const int cell = SlotCell(grid, startA, startOrient, slot);
    const int dist = router.Distance(grid, grid.Blank(), startA, cell, NO_LIMIT, startB);
    if (dist < 0) continue;
    if (nearest < 0 || dist < nearest) nearest = dist;
    approachPaths[slot].clear();
    router.PathTo(approachPaths[slot]);
    reach(StateOf(startA, startOrient, slot), dist, -1);
  }
  int goal = -1;
  while (!heap.empty()) {
    std::pop_heap(heap.begin(), heap.end(), later);
    const Entry entry = heap.back();
    heap.pop_back();
    if (entry.g != g[entry.state]) continue;
    const int slot = entry.state % DOMINO_SLOTS;
    const int orient = entry.state / DOMINO_SLOTS % 4;
    const int cellA = entry.state / (4 * DOMINO_SLOTS);
    if (cellA == targetA && orient == goalOrient) {
      goal = entry.state;
      break;
    }
    // A step: the tile beside the blank steps into it, its partner follows.
    const int blankCell = SlotCell(grid, cellA, orient, slot);
    const int whose = slot / 4, dir = slot % 4;
    if (whose == 0) {
      reach(StateOf(blankCell, dir ^ 1, 4 + orient), entry.g + 2, entry.state);
    } else {
      reach(StateOf(grid.Neighbour(cellA, orient), dir, orient ^ 1), entry.g + 2, entry.state);
    }
    for (int other = 0; other < DOMINO_SLOTS; ++other) {
      if (other == slot || !IsDominoSlot(orient, other)) continue;
      const int cell = SlotCell(grid, cellA, orient, other);
      if (cell < 0 || grid.IsLocked(cell)) continue;
      const int length = Walk(grid, cellA, orient, slot, other, nullptr);
      if (length >= 0) reach(StateOf(cellA, orient, other), entry.g + length, entry.state);
    }
  }
  if (goal < 0) return false;
  chain.clear();
  for (int state = goal; state >= 0; state = parent[state]) chain.push_back(state);
  std::reverse(chain.begin(), chain.end());

  for (const int8_t dir : approachPaths[chain.front() % DOMINO_SLOTS]) grid.Move(dir);
  for (size_t i = 1; i < chain.size(); ++i) {
    const int slot = chain[i - 1] % DOMINO_SLOTS;
    const int orient = chain[i - 1] / DOMINO_SLOTS % 4;
    const int cellA = chain[i - 1] / (4 * DOMINO_SLOTS);
    if (chain[i] / DOMINO_SLOTS == chain[i - 1] / DOMINO_SLOTS) {
      Walk(grid, cellA, orient, slot, chain[i] % DOMINO_SLOTS, &walk);
      for (const int8_t dir : walk) grid.Move(dir);
    } else {
      // The leading tile steps into the blank, the partner into the leader's old cell.
      const int whose = slot / 4, dir = slot % 4;
      grid.Move(dir ^ 1);
      grid.Move(whose == 0 ? orient : orient ^ 1);
    }
  }
  return true;
}

}  // namespace planner
