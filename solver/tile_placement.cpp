// tile_placement.cpp: the staircase towards the target, then a straight run along its row or
// column.
#include "solver/tile_placement.h"

#include "solver/move_macros.h"

void CarryTileToRow(Solver& solver, int row, int col, int targetRow, int targetCol) {
  const int n = static_cast<int>(solver.board.n);
  if (n == 0) return;
  const int blank = static_cast<int>(solver.board.blank);
  int r = row, c = col;
  solver.BringBlankRight(blank % n, blank / n, r, c);
  const bool leftward = c >= targetCol;
  const bool lifted = !leftward && targetRow == 0;
  const int aimRow = lifted ? 1 : targetRow;
  while (r != aimRow && c != targetCol) {
    if (leftward) {
      solver.DoMoves(UPLEFT_BR);
      --c;
    } else {
      solver.DoMoves(UPRIGHT_BR);
      ++c;
    }
    --r;
  }
  MoveSequence moves;
  if (r == aimRow) {
    if (c > targetCol) {
      moves = Repeat(LEFT_BR, c - targetCol);
    } else {
      moves = Repeat(RIGHT_BR_LOW, targetCol - c);
      if (lifted) moves += UP_BR;
    }
  } else {
    moves = Repeat(UP_BR, r - aimRow + (lifted ? 1 : 0));
  }
  solver.DoMoves(moves);
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
  while (r != targetRow && c != aimCol) {
    if (downward) {
      solver.DoMoves(DOWNLEFT_BA);
      ++r;
    } else {
      solver.DoMoves(UPLEFT_BA);
      --r;
    }
    --c;
  }
  MoveSequence moves;
  if (c == aimCol) {
    if (r < targetRow) {
      moves = Repeat(DOWN_BA, targetRow - r);
    } else {
      moves = Repeat(UP_BA, r - targetRow);
      if (shifted) moves += LEFT_BA;
    }
  } else {
    moves = Repeat(LEFT_BA, c - aimCol + (shifted ? 1 : 0));
  }
  solver.DoMoves(moves);
}
