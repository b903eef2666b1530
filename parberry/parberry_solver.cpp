// parberry_solver.cpp: the row and column steps, their tails, and the driver of Parberry's method.
#include "parberry/parberry_solver.h"

#include <sstream>

#include "solver/move_macros.h"
#include "solver/reduction.h"
#include "solver/tile_placement.h"

namespace parberry {

namespace {

int Side(const Solver& solver) {
  return static_cast<int>(solver.board.n);
}

}  // namespace

void SolveFirstRow(Solver& solver) {
  const int n = Side(solver);
  if (n < 3) return;
  for (int t = 1; t <= n - 1; ++t) {
    if (solver.IsTileAtGoal(t)) {
      if (t == n - 1 && !solver.IsTileAtGoal(n)) {
        // Tiles 1 ... n-1 were home from the start, so the blank may be anywhere below row 0.
        // It climbs to row 1, runs to the last column and comes up into the corner; only then
        // does "LDR" turn tile n-1 into the corner with the blank below it.
        if (solver.TileAt(0, n - 1) != 0) {
          const int row = static_cast<int>(solver.board.blank) / n;
          const int col = static_cast<int>(solver.board.blank) % n;
          solver.DoMoves({LetterRun('U', row - 1), LetterRun('R', n - 1 - col), "U"});
        }
        solver.DoMoves("LDR");
      }
      continue;
    }
    int r, c;
    solver.FindTileCoord(t, r, c);
    if (t == n - 1 && r == 0) {
      // Tile n-1 stands in the corner right of its home: the blank, coming to its right from
      // the left, pushes it home, and "LDR" turns it back into the corner.
      const int blank = static_cast<int>(solver.board.blank);
      solver.BringBlankRight(blank % n, blank / n, r, c);
      solver.DoMoves("LDR");
      return;
    }
    // Tile n-1 is aimed below its home, at the start of the row tail.
    CarryTileToRow(solver, r, c, t == n - 1 ? 1 : 0, t - 1);
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
    const int steps = StaircaseSteps(r, c, -1, 1, 1, n - 2);
    solver.DoMovesTimes(UPRIGHT_BR, steps);
    r -= steps;
    c += steps;
    if (c == n - 2) {
      solver.DoMoves("L");
      if (r > 1) solver.DoMoves({Repeated(UP_BL, r - 1)});
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
  const int n = Side(solver);
  if (n < 3) return;
  for (int i = 1; i <= n - 2; ++i) {
    const int t = n * (n - i) + 1;
    const int targetRow = n - i;
    if (solver.IsTileAtGoal(t)) {
      if (t == 2 * n + 1 && !solver.IsTileAtGoal(n + 1)) {
        // The column below was home from the start. A blank below row 2 must not reach the
        // tile from below through column 0: it climbs in its own column to row 1 and comes
        // along row 1 to (1, 0), above the tile.
        int blankRow = static_cast<int>(solver.board.blank) / n;
        int blankCol = static_cast<int>(solver.board.blank) % n;
        if (blankRow > 2) {
          solver.DoMoves({LetterRun('U', blankRow - 1), LetterRun('L', blankCol)});
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
    if (t == 2 * n + 1 && c == 0) {
      // Tile 2n+1 stands at (1, 0), above its home: the blank, coming above it from below,
      // pushes it home, and "DRU" turns it back up.
      const int blank = static_cast<int>(solver.board.blank);
      solver.BringBlankAbove(blank / n, blank % n, r, c);
      solver.DoMoves("DRU");
      return;
    }
    // Tile 2n+1 is aimed right of its home, at the start of the column tail.
    CarryTileToCol(solver, r, c, targetRow, t == 2 * n + 1 ? 1 : 0);
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
    const int steps = StaircaseSteps(r, c, -1, -1, 2, 1);
    solver.DoMovesTimes(UPLEFT_BA, steps);
    r -= steps;
    c -= steps;
    if (r == 2) {
      solver.DoMoves("D");
      if (c > 1) solver.DoMoves({Repeated(LEFT_BB, c - 1)});
    } else {
      solver.DoMoves("D");
      if (r - 1 > 1) solver.DoMoves({Repeated(UP_BB_RIGHT, r - 2)});
    }
  }
  if (solver.TileAt(2, 1) == 0) {
    solver.DoMoves(COL_TAIL_TURN);
  } else {
    solver.ReportTailFault("SolveFirstCol2", "can't do final rotation...");
  }
}

SolveResult SolveParberry(const Board& board) {
  std::ostringstream faults;
  Solver solver(faults);
  solver.board = board;
  const ReductionSteps steps = {
      [&solver] { SolveFirstRow(solver); },
      [&solver] { SolveFirstRow2(solver); },
      [&solver] { SolveFirstCol(solver); },
      [&solver] { SolveFirstCol2(solver); },
  };
  return SolveByReduction(solver, steps, false, faults);
}

}  // namespace parberry
