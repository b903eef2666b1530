// optimal_4x4.cpp: iterative-deepening A* over 4 x 4 positions, the estimate kept up to date
// move by move.
#include "exact/optimal_4x4.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "exact/pattern_database.h"

namespace {

constexpr int CELLS = 16;
// No 4 x 4 position needs more than 80 moves; a bound past this means a fault, not a search.
constexpr int MAX_BOUND = 80;

struct Neighbours {
  int count = 0;
  int cells[4] = {};
  char letters[4] = {};
};

std::array<Neighbours, CELLS> NeighbourTable() {
  std::array<Neighbours, CELLS> table{};
  for (int cell = 0; cell < CELLS; ++cell) {
    Neighbours& next = table[cell];
    auto add = [&next](int target, char letter) {
      next.cells[next.count] = target;
      next.letters[next.count++] = letter;
    };
    if (cell >= 4) add(cell - 4, 'U');
    if (cell < 12) add(cell + 4, 'D');
    if (cell % 4 != 0) add(cell - 1, 'L');
    if (cell % 4 != 3) add(cell + 1, 'R');
  }
  return table;
}

const std::array<Neighbours, CELLS> NEIGHBOURS = NeighbourTable();

// The position, the group values of the estimate and the moves of the current path.
class Search {
 public:
  Search(const PatternDatabase4x4& database, const std::vector<int>& tiles) : database(database) {
    for (int cell = 0; cell < CELLS; ++cell) {
      cellTiles[cell] = static_cast<std::uint8_t>(tiles[cell]);
      cellOf[tiles[cell]] = static_cast<std::uint8_t>(cell);
    }
    blank = cellOf[0];
    for (int lookup = 0; lookup < PatternDatabase4x4::LOOKUPS; ++lookup) {
      values[lookup] = database.GroupValue(lookup, cellOf);
      sums[lookup / 3] += values[lookup];
    }
  }

  MoveSequence Run() {
    const int estimate = std::max(sums[0], sums[1]);
    if (estimate == 0) return MoveSequence();
    // Every move takes the blank to a cell of the other colour of a chessboard, so the length of
    // any solution has the parity of the blank's distance from its goal cell.
    const int parity = (3 - blank / 4 + 3 - blank % 4) % 2;
    int bound = estimate + ((estimate - parity) & 1);
    while (bound <= MAX_BOUND) {
      nextBound = MAX_BOUND + 2;
      if (Descend(0, bound, -1)) return MoveSequence(path.begin(), path.begin() + length);
      bound = nextBound + ((nextBound - parity) & 1);
    }
    return MoveSequence();
  }

 private:
  // Depth-first below `depth` moves while depth plus the estimate stays within the bound; no
  // move takes the blank back where it just came from. True when the goal was reached.
  bool Descend(int depth, int bound, int previousBlank) {
    const Neighbours& next = NEIGHBOURS[blank];
    for (int i = 0; i < next.count; ++i) {
      const int cell = next.cells[i];
      if (cell == previousBlank) continue;
      const int from = blank;
      const int tile = cellTiles[cell];
      const int group = database.GroupOf(tile), reflected = database.ReflectedGroupOf(tile);
      Move(tile, cell, from);
      const int oldGroup = values[group], oldReflected = values[reflected];
      values[group] = database.GroupValue(group, cellOf);
      sums[0] += values[group] - oldGroup;
      // Most children fail on the first sum alone, so the reflected groups are read only for
      // the others. A pruned child's cost may then be below its true one, but the bound rises
      // by two at least and a cost just past it almost always exists.
      int cost = depth + 1 + sums[0];
      if (cost <= bound) {
        values[reflected] = database.GroupValue(reflected, cellOf);
        sums[1] += values[reflected] - oldReflected;
        cost = depth + 1 + std::max(sums[0], sums[1]);
      }
      if (cost <= bound) {
        path[depth] = next.letters[i];
        if (cost == depth + 1) {
          length = depth + 1;
          return true;
        }
        if (Descend(depth + 1, bound, from)) return true;
      } else if (cost < nextBound) {
        nextBound = cost;
      }
      sums[0] -= values[group] - oldGroup;
      sums[1] -= values[reflected] - oldReflected;
      values[group] = oldGroup;
      values[reflected] = oldReflected;
      Move(tile, from, cell);
    }
    return false;
  }

  // The tile slides from cell `from` into the blank at `to`.
  void Move(int tile, int from, int to) {
    cellTiles[to] = static_cast<std::uint8_t>(tile);
    cellTiles[from] = 0;
    cellOf[tile] = static_cast<std::uint8_t>(to);
    blank = from;
  }

  const PatternDatabase4x4& database;
  std::array<std::uint8_t, CELLS> cellTiles{};
  TileCells cellOf{};
  int blank = 0;
  int values[PatternDatabase4x4::LOOKUPS] = {};
  int sums[2] = {0, 0};
  int nextBound = 0;
  std::array<char, MAX_BOUND> path{};
  int length = 0;
};

bool IsSolvablePosition(const std::vector<int>& tiles) {
  bool seen[CELLS] = {};
  int blankRow = 0, inversions = 0;
  for (int i = 0; i < CELLS; ++i) {
    if (tiles[i] < 0 || tiles[i] >= CELLS || seen[tiles[i]]) return false;
    seen[tiles[i]] = true;
    if (tiles[i] == 0) blankRow = i / 4;
    for (int j = 0; j < i; ++j) inversions += tiles[i] != 0 && tiles[j] > tiles[i];
  }
  // On an even side a move up or down passes the tile over three others, changing the
  // inversions by an odd count while the blank changes row: their sum keeps its parity.
  return (inversions + 3 - blankRow) % 2 == 0;
}

}  // namespace

MoveSequence SolveOptimal4x4(const Board& board) {
  if (board.n != 4 || board.tiles.size() != CELLS || !IsSolvablePosition(board.tiles)) {
    return MoveSequence();
  }
  return Search(PatternDatabase4x4::Shared(), board.tiles).Run();
}
