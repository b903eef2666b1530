// parberry_solver.cpp: the row and column steps, their tails, and the driver of Parberry's method.
#include "parberry/parberry_solver.h"

#include <ctime>

#include "solver/end_game_search.h"
#include "solver/move_macros.h"

namespace parberry {

namespace {

int Side(const Solver& solver) {
  return static_cast<int>(solver.board.n);
}

}  // namespace

void SolveFirstRow(Solver& solver) {
  Board& board = solver.board;
  const int n = Side(solver);
  if (n < 3) return;
  int blankRow = static_cast<int>(board.blank) / n;
  int blankCol = static_cast<int>(board.blank) % n;
  for (int t = 1; t <= n - 1; ++t) {
    if (solver.IsTileAtGoal(t)) {
      if (t == n - 1 && !solver.IsTileAtGoal(n)) {
        // Tiles 1 ... n-1 were home from the start, so the blank may be anywhere below row 0.
        // It climbs to row 1, runs to the last column and comes up into the corner; only then
        // does "LDR" turn tile n-1 into the corner with the blank below it.
        if (solver.TileAt(0, n - 1) != 0) {
          const int row = static_cast<int>(board.blank) / n;
          const int col = static_cast<int>(board.blank) % n;
          solver.DoMoves(Letters('U', row - 1) + Letters('R', n - 1 - col) + "U");
        }
        solver.DoMoves("LDR");
      }
      continue;
    }
    int r, c;
    solver.FindTileCoord(t, r, c);
    solver.BringBlankRight(blankCol, blankRow, r, c);
    const bool leftward = c >= t - 1;
    if (t == n - 1 && r == 0) {
      // Tile n-1 stood in row 0 right of its home and has just been pushed into it.
      solver.DoMoves("LDR");
      return;
    }
    // Tile n-1 is aimed below its home; a tile left of its home column travels in row 1 and
    // enters row 0 only at its home column.
    const int targetRow = (!leftward || t == n - 1) ? 1 : 0;
    while (r != targetRow && c != t - 1) {
      if (leftward) {
        solver.DoMoves(UPLEFT_BR);
        --c;
      } else {
        solver.DoMoves(UPRIGHT_BR);
        ++c;
      }
      --r;
    }
    MoveSequence buffer;
    if (r == targetRow) {
      if (c > t - 1) {
        buffer = Repeat(LEFT_BR, c - (t - 1));
      } else {
        buffer = Repeat(RIGHT_BR_LOW, (t - 1) - c);
        if (t != n - 1 && !leftward) buffer += UP_BR;
      }
    } else {
      buffer = Repeat(UP_BR, t == n - 1 ? r - 1 : r);
    }
    solver.DoMoves(buffer);
    blankRow = 0;
    blankCol = t;
  }
}

void SolveFirstRow2(Solver& solver) {
  const int n = Side(solver);
  if (n < 3) return;
  const bool startA = solver.TileAt(1, n - 1) == 0 && solver.TileAt(1, n - 2) == n - 1;
  const bool startB = solver.TileAt(0, n - 1) == n - 1 && solver.TileAt(1, n - 1) == 0;
  if (!startA && !startB) {
    solver.ReportTailFault("SolveFirstRow2", "unexpected board configuration...");
    return;
  }
  if (solver.TileAt(0, n - 1) == n) {
    solver.DoMoves(ROW_TAIL_CORNER);
    return;
  }
  if (startB && solver.TileAt(0, n - 2) == n) {
    solver.DoMoves(ROW_TAIL_SWAP);
    return;
  }
  if (startA) solver.DoMoves(CYCLE_UL_CW);

  // Tile n-1 waits in the corner; tile n comes to (1, n-1) with the blank on its left.
  int r, c;
  solver.FindTileCoord(n, r, c);
  if (c == n - 1) {
    solver.LiftTileInLastColumn(r);
  } else {
    solver.BringBlankRight(n - 1, 1, r, c);
    while (r != 1 && c != n - 2) {
      solver.DoMoves(UPRIGHT_BR);
      ++c;
      --r;
    }
    if (c == n - 2) {
      solver.DoMoves("L");
      if (r > 1) solver.DoMoves(Repeat(UP_BL, r - 1));
    } else {
      solver.ShiftTileInRow(n - 2, c);
      solver.DoMoves("L");
    }
  }
  if (solver.TileAt(1, n - 2) == 0) {
    solver.DoMoves(ROW_TAIL_TURN);
  } else {
    solver.ReportTailFault("SolveFirstRow2", "can't do final rotation...");
  }
}

void SolveFirstCol(Solver& solver) {
  Board& board = solver.board;
  const int n = Side(solver);
  if (n < 3) return;
  int blankRow = static_cast<int>(board.blank) / n;
  int blankCol = static_cast<int>(board.blank) % n;
  for (int i = 1; i <= n - 2; ++i) {
    const int t = n * (n - i) + 1;
    const int targetRow = n - i;
    if (solver.IsTileAtGoal(t)) {
      if (t == 2 * n + 1 && !solver.IsTileAtGoal(n + 1)) {
        // The column below was home from the start. A blank below row 2 must not reach the
        // tile from below through column 0: it climbs in its own column to row 1 and comes
        // along row 1 to (1, 0), above the tile.
        if (blankRow > 2) {
          solver.DoMoves(Letters('U', blankRow - 1) + Letters('L', blankCol));
          blankRow = 1;
          blankCol = 0;
        }
        int r = 2, c = 0;
        solver.BringBlankAbove(blankRow, blankCol, r, c);
        solver.DoMoves("DRU");
      }
      continue;
    }
    int r, c;
    solver.FindTileCoord(t, r, c);
    solver.BringBlankAbove(blankRow, blankCol, r, c);
    const bool downward = r <= targetRow;
    if (t == 2 * n + 1 && c == 0) {
      // Tile 2n+1 stood at (1, 0) and has just been pushed into its home below.
      solver.DoMoves("DRU");
      return;
    }
    // Tile 2n+1 is aimed right of its home; a tile below its target row climbs in column 1
    // and enters column 0 only in its target row.
    const int targetCol = (!downward || t == 2 * n + 1) ? 1 : 0;
    while (r != targetRow && c != targetCol) {
      if (downward) {
        solver.DoMoves(DOWNLEFT_BA);
        ++r;
      } else {
        solver.DoMoves(UPLEFT_BA);
        --r;
      }
      --c;
    }
    MoveSequence buffer;
    if (c == targetCol) {
      if (r < targetRow) {
        buffer = Repeat(DOWN_BA, targetRow - r);
      } else {
        buffer = Repeat(UP_BA, r - targetRow);
        if (t != 2 * n + 1 && !downward) buffer += LEFT_BA;
      }
    } else {
      buffer = Repeat(LEFT_BA, t == 2 * n + 1 ? c - 1 : c);
    }
    solver.DoMoves(buffer);
    blankRow = targetRow - 1;
    blankCol = 0;
  }
}

void SolveFirstCol2(Solver& solver) {
  const int n = Side(solver);
  if (n < 3) return;
  const int upper = 2 * n + 1;
  const bool startA = solver.TileAt(1, 1) == 0 && solver.TileAt(2, 1) == upper;
  const bool startB = solver.TileAt(1, 0) == upper && solver.TileAt(1, 1) == 0;
  if (!startA && !startB) {
    solver.ReportTailFault("SolveFirstCol2", "unexpected board configuration...");
    return;
  }
  if (solver.TileAt(1, 0) == n + 1) {
    solver.DoMoves(COL_TAIL_CORNER);
    return;
  }
  if (startB && solver.TileAt(2, 0) == n + 1) {
    solver.DoMoves(COL_TAIL_SWAP);
    return;
  }
  if (startA) solver.DoMoves(CYCLE_DL_CW);

  // Tile 2n+1 waits at (1, 0); tile n+1 comes to (1, 1) with the blank below it.
  int r, c;
  solver.FindTileCoord(n + 1, r, c);
  if (r == 1) {
    solver.BringBlankRight(1, 1, r, c);
    solver.ShiftTileInRow(1, c);
    solver.DoMoves("DL");
  } else {
    solver.BringBlankAbove(1, 1, r, c);
    while (r != 2 && c != 1) {
      solver.DoMoves(UPLEFT_BA);
      --r;
      --c;
    }
    if (r == 2) {
      solver.DoMoves("D");
      if (c > 1) solver.DoMoves(Repeat(LEFT_BB, c - 1));
    } else {
      solver.DoMoves("D");
      if (r - 1 > 1) solver.DoMoves(Repeat(UP_BB_RIGHT, r - 2));
    }
  }
  if (solver.TileAt(2, 1) == 0) {
    solver.DoMoves(COL_TAIL_TURN);
  } else {
    solver.ReportTailFault("SolveFirstCol2", "can't do final rotation...");
  }
}

SolveResult SolveParberry(Solver& solver) {
  Board& board = solver.board;
  if (!IsSolvableBoard(board, solver.Out())) return SolveResult::Refused(CANT_SOLVE);
  solver.applied.clear();
  board.FindBlank();
  const std::clock_t start = std::clock();
  while (board.n > 3) {
    const int n = Side(solver);
    SolveFirstRow(solver);
    if (!solver.IsTileAtGoal(n - 1) || !solver.IsTileAtGoal(n)) SolveFirstRow2(solver);
    SolveFirstCol(solver);
    if (!solver.IsTileAtGoal(2 * n + 1) || !solver.IsTileAtGoal(n + 1)) SolveFirstCol2(solver);
    if (!board.TrimBoard()) {
      solver.Out() << "Error! Can't trim board\n ";
      board.PrintBoard(solver.Out());
      return SolveResult::Refused(NOT_SOLVED);
    }
  }
  const std::clock_t start3x3 = std::clock();
  solver.applied += Solve3x3(board);
  const std::clock_t end = std::clock();
  solver.Out() << SolveTimeLine(start, start3x3, end);
  return SolveResult::Solved(solver.applied);
}

}  // namespace parberry
