// blank_router_test.cpp: walks of the blank against breadth-first distances and against every
// shortest walk tried one by one.
#include "planner/blank_router.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>

#include "board/random_draw.h"
#include "test_support/sample_boards.h"

namespace {

using planner::Grid;

// Breadth-first distance over unlocked cells, never entering `avoid`.
int BfsDistance(const Grid& grid, int from, int to, int avoid) {
  const int n = grid.Side();
  std::vector<int> dist(static_cast<size_t>(n) * n, -1);
  std::deque<int> open{from};
  dist[from] = 0;
  while (!open.empty()) {
    const int cell = open.front();
    open.pop_front();
    for (int dir = 0; dir < 4; ++dir) {
      const int next = grid.Neighbour(cell, dir);
      if (next < 0 || next == avoid || grid.IsLocked(next) || dist[next] >= 0) continue;
      dist[next] = dist[cell] + 1;
      open.push_back(next);
    }
  }
  return dist[to];
}

// The fewest pushes of any shortest walk that only steps towards the target, by trying them all.
int FewestPushesByEnumeration(const Grid& grid, int from, int to, int pushes) {
  if (from == to) return pushes;
  int best = 1 << 30;
  for (int dir = 0; dir < 4; ++dir) {
    const int next = grid.Neighbour(from, dir);
    if (next < 0 || grid.IsLocked(next)) continue;
    const int before =
        std::abs(grid.Row(from) - grid.Row(to)) + std::abs(grid.Col(from) - grid.Col(to));
    const int after =
        std::abs(grid.Row(next) - grid.Row(to)) + std::abs(grid.Col(next) - grid.Col(to));
    if (after >= before) continue;
    // The blank's step pushes the tile it enters the other way.
    best = std::min(
        best, FewestPushesByEnumeration(grid, next, to, pushes + grid.PushCost(next, dir ^ 1)));
  }
  return best;
}

}  // namespace

TEST(BlankRouter, ShortestAroundLockedCellsAndTheAvoidedOne) {
  SeedRandom(5);
  planner::BlankRouter router;
  std::vector<int8_t> dirs;
  for (int round = 0; round < 40; ++round) {
    Grid grid(RandomSolvableBoard(7));
    const int avoid = std::rand() % 49;
    if (avoid == grid.Blank()) continue;
    for (int k = 0; k < 8; ++k) {
      const int cell = std::rand() % 49;
      if (cell != grid.Blank() && cell != avoid) grid.Lock(cell);
    }
    const int target = std::rand() % 49;
    if (target == avoid || grid.IsLocked(target) || target == grid.Blank()) continue;
    const int expected = BfsDistance(grid, grid.Blank(), target, avoid);
    const int found = router.Distance(grid, grid.Blank(), avoid, target, 1 << 30);
    ASSERT_EQ(expected, found) << round;
    if (found < 0) continue;
    dirs = router.Path();
    ASSERT_EQ(static_cast<size_t>(found), dirs.size());
    const int tileAvoided = grid.TileAt(avoid);
    for (const int8_t dir : dirs) {
      const int next = grid.Neighbour(grid.Blank(), dir);
      ASSERT_TRUE(next >= 0 && next != avoid && !grid.IsLocked(next));
      grid.Move(dir);
    }
    EXPECT_EQ(target, grid.Blank());
    EXPECT_EQ(tileAvoided, grid.TileAt(avoid));
  }
}

TEST(BlankRouter, StraightWalksPushTheFewestTilesAway) {
  SeedRandom(8);
  planner::BlankRouter router;
  for (int round = 0; round < 30; ++round) {
    const Grid grid(RandomSolvableBoard(6));
    const int target = std::rand() % 36;
    if (target == grid.Blank()) continue;
    const int moves = router.Distance(grid, grid.Blank(), -1, target, 1 << 30);
    EXPECT_EQ(FewestPushesByEnumeration(grid, grid.Blank(), target, 0), router.LastPushes());
    EXPECT_EQ(std::abs(grid.Row(target) - grid.Row(grid.Blank())) +
                  std::abs(grid.Col(target) - grid.Col(grid.Blank())),
              moves);
  }
}

TEST(BlankRouter, PocketsCutOffByLockedCells) {
  // Column 2 locked: a pocket of 24 cells on the left, 108 on the right.
  Grid grid(GoalBoard(12));
  for (int row = 0; row < 12; ++row) grid.Lock(grid.CellAt(row, 2));
  struct Case {
    int from, target, avoid, expected;
  };
  const Case cases[] = {
      {143, 0, -1, -1},   // the target in the small pocket
      {0, 143, -1, -1},   // the start in it
      {24, 0, 12, 4},     // within it, round the avoided cell
      {143, 3, 130, 19},  // within the large one
  };
  planner::BlankRouter router;
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, router.Distance(grid, c.from, c.avoid, c.target, 1 << 30)) << c.from;
  }
}

// While the grid is held, walks from one start share their straight walks' costs: to the sides
// of a tile, as a search's approaches go, and to cells near and far in every direction, each
// must be the walk worked out alone, locked cells cutting some of the ways.
TEST(BlankRouter, WalksSharingTheirCostsAgreeWithEachWalkedAlone) {
  SeedRandom(11);
  planner::BlankRouter together, alone;
  for (int round = 0; round < 200; ++round) {
    Grid grid(RandomSolvableBoard(9));
    for (int k = 0; k < 12; ++k) {
      const int cell = std::rand() % 81;
      if (cell != grid.Blank()) grid.Lock(cell);
    }
    const int focus = std::rand() % 81;
    if (focus == grid.Blank()) continue;
    together.HoldGrid(true);
    for (int k = 0; k < 8; ++k) {
      const int target = k < 4 ? grid.Neighbour(focus, k) : std::rand() % 81;
      if (target < 0 || target == focus || target == grid.Blank()) continue;
      const int expected = alone.Distance(grid, grid.Blank(), focus, target, 1 << 30);
      ASSERT_EQ(expected, together.Distance(grid, grid.Blank(), focus, target, 1 << 30)) << round;
      if (expected < 0) continue;
      EXPECT_EQ(alone.LastPushes(), together.LastPushes()) << round;
      EXPECT_EQ(alone.Path(), together.Path()) << round;
    }
    together.HoldGrid(false);
  }
}
