// line_tails.cpp: placing one tile at a time, and the last two tiles of the row and column.
#include "snake/line_tails.h"

#include <cstdlib>

#include "solver/move_macros.h"
#include "solver/tile_placement.h"

namespace snake {

void MoveBlankStraight(Solver& solver, int row, int col) {
  const int n = static_cast<int>(solver.Current().Side());
  if (n == 0) return;
  const int blank = static_cast<int>(solver.Current().Blank());
  const int br = blank / n, bc = blank % n;
  solver.DoMoves({LetterRun(row < br ? 'U' : 'D', std::abs(br - row)),
                  LetterRun(col < bc ? 'L' : 'R', std::abs(bc - col))});
}

void PlaceRowTile(Solver& solver, int row, int col, int targetRow, int targetCol) {
  // A tile already there only needs the blank moved off the row, below and right of it.
  if (row == targetRow && col == targetCol) {
    MoveBlankStraight(solver, 1, col + 1);
    return;
  }
  CarryTileToRow(solver, row, col, targetRow, targetCol);
}

void PlaceColTile(Solver& solver, int row, int col, int targetRow, int targetCol) {
  if (row == targetRow && col == targetCol && row > 1) {
    MoveBlankStraight(solver, row - 1, 1);
    return;
  }
  CarryTileToCol(solver, row, col, targetRow, targetCol);
}

void FinishFirstRow(Solver& solver) {
  const int n = static_cast<int>(solver.Current().Side());
  if (n < 3) return;
  unsigned blankIndex = solver.Current().Blank();
  int br = static_cast<int>(blankIndex) / n, bc = static_cast<int>(blankIndex) % n;
  int r, c;
  solver.FindTileCoord(n - 1, r, c);

  // Tile n-1 waits in the corner (0, n-1), the blank below row 0.
  if (r == 0 && c == n - 1) {
    if (static_cast<int>(blankIndex) < n) solver.DoMoves("D");
  } else if (r == 0 && c == n - 2) {
    MoveBlankStraight(solver, 1, n - 1);
    solver.DoMoves(CYCLE_UL_CCW);
  } else if (r == 1 && c == n - 2) {
    if (br == 0 && bc == n - 2) {
      solver.DoMoves(CYCLE_DR_CCW);
      solver.DoMoves("D");
    } else {
      MoveBlankStraight(solver, 2, n - 1);
      solver.DoMoves("U");
      solver.DoMoves(CYCLE_UL_CW);
    }
  } else if (c == n - 1) {
    solver.BringBlankAbove(br, bc, r, c);
    solver.DoMoves({"D", Repeated(UP_BB_LEFT, r - 1)});
  } else {
    PlaceRowTile(solver, r, c, 1, n - 2);
    solver.DoMoves(CYCLE_UL_CW);
  }

  // Tile n comes below it, to (1, n-1), with the blank on its left.
  if (solver.TileAt(0, n - 2) == n) {
    MoveBlankStraight(solver, 1, n - 1);
    solver.DoMoves(ROW_TAIL_SWAP);
    return;
  }
  solver.FindTileCoord(n, r, c);
  if (c == n - 1) {
    br = static_cast<int>(solver.Current().Blank()) / n;
    bc = static_cast<int>(solver.Current().Blank()) % n;
    solver.BringBlankAbove(br, bc, r, c);
    solver.DoMoves({"D", Repeated(UP_BB_LEFT, r - 2), "LU"});
  } else if (r == 1 && c == n - 2) {
    MoveBlankStraight(solver, 2, n - 1);
    solver.DoMoves("UL");
  } else {
    PlaceRowTile(solver, r, c, 1, n - 2);
    solver.DoMoves("L");
  }
  if (solver.TileAt(1, n - 2) == 0) {
    solver.DoMoves(ROW_TAIL_TURN);
  } else {
    solver.ReportTailFault("SolveFirstRow2", "can't do final rotation...");
  }
}

void FinishFirstCol(Solver& solver) {
  const int n = static_cast<int>(solver.Current().Side());
  if (n < 3) return;
  unsigned blankIndex = solver.Current().Blank();
  const int br = static_cast<int>(blankIndex) / n, bc = static_cast<int>(blankIndex) % n;
  int r, c;
  solver.FindTileCoord(2 * n + 1, r, c);

  // Tile 2n+1 waits at (1, 0), the blank right of column 0.
  if (r == 1 && c == 0) {
    if (br == 2 && bc == 0) solver.DoMoves("R");
  } else if (r == 2 && c == 0) {
    MoveBlankStraight(solver, 1, 1);
    solver.DoMoves(CYCLE_DL_CCW);
  } else if (r == 2 && c == 1) {
    if (br == 2 && bc == 0) {
      solver.DoMoves(CYCLE_UR_CCW);
      solver.DoMoves("R");
    } else {
      // The blank climbs in column 2, clear of the tile.
      if (bc == 1) solver.DoMoves("R");
      MoveBlankStraight(solver, 1, 2);
      solver.DoMoves("L");
      solver.DoMoves(CYCLE_DL_CW);
    }
  } else if (r == 1) {
    solver.BringBlankRight(bc, br, r, c);
    solver.ShiftTileInRow(0, c);
  } else {
    PlaceColTile(solver, r, c, 2, 1);
    solver.DoMoves(CYCLE_DL_CW);
  }

  // Tile n+1 comes beside it, to (1, 1), with the blank below.
  if (solver.TileAt(2, 0) == n + 1) {
    MoveBlankStraight(solver, 1, 1);
    solver.DoMoves(COL_TAIL_SWAP);
    return;
  }
  solver.FindTileCoord(n + 1, r, c);
  if (r == 1) {
    solver.BringBlankRight(static_cast<int>(solver.Current().Blank()) % n,
                           static_cast<int>(solver.Current().Blank()) / n, r, c);
    solver.DoMoves({Repeated(LEFT_BR, c - 1), "DL"});
  } else {
    blankIndex = solver.Current().Blank();
    // Tile n+1 may already stand at (2, 1); a blank below it in column 1 would push it down on
    // its way up, so it climbs in column 2 instead.
    if (r == 2 && c == 1 && static_cast<int>(blankIndex) % n == 1 &&
        static_cast<int>(blankIndex) / n > 2) {
      solver.DoMoves("R");
    }
    PlaceColTile(solver, r, c, 2, 1);
    solver.DoMoves("D");
  }
  if (solver.TileAt(2, 1) == 0) {
    solver.DoMoves(COL_TAIL_TURN);
  } else {
    solver.ReportTailFault("SolveFirstCol2", "can't do final rotation...");
  }
}

}  // namespace snake
