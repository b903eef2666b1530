// tile_walk_test.cpp: the side a tile walk refuses (its walks: the snake method's solves).
#include "test_support/snake_fixture.h"

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
