// tile_placement.cpp: the staircase towards the target, then a straight run along its row or
// column.
#include "solver/tile_placement.h"

#include <algorithm>
#include <climits>

#include "solver/move_macros.h"

int StaircaseSteps(int row, int col, int rowStep, int colStep, int targetRow, int targetCol) {
  // Steps until a coordinate moving by step reaches its target; INT_MAX when it moves away.
  const auto until = [](int from, int step, int target) {
    const int distance = (target - from) * step;
    return distance >= 0 ? distance : INT_MAX;
  };
  const int steps = std::min(until(row, rowStep, targetRow), until(col, colStep, targetCol));
  return steps == INT_MAX ? 0 : steps;
}

void CarryTileToRow(Solver& solver, int row, int col, int targetRow, int targetCol) {
  const int n = static_cast<int>(solver.board.n);
  if (n == 0) return;
  const int blank = static_cast<int>(solver.board.blank);
  int r = row, c = col;
  solver.BringBlankRight(blank % n, blank / n, r, c);
  const bool leftward = c >= targetCol;
  const bool lifted = !leftward && targetRow == 0;
  const int aimRow = lifted ? 1 : targetRow;
  const int steps = StaircaseSteps(r, c, -1, leftward ? -1 : 1, aimRow, targetCol);
  if (leftward) {
    solver.DoMovesTimes(UPLEFT_BR, steps);
  } else {
    solver.DoMovesTimes(UPRIGHT_BR, steps);
  }
  r -= steps;
  c += leftward ? -steps : steps;
  if (r == aimRow) {
    if (c > targetCol) {
      solver.DoMoves({Repeated(LEFT_BR, c - targetCol)});
    } else {
      solver.DoMoves({Repeated(RIGHT_BR_LOW, targetCol - c), Repeated(UP_BR, lifted ? 1 : 0)});
    }
  } else {
    solver.DoMoves({Repeated(UP_BR, r - aimRow + (lifted ? 1 : 0))});
  }
}

void CarryTileToCol(Solver& solver, int row, int col, int targetRow, int targetCol) {
  const int n = static_cast<int>(solver.board.n);
  if (n == 0) return;
  const int blank = static_cast<int>(solver.board.blank);
  int r = row, c = col;
  solver.BringBlankAbove(blank / n, blank % n, r, c);
  const bool downward = r <= targetRow;
  const bool shifted = !downward && targetCol == 0;
  const int aimCol = shifted ? 1 : targetCol;
  const int steps = StaircaseSteps(r, c, downward ? 1 : -1, -1, targetRow, aimCol);
  if (downward) {
    solver.DoMovesTimes(DOWNLEFT_BA, steps);
  } else {
    solver.DoMovesTimes(UPLEFT_BA, steps);
  }
  r += downward ? steps : -steps;
  c -= steps;
  if (c == aimCol) {
    if (r < targetRow) {
      solver.DoMoves({Repeated(DOWN_BA, targetRow - r)});
    } else {
      solver.DoMoves({Repeated(UP_BA, r - targetRow), Repeated(LEFT_BA, shifted ? 1 : 0)});
    }
  } else {
    solver.DoMoves({Repeated(LEFT_BA, c - aimCol + (shifted ? 1 : 0))});
  }
}
