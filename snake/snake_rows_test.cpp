// snake_rows_test.cpp: the estimates, the snake trial and its acceptance, and the marks left.
#include <gtest/gtest.h>

#include <sstream>

#include "snake/snake_solver.h"
#include "snake/test_boards.h"

namespace {

// Tiles 1 and 2 side by side in row 1, the blank below right: the snake walking tile 1 costs
// exactly two moves less than the estimate for placing the two singly.
const std::vector<int> PAIR_IN_ROW_1 = {6, 10, 8, 14, 12, 1, 2, 13, 4, 7, 9, 0, 3, 11, 5, 15};
const char* PAIR_SNAKE_MOVES = "ULLRRULLDRDLLUURD";

class SnakeRows : public ::testing::Test {
 protected:
  void Load(std::vector<int> tiles) {
    solver.SetPuzzle(BoardOf(std::move(tiles)));
    solver.applied.clear();
  }
  bool Blocked(int row, int col) const { return solver.cellGrid[row][col] == -1; }

  std::ostringstream out;
  SnakeSolver solver{out};
};

}  // namespace

TEST_F(SnakeRows, EstimatesOfAPair) {
  Load(PAIR_IN_ROW_1);
  // Blank (2, 3) to the right of tile 1 at (1, 1): 2 moves, then one diagonal step home.
  EXPECT_EQ(8, solver.SingleTileCost(0, 5, 11, 'R', true, false));
  // Tile 2 at (1, 2), the blank on (0, 1): it arrives from the left and pushes the tile.
  EXPECT_EQ(7, solver.SingleTileCost(1, 6, 1, 'R', true, false));
  EXPECT_EQ(12, solver.PairCost(11, 1, 5, 6, true));
  EXPECT_EQ(11, solver.PairCost(11, 1, 6, 5, false));
}

TEST_F(SnakeRows, ApproachFromTheFarSidePushesTheTile) {
  int row = 2, col = 3;
  const Cell right = SnakeSolver::ApproachCell('R', 2, 1, row, col);
  EXPECT_EQ((Cell{2, 3}), right);
  EXPECT_EQ(2, col);
  row = 2, col = 3;
  const Cell above = SnakeSolver::ApproachCell('U', 4, 3, row, col);
  EXPECT_EQ((Cell{2, 3}), above);
  EXPECT_EQ(3, row);
}

TEST_F(SnakeRows, SnakeSavingExactlyTwoMovesIsKept) {
  Load(PAIR_IN_ROW_1);
  solver.SolveFirstRow();
  EXPECT_EQ(PAIR_SNAKE_MOVES, solver.applied);
  EXPECT_TRUE(solver.IsTileAtGoal(1));
  EXPECT_TRUE(solver.IsTileAtGoal(2));
  EXPECT_TRUE(Blocked(0, 0));
  EXPECT_TRUE(Blocked(0, 1));
  EXPECT_FALSE(solver.recording);
}

TEST_F(SnakeRows, SnakeSavingOneMoveIsRolledBack) {
  Load(PAIR_IN_ROW_1);
  solver.currentTile = 1;
  solver.blankIndex = solver.board.blank;
  // The snake takes 13 moves once shortened: against an estimate of 14 it saves only one.
  EXPECT_FALSE(solver.TrySnake(14, 1, 1, 1, 2));
  EXPECT_EQ(PAIR_IN_ROW_1, solver.board.tiles);
  EXPECT_EQ(11u, solver.board.blank);
  EXPECT_EQ(11u, solver.blankIndex);
  EXPECT_EQ("", solver.applied);
  EXPECT_EQ(PAIR_SNAKE_MOVES, solver.recordedMoves);
  // The marks the walk set are gone with it.
  for (int cell = 0; cell < 16; ++cell) EXPECT_FALSE(Blocked(cell / 4, cell % 4)) << cell;

  EXPECT_TRUE(solver.TrySnake(15, 1, 1, 1, 2));
  EXPECT_EQ(PAIR_SNAKE_MOVES, solver.applied);
}

TEST_F(SnakeRows, TilesAlreadyHomeAreBlockedWithoutMoving) {
  Load(GoalBoard(5).tiles);
  solver.SolveFirstRow();
  EXPECT_EQ("", solver.applied);
  EXPECT_TRUE(Blocked(0, 0));  // tile 1, alone on an odd side
  EXPECT_TRUE(Blocked(0, 1));  // the pair 2, 3
  EXPECT_TRUE(Blocked(0, 2));
  EXPECT_FALSE(Blocked(0, 3));
}

TEST_F(SnakeRows, NextSnakeDoesNotRouteThroughAPairAlreadyHome) {
  // Tiles 1 and 2 start home; the blank's shortest way in front of the snake of 3 and 4 would
  // lead through tile 2.
  Load({1,  2,  9,  11, 6,  5,   //
        13, 8,  4,  3,  12, 18,  //
        0,  14, 7,  15, 10, 17,  //
        19, 20, 21, 16, 23, 24,  //
        25, 26, 27, 22, 28, 29,  //
        31, 32, 33, 34, 35, 30});
  solver.SolveFirstRow();
  for (int t = 1; t <= 4; ++t) EXPECT_TRUE(solver.IsTileAtGoal(t)) << t;
  EXPECT_EQ("", out.str());
}

TEST_F(SnakeRows, ColumnStepBlocksTheWholeFirstRow) {
  Load({1,  2,  3,  4,  5,   //
        6,  7,  8,  9,  10,  //
        11, 12, 13, 14, 15,  //
        16, 17, 18, 19, 0,   //
        21, 22, 23, 24, 20});
  solver.SolveFirstCol();
  for (int col = 0; col < 5; ++col) EXPECT_TRUE(Blocked(0, col)) << col;
  EXPECT_TRUE(Blocked(4, 0));
  EXPECT_TRUE(Blocked(3, 0));
}
