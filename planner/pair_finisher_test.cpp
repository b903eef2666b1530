// pair_finisher_test.cpp: the two-tile tail from every arrangement a window holds.
#include "planner/pair_finisher.h"

#include <gtest/gtest.h>

#include "test_support/sample_boards.h"

using planner::Grid;

TEST(PairFinisher, EveryArrangementOfTheWindow) {
  // A 5 x 5 board whose row 0 holds tiles 1, 2 and 3, locked: tiles 4 and 5 and the blank are
  // put on every cell of the window below and beside cells 3 and 4, in turn, the others in order.
  const std::vector<int> window = {3, 4, 7, 8, 9, 12, 13, 14};
  std::vector<bool> kept(25, false);
  kept[0] = kept[1] = kept[2] = true;
  int finished = 0;
  for (const int a : window) {
    for (const int b : window) {
      for (const int hole : window) {
        if (a == b || a == hole || b == hole) continue;
        Grid grid(BoardKeeping(5, kept, {{4, a}, {5, b}, {0, hole}}, false));
        for (int cell = 0; cell < 3; ++cell) grid.Lock(cell);
        ASSERT_TRUE(planner::FinishPairInWindow(grid, 3, 4, window)) << a << b << hole;
        EXPECT_EQ(4, grid.TileAt(3));
        EXPECT_EQ(5, grid.TileAt(4));
        for (int cell = 0; cell < 3; ++cell) EXPECT_EQ(cell + 1, grid.TileAt(cell));
        ++finished;
      }
    }
  }
  EXPECT_EQ(8 * 7 * 6, finished);
}

TEST(PairFinisher, RefusesWhatTheWindowCannotHold) {
  Grid grid(GoalBoard(4));
  // Tile 1 is not in the window.
  EXPECT_FALSE(planner::FinishPairInWindow(grid, 0, 1, {14, 15, 10, 11}));
  EXPECT_TRUE(grid.Moves().empty());
}
