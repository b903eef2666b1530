// pair_mover.cpp: the domino search and the moves it stands for.
#include "planner/pair_mover.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "planner/domino.h"

namespace planner {

namespace {

constexpr int NO_LIMIT = 1 << 30;
// How a state was reached (PairMover::Node::via), besides by a walk from one of the slots.
constexpr uint8_t VIA_STEP = DOMINO_SLOTS;
constexpr uint8_t VIA_START = DOMINO_SLOTS + 1;
// Costs held in a node's 16 bits: far more than any walk on the largest board costs.
constexpr int MOST_COST = UINT16_MAX;
constexpr int APPROACH_SLACK = 2;
// A move of the estimate counts this many eighths of a cost unit on a board of side n: the
// STEP_COST that the move costs and 9/8 more, for the pushes that the walk meets on its way and so
// that the search runs deepest first. Measured at sides 10 to 100: 8/8 more is 0.25-0.55 %
// shorter, for 1.07 times the time at side 50 and 1.27 at side 100; 7/8 is up to 0.3 % shorter
// again, for 1.15 to 1.3 times the time of 8/8. Past side 60, 10/8 more: with 9/8 the higher
// away penalty there (PenaltiesOfSide) saved 0.75 in a hundred but took 1.25 times the time at
// side 100, with 10/8 it saves 0.45 in 1.07 times; at sides 25 to 60, 10/8 was 0.2 to 0.4 in a
// hundred longer than 9/8.
constexpr int EstimateEighths(int n) {
  return 8 * STEP_COST + (n <= 60 ? 9 : 10);
}

// What a move of the estimate counts, in eighths of a cost unit, once the work is spent
// (PairMover::LimitWork): seven units, against four and a bit before. On the goal turned a
// quarter round, where every domino travels far, a whole solve of side 100 takes 0.29 s so,
// against 2.3 s, for solutions 6 in a hundred longer; 48 eighths took 0.57 s.
constexpr int GREEDY_EIGHTHS = 56;

// State layout: ((cell of A * 4 + B's direction) * 8 + slot).
int StateOf(int cellA, int orient, int slot) {
  return (cellA * 4 + orient) * DOMINO_SLOTS + slot;
}

// The state after the domino's step (StepInto) from the state.
int Stepped(const Grid& grid, int state) {
  const DominoStep step = StepInto(state / DOMINO_SLOTS % 4, state % DOMINO_SLOTS);
  return StateOf(state / (4 * DOMINO_SLOTS) + grid.Offset(step.move), step.orient, step.slot);
}

// The state that the search reached the state from, `via` as PairMover::Node holds it (not
// VIA_START): by a step, which the same step undoes, or by a walk from slot `via`.
int Parent(const Grid& grid, int state, uint8_t via) {
  return via == VIA_STEP ? Stepped(grid, state) : state - state % DOMINO_SLOTS + via;
}

// Per orientation, which of the domino's ten ring cells each bit of the rings round A and round
// B (see Grid::Ring) stands for: FROM_RING[orient][0][bits of A's ring] and [1][bits of B's].
// Each ring cell is read from A's ring where A touches it, else from B's.
constexpr auto FROM_RING = [] {
  std::array<std::array<std::array<uint16_t, 256>, 2>, 4> tables{};
  for (int orient = 0; orient < 4; ++orient) {
    const DominoRing& ring = DOMINO_RINGS[orient];
    for (int k = 0; k < 10; ++k) {
      for (int whose = 0; whose < 2; ++whose) {
        // The cell's offsets from A, then from B.
        const int row = ring.row[k] - (whose == 0 ? 0 : DIR_ROW[orient]);
        const int col = ring.col[k] - (whose == 0 ? 0 : DIR_COL[orient]);
        int at = -1;
        for (int j = 0; j < 8; ++j) {
          if (RING_ROW[j] == row && RING_COL[j] == col) at = j;
        }
        if (at < 0) continue;
        for (int bits = 0; bits < 256; ++bits) {
          if (bits >> at & 1) tables[orient][whose][bits] |= static_cast<uint16_t>(1u << k);
        }
        break;
      }
    }
  }
  return tables;
}();

// Bit k set where ring cell k round the domino (A at cellA, B in direction orient) is on the
// board and not locked.
uint32_t FreeRing(const Grid& grid, int cellA, int orient) {
  const auto& from = FROM_RING[orient];
  return from[0][grid.FreeRing(cellA)] | from[1][grid.FreeRing(grid.Neighbour(cellA, orient))];
}

// The direction in which the blank's step into ring cell k pushes its tile: RING_PUSH[0] going
// clockwise (from cell k - 1), RING_PUSH[1] counter-clockwise (from cell k + 1).
constexpr auto RING_PUSH = [] {
  std::array<std::array<std::array<int, 10>, 4>, 2> built{};
  for (int orient = 0; orient < 4; ++orient) {
    const DominoRing& ring = DOMINO_RINGS[orient];
    for (int k = 0; k < 10; ++k) {
      for (int way = 0; way < 2; ++way) {
        const int before = way == 0 ? (k + 9) % 10 : (k + 1) % 10;
        built[way][orient][k] =
            DirOfStep(ring.row[before] - ring.row[k], ring.col[before] - ring.col[k]);
      }
    }
  }
  return built;
}();

// The ways round the ring of ten between each two of its cells.
constexpr auto WAYS = [] {
  std::array<std::array<RingWays, 10>, 10> built{};
  for (int from = 0; from < 10; ++from) {
    for (int to = 0; to < 10; ++to) built[from][to] = WaysRound(10, from, to);
  }
  return built;
}();

}  // namespace

bool PairMover::MovePair(Grid& grid, int tileA, int tileB, int targetA, int goalOrient) {
  const int startA = grid.CellOf(tileA), startB = grid.CellOf(tileB);
  int startOrient = -1;
  for (int dir = 0; dir < 4; ++dir) {
    if (grid.Neighbour(startA, dir) == startB) startOrient = dir;
  }
  if (startOrient < 0) return false;
  nodes.Resize(static_cast<size_t>(grid.Side()) * grid.Side() * 4 * DOMINO_SLOTS);
  nodes.NextSearch();
  open.Clear();
  for (int orient = 0; orient < 4; ++orient) {
    for (int k = 0; k < 10; ++k) {
      ringOffsets[orient][k] =
          DOMINO_RINGS[orient].row[k] * grid.Side() + DOMINO_RINGS[orient].col[k];
    }
  }
  const int targetRow = grid.Row(targetA), targetCol = grid.Col(targetA);
  const DominoCosts dominoCosts(goalOrient);
  const int estimateEighths = workLeft == 0 ? GREEDY_EIGHTHS : EstimateEighths(grid.Side());
  auto reach = [&](int state, int cost, uint8_t via) {
    if (cost > MOST_COST) return;
    Node& node = nodes[state];
    if (nodes.Seen(state)) {
      if (node.g <= cost) return;
    } else {
      nodes.Mark(state);
      const int cellA = state / (4 * DOMINO_SLOTS);
      const int estimate = dominoCosts(grid.Row(cellA) - targetRow, grid.Col(cellA) - targetCol,
                                       state / DOMINO_SLOTS % 4, state % DOMINO_SLOTS);
      node.h = static_cast<uint16_t>(std::min(MOST_COST, estimateEighths * estimate / 8));
    }
    node.g = static_cast<uint16_t>(cost);
    node.via = via;
    open.Push(static_cast<size_t>(cost + node.h), state);
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
  router.HoldGrid(true);
  for (const int slot : order) {
    if (bound[slot] < 0 || (nearest >= 0 && bound[slot] > nearest + APPROACH_SLACK)) continue;
    const int cell = SlotCell(grid, startA, startOrient, slot);
    const int dist = router.Distance(grid, grid.Blank(), startA, cell, NO_LIMIT, startB);
    if (dist < 0) continue;
    if (nearest < 0 || dist < nearest) nearest = dist;
    approachPaths[slot] = router.Path();
    reach(StateOf(startA, startOrient, slot), STEP_COST * dist + router.LastPushes(), VIA_START);
  }
  router.HoldGrid(false);
  int goal = -1;
  int state;
  while (open.Pop(
      state, [&](int s, size_t f) { return static_cast<size_t>(nodes[s].g + nodes[s].h) == f; })) {
    if (workLeft > 0) --workLeft;
    const Node& node = nodes[state];
    const int g = node.g;
    const int slot = state % DOMINO_SLOTS;
    const int orient = state / DOMINO_SLOTS % 4;
    const int cellA = state / (4 * DOMINO_SLOTS);
    if (cellA == targetA && orient == goalOrient) {
      goal = state;
      break;
    }
    // A step: the tile beside the blank steps into it, its partner follows.
    reach(Stepped(grid, state), g + 2 * STEP_COST, VIA_STEP);
    // A slot reached by a walk round the domino only steps on: walking on from there to another
    // slot never came out cheaper than walking there at once (the same solutions on 21 boards of
    // sides 20 to 100), and it took a fifth of the search's time.
    if (node.via < DOMINO_SLOTS) continue;
    // Every slot's cell is on the ring, whose free cells give the walks round it. A walk costs
    // as the blank's walks do: STEP_COST a move and the push cost of each tile it moves.
    const uint32_t free = FreeRing(grid, cellA, orient);
    const int from = DOMINO_RINGS[orient].slot[slot];
    // The push costs of the ring's cells each way, summed from ring cell 0, so that the cost of
    // a way is one difference, and the whole round's more where it passes cell 0.
    int pushed[2][11];
    pushed[0][0] = pushed[1][0] = 0;
    for (int k = 0; k < 10; ++k) {
      for (int way = 0; way < 2; ++way) {
        const int cost = (free >> k) & 1 ? grid.PushCost(cellA + ringOffsets[orient][k],
                                                         RING_PUSH[way][orient][k])
                                         : 0;
        pushed[way][k + 1] = pushed[way][k] + cost;
      }
    }
    for (int other = 0; other < DOMINO_SLOTS; ++other) {
      if (other == slot || !IsDominoSlot(orient, other)) continue;
      const int to = DOMINO_RINGS[orient].slot[other];
      if (!((free >> to) & 1)) continue;
      // Forwards the cells from + 1 ... to; backwards to ... from - 1.
      const auto pushesOf = [&](int way) {
        return way == 0 ? pushed[0][to + 1] - pushed[0][from + 1] + (to < from ? pushed[0][10] : 0)
                        : pushed[1][from] - pushed[1][to] + (from < to ? pushed[1][10] : 0);
      };
      int pushes = 0;
      int length = CheaperFreeWay(WAYS[from][to], free, pushesOf, pushes);
      if (length < 0) {
        length = router.Distance(grid, SlotCell(grid, cellA, orient, slot), cellA,
                                 SlotCell(grid, cellA, orient, other), NO_LIMIT,
                                 grid.Neighbour(cellA, orient));
        if (length < 0) continue;
        pushes = router.LastPushes();
      }
      reach(StateOf(cellA, orient, other), g + STEP_COST * length + pushes,
            static_cast<uint8_t>(slot));
    }
  }
  if (goal < 0) return false;
  chain.clear();
  for (int state = goal;; state = Parent(grid, state, nodes[state].via)) {
    chain.push_back(state);
    if (nodes[state].via == VIA_START) break;
  }
  std::reverse(chain.begin(), chain.end());

  grid.Walk(approachPaths[chain.front() % DOMINO_SLOTS]);
  for (size_t i = 1; i < chain.size(); ++i) {
    const int slot = chain[i - 1] % DOMINO_SLOTS;
    const int orient = chain[i - 1] / DOMINO_SLOTS % 4;
    const int cellA = chain[i - 1] / (4 * DOMINO_SLOTS);
    const DominoRing& ring = DOMINO_RINGS[orient];
    if (chain[i] / DOMINO_SLOTS == chain[i - 1] / DOMINO_SLOTS) {
      grid.Walk(router.WalkRound(grid, cellA, grid.Neighbour(cellA, orient), ring.row.data(),
                                 ring.col.data(), 10, FreeRing(grid, cellA, orient),
                                 ring.slot[slot], ring.slot[chain[i] % DOMINO_SLOTS]));
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
