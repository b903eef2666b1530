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

namespace {

// The macros as pieces, measured once by the compiler rather than on every carry.
constexpr MovePiece UP_LEFT = UPLEFT_BR, UP_RIGHT = UPRIGHT_BR, LEFT = LEFT_BR,
                    RIGHT = RIGHT_BR_LOW, UP = UP_BR;

}  // namespace

void CarryTile(const LineView& line, int row, int col, int targetRow, int targetCol) {
  int blankRow, blankCol;
  line.FindBlank(blankRow, blankCol);
  line.BringBlankRight(blankCol, blankRow, row, col);
  const bool leftward = col >= targetCol;
  const bool lifted = !leftward && targetRow == 0;
  const int aimRow = lifted ? 1 : targetRow;
  const int steps = StaircaseSteps(row, col, -1, leftward ? -1 : 1, aimRow, targetCol);
  row -= steps;
  col += leftward ? -steps : steps;
  // The staircase reaches the aimed row or the target column: the rest is a straight run, along
  // the row or up the column (a count below 1 makes no move), then up into a lifted target. One
  // text, as nothing between needs the board.
  line.DoMoves({Repeated(leftward ? UP_LEFT : UP_RIGHT, steps), Repeated(LEFT, col - targetCol),
                Repeated(RIGHT, targetCol - col), Repeated(UP, row - aimRow + (lifted ? 1 : 0))});
}
