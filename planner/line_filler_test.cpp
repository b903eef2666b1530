// line_filler_test.cpp: rows and columns filled on many boards, checked by replaying the moves.
#include "planner/line_filler.h"

#include <gtest/gtest.h>

#include "board/random_draw.h"
#include "solver/position.h"
#include "test_support/sample_boards.h"

using planner::Grid;

TEST(LineFiller, FillsTheFirstRowThenTheFirstColumn) {
  SeedRandom(41);
  planner::LineFiller filler;
  for (int round = 0; round < 40; ++round) {
    const unsigned n = 4 + round % 9;
    const Board board = round % 3 == 0   ? PartlyHomeBoard(n)
                        : round % 3 == 1 ? NearGoalBoard(n, 40)
                                         : RandomSolvableBoard(n);
    Grid grid(board);
    const int side = static_cast<int>(n);
    planner::Line row{{}, planner::DOWN};
    for (int col = 0; col < side; ++col) row.targets.push_back(col);
    planner::Line column{{}, planner::RIGHT};
    for (int r = 1; r < side; ++r) column.targets.push_back(r * side);
    ASSERT_TRUE(filler.Fill(grid, row)) << round;
    for (const int cell : row.targets) {
      EXPECT_EQ(cell + 1, grid.TileAt(cell)) << round;
      EXPECT_TRUE(grid.IsLocked(cell));
    }
    ASSERT_TRUE(filler.Fill(grid, column)) << round;
    for (const int cell : row.targets) EXPECT_EQ(cell + 1, grid.TileAt(cell)) << round;
    for (const int cell : column.targets) EXPECT_EQ(cell + 1, grid.TileAt(cell)) << round;
    // The moves really do that to the board.
    Board replay(board);
    ASSERT_TRUE(ApplyMoves(replay, grid.Moves()));
    for (int cell = 0; cell < side * side; ++cell) ASSERT_EQ(grid.TileAt(cell), replay.tiles[cell]);
  }
}
