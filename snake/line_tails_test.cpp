// line_tails_test.cpp: the last two tiles of the first row and column from every placement.
#include "snake/line_tails.h"

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
