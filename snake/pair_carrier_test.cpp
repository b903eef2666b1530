// pair_carrier_test.cpp: the head's routes to the pair's homes.
#include "snake/pair_carrier.h"

#include <cstdlib>

#include "board/random_draw.h"
#include "test_support/snake_fixture.h"

namespace {

bool Beside(int a, int b, int n) {
  return std::abs(a / n - b / n) + std::abs(a % n - b % n) == 1;
}

// A free cell beside the cell, drawn at random; -1 when there is none.
int FreeNeighbour(int cell, int n, const std::vector<bool>& kept, int avoid) {
  std::vector<int> free;
  for (int other = 0; other < n * n; ++other) {
    if (Beside(cell, other, n) && !kept[size_t(other)] && other != avoid) free.push_back(other);
  }
  return free.empty() ? -1 : free[size_t(DrawRandom()) % free.size()];
}

}  // namespace

TEST(SnakeRoutes, StepCellByCellToThePairsHomesOverFreeCells) {
  Solver solver;
  SeedRandom(11);
  int built = 0;
  for (int round = 0; round < 4000; ++round) {
    const unsigned n = 4 + unsigned(DrawRandom()) % 7;
    const int side = int(n), k = DrawRandom() % (side - 3);
    const bool column = DrawRandom() % 2 == 1;
    const snake::Line& frame = column ? snake::FIRST_COL : snake::FIRST_ROW;
    const std::vector<bool> kept = PlacedBefore(frame, n, k);
    std::vector<int> open;
    for (int cell = 0; cell < side * side; ++cell) {
      if (!kept[size_t(cell)]) open.push_back(cell);
    }
    const int blank = open[size_t(DrawRandom()) % open.size()];
    const int head = FreeNeighbour(blank, side, kept, -1);
    const int tail = head < 0 ? -1 : FreeNeighbour(head, side, kept, blank);
    if (tail < 0) continue;
    solver.Start(BoardKeeping(n, kept, {{0, blank}}, false));
    const LineView view = frame.view(solver);
    int homeRow, homeCol, nextRow, nextCol;
    view.ToBoard(0, k, homeRow, homeCol);
    view.ToBoard(0, k + 1, nextRow, nextCol);
    std::vector<int> path;
    if (!snake::BuildRoute(solver, frame, k, {head, tail}, path) || path.empty()) continue;
    ++built;
    const std::string where = "n=" + std::to_string(n) + " k=" + std::to_string(k) +
                              (column ? " column" : " row") + " blank " + std::to_string(blank) +
                              " head " + std::to_string(head) + " tail " + std::to_string(tail);
    ASSERT_EQ("", solver.TakeFaults()) << where;
    // The head steps into the blank first, then along the path.
    path.insert(path.begin(), int(solver.Current().Blank()));
    EXPECT_EQ(nextRow * side + nextCol, path[path.size() - 2]) << where;
    EXPECT_EQ(homeRow * side + homeCol, path.back()) << where;
    for (size_t i = 1; i < path.size(); ++i) {
      ASSERT_TRUE(path[i] >= 0 && path[i] < side * side && !kept[size_t(path[i])]) << where;
      ASSERT_TRUE(Beside(path[i - 1], path[i], side)) << where;
    }
  }
  EXPECT_GT(built, 2000);
}
