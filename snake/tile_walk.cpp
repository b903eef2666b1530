// tile_walk.cpp: walking one tile to a cell with the blank kept on its left or right.
#include <cstdlib>

#include "snake/snake_solver.h"
#include "solver/move_macros.h"

void SnakeSolver::MoveTileToCoords(int tileRow, int tileCol, int targetRow, int targetCol,
                                   char side) {
  const int n = Side();
  // A tile bound for the first column cannot keep the blank on its left, nor one bound for the
  // last column on its right: the blank steps through the tile to the other side.
  if (targetCol == 0 && side == 'L') {
    DoMoves("R");
    --tileCol;
    side = 'R';
  }
  if (targetCol == n - 1 && side == 'R') {
    DoMoves("L");
    ++tileCol;
    side = 'L';
  }
  if (side != 'L' && side != 'R') {
    Out() << "\n\nError int function MoveTileToCoords: unexpected value of 'poziceMezery' : "
          << side;
    return;
  }
  blankIndex = board.blank;
  const bool left = side == 'L';

  while (tileRow != targetRow && tileCol != targetCol) {
    const bool down = tileRow < targetRow, right = tileCol < targetCol;
    if (down && right) {
      DoMoves(left ? DOWNRIGHT_BL : DOWNRIGHT_BR);
    } else if (down) {
      DoMoves(left ? DOWNLEFT_BL : DOWNLEFT_BR);
    } else if (right) {
      DoMoves(left ? UPRIGHT_BL : UPRIGHT_BR);
    } else {
      DoMoves(left ? UPLEFT_BL : UPLEFT_BR);
    }
    tileRow += down ? 1 : -1;
    tileCol += right ? 1 : -1;
  }

  const char* macro;
  int steps;
  if (tileRow == targetRow) {
    // In the last row the blank has to pass through the row above the tile.
    const bool high = tileRow == n - 1;
    if (tileCol < targetCol) {
      macro = left ? (high ? RIGHT_BL_HIGH : RIGHT_BL_LOW) : (high ? RIGHT_BR_HIGH : RIGHT_BR_LOW);
    } else {
      macro = left ? (high ? LEFT_BL_HIGH : LEFT_BL_LOW) : (high ? LEFT_BR_HIGH : LEFT_BR);
    }
    steps = std::abs(tileCol - targetCol);
  } else if (tileRow < targetRow) {
    macro = left ? DOWN_BL : DOWN_BR;
    steps = targetRow - tileRow;
  } else {
    macro = left ? UP_BL : UP_BR;
    steps = tileRow - targetRow;
  }
  for (int step = 0; step < steps; ++step) DoMoves(macro);
}
