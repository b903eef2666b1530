// tile_placement.cpp: placing one tile at a time, and the last two tiles of the row and column.
#include "solver/tile_placement.h"

#include <cstdlib>

#include "snake/snake_solver.h"
#include "solver/move_macros.h"

void SnakeSolver::MoveBlankStraight(int row, int col) {
  const int n = Side();
  if (n == 0) return;
  blankIndex = Current().Blank();
  const int br = static_cast<int>(blankIndex) / n, bc = static_cast<int>(blankIndex) % n;
  DoMoves({LetterRun(row < br ? 'U' : 'D', std::abs(br - row)),
           LetterRun(col < bc ? 'L' : 'R', std::abs(bc - col))});
  blankIndex = static_cast<unsigned>(row * n + col);
}

void SnakeSolver::PlaceRowTile(int row, int col, int targetRow, int targetCol) {
  // A tile already there only needs the blank moved off the row, below and right of it.
  if (row == targetRow && col == targetCol) {
    MoveBlankStraight(1, col + 1);
    return;
  }
  CarryTileToRow(*this, row, col, targetRow, targetCol);
}

void SnakeSolver::PlaceColTile(int row, int col, int targetRow, int targetCol) {
  if (row == targetRow && col == targetCol && row > 1) {
    MoveBlankStraight(row - 1, 1);
    return;
  }
  CarryTileToCol(*this, row, col, targetRow, targetCol);
}

void SnakeSolver::SolveFirstRow2() {
  const int n = Side();
  if (n < 3) return;
  currentTile = n - 1;
  blankIndex = Current().Blank();
  int br = static_cast<int>(blankIndex) / n, bc = static_cast<int>(blankIndex) % n;
  int r, c;
  FindTileCoord(n - 1, r, c);

  // Tile n-1 waits in the corner (0, n-1), the blank below row 0.
  if (r == 0 && c == n - 1) {
    if (static_cast<int>(blankIndex) < n) DoMoves("D");
  } else if (r == 0 && c == n - 2) {
    MoveBlankStraight(1, n - 1);
    DoMoves(CYCLE_UL_CCW);
  } else if (r == 1 && c == n - 2) {
    if (br == 0 && bc == n - 2) {
      DoMoves(CYCLE_DR_CCW);
      DoMoves("D");
    } else {
      MoveBlankStraight(2, n - 1);
      DoMoves("U");
      DoMoves(CYCLE_UL_CW);
    }
  } else if (c == n - 1) {
    BringBlankAbove(br, bc, r, c);
    DoMoves({"D", Repeated(UP_BB_LEFT, r - 1)});
  } else {
    PlaceRowTile(r, c, 1, n - 2);
    DoMoves(CYCLE_UL_CW);
  }

  // Tile n comes below it, to (1, n-1), with the blank on its left.
  if (TileAt(0, n - 2) == n) {
    MoveBlankStraight(1, n - 1);
    DoMoves(ROW_TAIL_SWAP);
    return;
  }
  currentTile = n;
  FindTileCoord(n, r, c);
  if (c == n - 1) {
    br = static_cast<int>(Current().Blank()) / n;
    bc = static_cast<int>(Current().Blank()) % n;
    BringBlankAbove(br, bc, r, c);
    DoMoves({"D", Repeated(UP_BB_LEFT, r - 2), "LU"});
  } else if (r == 1 && c == n - 2) {
    MoveBlankStraight(2, n - 1);
    DoMoves("UL");
  } else {
    blankIndex = Current().Blank();
    PlaceRowTile(r, c, 1, n - 2);
    DoMoves("L");
  }
  if (TileAt(1, n - 2) == 0) {
    DoMoves(ROW_TAIL_TURN);
  } else {
    ReportTailFault("SolveFirstRow2", "can't do final rotation...");
  }
}

void SnakeSolver::SolveFirstCol2() {
  const int n = Side();
  if (n < 3) return;
  currentTile = 2 * n + 1;
  blankIndex = Current().Blank();
  const int br = static_cast<int>(blankIndex) / n, bc = static_cast<int>(blankIndex) % n;
  int r, c;
  FindTileCoord(2 * n + 1, r, c);

  // Tile 2n+1 waits at (1, 0), the blank right of column 0.
  if (r == 1 && c == 0) {
    if (br == 2 && bc == 0) DoMoves("R");
  } else if (r == 2 && c == 0) {
    MoveBlankStraight(1, 1);
    DoMoves(CYCLE_DL_CCW);
  } else if (r == 2 && c == 1) {
    if (br == 2 && bc == 0) {
      DoMoves(CYCLE_UR_CCW);
      DoMoves("R");
    } else {
      // The blank climbs in column 2, clear of the tile.
      if (bc == 1) DoMoves("R");
      MoveBlankStraight(1, 2);
      DoMoves("L");
      DoMoves(CYCLE_DL_CW);
    }
  } else if (r == 1) {
    BringBlankRight(bc, br, r, c);
    ShiftTileInRow(0, c);
  } else {
    PlaceColTile(r, c, 2, 1);
    DoMoves(CYCLE_DL_CW);
  }

  // Tile n+1 comes beside it, to (1, 1), with the blank below.
  if (TileAt(2, 0) == n + 1) {
    MoveBlankStraight(1, 1);
    DoMoves(COL_TAIL_SWAP);
    return;
  }
  currentTile = n + 1;
  FindTileCoord(n + 1, r, c);
  if (r == 1) {
    BringBlankRight(static_cast<int>(Current().Blank()) % n,
                    static_cast<int>(Current().Blank()) / n, r, c);
    DoMoves({Repeated(LEFT_BR, c - 1), "DL"});
  } else {
    blankIndex = Current().Blank();
    // Tile n+1 may already stand at (2, 1); a blank below it in column 1 would push it down on
    // its way up, so it climbs in column 2 instead.
    if (r == 2 && c == 1 && static_cast<int>(blankIndex) % n == 1 &&
        static_cast<int>(blankIndex) / n > 2) {
      DoMoves("R");
      blankIndex = Current().Blank();
    }
    PlaceColTile(r, c, 2, 1);
    DoMoves("D");
  }
  if (TileAt(2, 1) == 0) {
    DoMoves(COL_TAIL_TURN);
  } else {
    ReportTailFault("SolveFirstCol2", "can't do final rotation...");
  }
}
