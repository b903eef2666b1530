// optimal_4x4.cpp: iterative-deepening A* over 4 x 4 positions, the estimate kept up to date
// move by move.
#include "exact/optimal_4x4.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "exact/move_automaton.h"
#include "exact/pattern_database.h"

namespace {

constexpr int CELLS = 16;
// No 4 x 4 position needs more than 80 moves; a bound past this means a fault, not a search.
constexpr int MAX_BOUND = 80;
// The weighted search counts the estimate half as much again: its bound may go that far.
constexpr int MAX_WEIGHTED_BOUND = MAX_BOUND * 3 / 2;
struct Neighbours {
  int count = 0;
  int cells[4] = {};
  int directions[4] = {};
};

constexpr char LETTERS[] = "UDLR";

std::array<Neighbours, CELLS> NeighbourTable() {
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
}

const std::array<Neighbours, CELLS> NEIGHBOURS = NeighbourTable();

// The position, the groups' ranks and values, and the moves of the current path.
class Search {
 public:
  // A half weight of 2 counts the estimate as it is, which gives shortest solutions; 3 counts it
  // half as much again, which finds a solution far sooner.
  Search(const PatternDatabase4x4& database, const std::vector<int>& tiles, std::uint64_t maxNodes,
         int halfWeight)
      : database(database),
        automaton(MoveAutomaton::Shared()),
        maxNodes(maxNodes),
        halfWeight(halfWeight) {
    for (int cell = 0; cell < CELLS; ++cell) {
      cellTiles[cell] = static_cast<std::uint8_t>(tiles[cell]);
      cellOf[tiles[cell]] = static_cast<std::uint8_t>(cell);
    }
    blank = cellOf[0];
    for (int g = 0; g < GROUPS; ++g) {
      ranks[g] = database.Rank(g, cellOf);
      distances[g] = database.GroupDistance(g, cellOf);
      values[g] = static_cast<std::uint8_t>(distances[g] + database.Excess(ranks[g]));
    }
  }

  Optimal4x4Search Run() {
    Optimal4x4Search result;
    const int estimate = database.Estimate(cellOf);
    if (estimate == 0) return result;
    const int weighted = Weighted(estimate);
    // Every move takes the blank to a cell of the other colour of a chessboard, so the length of
    // any solution has the parity of the blank's distance from its goal cell.
    const int parity = (3 - blank / 4 + 3 - blank % 4) % 2;
    // A weighted cost has no parity, so that search raises its bound to the next cost.
    const bool exact = halfWeight == 2;
    const int maxBound = exact ? MAX_BOUND : MAX_WEIGHTED_BOUND;
    int bound = exact ? weighted + ((weighted - parity) & 1) : weighted;
    while (bound <= maxBound && !exhausted) {
      nextBound = maxBound + 2;
      if (Descend(0, bound, -1, estimate, MoveAutomaton::START)) {
        result.moves.assign(moves.begin(), moves.begin() + length);
        break;
      }
      bound = exact ? nextBound + ((nextBound - parity) & 1) : nextBound;
    }
    result.complete = !exhausted;
    result.nodes = nodes;
    return result;
  }

 private:
  static constexpr int GROUPS = PatternDatabase4x4::GROUPS;

  // Depth-first below `depth` moves while depth plus the estimate stays within the bound; no
  // move takes the blank back where it just came from, and no path goes on that ends in a
  // sequence the automaton replaces by a shorter or earlier one (`path` is its state). True when
  // the goal was reached.
  // One move changes the moves a position needs by one, so a position needs at least one move
  // less than its parent, and its parent one less than it: each estimate is raised to the
  // other's less one (bidirectional pathmax). The table's values jump by three at times, as they
  // ignore where the blank is, and then either prunes what its own estimate would not; the
  // shortest paths all stay within the bound, so the search finds the same first one whatever
  // the estimate.
  bool Descend(int depth, int bound, int previousBlank, int parentEstimate, std::uint16_t path) {
    const Neighbours& next = NEIGHBOURS[blank];
    // The table is far larger than the caches: every entry that a child may read is located and
    // fetched before any is needed, so that the memory's delays overlap.
    std::uint32_t childRanks[4][GROUPS];
    std::uint16_t paths[4] = {};
    for (int i = 0; i < next.count; ++i) {
      const int cell = next.cells[i];
      paths[i] = automaton.Next(path, next.directions[i]);
      if (cell == previousBlank || paths[i] == MoveAutomaton::SKIP) continue;
      const int tile = cellTiles[cell];
      for (unsigned left = database.GroupsOf(tile); left != 0; left &= left - 1) {
        const int g = __builtin_ctz(left);
        childRanks[i][g] = database.MovedRank(g, ranks[g], cellTiles.data(), tile, cell, blank);
        __builtin_prefetch(database.EntryOf(childRanks[i][g]));
      }
    }
    for (int i = 0; i < next.count; ++i) {
      const int cell = next.cells[i];
      if (cell == previousBlank || paths[i] == MoveAutomaton::SKIP) continue;
      if (nodes == maxNodes) {
        exhausted = true;
        return false;
      }
      ++nodes;
      const int from = blank;
      const int tile = cellTiles[cell];
      // Only the groups that hold the tile change: they are kept to be put back.
      const unsigned touched = database.GroupsOf(tile);
      std::uint32_t oldRanks[GROUPS];
      std::uint8_t oldValues[GROUPS];
      const int step =
          PatternDatabase4x4::Distance(tile, from) - PatternDatabase4x4::Distance(tile, cell);
      Move(tile, cell, from);
      // The partitions are read one by one, as most children fail on the first.
      unsigned stale = touched;
      for (unsigned left = touched; left != 0; left &= left - 1) {
        const int g = __builtin_ctz(left);
        oldRanks[g] = ranks[g];
        oldValues[g] = values[g];
        ranks[g] = childRanks[i][g];
        distances[g] += step;
      }
      int estimate = parentEstimate - 1, cost = 0;
      for (int p = 0; p < PatternDatabase4x4::PARTITIONS; ++p) {
        const PatternDatabase4x4::Partition& partition = database.PartitionAt(p);
        for (const int g : partition.groups) {
          if ((stale >> g & 1) == 0) continue;
          values[g] = static_cast<std::uint8_t>(distances[g] + database.Excess(ranks[g]));
          stale &= ~(1u << g);
        }
        const int lone = partition.loneTile;
        estimate = std::max(estimate, values[partition.groups[0]] + values[partition.groups[1]] +
                                          PatternDatabase4x4::Distance(lone, cellOf[lone]));
        cost = depth + 1 + Weighted(estimate);
        if (cost > bound) break;
      }
      // The parent needs at least estimate - 1 moves: past the bound, no sibling is searched.
      const int parentCost = depth + Weighted(estimate - 1);
      if (cost <= bound) {
        moves[depth] = LETTERS[next.directions[i]];
        if (cost == depth + 1) {
          length = depth + 1;
          return true;
        }
        if (Descend(depth + 1, bound, from, estimate, paths[i])) return true;
      } else if (cost < nextBound) {
        nextBound = cost;
      }
      for (unsigned left = touched; left != 0; left &= left - 1) {
        const int g = __builtin_ctz(left);
        ranks[g] = oldRanks[g];
        values[g] = oldValues[g];
        distances[g] -= step;
      }
      Move(tile, from, cell);
      if (exhausted) return false;
      if (parentCost > bound) {
        nextBound = std::min(nextBound, parentCost);
        return false;
      }
    }
    return false;
  }

  int Weighted(int estimate) const {
    return halfWeight == 2 ? estimate : estimate * halfWeight / 2;
  }

  // The tile slides from cell `from` into the blank at `to`.
  void Move(int tile, int from, int to) {
    cellTiles[to] = static_cast<std::uint8_t>(tile);
    cellTiles[from] = 0;
    cellOf[tile] = static_cast<std::uint8_t>(to);
    blank = from;
  }

  const PatternDatabase4x4& database;
  const MoveAutomaton& automaton;
  const std::uint64_t maxNodes;
  const int halfWeight;
  // One cell past the board, always 0, for the rank updates that look past its end.
  std::array<std::uint8_t, CELLS + 1> cellTiles{};
  TileCells cellOf{};
  int blank = 0;
  std::uint32_t ranks[GROUPS] = {};
  std::uint8_t values[GROUPS] = {};
  // The sums of each group's Manhattan distances, which its value exceeds by the table's entry.
  int distances[GROUPS] = {};
  int nextBound = 0;
  std::uint64_t nodes = 0;
  bool exhausted = false;
  std::array<char, MAX_WEIGHTED_BOUND> moves{};
  int length = 0;
};

Optimal4x4Search Searched(const Board& board, std::uint64_t maxNodes, int halfWeight) {
  if (board.n != 4 || !board.IsSolvablePermutation()) return Optimal4x4Search();
  return Search(PatternDatabase4x4::Shared(), board.tiles, maxNodes, halfWeight).Run();
}

}  // namespace

Optimal4x4Search SolveOptimal4x4Within(const Board& board, std::uint64_t maxNodes) {
  return Searched(board, maxNodes, 2);
}

Optimal4x4Search SolveNearOptimal4x4Within(const Board& board, std::uint64_t maxNodes) {
  return Searched(board, maxNodes, 3);
}

MoveSequence SolveOptimal4x4(const Board& board) {
  return SolveOptimal4x4Within(board, UINT64_MAX).moves;
}
