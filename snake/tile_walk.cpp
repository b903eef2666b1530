// tile_walk.cpp: walking one tile to a cell with the blank kept on its left or right.
#include "snake/tile_walk.h"

#include "solver/move_macros.h"
#include "solver/tile_placement.h"

namespace snake {

void MoveTileToCoords(Solver& solver, int tileRow, int tileCol, int targetRow, int targetCol,
                      char side) {
  const int n = static_cast<int>(solver.Current().Side());
  // A tile bound for the first column cannot keep the blank on its left, nor one bound for the
  // last column on its right: the blank steps through the tile to the other side.
  if ((targetCol == 0 && side == 'L') || (targetCol == n - 1 && side == 'R')) {
    solver.DoMoves({side == 'L' ? "R" : "L"});
    tileCol += side == 'L' ? -1 : 1;
    side = side == 'L' ? 'R' : 'L';
  }
  if (side != 'L' && side != 'R') {
    solver.Out() << "\n\nError int function MoveTileToCoords: unexpected value of 'poziceMezery' : "
                 << side;
    return;
  }
  const bool left = side == 'L';
  // Each macro is chosen as a piece, so that the compiler works out how far it reaches.
  const auto pick = [left](MovePiece blankLeft, MovePiece blankRight) {
    return left ? blankLeft : blankRight;
  };

  // Diagonal steps while both the row and the column are still to be reached.
  const bool down = tileRow < targetRow, right = tileCol < targetCol;
  const int diagonal =
      StaircaseSteps(tileRow, tileCol, down ? 1 : -1, right ? 1 : -1, targetRow, targetCol);
  const MovePiece step =
      down ? (right ? pick(DOWNRIGHT_BL, DOWNRIGHT_BR) : pick(DOWNLEFT_BL, DOWNLEFT_BR))
           : (right ? pick(UPRIGHT_BL, UPRIGHT_BR) : pick(UPLEFT_BL, UPLEFT_BR));
  solver.DoMoves({Repeated(step, diagonal)});
  tileRow += down ? diagonal : -diagonal;
  tileCol += right ? diagonal : -diagonal;

  // Then straight on along the row or the column (a count below 1 makes no move). In the last
  // row the blank has to pass through the row above the tile.
  const bool high = tileRow == n - 1;
  const MovePiece rightward =
      high ? pick(RIGHT_BL_HIGH, RIGHT_BR_HIGH) : pick(RIGHT_BL_LOW, RIGHT_BR_LOW);
  const MovePiece leftward = high ? pick(LEFT_BL_HIGH, LEFT_BR_HIGH) : pick(LEFT_BL_LOW, LEFT_BR);
  solver.DoMoves({Repeated(rightward, targetCol - tileCol), Repeated(leftward, tileCol - targetCol),
                  Repeated(pick(DOWN_BL, DOWN_BR), targetRow - tileRow),
                  Repeated(pick(UP_BL, UP_BR), tileRow - targetRow)});
}

}  // namespace snake
