// snake_routes_test.cpp: the staircase routes of row and column pairs and their fixed openings.
#include "snake/snake_test_support.h"

namespace {

class SnakeRoutes : public SnakeTest {
 protected:
  // Side n, the blank at (row, col), the pair headed by tile t on the snake's cells.
  void Set(unsigned n, unsigned row, unsigned col, int t, std::vector<int> cells) {
    Load(GoalWithBlankAt(n, row, col));
    solver.currentTile = t;
    solver.snake = std::move(cells);
    solver.snakePath = {99};
  }
  using Path = std::vector<int>;
};

}  // namespace

TEST_F(SnakeRoutes, RowStaircases) {
  // From the right: up first, as the head is not left of the blank.
  Set(5, 2, 3, 1, {12, 11});
  solver.BuildSnakePathRow();
  EXPECT_EQ((Path{8, 7, 6, 1, 0}), solver.snakePath);
  // From the left: along row 1, then up into the tail's goal.
  Set(6, 3, 0, 3, {24, 30});
  solver.BuildSnakePathRow();
  EXPECT_EQ((Path{12, 13, 14, 8, 9, 3, 2}), solver.snakePath);
}

TEST_F(SnakeRoutes, RowBlankOnTheHeadsGoal) {
  Set(5, 0, 1, 2, {2, 3});  // head on the tail's goal: no route needed
  solver.BuildSnakePathRow();
  EXPECT_EQ((Path{}), solver.snakePath);
  Set(5, 0, 1, 2, {6, 7});  // head below, tail right of it: called off
  solver.BuildSnakePathRow();
  EXPECT_TRUE(solver.snake.empty());
  Set(5, 0, 1, 2, {6, 11});  // head below, tail below it: the blank steps round first
  solver.BuildSnakePathRow();
  EXPECT_EQ("RD", solver.applied);
  EXPECT_EQ((Path{2, 1}), solver.snakePath);
}

TEST_F(SnakeRoutes, CalledOff) {
  Set(5, 2, 2, 2, {1, 6});  // the head already on its goal
  solver.BuildSnakePathRow();
  EXPECT_TRUE(solver.snake.empty());
  // Blanks from which the staircase could never reach its row or column.
  Set(5, 0, 1, 2, {12, 13});
  solver.BuildSnakePathRow();
  EXPECT_TRUE(solver.snake.empty());
  Set(6, 5, 0, 25, {31, 32});
  solver.BuildSnakePathCol();
  EXPECT_TRUE(solver.snake.empty());
  EXPECT_EQ("", solver.applied);
}

TEST_F(SnakeRoutes, ColumnRoutes) {
  Set(6, 2, 3, 31, {16, 17});  // from above, the head right of the blank: left first
  solver.BuildSnakePathCol();
  EXPECT_EQ((Path{14, 20, 26, 25, 24, 30}), solver.snakePath);
  // Pair 25, 19 of a 6 x 6 board, the blank on the head's goal (4, 0).
  Set(6, 4, 0, 25, {18, 12});
  solver.BuildSnakePathCol();
  EXPECT_EQ((Path{}), solver.snakePath);
  Set(6, 4, 0, 25, {25, 26});
  solver.BuildSnakePathCol();
  EXPECT_EQ("UR", solver.applied);
  EXPECT_EQ((Path{18, 24}), solver.snakePath);
  Set(6, 4, 0, 25, {25, 19});
  solver.BuildSnakePathCol();
  EXPECT_TRUE(solver.snake.empty());
}
