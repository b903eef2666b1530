// grid_test.cpp: the working board against the board it came from, move by move.
#include "planner/grid.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "board/random_draw.h"
#include "solver/position.h"
#include "test_support/sample_boards.h"

namespace {

using planner::Grid;

// Every cell, the index from tile to cell and the homeward bits agree with the board.
void ExpectSameAs(const Grid& grid, const Board& board) {
  const int n = grid.Side();
  for (int cell = 0; cell < n * n; ++cell) {
    const int tile = board.tiles[cell];
    ASSERT_EQ(tile, grid.TileAt(cell));
    ASSERT_EQ(cell, grid.CellOf(tile));
    const int rows = tile == 0 ? 0 : (tile - 1) / n - cell / n;
    const int cols = tile == 0 ? 0 : (tile - 1) % n - cell % n;
    EXPECT_EQ(rows < 0, grid.Homeward(cell, planner::UP)) << cell;
    EXPECT_EQ(rows > 0, grid.Homeward(cell, planner::DOWN)) << cell;
    EXPECT_EQ(cols < 0, grid.Homeward(cell, planner::LEFT)) << cell;
    EXPECT_EQ(cols > 0, grid.Homeward(cell, planner::RIGHT)) << cell;
  }
  EXPECT_EQ(static_cast<int>(board.blank), grid.Blank());
}

}  // namespace

TEST(Grid, FollowsTheBoardThroughRandomMoves) {
  SeedRandom(11);
  Board board = RandomSolvableBoard(6);
  Grid grid(board);
  ExpectSameAs(grid, board);
  MoveSequence letters;
  for (int i = 0; i < 300; ++i) {
    const char letter = "UDLR"[std::rand() % 4];
    if (grid.Neighbour(grid.Blank(), CodeOf(letter)) < 0) continue;
    grid.Move(CodeOf(letter));
    ASSERT_TRUE(ApplyMoves(board, MoveSequence(1, letter)));
    letters += letter;
  }
  ExpectSameAs(grid, board);
  EXPECT_EQ(letters, grid.Moves());
}

TEST(Grid, NeighboursStopAtTheEdges) {
  const Grid grid(GoalBoard(4));
  EXPECT_EQ(-1, grid.Neighbour(0, planner::UP));
  EXPECT_EQ(-1, grid.Neighbour(0, planner::LEFT));
  EXPECT_EQ(4, grid.Neighbour(0, planner::DOWN));
  EXPECT_EQ(-1, grid.Neighbour(3, planner::RIGHT));
  EXPECT_EQ(-1, grid.Neighbour(15, planner::DOWN));
  EXPECT_EQ(11, grid.Neighbour(15, planner::UP));
}
