// optimal_4x4.cpp: iterative-deepening A* over 4 x 4 positions, the estimate kept up to date
// move by move.
#include "exact/optimal_4x4.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "exact/move_automaton.h"
#include "exact/pattern_database.h"

namespace {

constexpr int CELLS = 16;
// No 4 x 4 position needs more than 80 moves; a bound past this means a fault, not a search.
constexpr int MAX_BOUND = 80;
// Weights of the estimate, in sixteenths: as it is, which gives shortest solutions; half as much
// again, which finds a solution far sooner; and a little more than it is, which finds one nearly
// as short as the shortest, most of the time after less than a tenth of the positions.
constexpr int EXACT_WEIGHT = 16, HALF_AGAIN = 24, LITTLE_MORE = 19;
// A weighted search's bound may go this far.
constexpr int MAX_WEIGHTED_BOUND = MAX_BOUND * HALF_AGAIN / EXACT_WEIGHT;
// Past this many positions a search for SolveOptimal4x4 is a long one (most boards take far
// fewer), and asks the weighted search for an upper bound.
constexpr std::uint64_t LONG_SEARCH_NODES = 200000;
// A long search bounds the moves from above once that upper bound is at most this many moves
// above its next bound from below.
constexpr int NEAR_UPPER_BOUND = 4;
// The most positions a long search spends on a closer upper bound: under 1.5 million on each of
// the hardest boards, a few percent of their searches.
constexpr std::uint64_t CLOSER_UPPER_BOUND_NODES = 4000000;
struct Neighbours {
  int count = 0;
  int cells[4] = {};
  int directions[4] = {};
};

constexpr char LETTERS[] = "UDLR";

constexpr std::array<Neighbours, CELLS> NEIGHBOURS = [] {
  std::array<Neighbours, CELLS> table{};
  for (int cell = 0; cell < CELLS; ++cell) {
    Neighbours& next = table[cell];
    auto add = [&next](int target, int direction) {
      next.cells[next.count] = target;
      next.directions[next.count++] = direction;
    };
    // In the automaton's order: U, D, L, R.
    if (cell >= 4) add(cell - 4, 0);
    if (cell < 12) add(cell + 4, 1);
    if (cell % 4 != 0) add(cell - 1, 2);
    if (cell % 4 != 3) add(cell + 1, 3);
  }
  return table;
}();

// The partitions' sums are kept packed, a byte each, so that one addition changes them all.
// Every sum stays within 0 ... 255, so a packed sum of changes comes out exact, however its
// bytes borrow from each other on the way.
static_assert(PatternDatabase4x4::PARTITIONS == 4, "a byte per partition in 32 bits");
constexpr std::uint32_t EVERY_PARTITION = 0x01010101;

// Every tile is read through this many groups: those that hold it, and as many times as they
// fall short a stand-in group, numbered GROUPS, that holds no tile and whose rank never changes.
// The loops over a tile's groups then have a fixed length, which the processor never mispredicts
// (about 2 % less time).
constexpr int GROUPS_OF_A_TILE = 4;
constexpr int STAND_IN = PatternDatabase4x4::GROUPS;

// For each group, a byte of 1 for every partition that holds it; none for the stand-in.
constexpr std::array<std::uint32_t, PatternDatabase4x4::GROUPS + 1> PARTITIONS_OF = [] {
  std::array<std::uint32_t, PatternDatabase4x4::GROUPS + 1> of{};
  for (int p = 0; p < PatternDatabase4x4::PARTITIONS; ++p) {
    for (const int g : PatternDatabase4x4::PARTITION_TABLE[p].groups) of[g] |= 1u << (8 * p);
  }
  return of;
}();

// The position, and the moves of the current path.
class Search {
 public:
  // The estimate counts `weight` sixteenths of itself: EXACT_WEIGHT gives shortest solutions;
  // more finds a solution far sooner. Unless `promisingFirst`, moves are tried in the order U, D,
  // L, R.
  Search(const PatternDatabase4x4& database, const std::vector<int>& tiles, std::uint64_t maxNodes,
         int weight, bool promisingFirst)
      : database(database),
        automaton(MoveAutomaton::Shared()),
        maxNodes(maxNodes),
        weight(weight),
        promisingFirst(promisingFirst),
        ordered(promisingFirst) {
    TileCells cellOf{};
    for (int cell = 0; cell < CELLS; ++cell) {
      cellTiles[cell] = static_cast<std::uint8_t>(tiles[cell]);
      cellOf[tiles[cell]] = static_cast<std::uint8_t>(cell);
    }
    rootBlank = cellOf[0];
    // A position that is its own mirror image about the diagonal through the blank's goal:
    // each tile's mirror stands in the mirror of its cell.
    // (Tile t's home is cell t - 1.)
    const auto mirror = [](int cell) { return cell % 4 * 4 + cell / 4; };
    mirrorRoot = true;
    for (int cell = 0; cell < CELLS; ++cell) {
      const int tile = tiles[cell];
      mirrorRoot = mirrorRoot && tiles[mirror(cell)] == (tile == 0 ? 0 : mirror(tile - 1) + 1);
    }
    for (int g = 0; g <= STAND_IN; ++g) {
      root.ranks[g] = g == STAND_IN ? 0 : database.Rank(g, cellOf);
      root.excess[g] = static_cast<std::uint8_t>(database.Excess(root.ranks[g]));
    }
    root.sums = 0;
    for (int p = 0; p < PatternDatabase4x4::PARTITIONS; ++p)
      root.sums |= static_cast<std::uint32_t>(database.PartitionBound(p, cellOf)) << (8 * p);
    for (int tile = 1; tile < CELLS; ++tile) {
      unsigned left = database.GroupsOf(tile);
      for (int k = 0; k < GROUPS_OF_A_TILE; ++k, left &= left - 1) {
        const int g = left == 0 ? STAND_IN : __builtin_ctz(left);
        members[tile].of[k] = g == STAND_IN ? database.Unmoved() : database.MembershipOf(g, tile);
        members[tile].groups[k] = static_cast<std::uint8_t>(g);
      }
      assert(left == 0);
    }
  }

  Optimal4x4Search Run() {
    Optimal4x4Search result;
    const int estimate = Estimate(root);
    if (estimate == 0) return result;
    // Every move takes the blank to a cell of the other colour of a chessboard, so the length of
    // any solution has the parity of the blank's distance from its goal cell.
    const int parity = (3 - rootBlank / 4 + 3 - rootBlank % 4) % 2;
    // A weighted cost has no parity, so that search raises its bound to the next cost.
    const bool exact = weight == EXACT_WEIGHT;
    const auto boundOf = [&](int cost) { return exact ? cost + ((cost - parity) & 1) : cost; };
    const int maxBound = exact ? MAX_BOUND : MAX_WEIGHTED_BOUND;
    int bound = boundOf(Weighted(estimate));
    // The weighted searches' solution, once a long search needs it.
    std::optional<Known> upper;
    while (bound <= maxBound && !exhausted) {
      nextBound = maxBound + 2;
      if (DescendFromRoot(bound, estimate, std::make_index_sequence<CELLS>())) {
        result.moves.assign(moves.begin(), moves.begin() + length);
        break;
      }
      bound = boundOf(nextBound);
      if (exact && promisingFirst && nodes >= LONG_SEARCH_NODES) {
        if (!upper) upper = WeightedSolution();
        const int upperBound =
            upper->moves.empty() ? MAX_BOUND : static_cast<int>(upper->moves.size());
        if (upperBound - bound <= NEAR_UPPER_BOUND) {
          result.moves = FromAbove(bound, std::move(*upper), estimate);
          break;
        }
      }
    }
    result.complete = !exhausted;
    result.nodes = nodes;
    return result;
  }

 private:
  static constexpr int GROUPS = PatternDatabase4x4::GROUPS;
  // What the estimate of a position is made of: each group's rank and its table entry (the
  // stand-in's last), and the partitions' sums, packed.
  // (Left uninitialized where made, as every child's is copied from its parent's.)
  struct alignas(16) Level {
    std::uint32_t ranks[GROUPS + 1];
    std::uint8_t excess[GROUPS + 1];
    std::uint32_t sums;
  };
  // A solution the weighted searches found, and whether it is most likely a shortest one.
  struct Known {
    MoveSequence moves;
    bool likelyShortest = false;
  };
  // The groups that hold a tile, then stand-ins, and how each sees it.
  struct Member {
    std::uint8_t groups[GROUPS_OF_A_TILE] = {};
    PatternDatabase4x4::Membership of[GROUPS_OF_A_TILE] = {};
  };

  static int Estimate(const Level& level) {
    const std::uint32_t sums = level.sums;
    return static_cast<int>(
        std::max(std::max(sums & 255, sums >> 8 & 255), std::max(sums >> 16 & 255, sums >> 24)));
  }

  // Depth-first below `depth` moves while depth plus the estimate stays within the bound; no
  // move takes the blank back where it just came from, and no path goes on that ends in a
  // sequence the automaton replaces by a shorter or earlier one (`path` is its state). True when
  // the goal was reached. `level` is the position's estimate as its parts.
  // Every child is valued before any is searched: one move changes the moves a position needs
  // by one, so a position needs at least one move less than its child, and its child one less
  // than it: each estimate is raised to the other's less one (bidirectional pathmax), and a
  // position whose child proves it past the bound is left before any child is searched. The
  // table's values jump by three at times, as they ignore where the blank is, and then either
  // prunes what its own estimate would not.
  // Searched in the order U, D, L, R, the first path to the goal within the bound is the first
  // in that order; from the least estimate up, one is found sooner, as in the last iteration it
  // lies more often below them. Either way it is shortest: the first shortest path in the order
  // U, D, L, R holds no replaceable sequence, so it is never skipped, and every path within the
  // bound is searched until one reaches the goal.
  // One function for each cell of the blank, which is BLANK, so that its moves are constants.
  template <bool AT_ROOT, int BLANK>
  bool Descend(const Level& level, int depth, int bound, int previousBlank, int parentEstimate,
               std::uint16_t path) {
    constexpr Neighbours next = NEIGHBOURS[BLANK];
    // The table is far larger than the caches: every entry that a child reads is located and
    // fetched before any is needed, so that the memory's delays overlap.
    std::uint32_t childRanks[4][GROUPS_OF_A_TILE];
    std::uint16_t paths[4];
    int live[4], count = 0;
    for (int i = 0; i < next.count; ++i) {
      const int cell = next.cells[i];
      paths[i] = automaton.Next(path, next.directions[i]);
      // At a root that is its own mirror image, L and R lead to the mirror images of where U
      // and D lead, which need as many moves: they are left out. The first shortest solution in
      // the order U, D, L, R starts with U or D then, so both orders find what they found.
      if (cell == previousBlank || paths[i] == MoveAutomaton::SKIP ||
          (AT_ROOT && mirrorRoot && next.directions[i] >= 2)) {
        continue;
      }
      live[count++] = i;
      const int tile = cellTiles[cell];
      const Member& member = members[tile];
      for (int k = 0; k < GROUPS_OF_A_TILE; ++k) {
        const int g = member.groups[k];
        childRanks[i][k] = PatternDatabase4x4::MovedRank(member.of[k], level.ranks[g],
                                                         cellTiles.data(), cell, BLANK);
        __builtin_prefetch(database.EntryOf(childRanks[i][k]));
      }
    }
    if (maxNodes - nodes < static_cast<std::uint64_t>(count)) {
      nodes = maxNodes;
      exhausted = true;
      return false;
    }
    nodes += static_cast<std::uint64_t>(count);
    Level children[4];
    int estimates[4];
    int most = 0;
    for (int j = 0; j < count; ++j) {
      const int i = live[j];
      const int cell = next.cells[i];
      const int tile = cellTiles[cell];
      const Member& member = members[tile];
      const int step =
          PatternDatabase4x4::Distance(tile, BLANK) - PatternDatabase4x4::Distance(tile, cell);
      Level& child = children[j];
      child = level;
      // The tile's step changes every partition's sum by its distance's change, and the sums of
      // the partitions of each of its groups by that group's change of excess.
      std::uint32_t sums = level.sums + static_cast<std::uint32_t>(step) * EVERY_PARTITION;
      for (int k = 0; k < GROUPS_OF_A_TILE; ++k) {
        const int g = member.groups[k];
        const int excess = database.Excess(childRanks[i][k]);
        child.ranks[g] = childRanks[i][k];
        child.excess[g] = static_cast<std::uint8_t>(excess);
        sums += static_cast<std::uint32_t>(excess - level.excess[g]) * PARTITIONS_OF[g];
      }
      child.sums = sums;
      estimates[j] = Estimate(child);
      most = std::max(most, estimates[j]);
    }
    const int parentCost = depth + Weighted(most - 1);
    if (parentCost > bound) {
      nextBound = std::min(nextBound, parentCost);
      return false;
    }
    const int least = std::max(parentEstimate, most - 1) - 1;
    int order[4] = {0, 1, 2, 3};
    for (int j = 1; ordered && j < count; ++j) {
      const int moving = order[j];
      int k = j;
      for (; k > 0 && estimates[moving] < estimates[order[k - 1]]; --k) order[k] = order[k - 1];
      order[k] = moving;
    }
    for (int o = 0; o < count; ++o) {
      const int j = order[o];
      const int i = live[j];
      const int estimate = std::max(least, estimates[j]);
      const int cost = depth + 1 + Weighted(estimate);
      if (cost > bound) {
        nextBound = std::min(nextBound, cost);
        continue;
      }
      moves[depth] = LETTERS[next.directions[i]];
      if (cost == depth + 1) {
        length = depth + 1;
        return true;
      }
      const int cell = next.cells[i], tile = cellTiles[cell];
      Move(tile, cell, BLANK);
      if (DescendTo<BLANK>(i, children[j], depth + 1, bound, estimate, paths[i])) return true;
      Move(tile, BLANK, cell);
      if (exhausted) return false;
    }
    return false;
  }

  // Descend from the root, through the function for the cell its blank is in.
  template <std::size_t... CELL>
  bool DescendFromRoot(int bound, int estimate, std::index_sequence<CELL...>) {
    using Descent = bool (Search::*)(const Level&, int, int, int, int, std::uint16_t);
    static constexpr Descent DESCENTS[] = {&Search::Descend<true, CELL>...};
    return (this->*DESCENTS[rootBlank])(root, 0, bound, -1, estimate, MoveAutomaton::START);
  }
  // Descend after the move to the blank's i-th neighbour from BLANK.
  template <int BLANK>
  bool DescendTo(int i, const Level& level, int depth, int bound, int estimate,
                 std::uint16_t path) {
    constexpr Neighbours next = NEIGHBOURS[BLANK];
    switch (i) {
      case 0:
        return Descend<false, next.cells[0]>(level, depth, bound, BLANK, estimate, path);
      case 1:
        return Descend<false, next.cells[1]>(level, depth, bound, BLANK, estimate, path);
      case 2:
        return Descend<false, next.cells[2]>(level, depth, bound, BLANK, estimate, path);
      default:
        return Descend<false, next.cells[3]>(level, depth, bound, BLANK, estimate, path);
    }
  }

  // A solution found by weighted searches, or none if theirs are longer than any 4 x 4 board
  // needs. Where the search counting the estimate half as much again finds none that short, one
  // counting it a little more than it is mostly finds one of the shortest length, so the
  // shortest search only has to prove that none is shorter; it gets a budget, as it may take far
  // longer on some boards.
  Known WeightedSolution() {
    const std::vector<int> tiles(cellTiles.begin(), cellTiles.begin() + CELLS);
    Optimal4x4Search upper = Search(database, tiles, maxNodes - nodes, HALF_AGAIN, true).Run();
    nodes += upper.nodes;
    Known known{std::move(upper.moves), false};
    if (known.moves.size() > MAX_BOUND) {
      const std::uint64_t budget = std::min(maxNodes - nodes, CLOSER_UPPER_BOUND_NODES);
      Optimal4x4Search closer = Search(database, tiles, budget, LITTLE_MORE, true).Run();
      nodes += closer.nodes;
      if (closer.complete && closer.moves.size() < known.moves.size()) {
        known = {std::move(closer.moves), true};
      }
    }
    if (known.moves.size() > MAX_BOUND) known = Known();
    return known;
  }

  // The search's last bound is the one that finds a solution, and nearly all of the work is in
  // the one before, which proves that none is shorter; each bound before takes a tenth as many
  // positions as the next. So a long search whose upper bound is near starts from it, and lowers
  // the bound below each solution it finds until none is found: the bounds below the shortest
  // length but one are never searched. (Far below an upper bound, the bounds on the way down,
  // each of which finds a solution, would cost more than those spared.) The search starts below
  // the weighted searches' solution, `known`, if there is one, as that is the answer when none
  // is shorter. The answer is shortest, as the search found none shorter.
  // Children are searched best first to find a solution sooner, which is wasted work where
  // there is none: below a solution that is most likely shortest, and below the solutions this
  // search finds, they are searched in their fixed order (a twentieth less time on the hardest
  // boards).
  MoveSequence FromAbove(int lowest, Known known, int estimate) {
    MoveSequence found = std::move(known.moves);
    const auto rootTiles = cellTiles;
    ordered = !known.likelyShortest;
    for (int bound = found.empty() ? MAX_BOUND : static_cast<int>(found.size()) - 2;
         bound >= lowest; bound = length - 2, ordered = false) {
      if (!DescendFromRoot(bound, estimate, std::make_index_sequence<CELLS>())) break;
      found.assign(moves.begin(), moves.begin() + length);
      // The search stops where it finds the goal, without taking its moves back.
      cellTiles = rootTiles;
    }
    return found;
  }

  int Weighted(int estimate) const {
    return weight == EXACT_WEIGHT ? estimate : estimate * weight / EXACT_WEIGHT;
  }

  // The tile slides from cell `from` into the blank at `to`.
  void Move(int tile, int from, int to) {
    cellTiles[to] = static_cast<std::uint8_t>(tile);
    cellTiles[from] = 0;
  }

  const PatternDatabase4x4& database;
  const MoveAutomaton& automaton;
  const std::uint64_t maxNodes;
  const int weight;
  const bool promisingFirst;
  // Whether this bound's search tries the most promising child first.
  bool ordered;
  bool mirrorRoot = false;
  // One cell past the board, always 0, for the rank updates that look past its end.
  std::array<std::uint8_t, CELLS + 1> cellTiles{};
  // The descents know their blank's cell as a constant: only the root's is kept.
  int rootBlank = 0;
  Member members[CELLS];
  Level root{};
  int nextBound = 0;
  std::uint64_t nodes = 0;
  bool exhausted = false;
  std::array<char, MAX_WEIGHTED_BOUND> moves{};
  int length = 0;
};

Optimal4x4Search Searched(const Board& board, std::uint64_t maxNodes, int weight,
                          bool promisingFirst) {
  if (board.n != 4 || !board.IsSolvablePermutation()) return Optimal4x4Search();
  return Search(PatternDatabase4x4::Shared(), board.tiles, maxNodes, weight, promisingFirst).Run();
}

}  // namespace

Optimal4x4Search SolveOptimal4x4Within(const Board& board, std::uint64_t maxNodes) {
  return Searched(board, maxNodes, EXACT_WEIGHT, false);
}

Optimal4x4Search SolveNearOptimal4x4Within(const Board& board, std::uint64_t maxNodes) {
  return Searched(board, maxNodes, HALF_AGAIN, false);
}

MoveSequence SolveOptimal4x4(const Board& board) {
  return Searched(board, UINT64_MAX, EXACT_WEIGHT, true).moves;
}
