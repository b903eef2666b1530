// board.h: the puzzle board as files and the console hold it, and the reports on it.
#pragma once

#include <cstdint>
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

/// One n x n board as files and the console hold it: tile t home at index t - 1, the blank (0)
/// last. What the program makes keeps n^2 cells (one for side 0) and blank on the first 0; the
/// values need not be a permutation (the solvers refuse such boards).
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
  /// The row and column of index; the board's side must not be 0.
  Coord PositionToCoord(unsigned index) const { return {index / n, index % n}; }
  /// Index at which tile t belongs (t - 1); 0 for t <= 0 or n = 0 (see WriteGoalFaults).
  unsigned GetGoalPosition(int t) const;
  /// Takes the tiles read from a file, recorded as initial too; out of memory changes nothing.
  void TakeLoadedTiles(unsigned side, std::vector<int>&& cells);
  /// Recomputes blank as the first cell holding 0 (0 when there is none).
  unsigned FindBlank();
  /// Index of the first cell holding t; 0 when none does.
  unsigned FindTile(int t) const;

  // Reports
  /// True when the position can reach the goal; false for side 0 or a count of cells not n^2.
  bool IsSolvable() const;
  /// True when the tiles are each of 0 ... n^2 - 1 once and IsSolvable.
  bool IsSolvablePermutation() const;
  /// True when a board of n^2 cells, n > 0, has `blank` off it or on a tile: the solvability
  /// check then warns with BLANK_WARNING (print and every solve show it).
  bool BlankMisplaced() const;
  /// Sum of the tiles' distances to their goal cells; a tile of no goal counts from cell 0.
  std::uint64_t ManhattanDistance() const;
  /// Replaces the board by a random n x n position; the result is its IsSolvable.
  bool RandomBoard(unsigned side);
  /// Writes size, distance, solvability and (up to side 20) the tiles, as print does.
  void PrintBoard(std::ostream& out) const;
};

/// The solvability check's warning for a board whose `blank` holds no 0.
inline constexpr char BLANK_WARNING[] = "Warning - in function IsSolvable: invalid zero position";

/// Writes the words for each tile of the board that has no goal cell (a negative one), up to
/// MAX_WARNINGS, then a count.
void WriteGoalFaults(std::ostream& out, const Board& board);

/// Writes a warning per refused letter quoting the sequence, up to MAX_WARNINGS, then a count.
void WriteMoveWarnings(std::ostream& out, const MoveSequence& sequence,
                       const MoveSequence& refused);

/// The goal arrangement of side n: 1, 2, ..., n^2 - 1 in rows, then the blank.
std::vector<int> GoalTiles(unsigned n);

/// True when the pairs i < j with values[i] > values[j] are even in number; O(N) when the values
/// are a permutation of 1 ... N, O(N log N) otherwise.
bool HasEvenParity(std::vector<int> values);
