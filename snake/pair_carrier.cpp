// pair_carrier.cpp: the cell beside a tile, a tile walked with the blank at its side, and the
// snake's staircase route home.
#include "snake/pair_carrier.h"

#include "solver/move_macros.h"
#include "solver/tile_placement.h"

namespace snake {

Cell GetCellNextTo(int row2, int col2, int row1, int col1) {
  const int d = (row1 - col1) - (row2 - col2);
  const int s = (row1 + col1) - (row2 + col2);
  if (d < 0 && s < 0) return {row2 - 1, col2};
  if (d >= 0 && s < 0) return {row2, col2 - 1};
  if (d <= 0) return {row2, col2 + 1};
  if (s == 0) return {row2, col2 - 1};
  return {row2 + 1, col2};
}

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

bool BuildRoute(Solver& solver, const Line& frame, int k, const std::vector<int>& snake,
                std::vector<int>& path) {
  const LineView view = frame.view(solver);
  // The board index of a view cell, the cell of the tile whose home it is. The cells are
  // compared by index, as the snake holds them; the index is linear in the view's row and
  // column, so a cell just off the board still has the index one step beyond its neighbour.
  const auto at = [&view](int row, int col) { return view.HomeTile(row, col) - 1; };
  const int head = snake.front();
  path.clear();
  int cRow, cCol;
  view.FindBlank(cRow, cCol);
  int gRow = 0, gCol = k + 1;  // the tail's goal
  if (frame.dropHeadAtHome && head == at(0, k)) return false;
  // From the left the route comes along row 1 and turns up at the tail's goal column.
  const bool fromRight = cCol >= gCol;
  if (!fromRight) ++gRow;
  if (cRow == 0 && cCol == k) {
    if (head == at(0, k + 1)) return true;
    if (head == at(1, k)) {
      if (snake[1] == at(1, k + 1)) return false;
      view.DoMoves({"RD"});
      view.FindBlank(cRow, cCol);
    }
  }
  // The staircase only climbs: a blank above the row it must reach has no route.
  if (cRow < gRow) return false;
  const auto step = [&](int dRow, int dCol) {
    cRow += dRow;
    cCol += dCol;
    path.push_back(at(cRow, cCol));
  };
  // Diagonal steps, alternately up and sideways, while both the row and the column are to be
  // reached.
  const int sideways = cCol < gCol ? 1 : -1;
  bool up = frame.upFirstFromBelow ? head == at(cRow + 1, cCol) : head != at(cRow, cCol - sideways);
  while (cRow != gRow && cCol != gCol) {
    if (up) {
      step(-1, 0);
      step(0, sideways);
    } else {
      step(0, sideways);
      step(-1, 0);
    }
    up = !up;
  }
  // Then straight on to the goal.
  while (cRow > gRow) step(-1, 0);
  while (cCol != gCol) step(0, sideways);
  if (!fromRight) step(-1, 0);
  step(0, -1);
  return true;
}

}  // namespace snake
