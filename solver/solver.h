// solver.h: the working state both solvers share, and the one way they move.
#pragma once

#include <ctime>
#include <ostream>

#include "board/board.h"

/// A working board with the record of every move made on it. Every move of a solver goes
/// through DoMoves, so the board and the move texts always agree.
class Solver {
 public:
  explicit Solver(std::ostream& out);

  MoveSequence recordedMoves;
  bool recording = false;
  Board checkpointBoard;
  MoveSequence checkpointApplied;
  Board board;
  MoveSequence applied;
  int currentTile = 1;

  // Moving and recording
  /// Applies the text to the board; appends it to applied only when every letter applied, and
  /// to recordedMoves, whole, while recording.
  void DoMoves(MoveSequence sequence);
  /// Keeps a copy of the board and of applied, and starts recording afresh.
  void SaveCheckpoint();
  /// Returns the board and applied to the last checkpoint; recording is left as it is.
  void RestoreCheckpoint();

  // Routing the blank beside a tile; the caller passes the blank's position
  /// Leaves the blank directly above the tile; a blank arriving from below pushes it down.
  void BringBlankAbove(int blankRow, int blankCol, int& tileRow, int& tileCol);
  /// Leaves the blank directly right of the tile; a blank arriving from the left pushes it left.
  void BringBlankRight(int blankCol, int blankRow, int& tileRow, int& tileCol);
  /// Leaves the blank directly left of the tile; a blank arriving from the right pushes it right.
  void BringBlankLeft(int blankCol, int blankRow, int& tileRow, int& tileCol);
  /// With the blank at (1, n-1), brings the tile at (k, n-1) to (1, n-1), the blank to (1, n-2).
  void LiftTileInLastColumn(int k);
  /// With the blank right of the tile in column tileCol, moves it along its row to targetCol.
  void ShiftTileInRow(int targetCol, int tileCol);

  // Questions about the working board
  /// True when tile t stands at its goal cell.
  bool IsTileAtGoal(int t) const;
  /// Row and column of the cell that holds tile t.
  void FindTileCoord(int t, int& row, int& col) const;
  /// The tile at (row, col); -1 for a cell off the board.
  int TileAt(int row, int col) const;

  /// Reports a row or column tail that cannot go on: "Error in function <function>() (n=...)".
  void ReportTailFault(const char* function, const char* problem) const;

  /// The stream every message of the solver goes to.
  std::ostream& Out() const { return *out; }

 private:
  std::ostream* out;
};

/// True when the board can be handed to a solver: a solvable permutation of 0 ... n^2-1 whose
/// side is 3 ... 100.
bool IsSolvableBoard(const Board& board, std::ostream& out);
/// The timing line both solvers print: the spans from start and from the start of the 3 x 3
/// search to end, each truncated to whole tenths of a second.
std::string SolveTimeLine(std::clock_t start, std::clock_t start3x3, std::clock_t end);
