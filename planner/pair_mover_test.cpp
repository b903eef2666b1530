// pair_mover_test.cpp: dominoes carried to their cells.
#include "planner/pair_mover.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "board/random_draw.h"
#include "test_support/sample_boards.h"

using planner::Grid;

TEST(PairMover, CarriesDominoesToTheRowAndTheColumn) {
  SeedRandom(31);
  planner::PairMover mover, roomy, spent;
  roomy.LimitWork(1'000'000'000);
  spent.LimitWork(0);
  int carried = 0, differed = 0;
  for (int round = 0; round < 40; ++round) {
    const int n = 6 + round % 5;
    Grid grid(ShuffledBoard(static_cast<unsigned>(n)));
    const bool row = round % 2 == 0;
    // Targets: two neighbouring cells of the first row (or column) after the corner.
    const int first = 1 + std::rand() % (n - 3);
    const int targetA = row ? grid.CellAt(0, first) : grid.CellAt(first, 0);
    const int goalOrient = row ? planner::RIGHT : planner::DOWN;
    const int targetB = grid.Neighbour(targetA, goalOrient);
    if (grid.TileAt(0) == 0) continue;  // the corner is locked
    grid.Lock(0);
    // Any two tiles that stand side by side, neither on the locked corner.
    const int cellA = grid.CellAt(2 + std::rand() % (n - 3), 1 + std::rand() % (n - 2));
    const int cellB = grid.Neighbour(cellA, std::rand() % 4);
    if (cellB < 0 || grid.IsLocked(cellB) || grid.TileAt(cellA) == 0 || grid.TileAt(cellB) == 0) {
      continue;
    }
    const int tileA = grid.TileAt(cellA), tileB = grid.TileAt(cellB), corner = grid.TileAt(0);
    // Searches with work left search as without a limit; with none left, greedily.
    Grid limited = grid, greedy = grid;
    ASSERT_TRUE(mover.MovePair(grid, tileA, tileB, targetA, goalOrient)) << round;
    ASSERT_TRUE(roomy.MovePair(limited, tileA, tileB, targetA, goalOrient)) << round;
    ASSERT_TRUE(spent.MovePair(greedy, tileA, tileB, targetA, goalOrient)) << round;
    EXPECT_EQ(grid.Moves(), limited.Moves()) << round;
    differed += greedy.Moves() != grid.Moves() ? 1 : 0;
    for (const Grid* moved : {&grid, &greedy}) {
      EXPECT_EQ(targetA, moved->CellOf(tileA)) << round;
      EXPECT_EQ(targetB, moved->CellOf(tileB)) << round;
      EXPECT_EQ(corner, moved->TileAt(0));
    }
    ++carried;
  }
  EXPECT_GT(carried, 20);
  EXPECT_GT(differed, 0);
}

TEST(PairMover, RefusesTilesThatAreNotSideBySide) {
  Grid grid(GoalBoard(5));
  planner::PairMover mover;
  EXPECT_FALSE(mover.MovePair(grid, 1, 3, 6, planner::RIGHT));
  EXPECT_TRUE(grid.Moves().empty());
}
