// line_tails.cpp: placing one tile at a time, and the last two tiles of the row and column.
#include "snake/line_tails.h"

#include "solver/move_macros.h"
#include "solver/tile_placement.h"

namespace snake {

void PlaceTile(const LineView& line, int row, int col, int targetRow, int targetCol) {
  // A tile already there only needs the blank moved off the row, below and right of it.
  if (row == targetRow && col == targetCol) {
    line.MoveBlankStraight(1, col + 1);
    return;
  }
  CarryTile(line, row, col, targetRow, targetCol);
}

namespace {

// Brings the blank beside the tile at (row, width - 1), on the right of it as the tail's
// `beside` frame sees it, then walks the tile up the last column to row `stop` with the blank
// below it, and goes on with `then`.
void RaiseInLastColumn(Solver& solver, const Line& tail, const LineView& line, int row, int stop,
                       const char* then) {
  const LineView beside = tail.beside(solver);
  const int last = line.Width() - 1;
  int boardRow, boardCol, r, c, blankRow, blankCol;
  line.ToBoard(row, last, boardRow, boardCol);
  beside.FromBoard(boardRow, boardCol, r, c);
  beside.FindBlank(blankRow, blankCol);
  // The blank may push the tile along the column on its way.
  beside.BringBlankRight(blankCol, blankRow, r, c);
  beside.ToBoard(r, c, boardRow, boardCol);
  line.FromBoard(boardRow, boardCol, row, c);
  // A blank above the tile pushes it up a row and is below it.
  const int push = line.TileAt(row - 1, last) == 0 ? 1 : 0;
  line.DoMoves({LetterRun('D', push), Repeated(UP_BB_LEFT, row - push - stop), then});
}

// Brings the blank to (row, width - 1) while a tile stands at (1, width - 2): a blank left of
// the tile in row 1 steps down first, not to push it along the row.
void BringBlankRound(const LineView& line, int row) {
  int blankRow, blankCol;
  line.FindBlank(blankRow, blankCol);
  if (blankRow == 1 && blankCol < line.Width() - 2) line.DoMoves({"D"});
  line.MoveBlankStraight(row, line.Width() - 1);
}

}  // namespace

void FinishLine(Solver& solver, const Line& tail) {
  const LineView line = tail.view(solver);
  const int w = line.Width();
  const int first = line.HomeTile(0, w - 2), second = line.HomeTile(0, w - 1);
  int r, c, blankRow, blankCol;
  line.FindTile(first, r, c);
  line.FindBlank(blankRow, blankCol);

  // The first tile waits in the line's last cell, the blank off row 0.
  if (r == 0 && c == w - 1) {
    if (blankRow == 0) line.DoMoves({"D"});
  } else if (r == 0 && c == w - 2) {
    line.MoveBlankStraight(1, w - 1);
    line.DoMoves({CYCLE_UL_CCW});
  } else if (r == 1 && c == w - 2) {
    if (blankRow == 0 && blankCol == w - 2) {
      line.DoMoves({CYCLE_DR_CCW, "D"});
    } else {
      BringBlankRound(line, 2);
      line.DoMoves({"U", CYCLE_UL_CW});
    }
  } else if (c == w - 1) {
    RaiseInLastColumn(solver, tail, line, r, 0, "");
  } else {
    PlaceTile(line, r, c, 1, w - 2);
    line.DoMoves({CYCLE_UL_CW});
  }

  // The second comes below it, to (1, w - 1), with the blank on its left.
  if (line.TileAt(0, w - 2) == second) {
    line.MoveBlankStraight(1, w - 1);
    line.DoMoves({ROW_TAIL_SWAP});
    return;
  }
  line.FindTile(second, r, c);
  if (c == w - 1) {
    RaiseInLastColumn(solver, tail, line, r, 1, "LU");
  } else {
    if (r == 1 && c == w - 2) {
      // A blank running down first would reach row 1 left of the tile: it comes through row 2.
      BringBlankRound(line, line.AcrossFirst() ? 1 : 2);
      line.MoveBlankStraight(1, w - 1);
    } else {
      PlaceTile(line, r, c, 1, w - 2);
    }
    line.DoMoves({"L"});
  }
  if (line.TileAt(1, w - 2) == 0) {
    line.DoMoves({ROW_TAIL_TURN});
  } else {
    solver.ReportTailFault(tail.faultName, "can't do final rotation...");
  }
}

}  // namespace snake
