// tile_walk_test.cpp: a tile walked to its cell with the blank beside it, and a side it refuses.
#include "snake/tile_walk.h"

#include "snake/snake_test_support.h"

namespace {

// Side 6: the tile of the goal's cell (row, col), with the blank put beside it on `side`.
struct Walk {
  int row, col;
  char side;
  int targetRow, targetCol;
};

}  // namespace

// Diagonally, then straight, to cells inside the board and on its first and last columns,
// whichever side the blank starts on: the tile arrives, and nothing is written.
TEST_F(SnakeTest, MoveTileToCoordsBringsTheTileToItsCell) {
  for (const Walk& w : {Walk{4, 1, 'R', 1, 4}, Walk{1, 4, 'L', 4, 1}, Walk{3, 3, 'L', 0, 0},
                        Walk{2, 2, 'R', 5, 5}, Walk{0, 4, 'R', 3, 4}}) {
    const int blankCol = w.side == 'L' ? w.col - 1 : w.col + 1;
    Load(GoalWithBlankAt(6, static_cast<unsigned>(w.row), static_cast<unsigned>(blankCol)));
    const int tile = solver.Current().Cells()[w.row * 6 + w.col];
    out.str("");
    snake::MoveTileToCoords(solver, w.row, w.col, w.targetRow, w.targetCol, w.side);
    EXPECT_EQ(tile, solver.Current().Cells()[w.targetRow * 6 + w.targetCol])
        << w.row << " " << w.col << " to " << w.targetRow << " " << w.targetCol;
    EXPECT_EQ("", out.str());
  }
}

// The blank said to be above the tile: the walk is refused in words, and no move is made.
TEST_F(SnakeTest, MoveTileToCoordsRefusesASideOtherThanLeftOrRight) {
  Load(GoalWithBlankAt(6, 2, 2));
  const std::vector<int> before = solver.Current().Cells();
  out.str("");
  snake::MoveTileToCoords(solver, 3, 2, 0, 4, 'U');
  EXPECT_EQ("\n\nError int function MoveTileToCoords: unexpected value of 'poziceMezery' : U",
            out.str());
  EXPECT_EQ(before, solver.Current().Cells());
}
