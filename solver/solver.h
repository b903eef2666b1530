// solver.h: the working state both solvers share, and the one way they move.
#pragma once

#include <ostream>

#include "board/board.h"

/// A working board with the record of the moves made on it. Every move of a solver goes through
/// DoMoves. A text with a refused letter still moves the board by its other letters but is left
/// out of applied (with a warning), so applied solves the board only when no warning was written.
class Solver {
 public:
  explicit Solver(std::ostream& out);

  MoveSequence recordedMoves;
  bool recording = false;
  Board board;
  MoveSequence applied;

  // Moving and recording
  /// Applies the text to the board; appends it to applied only when every letter applied, and
  /// to recordedMoves, whole, while recording.
  void DoMoves(const MoveSequence& sequence);

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
