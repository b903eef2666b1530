// tile_mover_test.cpp: single-tile walks against breadth-first search over the tile's and the
// blank's cells.
#include "planner/tile_mover.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "board/random_draw.h"
#include "test_support/sample_boards.h"
#include "test_support/tile_distance.h"

using planner::Grid;
using planner_test::BfsTileDistance;

TEST(TileMover, ShortestWalkAroundLockedCells) {
  SeedRandom(21);
  planner::TileMover mover;
  for (int round = 0; round < 60; ++round) {
    const int n = 4 + round % 4;
    Grid grid(RandomSolvableBoard(static_cast<unsigned>(n)));
    // A placed top row and part of the first column, as during a solve.
    for (int col = 0; col < n; ++col) {
      if (grid.TileAt(col) != 0) grid.Lock(col);
    }
    if (grid.TileAt(n) != 0) grid.Lock(n);
    const int tile = 1 + std::rand() % (n * n - 1);
    const int target = n + 1 + std::rand() % (n * n - n - 1);
    if (grid.IsLocked(grid.CellOf(tile)) || grid.IsLocked(target)) continue;
    const int expected = BfsTileDistance(grid, grid.CellOf(tile), grid.Blank(), target);
    std::vector<int> lockedTiles;
    for (int cell = 0; cell < n * n; ++cell)
      lockedTiles.push_back(grid.IsLocked(cell) ? grid.TileAt(cell) : -1);
    const size_t before = grid.Moves().size();
    ASSERT_EQ(expected >= 0, mover.MoveTile(grid, tile, target)) << round;
    if (expected < 0) continue;
    EXPECT_EQ(target, grid.CellOf(tile)) << round;
    EXPECT_EQ(static_cast<size_t>(expected), grid.Moves().size() - before) << round;
    for (int cell = 0; cell < n * n; ++cell) {
      if (lockedTiles[cell] >= 0) {
        EXPECT_EQ(lockedTiles[cell], grid.TileAt(cell)) << round;
      }
    }
  }
}
