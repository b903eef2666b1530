// line_filler_test.cpp: rows and columns filled from either end, in each way of choosing it.
#include "planner/line_filler.h"

#include <gtest/gtest.h>

#include "board/random_draw.h"
#include "solver/position.h"
#include "test_support/sample_boards.h"

using planner::Grid;
using planner::Line;
using planner::LineFiller;

TEST(LineFiller, FillsTheFirstRowAndColumnAndLocksJustThem) {
  SeedRandom(31);
  for (int round = 0; round < 24; ++round) {
    const int n = 5 + round % 8;
    const LineFiller::Trials trials[] = {LineFiller::Trials::NONE, LineFiller::Trials::ENDS,
                                         LineFiller::Trials::ENDS_AND_DOMINOES};
    const Board board = ShuffledBoard(static_cast<unsigned>(n));
    Grid grid(board);
    grid.SetUnsolved(0, 0);
    LineFiller filler(trials[round % 3]);
    Line row{{}, planner::DOWN};
    for (int col = 0; col < n; ++col) row.targets.push_back(col);
    Line column{{}, planner::RIGHT};
    for (int r = 1; r < n; ++r) column.targets.push_back(r * n);
    ASSERT_TRUE(filler.Fill(grid, row)) << round;
    ASSERT_TRUE(filler.Fill(grid, column)) << round;
    for (int cell = 0; cell < n * n; ++cell) {
      const bool inLines = cell < n || cell % n == 0;
      EXPECT_EQ(inLines, grid.IsLocked(cell)) << round << " " << cell;
      if (inLines) {
        EXPECT_EQ(grid.TileFor(cell), grid.TileAt(cell)) << round << " " << cell;
      }
    }
    // The moves kept are the ones that lead to the grid's cells: nothing tried and undone
    // stays in them.
    Board moved = board;
    ASSERT_TRUE(ApplyMoves(moved, grid.Moves())) << round;
    EXPECT_EQ(moved.tiles, grid.Cells()) << round;
    EXPECT_EQ(moved.ManhattanDistance(), grid.Distance()) << round;
  }
}

TEST(LineFiller, WithoutTrialsFillsTheDearerOfTwoNearEndsFirst) {
  // A row of nine with every tile home but the two at its ends and the blank: tile 1 two cells
  // below its home; tile 9 three cells below its own, so that neither end is estimated twice as
  // dear as the other, or far across the board, so that its end is.
  struct Case {
    int backTileCell;
    bool backFirst;
  };
  const int n = 9;
  for (const Case& test : {Case{3 * n + 8, true}, Case{8 * n + 1, false}}) {
    Board board = GoalBoard(n);
    std::swap(board.tiles[0], board.tiles[2 * n]);
    std::swap(board.tiles[n - 1], board.tiles[test.backTileCell]);
    std::swap(board.tiles[n * n - 1], board.tiles[5 * n + 4]);
    board.FindBlank();
    Grid grid(board);
    grid.SetUnsolved(0, 0);
    Line row{{}, planner::DOWN};
    for (int col = 0; col < n; ++col) row.targets.push_back(col);
    ASSERT_TRUE(LineFiller(LineFiller::Trials::NONE).Fill(grid, row));
    // The end filled first is locked first: replayed, its cell changes for the last time before
    // the other end's does.
    Position replay(board);
    std::vector<size_t> lastChange(board.tiles.size(), 0);
    const MoveSequence& moves = grid.Moves();
    for (size_t i = 0; i < moves.size(); ++i) {
      lastChange[replay.Blank()] = i + 1;
      ASSERT_TRUE(replay.Move(static_cast<Direction>(CodeOf(moves[i]))));
      lastChange[replay.Blank()] = i + 1;
    }
    for (int col = 0; col < n; ++col) ASSERT_EQ(col + 1, replay.Cells()[col]);
    EXPECT_EQ(test.backFirst, lastChange[n - 1] < lastChange[0]) << test.backTileCell;
  }
}
