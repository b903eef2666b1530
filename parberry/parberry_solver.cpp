// parberry_solver.cpp: a line and its tail, each seen in its own frame, and the method's driver.
#include "parberry/parberry_solver.h"

#include "solver/move_macros.h"
#include "solver/reduction.h"
#include "solver/tile_placement.h"

namespace parberry {

const Line FIRST_ROW = {&LineView::FirstRow, "SolveFirstRow2", ROW_TAIL_CORNER, true};
const Line FIRST_COL = {&LineView::FirstColumn, "SolveFirstCol2", COL_TAIL_CORNER, false};

void PlaceLine(Solver& solver, const Line& line) {
  const LineView view = line.view(solver);
  const int width = view.Width();
  for (int k = 0; k <= width - 2; ++k) {
    const int t = view.HomeTile(0, k);
    const bool last = k == width - 2;
    int blankRow, blankCol;
    view.FindBlank(blankRow, blankCol);
    if (solver.IsTileAtGoal(t)) {
      if (last && !solver.IsTileAtGoal(view.HomeTile(0, width - 1))) {
        // The rest of the line was home from the start, so the blank may be anywhere below it.
        // It comes to the line's last cell; only then does "LDR" turn tile t into that cell
        // with the blank below it.
        if (line.throughRowOne) {
          if (view.TileAt(0, width - 1) != 0) {
            view.DoMoves({LetterRun('U', blankRow - 1), LetterRun('R', width - 1 - blankCol), "U"});
          }
        } else {
          if (blankCol < width - 2) {
            view.DoMoves({LetterRun('R', width - 1 - blankCol), LetterRun('U', blankRow)});
            blankRow = 0;
            blankCol = width - 1;
          }
          int r = 0, c = width - 2;
          view.BringBlankRight(blankCol, blankRow, r, c);
        }
        view.DoMoves({"LDR"});
      }
      continue;
    }
    int r, c;
    view.FindTile(t, r, c);
    if (last && r == 0) {
      // Tile t stands in the line's last cell: the blank, coming to its right from the left,
      // pushes it home, and "LDR" turns it back into that cell.
      view.BringBlankRight(blankCol, blankRow, r, c);
      view.DoMoves({"LDR"});
      return;
    }
    // The next-to-last tile is aimed below its home, at the start of the tail.
    CarryTile(view, r, c, last ? 1 : 0, k);
  }
}

void FinishLine(Solver& solver, const Line& line) {
  const LineView view = line.view(solver);
  const int width = view.Width();
  const int first = view.HomeTile(0, width - 2), second = view.HomeTile(0, width - 1);
  const bool startA = view.TileAt(1, width - 1) == 0 && view.TileAt(1, width - 2) == first;
  const bool startB = view.TileAt(0, width - 1) == first && view.TileAt(1, width - 1) == 0;
  if (!startA && !startB) {
    solver.ReportTailFault(line.tailName, "unexpected board configuration...");
    return;
  }
  if (view.TileAt(0, width - 1) == second) {
    view.DoMoves({line.tailCorner});
    return;
  }
  if (startB && view.TileAt(0, width - 2) == second) {
    view.DoMoves({ROW_TAIL_SWAP});
    return;
  }
  if (startA) view.DoMoves({CYCLE_UL_CW});

  // The first tile waits in the line's last cell; the second comes below it, to
  // (1, width - 1), with the blank on its left.
  int r, c;
  view.FindTile(second, r, c);
  if (c == width - 1) {
    // The blank, at (1, width - 1), pushes it up and circles it up the last column.
    view.DoMoves({LetterRun('D', r - 1), "LU", Repeated(UP_BL, r - 2)});
  } else {
    view.BringBlankRight(width - 1, 1, r, c);
    const int steps = StaircaseSteps(r, c, -1, 1, 1, width - 2);
    view.DoMoves({Repeated(UPRIGHT_BR, steps)});
    r -= steps;
    c += steps;
    // Right along row 1 or up column width - 2, whichever the staircase did not reach: the
    // tile never stands right of column width - 2 here.
    view.DoMoves({Repeated(RIGHT_BR_LOW, width - 2 - c)});
    view.DoMoves({"L", Repeated(UP_BL, r - 1)});
  }
  if (view.TileAt(1, width - 2) == 0) {
    view.DoMoves({ROW_TAIL_TURN});
  } else {
    solver.ReportTailFault(line.tailName, "can't do final rotation...");
  }
}

SolveResult SolveParberry(const Board& board) {
  Solver solver;
  solver.Start(board);
  const ReductionSteps steps = {
      [&solver] { PlaceLine(solver, FIRST_ROW); },
      [&solver] { FinishLine(solver, FIRST_ROW); },
      [&solver] { PlaceLine(solver, FIRST_COL); },
      [&solver] { FinishLine(solver, FIRST_COL); },
  };
  return SolveByReduction(solver, steps, false);
}

}  // namespace parberry
