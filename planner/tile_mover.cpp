// tile_mover.cpp: the (tile cell, blank side) search and the moves it stands for.
#include "planner/tile_mover.h"

#include <algorithm>
#include <array>

#include "planner/open_board_costs.h"

namespace planner {

namespace {

// The slack beyond the nearest side up to which the blank's first walk looks for the others:
// the farther sides are reached by walking round the tile, which on an open board costs the
// same as walking there directly.
constexpr int APPROACH_SLACK = 0;
constexpr int NO_LIMIT = 1 << 30;
// The move count of a state seen by a search but not yet reached (by a pass: within its bound).
constexpr int NOT_REACHED = 1 << 30;
// States kept per move count in a pass of CheapestWalk: the ones with the fewest pushes so far.
// Against 8, at 1.59 n^3, 4 makes solutions 0.9 and 0.35 in a hundred moves longer at sides 100
// and 50, for 0.89 and 0.95 of the instructions; 1 makes them 5.5 and 4.6 longer, for 0.79 and
// 0.85. At 1.72 n^3, no limit saved 0.2 in a hundred, for 1.1 times the time.
constexpr size_t BEAM_WIDTH = 8;
// How many moves longer than the shortest a walk may be where its pushes make it cheaper. Against
// the shortest walk always, 2 makes solutions 0.7 in a hundred moves shorter at sides 50 and 100,
// for 1.08 times the instructions; at 1.72 n^3, 4 saved up to 0.3 in a hundred more, for 1.2
// times the time. The parity of the board allows only even slacks.
constexpr int WALK_SLACK = 2;

// The ways round the ring between each two sides.
constexpr auto WAYS = [] {
  std::array<std::array<RingWays, 4>, 4> built{};
  for (int x = 0; x < 4; ++x) {
    for (int y = 0; y < 4; ++y) built[x][y] = WaysRound(8, RING_OF_SIDE[x], RING_OF_SIDE[y]);
  }
  return built;
}();

// Set bits of each byte value.
constexpr auto BIT_COUNTS = [] {
  std::array<uint8_t, 256> counts{};
  for (int value = 1; value < 256; ++value) {
    counts[value] = static_cast<uint8_t>(counts[value / 2] + (value & 1));
  }
  return counts;
}();

// What RingTurn charges a push, by whether it takes the tile away from home and whether the tile
// is urgent, read from the grid's penalties once a search rather than once a turn.
struct RingPenalties {
  explicit RingPenalties(const PushPenalties& penalties)
      : awayLater(penalties.Of(true, Urgency::LATER)),
        awayUrgent(penalties.Of(true, Urgency::SOON)),
        homeLater(penalties.Of(false, Urgency::LATER)),
        homeUrgent(penalties.Of(false, Urgency::SOON)) {}
  int awayLater, awayUrgent, homeLater, homeUrgent;
};

// The blank's walk round the ring (see Grid::Ring) from side `from` to side `to`: the shorter
// free way, and among equally short ones the one whose pushes cost less (Grid::PushCost;
// clockwise first among equals), as BlankRouter::WalkRound takes it. Its length, and its push
// cost into pushes; -1 when both ways are cut. A step into the cell the blank stands in now
// costs what a homeward push of a tile not placed soon costs, not PushCost's 0: by the time the
// walk is made the blank has moved on and a tile stands there (0 was no shorter). The ring
// tells only whether a tile is urgent: a tile placed now counts as one placed soon.
inline int RingTurn(const RingPenalties& penalties, uint32_t ring, int from, int to, int& pushes) {
  const RingWays& ways = WAYS[from][to];
  const auto pushesOf = [&](int way) {
    const uint32_t cells = ways.cells[way];
    const uint32_t away = (ring >> (way == 0 ? 8 : 16)) & cells, urgent = ring >> 24;
    const uint32_t home = cells & ~away;
    return penalties.awayLater * BIT_COUNTS[away & ~urgent & 255] +
           penalties.awayUrgent * BIT_COUNTS[away & urgent & 255] +
           penalties.homeLater * BIT_COUNTS[home & ~urgent & 255] +
           penalties.homeUrgent * BIT_COUNTS[home & urgent & 255];
  };
  return CheaperFreeWay(ways, ring, pushesOf, pushes);
}

}  // namespace

int TileMover::WallTurn(const Grid& grid, int cell, int from, int to) {
  // The searches of one move ask for the same walks again and again; the board stands still
  // until the walk is made.
  const size_t key = (static_cast<size_t>(cell) * 4 + from) * 4 + to;
  if (turns.Seen(key)) return turns[key].length;
  const int length =
      router.Distance(grid, grid.Neighbour(cell, from), cell, grid.Neighbour(cell, to), NO_LIMIT);
  turns.Mark(key).length = length;
  return length;
}

inline TileMover::Node& TileMover::Known(const Grid& grid, int state) {
  Node& node = nodes[state];
  if (!nodes.Seen(state)) {
    nodes.Mark(state);
    node.h = static_cast<uint16_t>(Estimate(grid, state >> 2, state & 3));
    node.g = NOT_REACHED;
  }
  return node;
}

int TileMover::Search(const Grid& grid, int start, int target) {
  // A* with a bucket per value of moves plus estimate. The estimate never overstates and never
  // drops by more than a move costs, so that the length found does not depend on the order
  // within a bucket; last in first out goes deepest first.
  nodes.NextSearch();
  open.Clear();
  auto reach = [&](int state, int cost) {
    Node& node = Known(grid, state);
    if (node.g <= cost) return;
    node.g = cost;
    open.Push(static_cast<size_t>(cost + node.h), state);
  };
  for (int side = 0; side < 4; ++side) {
    if (approach[side] >= 0) reach(start * 4 + side, approach[side]);
  }
  int state;
  while (open.Pop(
      state, [&](int s, size_t f) { return static_cast<size_t>(nodes[s].g + nodes[s].h) == f; })) {
    const int g = nodes[state].g;
    const int cell = state >> 2, side = state & 3;
    if (cell == target) return g;
    reach((cell + grid.Offset(side)) * 4 + (side ^ 1), g + 1);
    const uint32_t ring = grid.Ring(cell);
    for (int other = 0; other < 4; ++other) {
      if (other == side || !((ring >> RING_OF_SIDE[other]) & 1)) continue;
      // Only the length counts here, which the pushes never change.
      int turn = ShorterFreeWay(WAYS[side][other], ring);
      if (turn < 0) turn = WallTurn(grid, cell, side, other);
      if (turn >= 0) reach(cell * 4 + other, g + turn);
    }
  }
  return -1;
}

void TileMover::KeepBest(std::vector<int>& bucket, int cost) {
  // Entries whose state was since reached more cheaply are dropped; of the rest only the
  // BEAM_WIDTH with the fewest pushes go on, so that a long walk costs time in proportion to
  // its length, not to the area of all its equally short variants.
  bucket.erase(std::remove_if(bucket.begin(), bucket.end(),
                              [&](int state) { return nodes[state].g != cost; }),
               bucket.end());
  if (bucket.size() <= beam) return;
  std::nth_element(bucket.begin(), bucket.begin() + static_cast<long>(beam), bucket.end(),
                   [&](int x, int y) {
                     const int px = nodes[x].pushes, py = nodes[y].pushes;
                     return px != py ? px < py : x < y;
                   });
  bucket.resize(beam);
}

int TileMover::CheapestWalk(const Grid& grid, int start, int target, int moves, bool movesFirst) {
  // Every state on a walk within the bound has g + estimate <= moves; they are visited in order
  // of g (a bucket per move count). With movesFirst a state's pushes are final when it is
  // expanded; else a state reached again later, with more moves but at less cost, goes into the
  // later bucket and is expanded again from there.
  nodes.NextSearch();
  if (buckets.size() < static_cast<size_t>(moves) + 1) buckets.resize(moves + 1);
  for (int k = 0; k <= moves; ++k) buckets[k].clear();
  const RingPenalties ringPenalties(grid.Penalties());
  auto reach = [&](int state, int cost, int pushCost, uint8_t via) {
    Node& node = Known(grid, state);
    if (cost + node.h > moves) return;
    const bool better = movesFirst ? cost < node.g || (cost == node.g && pushCost < node.pushes)
                                   : node.g == NOT_REACHED || STEP_COST * cost + pushCost <
                                                                  STEP_COST * node.g + node.pushes;
    if (!better) return;
    if (node.g != cost) buckets[cost].push_back(state);
    node.g = cost;
    node.pushes = pushCost;
    node.via = via;
  };
  for (int side = 0; side < 4; ++side) {
    if (approach[side] >= 0) {
      reach(start * 4 + side, approach[side], approachPushes[side], VIA_START);
    }
  }
  int goal = -1, goalCost = 0;
  for (int cost = 0; cost <= moves; ++cost) {
    // Turns cost two to four moves, so many counts are never reached.
    if (buckets[cost].empty()) continue;
    // A bucket within the beam keeps all it holds; its stale entries are passed over below.
    if (buckets[cost].size() > beam) KeepBest(buckets[cost], cost);
    // Every step costs a move or more, so nothing reached from here lands in this count's
    // bucket: it stands still while it is read.
    const std::vector<int>& bucket = buckets[cost];
    for (const int state : bucket) {
      const Node& node = nodes[state];
      if (node.g != cost) continue;
      const int cell = state >> 2, side = state & 3;
      const int statePushes = node.pushes;
      if (cell == target) {
        if (goal < 0 || STEP_COST * cost + statePushes < goalCost) {
          goal = state;
          goalCost = STEP_COST * cost + statePushes;
        }
        continue;
      }
      // The blank stands on the side, on the board.
      reach((cell + grid.Offset(side)) * 4 + (side ^ 1), cost + 1, statePushes, VIA_PUSH);
      // A side reached by a walk round the tile only pushes: walking on round from there is
      // never shorter than the one walk from the side before, nor cheaper among equals.
      if (node.via < VIA_PUSH) continue;
      const uint32_t ring = grid.Ring(cell);
      for (int other = 0; other < 4; ++other) {
        if (other == side || !((ring >> RING_OF_SIDE[other]) & 1)) continue;
        // No walk round the tile is shorter than the open ring's, two moves to a neighbouring
        // side and four to the opposite one: a side past the bound even so needs no walk.
        const int fewest = cost + (other == (side ^ 1) ? 4 : 2);
        if (fewest + Known(grid, cell * 4 + other).h > moves) continue;
        int turnPushes = 0;
        int turn = RingTurn(ringPenalties, ring, side, other, turnPushes);
        if (turn < 0) turn = WallTurn(grid, cell, side, other);
        if (turn >= 0) {
          reach(cell * 4 + other, cost + turn, statePushes + turnPushes,
                static_cast<uint8_t>(side));
        }
      }
    }
    // A walk of more moves costs at least STEP_COST a move more.
    if (goal >= 0 && (movesFirst || STEP_COST * (cost + 1) >= goalCost)) break;
  }
  return goal;
}

bool TileMover::MoveTile(Grid& grid, int tile, int target, int wallDir, int placedDir) {
  goalRow = grid.Row(target);
  goalCol = grid.Col(target);
  costs = LineCosts(wallDir, placedDir);
  const int start = grid.CellOf(tile);
  if (start == target) return true;
  const size_t states = static_cast<size_t>(grid.Side()) * grid.Side() * 4;
  nodes.Resize(states);
  turns.Resize(states * 4);
  turns.NextSearch();
  // The blank's cheapest walks to the tile's sides; the same for every search of this move.
  grid.RefreshRings();
  router.DistancesAround(grid, grid.Blank(), start, APPROACH_SLACK, approach, approachPushes);
  int bound = -1;
  for (int side = 0; side < 4; ++side) {
    if (approach[side] < 0) continue;
    const int lower = approach[side] + Estimate(grid, start, side);
    if (bound < 0 || lower < bound) bound = lower;
  }
  if (bound < 0) return false;
  // First with the estimate as bound, which holds on an open board; failing that (walls near
  // the target), with the length of a walk that a plain search finds. The beam keeps each pass
  // narrow; should it have cut off the only walks, the next pass is run without it. Should a
  // cheaper but longer walk to some state have crowded out the only walks within the bound, the
  // last pass takes the fewest moves first.
  beam = BEAM_WIDTH;
  int goal = CheapestWalk(grid, start, target, bound + WALK_SLACK, false);
  if (goal < 0) {
    bound = Search(grid, start, target);
    if (bound < 0) return false;
    goal = CheapestWalk(grid, start, target, bound + WALK_SLACK, false);
    beam = static_cast<size_t>(-1);
    if (goal < 0) goal = CheapestWalk(grid, start, target, bound + WALK_SLACK, false);
    if (goal < 0) goal = CheapestWalk(grid, start, target, bound, true);
  }
  if (goal < 0) return false;
  chain.clear();
  for (int state = goal;; state = Parent(grid, state)) {
    chain.push_back(state);
    if (nodes[state].via == VIA_START) break;
  }
  std::reverse(chain.begin(), chain.end());

  grid.Walk(router.PathAround(chain.front() % 4));
  for (size_t i = 1; i < chain.size(); ++i) {
    const int cell = chain[i - 1] / 4, side = chain[i - 1] % 4;
    if (chain[i] / 4 != cell) {
      grid.Move(side ^ 1);
    } else {
      grid.Walk(router.WalkRound(grid, cell, -1, RING_ROW, RING_COL, 8, grid.FreeRing(cell),
                                 RING_OF_SIDE[side], RING_OF_SIDE[chain[i] % 4]));
    }
  }
  return true;
}

}  // namespace planner
