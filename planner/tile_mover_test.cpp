// tile_mover_test.cpp: single-tile walks against breadth-first search over the tile's and the
// blank's cells, and against every shortest walk.
#include "planner/tile_mover.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "board/random_draw.h"
#include "test_support/sample_boards.h"
#include "test_support/tile_distance.h"

using planner::Grid;
using planner_test::BfsTileDistance;

TEST(TileMover, WalksAroundLockedCellsNearlyAsShortAsTheShortest) {
  SeedRandom(21);
  planner::TileMover mover;
  for (int round = 0; round < 60; ++round) {
    const int n = 4 + round % 4;
    Grid grid(ShuffledBoard(static_cast<unsigned>(n)));
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
    // A walk may be two moves longer than the shortest where it pushes fewer tiles away.
    EXPECT_LE(grid.Moves().size() - before, static_cast<size_t>(expected) + 2) << round;
    for (int cell = 0; cell < n * n; ++cell) {
      if (lockedTiles[cell] >= 0) {
        EXPECT_EQ(lockedTiles[cell], grid.TileAt(cell)) << round;
      }
    }
  }
}

// How many tiles other than `tile` the walk's moves take farther from home.
int AwayPushes(Grid grid, const std::string& walk, int tile) {
  int away = 0;
  for (const char letter : walk) {
    const int dir = CodeOf(letter);
    const int cell = grid.Neighbour(grid.Blank(), dir);
    const int pushed = grid.TileAt(cell), home = Grid::GoalOf(pushed);
    const auto distance = [&](int at) {
      return std::abs(grid.Row(at) - grid.Row(home)) + std::abs(grid.Col(at) - grid.Col(home));
    };
    if (pushed != tile && distance(grid.Blank()) > distance(cell)) ++away;
    grid.Move(dir);
  }
  return away;
}

TEST(TileMover, TakesALongerWalkThatPushesFewerTilesAway) {
  Grid grid(BoardOf(4, {4, 9, 3, 7, 5, 10, 8, 12, 6, 2, 1, 14, 11, 0, 13, 15}));
  grid.SetUnsolved(0, 0);
  const int tile = 12, target = 9;
  const int shortest = BfsTileDistance(grid, grid.CellOf(tile), grid.Blank(), target);
  // Every walk of the shortest length that brings the tile to the target.
  std::vector<std::string> shortestWalks;
  std::string walk;
  const std::function<void(const Grid&)> extend = [&](const Grid& at) {
    if (static_cast<int>(walk.size()) == shortest) {
      if (at.CellOf(tile) == target) shortestWalks.push_back(walk);
      return;
    }
    for (int dir = 0; dir < 4; ++dir) {
      if (at.Neighbour(at.Blank(), dir) < 0) continue;
      Grid next = at;
      next.Move(dir);
      walk.push_back(DIRECTION_LETTERS[dir]);
      extend(next);
      walk.pop_back();
    }
  };
  extend(grid);
  ASSERT_FALSE(shortestWalks.empty());

  planner::TileMover mover;
  Grid moved = grid;
  ASSERT_TRUE(mover.MoveTile(moved, tile, target));
  EXPECT_EQ(target, moved.CellOf(tile));
  const std::string& taken = moved.Moves();
  EXPECT_EQ(shortest + 2, static_cast<int>(taken.size()));
  for (const std::string& other : shortestWalks) {
    EXPECT_LT(AwayPushes(grid, taken, tile), AwayPushes(grid, other, tile)) << other;
  }
}
