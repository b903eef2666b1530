// stretch_shortener.cpp: the stretch search, over a compact copy of the cells a stretch visits.
#include "planner/stretch_shortener.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "solver/direction.h"
#include "solver/position.h"

namespace planner {

namespace {

// Moves per stretch.
constexpr int WINDOW = 36;
// A stretch whose blank visits more cells than this is left as it is.
constexpr int MAX_CELLS = 20;
// Positions the search of one stretch may generate: counts, not times, so that a solution is
// shortened alike on every machine.
constexpr std::uint64_t MAX_NODES = 20000;
// Moves between the starts of two stretches searched.
constexpr int STRIDE = 4;
// The blank is named by the cell it starts on, the stretch's first.
constexpr int BLANK = 0;

// The cells a stretch's blank visits, numbered in the order it first reaches them. A tile is
// named by the cell it starts on; it has the goal cell where the stretch leaves it.
class StretchSearch {
 public:
  // Takes the stretch from the blank at (row, col) on a board of side n; false when it visits
  // more than MAX_CELLS cells. local must map every cell to -1 and is left so.
  bool Load(const char* letters, int n, int row, int col, std::vector<int>& local) {
    count = 0;
    auto add = [&](int r, int c) {
      int& number = local[r * n + c];
      if (number < 0 && count < MAX_CELLS) {
        number = count;
        rows[count] = r;
        cols[count] = c;
        tiles[count] = count;
        ++count;
      }
      return number;
    };
    // The stretch is walked with the tiles, to learn where it leaves each: its goal.
    int at = add(row, col);
    blank = BLANK;
    for (int i = 0; i < WINDOW && at >= 0; ++i) {
      const Direction d = static_cast<Direction>(CodeOf(letters[i]));
      row += RowStep(d);
      col += ColStep(d);
      const int target = add(row, col);
      if (target >= 0) std::swap(tiles[at], tiles[target]);
      at = target;
    }
    for (int cell = 0; cell < count; ++cell) {
      goalRow[tiles[cell]] = rows[cell];
      goalCol[tiles[cell]] = cols[cell];
      tiles[cell] = cell;
      for (int d = 0; d < 4; ++d) {
        const int r = rows[cell] + RowStep(static_cast<Direction>(d));
        const int c = cols[cell] + ColStep(static_cast<Direction>(d));
        next[cell][d] = r >= 0 && r < n && c >= 0 && c < n ? local[r * n + c] : -1;
      }
    }
    for (int cell = 0; cell < count; ++cell) local[rows[cell] * n + cols[cell]] = -1;
    return at >= 0;
  }

  // A path of fewer than WINDOW moves between the stretch's ends, written to path; its length,
  // or -1 when none was found within the budget.
  int Shorter(char* path) {
    int estimate = 0;
    for (int cell = 0; cell < count; ++cell) {
      if (tiles[cell] != BLANK) estimate += Distance(cell, tiles[cell]);
    }
    nodes = 0;
    out = path;
    // A path has the parity of the stretch's, so the bounds go up by two.
    for (int bound = estimate; bound <= WINDOW - 2 && nodes <= MAX_NODES; bound += 2) {
      if (Descend(0, bound, estimate, -1)) return found;
    }
    return -1;
  }

 private:
  int Distance(int cell, int tile) const {
    return std::abs(rows[cell] - goalRow[tile]) + std::abs(cols[cell] - goalCol[tile]);
  }

  bool Descend(int depth, int bound, int estimate, int previous) {
    if (estimate == 0) {
      found = depth;
      return true;
    }
    if (depth + estimate > bound) return false;
    for (int d = 0; d < 4; ++d) {
      if ((d ^ 1) == previous) continue;
      const int target = next[blank][d];
      if (target < 0) continue;
      if (++nodes > MAX_NODES) return false;
      const int tile = tiles[target], from = blank;
      const int change = Distance(from, tile) - Distance(target, tile);
      tiles[from] = tile;
      tiles[target] = BLANK;
      blank = target;
      out[depth] = DIRECTION_LETTERS[d];
      if (Descend(depth + 1, bound, estimate + change, d)) return true;
      blank = from;
      tiles[target] = tile;
      tiles[from] = BLANK;
      if (nodes > MAX_NODES) return false;
    }
    return false;
  }

  std::uint64_t nodes = 0;
  int count = 0;
  int blank = 0;
  int found = 0;
  char* out = nullptr;
  int rows[MAX_CELLS] = {};
  int cols[MAX_CELLS] = {};
  int next[MAX_CELLS][4] = {};
  // The tile on each cell, named by its starting cell; the blank's is its own starting cell.
  int tiles[MAX_CELLS] = {};
  int goalRow[MAX_CELLS] = {};
  int goalCol[MAX_CELLS] = {};
};

}  // namespace

MoveSequence ShortenStretches(const Board& board, const MoveSequence& solution) {
  const int n = static_cast<int>(board.n);
  // The blank is where the tiles hold 0, whatever board.blank says.
  const auto zero = std::find(board.tiles.begin(), board.tiles.end(), 0);
  const int blank = static_cast<int>(zero - board.tiles.begin());
  Board end = board;
  if (n < 2 || board.tiles.size() != board.n * board.n || zero == board.tiles.end() ||
      !ApplyMoves(end, solution)) {
    return solution;
  }
  // The moves not yet passed are rest[at ...]; a shorter stretch is written over the end of the
  // one it replaces, so that no move is shifted.
  MoveSequence rest = solution, result;
  result.reserve(solution.size());
  std::vector<int> local(board.tiles.size(), -1);
  StretchSearch search;
  char path[WINDOW];
  int row = blank / n, col = blank % n;
  size_t at = 0;
  int sinceSearch = STRIDE;
  while (at < rest.size()) {
    if (sinceSearch >= STRIDE && rest.size() - at >= static_cast<size_t>(WINDOW)) {
      sinceSearch = 0;
      if (search.Load(&rest[at], n, row, col, local)) {
        const int length = search.Shorter(path);
        if (length >= 0) {
          at += static_cast<size_t>(WINDOW - length);
          std::copy(path, path + length, rest.begin() + static_cast<std::ptrdiff_t>(at));
          // The new stretch may shorten again with the moves after it.
          sinceSearch = STRIDE;
          continue;
        }
      }
    }
    const Direction d = static_cast<Direction>(CodeOf(rest[at]));
    row += RowStep(d);
    col += ColStep(d);
    result += rest[at++];
    ++sinceSearch;
  }
  return result;
}

}  // namespace planner
