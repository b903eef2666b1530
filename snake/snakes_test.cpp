// snakes_test.cpp: forming a snake from two tiles and carrying it along a route.
#include <gtest/gtest.h>

#include <sstream>

#include "snake/snake_solver.h"
#include "snake/test_boards.h"

namespace {

// The 4 x 4 goal board with the blank moved to cell blank and the tiles put on the cells given.
Board Arranged(int blank, std::vector<std::pair<int, int>> cellAndTile) {
  Board board = GoalWithBlankAt(4, blank / 4, blank % 4);
  for (const auto& [cell, tile] : cellAndTile) {
    std::swap(board.tiles[cell], board.tiles[board.FindTile(tile)]);
  }
  board.FindBlank();
  return board;
}

}  // namespace

TEST(GetCellNextTo, TheQuarterOfTheOtherCell) {
  const struct {
    int row1, col1;
    Cell expected;
  } cases[] = {
      {2, 0, {2, 1}}, {0, 2, {1, 2}}, {0, 0, {2, 1}}, {4, 0, {2, 1}},
      {0, 4, {2, 3}}, {4, 4, {2, 3}}, {4, 2, {3, 2}}, {2, 4, {2, 3}},
  };
  for (const auto& c : cases) {
    const Cell next = GetCellNextTo(2, 2, c.row1, c.col1);
    EXPECT_EQ(c.expected.row, next.row) << c.row1 << ", " << c.col1;
    EXPECT_EQ(c.expected.col, next.col) << c.row1 << ", " << c.col1;
  }
}

TEST(InitSnake, EveryArrangementOfBlankAndTiles) {
  // Tile A = 2 stands on cell 5; tile B = 1 is the head's partner, so A cannot lead.
  const struct {
    int blank, cellB;
    const char* moves;
    std::vector<int> snake;
    const char* message;
  } cases[] = {
      {4, 1, "U", {1, 5}, ""},
      {4, 9, "D", {9, 5}, ""},
      {4, 6, "RR", {5, 4}, ""},
      {4, 10, "", {}, "\n\nError in function InitSnake: unexpected tile2 position."},
      {6, 1, "U", {1, 5}, ""},
      {6, 9, "D", {9, 5}, ""},
      {6, 4, "LL", {5, 6}, ""},
      {6, 8, "", {}, "\n\nError in function InitSnake: unexpected tile2 position."},
      {1, 6, "", {}, "\n\nError in function InitSnake: unexpected zero position."},
  };
  for (const auto& c : cases) {
    std::ostringstream out;
    SnakeSolver solver(out);
    solver.SetPuzzle(Arranged(c.blank, {{5, 2}, {c.cellB, 1}}));
    solver.applied.clear();
    EXPECT_EQ(c.snake.size() == 2, solver.InitSnake(2, 1)) << c.blank << " " << c.cellB;
    EXPECT_EQ(c.moves, solver.applied) << c.blank << " " << c.cellB;
    EXPECT_EQ(c.snake, solver.snake) << c.blank << " " << c.cellB;
    EXPECT_EQ(c.message, out.str());
    if (c.snake.size() == 2) {
      EXPECT_EQ(1, solver.board.tiles[c.snake[0]]);
      EXPECT_EQ(2, solver.board.tiles[c.snake[1]]);
    }
  }
}

TEST(InitSnake, APairInGoalOrderLeadsWithoutMoving) {
  std::ostringstream out;
  SnakeSolver solver(out);
  solver.SetPuzzle(Arranged(0, {{9, 1}, {10, 2}}));
  EXPECT_TRUE(solver.InitSnake(1, 2));
  EXPECT_EQ((std::vector<int>{9, 10}), solver.snake);
  EXPECT_EQ("", solver.applied);
}

TEST(MoveAlongSnake, OneStepIntoTheBlank) {
  std::ostringstream out;
  SnakeSolver solver(out);
  solver.SetPuzzle(Arranged(4, {}));
  solver.snake = {5, 6};
  EXPECT_TRUE(solver.MoveAlongSnake());
  EXPECT_EQ("RR", solver.applied);
  EXPECT_EQ((std::vector<int>{4, 5}), solver.snake);
  EXPECT_EQ(6u, solver.board.blank);
  EXPECT_EQ(6u, solver.blankIndex);
  EXPECT_EQ(-1, solver.cellGrid[1][0]);
  EXPECT_EQ(-1, solver.cellGrid[1][1]);
  EXPECT_EQ(-2, solver.cellGrid[1][2]);
}

TEST(MoveAlongSnake, BlankAwayFromTheHeadChangesNothing) {
  std::ostringstream out;
  SnakeSolver solver(out);
  solver.SetPuzzle(Arranged(0, {}));
  solver.snake = {5, 6};
  EXPECT_FALSE(solver.MoveAlongSnake());
  EXPECT_EQ("\nError in function MoveAlongSnake - can't determine next step. P1=0 P2=5", out.str());
  EXPECT_EQ((std::vector<int>{5, 6}), solver.snake);
  EXPECT_EQ("", solver.applied);
  EXPECT_EQ(-2, solver.cellGrid[0][0]);
}

TEST(MoveSnakeAlongPath, TurnsBackRoundTheHeadByTheShortcut) {
  // The route of a 5 x 5 row pair: the blank right of the head, the route above it.
  std::ostringstream out;
  SnakeSolver solver(out);
  solver.SetPuzzle(GoalWithBlankAt(5, 2, 3));
  const int head = solver.board.tiles[12], tail = solver.board.tiles[11];
  solver.snake = {12, 11};
  solver.snakePath = {8, 7, 6, 1, 0};
  solver.applied.clear();
  EXPECT_TRUE(solver.MoveSnakeAlongPath());
  EXPECT_EQ(0, solver.applied.find("ULDL"));  // the blank takes 8 and 7, the head steps up
  EXPECT_EQ(head, solver.board.tiles[0]);
  EXPECT_EQ(tail, solver.board.tiles[1]);
  EXPECT_EQ(-1, solver.cellGrid[0][0]);
  EXPECT_EQ(-1, solver.cellGrid[0][1]);
  EXPECT_EQ("", out.str());
}

TEST(MoveSnakeAlongPath, NoShortcutOnARouteOfTwo) {
  std::ostringstream out;
  SnakeSolver solver(out);
  solver.SetPuzzle(Arranged(6, {}));
  solver.snake = {5, 4};
  solver.snakePath = {2, 1};
  solver.applied.clear();
  EXPECT_TRUE(solver.MoveSnakeAlongPath());
  EXPECT_EQ(0, solver.applied.find("LL"));
  EXPECT_EQ((std::vector<int>{1, 2}), solver.snake);
}

TEST(MoveSnakeAlongPath, AStepThatCannotBeMadeFailsTheWalk) {
  std::ostringstream out;
  SnakeSolver solver(out);
  solver.SetPuzzle(GoalWithBlankAt(3, 1, 2));
  solver.snake = {4, 3};
  solver.snakePath = {1};
  solver.cellGrid[0][1] = -1;
  EXPECT_FALSE(solver.MoveSnakeAlongPath());
  EXPECT_EQ("Error in FindMovesTo - failed to reach final destination!", out.str());
}

TEST(PlaceTilesBySnake, CalledOffWhenTheSetUpMovesAnyPlacedTile) {
  // Column pair 37, 28 of a 9 x 9 board; column 0 is placed from row 5 down. Bringing the blank
  // left of 37 pushes 28 left first, so 37 ends right of 28 with the blank on its left, and its
  // walk up-left passes the blank through (8, 0) and (7, 0).
  std::vector<int> tiles = GoalBoard(9).tiles;
  Board board = BoardOf(tiles);
  const auto put = [&](int cell, int tile) {
    std::swap(board.tiles[cell], board.tiles[board.FindTile(tile)]);
  };
  put(73, 37);
  put(56, 28);
  put(55, 0);
  board.FindBlank();
  std::ostringstream out;
  SnakeSolver solver(out);
  solver.SetPuzzle(board);
  solver.currentTile = 37;
  solver.blankIndex = solver.board.blank;
  solver.snakePath = {99};
  EXPECT_FALSE(solver.PlaceTilesBySnake(8, 1, 6, 2));
  EXPECT_FALSE(solver.IsTileAtGoal(73));
  EXPECT_EQ((std::vector<int>{99}), solver.snakePath);  // no route was built
  EXPECT_EQ("", out.str());
}
