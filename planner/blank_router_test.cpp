// blank_router_test.cpp: walks of the blank against the shortest and the cheapest walks by
// Dijkstra's search, and the fewest pushes of the straight ones.
#include "planner/blank_router.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <queue>
#include <utility>

#include "board/random_draw.h"
#include "test_support/sample_boards.h"

namespace {

using planner::Grid;

// The fewest pushes of any walk that only steps towards the target, by sums over the rectangle
// between the two cells from `from`'s corner: the blank's step into a cell pushes its tile back.
int FewestStraightPushes(const Grid& grid, int from, int to) {
  const int rows = grid.Row(to) - grid.Row(from), cols = grid.Col(to) - grid.Col(from);
  const int back = cols < 0 ? planner::RIGHT : planner::LEFT;
  const int up = rows < 0 ? planner::DOWN : planner::UP;
  const int height = std::abs(rows) + 1, width = std::abs(cols) + 1;
  std::vector<std::vector<int>> least(height, std::vector<int>(width, 1 << 30));
  least[0][0] = 0;
  for (int i = 0; i < height; ++i) {
    for (int j = 0; j < width; ++j) {
      const int cell =
          grid.CellAt(grid.Row(from) + (rows < 0 ? -i : i), grid.Col(from) + (cols < 0 ? -j : j));
      if (i > 0 && !grid.IsLocked(cell)) least[i][j] = least[i - 1][j] + grid.PushCost(cell, up);
      if (j > 0 && !grid.IsLocked(cell)) {
        least[i][j] = std::min(least[i][j], least[i][j - 1] + grid.PushCost(cell, back));
      }
    }
  }
  return least[height - 1][width - 1];
}

// The least that any walk over unlocked cells costs, never entering `avoid`, each move costing
// moveCost and, with `pushes`, what its push costs: by Dijkstra's search; -1 when there is none.
int CheapestWalk(const Grid& grid, int from, int to, int avoid, int moveCost, bool pushes) {
  std::vector<int> cost(grid.Cells().size(), -1);
  using Entry = std::pair<int, int>;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
  open.push({cost[from] = 0, from});
  while (!open.empty()) {
    const auto [g, cell] = open.top();
    open.pop();
    if (g != cost[cell]) continue;
    for (int dir = 0; dir < 4; ++dir) {
      const int next = grid.Neighbour(cell, dir);
      if (next < 0 || next == avoid || grid.IsLocked(next)) continue;
      const int step = g + moveCost + (pushes ? grid.PushCost(next, dir ^ 1) : 0);
      if (cost[next] < 0 || step < cost[next]) open.push({cost[next] = step, next});
    }
  }
  return cost[to];
}

}  // namespace

TEST(BlankRouter, WalksAroundLockedCellsAndTheAvoidedOne) {
  SeedRandom(5);
  planner::BlankRouter router;
  std::vector<int8_t> dirs;
  int notStraight = 0;
  for (int round = 0; round < 40; ++round) {
    Grid grid(ShuffledBoard(7));
    const int avoid = std::rand() % 49;
    if (avoid == grid.Blank()) continue;
    for (int k = 0; k < 8; ++k) {
      const int cell = std::rand() % 49;
      if (cell != grid.Blank() && cell != avoid) grid.Lock(cell);
    }
    const int target = std::rand() % 49;
    if (target == avoid || grid.IsLocked(target) || target == grid.Blank()) continue;
    const int shortest = CheapestWalk(grid, grid.Blank(), target, avoid, 1, false);
    const int found = router.Distance(grid, grid.Blank(), avoid, target, 1 << 30);
    // A walk where there is one, perhaps longer than the shortest, and none where there is none.
    ASSERT_EQ(shortest < 0, found < 0) << round;
    if (found < 0) continue;
    EXPECT_GE(found, shortest) << round;
    // A walk that is not straight, round the walls or the tiles it would push away, is the
    // cheapest there is in moves and pushes together.
    const int manhattan = std::abs(grid.Row(target) - grid.Row(grid.Blank())) +
                          std::abs(grid.Col(target) - grid.Col(grid.Blank()));
    if (found > manhattan) {
      EXPECT_EQ(CheapestWalk(grid, grid.Blank(), target, avoid, planner::STEP_COST, true),
                planner::STEP_COST * found + router.LastPushes())
          << round;
      ++notStraight;
    }
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
  EXPECT_GT(notStraight, 0);
}

// The straight walk that pushes least, or one dearer in moves but cheaper in all than that, and
// then the cheapest of all: on boards whose urgent tiles make pushing them away dear, so that
// some walks go round them. The pushes reported are those the walk makes.
TEST(BlankRouter, StraightWalksOrCheaperDetours) {
  SeedRandom(8);
  planner::BlankRouter router;
  int detours = 0;
  for (int round = 0; round < 120; ++round) {
    Grid grid(ShuffledBoard(16));
    grid.SetUnsolved(0, 0, round % 3);
    const int target = std::rand() % 256;
    if (target == grid.Blank()) continue;
    const int moves = router.Distance(grid, grid.Blank(), -1, target, 1 << 30);
    const int straight = std::abs(grid.Row(target) - grid.Row(grid.Blank())) +
                         std::abs(grid.Col(target) - grid.Col(grid.Blank()));
    const int straightPushes = FewestStraightPushes(grid, grid.Blank(), target);
    const int cost = planner::STEP_COST * moves + router.LastPushes();
    int pushes = 0;
    Grid walked = grid;
    for (const int8_t dir : router.Path()) {
      pushes += walked.PushCost(walked.Neighbour(walked.Blank(), dir), dir ^ 1);
      walked.Move(dir);
    }
    EXPECT_EQ(target, walked.Blank()) << round;
    EXPECT_EQ(router.LastPushes(), pushes) << round;
    if (moves == straight) {
      EXPECT_EQ(straightPushes, router.LastPushes()) << round;
      continue;
    }
    ++detours;
    EXPECT_LT(cost, planner::STEP_COST * straight + straightPushes) << round;
    EXPECT_EQ(CheapestWalk(grid, grid.Blank(), target, -1, planner::STEP_COST, true), cost)
        << round;
    // Held to the straight walk's length, the walk is the straight one.
    EXPECT_EQ(straight, router.Distance(grid, grid.Blank(), -1, target, straight)) << round;
    EXPECT_EQ(straightPushes, router.LastPushes()) << round;
    EXPECT_EQ(static_cast<size_t>(straight), router.Path().size()) << round;
  }
  EXPECT_GT(detours, 0);
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
    Grid grid(ShuffledBoard(9));
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
