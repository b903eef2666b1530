// board.h: the puzzle board as files and the console hold it, and the reports on it.
#pragma once

#include <ostream>
#include <string>
#include <vector>

/// Letters U, D, L, R, each naming the direction in which the blank moves.
using MoveSequence = std::string;

/// Largest side the program handles: new, rand, both file readers and the solvers.
constexpr unsigned MAX_SIDE = 100;

/// Most warnings that one ApplySequence writes, and most letters that a warning quotes.
constexpr size_t MAX_WARNINGS = 20;
constexpr size_t MAX_QUOTED_LETTERS = 1000;

/// A cell: row 0 at the top, column 0 at the left.
struct Coord {
  unsigned row = 0;
  unsigned col = 0;
};

/// Letter that moves the blank from cell `blank` to the neighbouring cell `target`, or 'X'.
/// Compares indices only: the last cell of a row and the first of the next give 'R' or 'L'.
char MoveLetter(int target, int blank, int n);

/// One n x n board of the (n^2-1)-puzzle as a plain value: what files and the console hold. Tile
/// t is home at index t - 1, the blank (0) at index n^2 - 1. The fields are public and nothing
/// stops a caller from breaking them; what this program makes keeps n^2 cells (a side-0 board
/// from `new 0` keeps its one blank cell) and blank on the first cell holding 0 (0 when there is
/// none). The values need not be a permutation: the file readers take them as they are, and the
/// solvers refuse such boards. Moves are made on a Position (solver/position.h) made from it.
class Board {
 public:
  std::vector<int> tiles;
  unsigned n = 0;
  int initialSize = 0;
  std::vector<int> initialTiles;
  unsigned blank = 0;

  Board() = default;
  /// Builds from the source's tiles and side only: the tiles also become initialTiles.
  Board(const Board& source);
  /// Copies all five fields as they are.
  Board& operator=(const Board& source) = default;

  // Cells and tiles
  /// Fills coord with the row and column of index; false, with a message, when n is 0.
  bool PositionToCoord(unsigned index, Coord& coord, std::ostream& out) const;
  /// Index at which tile t belongs (t - 1); 0, with a message, for t <= 0 or n = 0.
  unsigned GetGoalPosition(int t, std::ostream& out) const;
  /// Makes the tiles the board of side n as read from a file: initialSize and initialTiles
  /// record them, and blank is found. The one allocation comes first, so that running out of
  /// memory leaves the board as it was.
  void TakeLoadedTiles(unsigned side, std::vector<int>&& cells);
  /// Recomputes blank as the first cell holding 0 (0 when there is none).
  unsigned FindBlank();
  /// Index of the first cell holding t; 0 when none does.
  unsigned FindTile(int t) const;

  // Reports
  /// True when the position can reach the goal arrangement.
  bool IsSolvable(std::ostream& out) const;
  /// Sum over the tiles of their row and column distances to their goal cells.
  unsigned ManhattanDistance(std::ostream& out) const;
  /// Replaces the board by a random n x n position; the result is its IsSolvable.
  bool RandomBoard(unsigned side, std::ostream& out);
  /// Writes size, distance, solvability and (up to side 20) the tiles.
  void PrintBoard(std::ostream& out) const;
};

/// Writes the warnings of a text of moves whose letters `refused` could not be used: one per
/// refused letter quoting the sequence (its first MAX_QUOTED_LETTERS letters and "..." when
/// longer), and after MAX_WARNINGS of them one line that counts the rest.
void WriteMoveWarnings(std::ostream& out, const MoveSequence& sequence,
                       const MoveSequence& refused);

/// The goal arrangement of side n: 1, 2, ..., n^2 - 1 in rows, then the blank; for sides 0 and 1
/// the blank alone.
std::vector<int> GoalTiles(unsigned n);

/// Number of pairs i < j with values[i] > values[j], in O(N log N).
long long CountInversions(std::vector<int> values);
/// True when CountInversions is even; O(N) when the values are a permutation of 1 ... N.
bool HasEvenParity(std::vector<int> values);
