// line_tails_test.cpp: single tiles and the last two tiles of the first row and column, from
// every placement.
#include "snake/line_tails.h"

#include "test_support/snake_fixture.h"

namespace {

struct LineCase {
  const char* name;
  const snake::Line& tail;
};

const LineCase LINES[] = {{"row", snake::FIRST_ROW}, {"column", snake::FIRST_COL}};

/// The cells not placed before the line's cell k, and which are placed.
std::vector<int> OpenCells(const LineCase& line, unsigned n, int k, std::vector<bool>& kept) {
  std::vector<int> open;
  kept = PlacedBefore(line.tail, n, k);
  for (unsigned cell = 0; cell < n * n; ++cell) {
    if (!kept[cell]) open.push_back(static_cast<int>(cell));
  }
  return open;
}

/// Whether every placed cell holds its tile.
bool KeepsPlaced(const Solver& solver, const std::vector<bool>& kept) {
  for (size_t cell = 0; cell < kept.size(); ++cell) {
    if (kept[cell] && !solver.Current().IsHome(static_cast<int>(cell) + 1)) return false;
  }
  return true;
}

/// Calls check(line, n, goal) for both lines on the sides 4 to 6 the method places lines on,
/// goal the line's frame, the solver on the goal board.
template <typename Check>
void ForEachLine(Solver& solver, Check check) {
  for (const LineCase& line : LINES) {
    for (unsigned n = 4; n <= 6; ++n) {
      solver.Start(GoalBoard(n));
      check(line, n, line.tail.view(solver));
    }
  }
}

/// The line, side and cells of a case, for a failure's message.
std::string Where(const LineCase& line, unsigned n, std::initializer_list<int> cells) {
  std::string where = std::string(line.name) + " n=" + std::to_string(n);
  for (const int cell : cells) where += " " + std::to_string(cell);
  return where;
}

}  // namespace

TEST(LineTails, PlaceATileOfTheLineFromEveryCellOfItAndTheBlank) {
  // Each cell of the line but its tail, each cell for the tile and the blank, the cells before
  // it placed: the tile comes home with the blank right of it or below that, the placed tiles
  // stay, and nothing is reported.
  Solver solver;
  ForEachLine(solver, [&](const LineCase& line, unsigned n, const LineView& goal) {
    for (int k = 0; k <= goal.Width() - 3; ++k) {
      const int t = goal.HomeTile(0, k);
      std::vector<bool> kept;
      const std::vector<int> open = OpenCells(line, n, k, kept);
      for (const int a : open) {
        for (const int z : open) {
          if (a == z) continue;
          solver.Start(BoardKeeping(n, kept, {{t, a}, {0, z}}, false));
          const LineView view = line.tail.view(solver);
          int row, col, blankRow, blankCol;
          view.FindTile(t, row, col);
          snake::PlaceTile(view, row, col, 0, k);
          view.FindBlank(blankRow, blankCol);
          const std::string where = Where(line, n, {k, a, z});
          ASSERT_EQ("", solver.TakeFaults()) << where;
          ASSERT_TRUE(solver.Current().IsHome(t) && blankRow <= 1 && blankCol == k + 1) << where;
          ASSERT_TRUE(KeepsPlaced(solver, kept)) << where;
        }
      }
    }
  });
}

TEST(LineTails, FinishTheLineFromEveryPlacementOfItsTilesAndTheBlank) {
  // Every cell for each of the tail's two tiles and the blank, the other tiles in goal order:
  // the tail ends home, the tiles placed before it stay home, and nothing is reported.
  Solver solver;
  ForEachLine(solver, [&](const LineCase& line, unsigned n, const LineView& goal) {
    const int width = goal.Width();
    const int first = goal.HomeTile(0, width - 2), second = goal.HomeTile(0, width - 1);
    std::vector<bool> kept;
    const std::vector<int> open = OpenCells(line, n, width - 2, kept);
    for (const int a : open) {
      for (const int b : open) {
        for (const int z : open) {
          if (a == b || a == z || b == z) continue;
          solver.Start(BoardKeeping(n, kept, {{first, a}, {second, b}, {0, z}}, false));
          snake::FinishLine(solver, line.tail);
          const std::string where = Where(line, n, {a, b, z});
          ASSERT_EQ("", solver.TakeFaults()) << where;
          ASSERT_TRUE(solver.Current().IsHome(first) && solver.Current().IsHome(second)) << where;
          ASSERT_TRUE(KeepsPlaced(solver, kept)) << where;
        }
      }
    }
  });
}
