// snake_rows_test.cpp: the estimates, the snake trial and its acceptance, and the marks left.
#include "snake/snake_test_support.h"

namespace {

// Tiles 1 and 2 side by side in row 1, the blank below right: the snake walking tile 1 takes 13
// moves once shortened, exactly two less than the estimate of 15 for placing the two singly.
const std::vector<int> PAIR_IN_ROW_1 = {6, 10, 8, 14, 12, 1, 2, 13, 4, 7, 9, 0, 3, 11, 5, 15};
const char* PAIR_SNAKE_MOVES = "ULLRRULLDRDLLUURD";

class SnakeRows : public SnakeTest {};

}  // namespace

TEST_F(SnakeRows, EstimatesOfAPair) {
  Load(BoardFromTiles(PAIR_IN_ROW_1));
  // Blank (2, 3) to the right of tile 1 at (1, 1): 2 moves, then one diagonal step home.
  EXPECT_EQ(8, solver.SingleTileCost(0, 5, 11, 'R', true, false));
  // From (0, 1) the blank reaches tile 2 at (1, 2) from the left, pushing it into column 1.
  EXPECT_EQ(7, solver.SingleTileCost(1, 6, 1, 'R', true, false));
  EXPECT_EQ(12, solver.PairCost(11, 1, 5, 6, true));
  EXPECT_EQ(11, solver.PairCost(11, 1, 6, 5, false));
}

TEST_F(SnakeRows, SnakeSavingTwoMovesIsKept) {
  Load(BoardFromTiles(PAIR_IN_ROW_1));
  solver.SolveFirstRow();
  EXPECT_EQ(PAIR_SNAKE_MOVES, solver.applied);
  EXPECT_TRUE(solver.IsTileAtGoal(1) && solver.IsTileAtGoal(2));
  EXPECT_TRUE(Blocked(0, 0) && Blocked(0, 1));
  EXPECT_FALSE(solver.recording);
}

TEST_F(SnakeRows, SnakeSavingOneMoveIsRolledBack) {
  Load(BoardFromTiles(PAIR_IN_ROW_1));
  solver.currentTile = 1;
  EXPECT_FALSE(solver.TrySnake(14, 1, 1, 1, 2));
  EXPECT_EQ(PAIR_IN_ROW_1, solver.board.tiles);
  EXPECT_EQ(11u, solver.board.blank);
  EXPECT_EQ(11u, solver.blankIndex);
  EXPECT_EQ("", solver.applied);
  for (int cell = 0; cell < 16; ++cell) EXPECT_FALSE(Blocked(cell / 4, cell % 4)) << cell;
  EXPECT_TRUE(solver.TrySnake(15, 1, 1, 1, 2));
  EXPECT_EQ(PAIR_SNAKE_MOVES, solver.applied);
}

TEST_F(SnakeRows, TilesAlreadyHomeAreBlocked) {
  Load(GoalBoard(5));
  solver.SolveFirstRow();
  solver.SolveFirstCol();
  EXPECT_EQ("", solver.applied);
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(Blocked(0, i)) << i;  // row 0, tail included
  EXPECT_TRUE(Blocked(4, 0) && Blocked(3, 0) && !Blocked(2, 0));
}

TEST_F(SnakeRows, NextSnakeDoesNotRouteThroughAPairAlreadyHome) {
  // Tiles 1 and 2 start home; the blank's shortest way in front of the snake of 3 and 4 would
  // lead through tile 2.
  Load(BoardFromTiles({1,  2,  9,  11, 6,  5,  13, 8,  4,  3,  12, 18, 0,  14, 7,  15, 10, 17,
                       19, 20, 21, 16, 23, 24, 25, 26, 27, 22, 28, 29, 31, 32, 33, 34, 35, 30}));
  solver.SolveFirstRow();
  for (int t = 1; t <= 4; ++t) EXPECT_TRUE(solver.IsTileAtGoal(t)) << t;
}
