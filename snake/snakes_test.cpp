// snakes_test.cpp: forming a snake from two tiles and carrying it along a route.
#include "snake/snake_test_support.h"

namespace {

// The board with the tiles (the blank is 0) put on the cells given.
Board Arranged(Board board, const std::vector<std::pair<int, int>>& cellAndTile) {
  for (const auto& [cell, tile] : cellAndTile) {
    std::swap(board.tiles[cell], board.tiles[board.FindTile(tile)]);
  }
  board.FindBlank();
  return board;
}

// The 4 x 4 goal board with the blank moved to the cell and the tiles put on the cells given.
Board Arranged(int blank, const std::vector<std::pair<int, int>>& cellAndTile) {
  return Arranged(GoalWithBlankAt(4, blank / 4, blank % 4), cellAndTile);
}

}  // namespace

TEST(GetCellNextTo, TheQuarterOfTheOtherCell) {
  const struct {
    int row1, col1, row, col;
  } cases[] = {{2, 0, 2, 1}, {0, 2, 1, 2}, {0, 0, 2, 1}, {4, 0, 2, 1},
               {0, 4, 2, 3}, {4, 4, 2, 3}, {4, 2, 3, 2}};
  for (const auto& c : cases) {
    const Cell next = GetCellNextTo(2, 2, c.row1, c.col1);
    EXPECT_TRUE(next.row == c.row && next.col == c.col) << c.row1 << ", " << c.col1;
  }
}

TEST(InitSnake, EveryPlaceOfBlankAndPartner) {
  // Tile A = 2 on cell 5, its partner 1 on cell b, which must become the head.
  const struct {
    int blank, b;
    const char* moves;
    std::vector<int> snake;
    const char* message;
  } cases[] = {
      {4, 1, "U", {1, 5}, ""},
      {4, 9, "D", {9, 5}, ""},
      {4, 6, "RR", {5, 4}, ""},
      {6, 4, "LL", {5, 6}, ""},
      {6, 8, "", {}, "\n\nError in function InitSnake: unexpected tile2 position."},
      {1, 6, "", {}, "\n\nError in function InitSnake: unexpected zero position."},
  };
  for (const auto& c : cases) {
    std::ostringstream out;
    SnakeSolver solver(out);
    solver.SetPuzzle(Arranged(c.blank, {{5, 2}, {c.b, 1}}));
    solver.applied.clear();
    EXPECT_EQ(!c.snake.empty(), solver.InitSnake(2, 1)) << c.blank << " " << c.b;
    EXPECT_EQ(c.moves, solver.applied) << c.blank << " " << c.b;
    EXPECT_EQ(c.snake, solver.snake) << c.blank << " " << c.b;
    EXPECT_EQ(c.message, out.str());
  }
  // A pair in goal order leads as it stands.
  std::ostringstream out;
  SnakeSolver solver(out);
  solver.SetPuzzle(Arranged(0, {{9, 1}, {10, 2}}));
  EXPECT_TRUE(solver.InitSnake(1, 2));
  EXPECT_EQ((std::vector<int>{9, 10}), solver.snake);
}

class SnakeWalk : public SnakeTest {};

TEST_F(SnakeWalk, OneStepIntoTheBlank) {
  Load(Arranged(4, {}));
  solver.snake = {5, 6};
  EXPECT_TRUE(solver.MoveAlongSnake());
  EXPECT_EQ("RR", solver.applied);
  EXPECT_EQ((std::vector<int>{4, 5}), solver.snake);
  EXPECT_EQ(6u, solver.blankIndex);
  EXPECT_TRUE(Blocked(1, 0) && Blocked(1, 1) && !Blocked(1, 2));
}

TEST_F(SnakeWalk, BlankAwayFromTheHeadChangesNothing) {
  Load(Arranged(0, {}));
  solver.snake = {5, 6};
  EXPECT_FALSE(solver.MoveAlongSnake());
  EXPECT_EQ("\nError in function MoveAlongSnake - can't determine next step. P1=0 P2=5", out.str());
  EXPECT_EQ((std::vector<int>{5, 6}), solver.snake);
  EXPECT_EQ("", solver.applied);
  EXPECT_FALSE(Blocked(0, 0));
}

TEST_F(SnakeWalk, RouteTurningBackRoundTheHead) {
  // The blank takes the route's first two cells itself and the head steps up into the second.
  Load(GoalWithBlankAt(5, 2, 3));
  const int head = At(2, 2), tail = At(2, 1);
  solver.snake = {12, 11};
  solver.snakePath = {8, 7, 6, 1, 0};
  EXPECT_TRUE(solver.MoveSnakeAlongPath());
  EXPECT_EQ(0u, solver.applied.find("ULDL"));
  EXPECT_EQ(head, At(0, 0));
  EXPECT_EQ(tail, At(0, 1));
  EXPECT_TRUE(Blocked(0, 0) && Blocked(0, 1) && !Blocked(1, 2));
}

TEST_F(SnakeWalk, AStepThatCannotBeMadeFailsTheWalk) {
  Load(GoalWithBlankAt(3, 1, 2));
  solver.snake = {4, 3};
  solver.snakePath = {1};
  solver.cellGrid[0][1] = BLOCKED_CELL;
  EXPECT_FALSE(solver.MoveSnakeAlongPath());
}

TEST_F(SnakeWalk, CalledOffWhenTheSetUpMovesAnyPlacedTile) {
  // Column pair 37, 28 of a 9 x 9 board, column 0 placed from row 5 down. Bringing the blank
  // left of 37 pushes 28 left first, so 37 ends right of 28 with the blank on its left, and its
  // walk up-left leads the blank through (8, 0) and (7, 0).
  Load(Arranged(GoalBoard(9), {{73, 37}, {56, 28}, {55, 0}}));
  solver.currentTile = 37;
  solver.snakePath = {99};
  EXPECT_FALSE(solver.PlaceTilesBySnake(8, 1, 6, 2));
  EXPECT_FALSE(solver.IsTileAtGoal(73));
  EXPECT_EQ((std::vector<int>{99}), solver.snakePath);  // before any route was built
  EXPECT_EQ("", out.str());
}
