// tile_walk_test.cpp: walking a tile with the blank at its side, at the board's edges too.
#include "snake/snake_test_support.h"

class MoveTileToCoords : public SnakeTest {};

TEST_F(MoveTileToCoords, WalksWithTheBlankAtItsSide) {
  // On a 4 x 4 goal board with the blank moved to its cell: the walk's moves and where the
  // blank ends.
  const struct {
    const char* what;
    int blankRow, blankCol, tileRow, tileCol, targetRow, targetCol;
    char side;
    const char* moves;
    unsigned blankAfter;
  } cases[] = {
      {"already there", 1, 2, 1, 1, 1, 1, 'R', "", 6},
      {"two diagonal steps", 2, 1, 2, 0, 0, 2, 'R', "LURDRULURDRU", 3},
      {"into the first column", 2, 1, 2, 2, 2, 0, 'L', "RDLLUR", 9},
      {"into the last column", 1, 2, 1, 1, 1, 3, 'R', "LDRRUL", 6},
      {"along the last row", 3, 1, 3, 0, 3, 2, 'R', "LURRDLURRD", 15},
      {"up, blank on the left", 3, 0, 3, 1, 1, 1, 'L', "URDLUURDLU", 4},
  };
  for (const auto& c : cases) {
    Load(GoalWithBlankAt(4, c.blankRow, c.blankCol));
    const int tile = At(c.tileRow, c.tileCol);
    solver.MoveTileToCoords(c.tileRow, c.tileCol, c.targetRow, c.targetCol, c.side);
    EXPECT_EQ(c.moves, solver.applied) << c.what;
    EXPECT_EQ(tile, At(c.targetRow, c.targetCol)) << c.what;
    EXPECT_EQ(c.blankAfter, solver.board.blank) << c.what;
  }
  EXPECT_EQ("", out.str());
}

TEST_F(MoveTileToCoords, RefusesASideOtherThanLeftOrRight) {
  Load(GoalWithBlankAt(4, 0, 1));
  solver.MoveTileToCoords(1, 1, 3, 3, 'U');
  EXPECT_EQ("\n\nError int function MoveTileToCoords: unexpected value of 'poziceMezery' : U",
            out.str());
  EXPECT_EQ("", solver.applied);
}
