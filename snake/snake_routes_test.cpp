// snake_routes_test.cpp: the staircase routes of row and column pairs and their fixed openings.
#include <gtest/gtest.h>

#include <sstream>

#include "snake/snake_solver.h"
#include "snake/test_boards.h"

namespace {

class SnakeRoutes : public ::testing::Test {
 protected:
  // A goal board of side n with the blank at the cell; the snake and tile number as given.
  void Set(unsigned n, unsigned row, unsigned col, int tile, std::vector<int> cells) {
    solver.SetPuzzle(GoalWithBlankAt(n, row, col));
    solver.applied.clear();
    solver.currentTile = tile;
    solver.snake = cells;
    solver.snakePath = {99};
  }

  std::ostringstream out;
  SnakeSolver solver{out};
};

}  // namespace

TEST_F(SnakeRoutes, RowStaircaseFromTheRight) {
  Set(5, 2, 3, 1, {12, 11});
  solver.BuildSnakePathRow();
  EXPECT_EQ((std::vector<int>{8, 7, 6, 1, 0}), solver.snakePath);
  EXPECT_EQ(0u, solver.blankIndex);  // the cursor ends on the route's last cell
  EXPECT_EQ("", solver.applied);
}

TEST_F(SnakeRoutes, RowStaircaseFromTheLeftTurnsUpAtTheTailsColumn) {
  Set(6, 3, 0, 3, {24, 30});
  solver.BuildSnakePathRow();
  EXPECT_EQ((std::vector<int>{12, 13, 14, 8, 9, 3, 2}), solver.snakePath);
}

TEST_F(SnakeRoutes, RowBlankOnTheHeadsGoal) {
  // Head on the tail's goal: the first snake step finishes the pair.
  Set(5, 0, 1, 2, {2, 3});
  solver.BuildSnakePathRow();
  EXPECT_TRUE(solver.snakePath.empty());
  EXPECT_EQ((std::vector<int>{2, 3}), solver.snake);

  // Head below, tail right of it: called off.
  Set(5, 0, 1, 2, {6, 7});
  solver.BuildSnakePathRow();
  EXPECT_TRUE(solver.snake.empty());
  EXPECT_EQ("", solver.applied);

  // Head below, tail below the head: the blank steps round to its right first.
  Set(5, 0, 1, 2, {6, 11});
  solver.BuildSnakePathRow();
  EXPECT_EQ("RD", solver.applied);
  EXPECT_EQ((std::vector<int>{2, 1}), solver.snakePath);
}

TEST_F(SnakeRoutes, RowCalledOff) {
  // The head already on its goal.
  Set(5, 2, 2, 2, {1, 6});
  solver.BuildSnakePathRow();
  EXPECT_TRUE(solver.snake.empty());
  // A blank above the row the staircase must reach has no route, and no endless one either.
  Set(5, 0, 1, 2, {12, 13});
  solver.BuildSnakePathRow();
  EXPECT_TRUE(solver.snake.empty());
  EXPECT_EQ("", solver.applied);
}

TEST_F(SnakeRoutes, ColumnStaircaseFromAbove) {
  Set(6, 2, 3, 31, {16, 17});
  solver.BuildSnakePathCol();
  EXPECT_EQ((std::vector<int>{14, 20, 26, 25, 24, 30}), solver.snakePath);
}

TEST_F(SnakeRoutes, ColumnBlankOnTheHeadsGoal) {
  // k = 4 on a 6 x 6 board: the head's goal is (4, 0), the tail's (3, 0).
  Set(6, 4, 0, 25, {18, 12});
  solver.BuildSnakePathCol();
  EXPECT_TRUE(solver.snakePath.empty());

  Set(6, 4, 0, 25, {25, 26});
  solver.BuildSnakePathCol();
  EXPECT_EQ("UR", solver.applied);
  EXPECT_EQ((std::vector<int>{18, 24}), solver.snakePath);

  Set(6, 4, 0, 25, {25, 19});
  solver.BuildSnakePathCol();
  EXPECT_TRUE(solver.snake.empty());
  EXPECT_EQ("", solver.applied);
}

TEST_F(SnakeRoutes, ColumnBlankLeftOfItsColumnIsCalledOff) {
  Set(6, 5, 0, 25, {31, 32});
  solver.BuildSnakePathCol();
  EXPECT_TRUE(solver.snake.empty());
}

TEST_F(SnakeRoutes, NoSnakeNoRoute) {
  Set(5, 2, 3, 1, {});
  solver.BuildSnakePathRow();
  solver.BuildSnakePathCol();
  EXPECT_EQ((std::vector<int>{99}), solver.snakePath);
}
