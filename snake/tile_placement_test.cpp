// tile_placement_test.cpp: single placements and the last two tiles of the row and column.
#include "snake/snake_test_support.h"

class TilePlacement : public SnakeTest {};

TEST_F(TilePlacement, RowTails) {
  // Tile 3 in the corner, 4 below it, the blank on its left: lift the blank round, then turn.
  Load(BoardFromTiles({1, 2, 5, 3, 6, 7, 0, 4, 9, 10, 11, 8, 13, 14, 15, 12}));
  solver.SolveFirstRow2();
  EXPECT_EQ(
      "D"
      "RU"
      "DLU"
      "URD",
      solver.applied);
  for (int t = 1; t <= 4; ++t) EXPECT_TRUE(solver.IsTileAtGoal(t)) << t;
  EXPECT_EQ(7u, solver.board.blank);
  // The two side by side in the wrong order are swapped in place.
  Load(BoardFromTiles({1, 2, 4, 3, 5, 6, 7, 8, 9, 10, 0, 11, 13, 14, 15, 12}));
  solver.SolveFirstRow2();
  EXPECT_EQ(std::string("UR") + "LULDDRRULLURRD", solver.applied);
  EXPECT_TRUE(solver.IsTileAtGoal(3) && solver.IsTileAtGoal(4));
  EXPECT_EQ("", out.str());
}

TEST_F(TilePlacement, ColumnTailWithTheBlankBelowItsUpperTile) {
  // Tile 11 waits at (1, 0) and tile 6 stands on (2, 1) with the blank below it: the blank
  // comes round through column 2, or it would push tile 6 down.
  Load(BoardFromTiles(
      {1, 2, 3, 4, 5, 11, 7, 8, 9, 10, 12, 6, 13, 14, 15, 16, 0, 17, 18, 19, 21, 20, 22, 23, 24}));
  solver.SolveFirstCol2();
  EXPECT_EQ("", out.str());
  EXPECT_TRUE(solver.IsTileAtGoal(6) && solver.IsTileAtGoal(11) && solver.IsTileAtGoal(16));
}
