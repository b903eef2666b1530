// line_tails_test.cpp: the last two tiles of the first row and column from every placement, and
// single placements that leave the line's placed tiles home.
#include "snake/line_tails.h"

#include "board/random_draw.h"
#include "snake/snake_test_support.h"

namespace {

struct Tail {
  const char* name;
  void (*finish)(Solver& solver);
  /// Whether the cell of a board of side n is placed before the tail, and the tail's two tiles.
  bool (*placed)(unsigned n, unsigned cell);
  int (*first)(int n);
  int (*second)(int n);
};

const Tail TAILS[] = {
    {"row", snake::FinishFirstRow, [](unsigned n, unsigned cell) { return cell + 2 < n; },
     [](int n) { return n - 1; }, [](int n) { return n; }},
    {"column", snake::FinishFirstCol,
     [](unsigned n, unsigned cell) { return cell < n || (cell % n == 0 && cell / n >= 3); },
     [](int n) { return 2 * n + 1; }, [](int n) { return n + 1; }},
};

}  // namespace

TEST(LineTails, FinishTheLineFromEveryPlacementOfItsTilesAndTheBlank) {
  // Every cell for each of the tail's two tiles and the blank, the other tiles in goal order, on
  // the sides the method places lines on: the tail ends home, the tiles placed before it stay
  // home, and nothing is reported.
  std::ostringstream out;
  Solver solver(out);
  for (const Tail& tail : TAILS) {
    for (unsigned n = 4; n <= 6; ++n) {
      std::vector<bool> kept(n * n);
      std::vector<int> open;
      for (unsigned cell = 0; cell < n * n; ++cell) {
        kept[cell] = tail.placed(n, cell);
        if (!kept[cell]) open.push_back(static_cast<int>(cell));
      }
      const int side = static_cast<int>(n);
      const int first = tail.first(side), second = tail.second(side);
      for (const int a : open) {
        for (const int b : open) {
          for (const int z : open) {
            if (a == b || a == z || b == z) continue;
            const Board board = BoardKeeping(n, kept, {{first, a}, {second, b}, {0, z}}, false);
            solver.Start(board);
            tail.finish(solver);
            const std::string where = std::string(tail.name) + " n=" + std::to_string(n) +
                                      " cells " + std::to_string(a) + "," + std::to_string(b) +
                                      " blank " + std::to_string(z);
            ASSERT_EQ("", out.str()) << where;
            ASSERT_TRUE(solver.IsTileAtGoal(first) && solver.IsTileAtGoal(second)) << where;
            for (unsigned cell = 0; cell < n * n; ++cell) {
              ASSERT_TRUE(!kept[cell] || solver.IsTileAtGoal(int(cell) + 1)) << where;
            }
          }
        }
      }
    }
  }
}

TEST(LineTails, SingleTilesReachTheirHomesAndLeaveTheBlankBesideThem) {
  // The row's tiles come from every cell below and right of the placed ones, the blank ending
  // right of the tile; the column's from below row 0, the blank ending above the tile.
  std::ostringstream out;
  Solver solver(out);
  SeedRandom(7);
  for (unsigned n = 4; n <= 8; ++n) {
    const int side = static_cast<int>(n);
    for (int k = 0; k + 2 < side; ++k) {
      for (int round = 0; round < 20; ++round) {
        std::vector<bool> kept(n * n);
        for (int col = 0; col < k; ++col) kept[static_cast<size_t>(col)] = true;
        solver.Start(BoardKeeping(n, kept, {}, true));
        int row, col;
        solver.FindTileCoord(k + 1, row, col);
        snake::PlaceRowTile(solver, row, col, 0, k);
        ASSERT_EQ("", out.str());
        for (int t = 1; t <= k + 1; ++t) ASSERT_TRUE(solver.IsTileAtGoal(t)) << n << " " << k;
        int blankRow, blankCol;
        solver.FindBlankCoord(blankRow, blankCol);
        EXPECT_TRUE(blankRow == 1 || (blankRow == 0 && blankCol == k + 1)) << n << " " << k;

        // Column 0 from the bottom up to row k + 3, the first row home.
        std::fill(kept.begin(), kept.end(), false);
        for (int c = 0; c < side; ++c) kept[static_cast<size_t>(c)] = true;
        const int home = side - 1 - k;
        if (home < 3) continue;
        for (int r = home + 1; r < side; ++r) kept[static_cast<size_t>(r * side)] = true;
        solver.Start(BoardKeeping(n, kept, {}, true));
        const int t = home * side + 1;
        solver.FindTileCoord(t, row, col);
        snake::PlaceColTile(solver, row, col, home, 0);
        ASSERT_EQ("", out.str());
        for (unsigned cell = 0; cell < n * n; ++cell) {
          ASSERT_TRUE(!kept[cell] || solver.IsTileAtGoal(int(cell) + 1)) << n << " " << k;
        }
        ASSERT_TRUE(solver.IsTileAtGoal(t)) << n << " " << k;
      }
    }
  }
}
