// board.cpp: solvability, random boards, printing and the warnings of refused moves.
#include "board/board.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <numeric>

#include "board/random_draw.h"
#include "board/text_format.h"

char MoveLetter(int target, int blank, int n) {
  if (blank == target - 1) return 'R';
  if (blank == target + 1) return 'L';
  if (blank == target - n) return 'D';
  if (blank == target + n) return 'U';
  return 'X';
}

Board::Board(const Board& source)
    : tiles(source.tiles),
      n(source.n),
      initialSize(static_cast<int>(source.n)),
      initialTiles(source.tiles) {
  FindBlank();
}

unsigned Board::GetGoalPosition(int t) const {
  return n == 0 || t <= 0 ? 0 : static_cast<unsigned>(t) - 1;
}

void Board::TakeLoadedTiles(unsigned side, std::vector<int>&& cells) {
  std::vector<int> initial(cells);
  n = side;
  tiles.swap(cells);
  initialSize = static_cast<int>(side);
  initialTiles.swap(initial);
  FindBlank();
}

unsigned Board::FindBlank() {
  blank = FindTile(0);
  return blank;
}

unsigned Board::FindTile(int t) const {
  const auto cell = std::find(tiles.begin(), tiles.end(), t);
  return cell == tiles.end() ? 0 : static_cast<unsigned>(cell - tiles.begin());
}

void WriteMoveWarnings(std::ostream& out, const MoveSequence& sequence,
                       const MoveSequence& refused) {
  // A long solution applied to another board could refuse millions of letters; the warnings
  // people read stay as they are, and the rest is counted.
  const bool quotedWhole = sequence.size() <= MAX_QUOTED_LETTERS;
  for (size_t i = 0; i < refused.size() && i < MAX_WARNINGS; ++i) {
    out << "\nWarning: can't use this move - " << refused[i] << " (ApplySequence(";
    if (quotedWhole) {
      out << sequence;
    } else {
      out.write(sequence.data(), MAX_QUOTED_LETTERS);
      out << "...";
    }
    out << "))";
  }
  if (refused.size() > MAX_WARNINGS) {
    out << "\nWarning: " << refused.size() - MAX_WARNINGS << " more moves can't be used";
  }
}

void WriteGoalFaults(std::ostream& out, const Board& board) {
  // A plain file of ten thousand -1s would otherwise write half a megabyte on one line.
  size_t faults = 0;
  for (const int t : board.tiles) {
    if (t < 0 && ++faults <= MAX_WARNINGS) {
      out << Format("Error in function GetGoalPosition( %d ) : n=%d", t, board.n);
    }
  }
  if (faults > MAX_WARNINGS) out << " (" << faults - MAX_WARNINGS << " more such tiles) ";
}

std::vector<int> GoalTiles(unsigned n) {
  // Side 0 keeps one cell, the blank.
  std::vector<int> goal(std::max(n * n, 1u), 0);
  std::iota(goal.begin(), goal.end() - 1, 1);
  return goal;
}

bool HasEvenParity(std::vector<int> values) {
  // The parity of N minus the cycles of a permutation of 1 ... N: one pass instead of a sort.
  const size_t size = values.size();
  std::vector<char> seen(size + 1, 0);
  bool permutation = true;
  for (const int value : values) {
    if (value < 1 || static_cast<size_t>(value) > size || seen[value]) {
      permutation = false;
      break;
    }
    seen[value] = 1;
  }
  if (!permutation) {
    // Anything else (the file readers take any values) has the inversions of the permutation
    // that sorts it stably: equal values, which are no inversion, keep their order.
    std::vector<int> order(size);
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(),
                     [&values](int a, int b) { return values[a - 1] < values[b - 1]; });
    values.swap(order);
  }
  size_t cycles = 0;
  std::fill(seen.begin(), seen.end(), 0);
  for (size_t start = 0; start < size; ++start) {
    if (seen[start]) continue;
    ++cycles;
    for (size_t i = start; !seen[i]; i = static_cast<size_t>(values[i]) - 1) seen[i] = 1;
  }
  return (size - cycles) % 2 == 0;
}

bool Board::IsSolvable() const {
  if (n == 0 || tiles.size() != static_cast<size_t>(n) * n) return false;
  std::vector<int> copy = tiles;
  unsigned z = FindTile(0);
  Coord cell = PositionToCoord(z);
  // Walk the blank right to the last column and down to the last row by legal moves; the
  // parity of the remaining tiles is then that of the position with the blank at home.
  for (; cell.col < n - 1; ++cell.col, ++z) {
    copy[z] = copy[z + 1];
    copy[z + 1] = 0;
  }
  for (; cell.row < n - 1; ++cell.row, z += n) {
    copy[z] = copy[z + n];
    copy[z + n] = 0;
  }
  copy.pop_back();
  return HasEvenParity(std::move(copy));
}

bool Board::BlankMisplaced() const {
  // IsSolvable finds the blank itself; a board whose `blank` is elsewhere is warned about.
  return n > 0 && tiles.size() == static_cast<size_t>(n) * n &&
         (blank >= tiles.size() || tiles[blank] != 0);
}

bool Board::IsSolvablePermutation() const {
  std::vector<bool> seen(tiles.size(), false);
  for (const int value : tiles) {
    if (value < 0 || static_cast<size_t>(value) >= seen.size() || seen[value]) return false;
    seen[value] = true;
  }
  return IsSolvable();
}

std::uint64_t Board::ManhattanDistance() const {
  if (n == 0) return 0;
  // 64 bits: tiles far beyond n^2, which a file may hold, are billions of cells from home each.
  std::uint64_t sum = 0;
  for (unsigned i = 0; i < tiles.size(); ++i) {
    if (tiles[i] == 0) continue;
    const long long cell = i, goal = GetGoalPosition(tiles[i]), side = n;
    sum += static_cast<std::uint64_t>(std::llabs(cell / side - goal / side) +
                                      std::llabs(cell % side - goal % side));
  }
  return sum;
}

bool Board::RandomBoard(unsigned side) {
  const size_t cells = static_cast<size_t>(side) * side;
  tiles.assign(cells, 0);
  n = side;
  // The values not drawn yet, in ascending order, as counts in a Fenwick tree: each draw picks
  // the k-th of them in O(log N) where erasing it from a vector took O(N).
  size_t highest = 1;
  while (highest * 2 <= cells) highest *= 2;
  // Positions past the last value count as full, so that the search needs no bounds test.
  std::vector<unsigned> tree(2 * highest, UINT_MAX);
  bool solvable = false;
  for (int draw = 0; draw < 11 && !solvable; ++draw) {
    for (size_t i = 1; i <= cells; ++i) tree[i] = static_cast<unsigned>(i & (~i + 1));
    for (size_t j = 0; j < cells; ++j) {
      const size_t m = cells - j;
      size_t k = static_cast<size_t>(DrawRandom() / static_cast<double>(RANDOM_DRAW_MAX) *
                                     static_cast<double>(m - 1));
      // The largest position whose prefix holds at most k values; the value is the next one.
      size_t position = 0;
      for (size_t step = highest; step > 0; step /= 2) {
        const unsigned count = tree[position + step];
        if (count <= k) {
          position += step;
          k -= count;
        }
      }
      tiles[j] = static_cast<int>(position);
      for (size_t i = position + 1; i <= cells; i += i & (~i + 1)) --tree[i];
    }
    FindBlank();
    solvable = IsSolvable();
  }
  return solvable;
}

void Board::PrintBoard(std::ostream& out) const {
  if (n == 0) {
    out << "No puzzle to be print!";
    return;
  }
  out << "\n\nSize: " << n << "x" << n << "\n";
  out << "Manhattan distance: ";
  WriteGoalFaults(out, *this);
  out << ManhattanDistance() << "\n";
  out << "Solvable: ";
  if (BlankMisplaced()) out << BLANK_WARNING;
  out << (IsSolvable() ? "Yes" : "NO!") << "\n";
  if (n > 20) {
    out << "Can only print boards with size <=20";
    return;
  }
  out << "\nTiles: \n";
  for (unsigned i = 0; i < tiles.size(); ++i) {
    if (i % n == 0) out << "\n";
    out << Format("%4d", tiles[i]);
  }
}
