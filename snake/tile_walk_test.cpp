// tile_walk_test.cpp: walking a tile with the blank at its side, at the board's edges too.
#include <gtest/gtest.h>

#include <sstream>

#include "snake/snake_solver.h"
#include "snake/test_boards.h"

namespace {

class MoveTileToCoords : public ::testing::Test {
 protected:
  // A goal board of side n with the blank at (row, col); returns the tile at (tileRow, tileCol).
  int Load(unsigned n, unsigned row, unsigned col, unsigned tileRow, unsigned tileCol) {
    solver.SetPuzzle(GoalWithBlankAt(n, row, col));
    solver.applied.clear();
    return solver.board.tiles[tileRow * n + tileCol];
  }
  int At(int row, int col) const { return solver.board.tiles[row * solver.board.n + col]; }

  std::ostringstream out;
  SnakeSolver solver{out};
};

}  // namespace

TEST_F(MoveTileToCoords, AlreadyThere) {
  Load(4, 1, 2, 1, 1);
  solver.MoveTileToCoords(1, 1, 1, 1, 'R');
  EXPECT_EQ("", solver.applied);
}

TEST_F(MoveTileToCoords, DiagonalSteps) {
  const int tile = Load(4, 2, 1, 2, 0);
  solver.MoveTileToCoords(2, 0, 0, 2, 'R');
  EXPECT_EQ("LURDRULURDRU", solver.applied);
  EXPECT_EQ(tile, At(0, 2));
  EXPECT_EQ(3u, solver.board.blank);
}

TEST_F(MoveTileToCoords, FirstColumnTurnsTheBlankToTheRight) {
  const int tile = Load(4, 2, 1, 2, 2);
  solver.MoveTileToCoords(2, 2, 2, 0, 'L');
  EXPECT_EQ("RDLLUR", solver.applied);
  EXPECT_EQ(tile, At(2, 0));
  EXPECT_EQ(9u, solver.board.blank);
}

TEST_F(MoveTileToCoords, LastColumnTurnsTheBlankToTheLeft) {
  const int tile = Load(4, 1, 2, 1, 1);
  solver.MoveTileToCoords(1, 1, 1, 3, 'R');
  EXPECT_EQ("LDRRUL", solver.applied);
  EXPECT_EQ(tile, At(1, 3));
  EXPECT_EQ(6u, solver.board.blank);
}

TEST_F(MoveTileToCoords, LastRowPassesAbove) {
  const int tile = Load(4, 3, 1, 3, 0);
  solver.MoveTileToCoords(3, 0, 3, 2, 'R');
  EXPECT_EQ("LURRDLURRD", solver.applied);
  EXPECT_EQ(tile, At(3, 2));
  EXPECT_EQ("", out.str());
}

TEST_F(MoveTileToCoords, RefusesASideOtherThanLeftOrRight) {
  Load(4, 0, 1, 1, 1);
  solver.MoveTileToCoords(1, 1, 3, 3, 'U');
  EXPECT_EQ("\n\nError int function MoveTileToCoords: unexpected value of 'poziceMezery' : U",
            out.str());
  EXPECT_EQ("", solver.applied);
}
