// parberry_solver_test.cpp: the positions the row and column steps must route round, and the
// driver's output.
#include "parberry/parberry_solver.h"

#include <gtest/gtest.h>

#include <utility>

#include "test_support/sample_boards.h"

namespace {

class Parberry : public ::testing::Test {
 protected:
  // The goal board of side n with the given values swapped into the given cells, one by one.
  void Start(unsigned n, const std::vector<std::pair<int, Coord>>& placements) {
    Board board = GoalBoard(n);
    for (const auto& [value, cell] : placements) {
      std::swap(board.tiles[board.FindTile(value)], board.tiles[cell.row * n + cell.col]);
    }
    solver.Start(board);
  }
  int At(unsigned row, unsigned col) const {
    return solver.Current().TileAt(static_cast<int>(row), static_cast<int>(col));
  }

  Solver solver;
};

}  // namespace

TEST_F(Parberry, RowHomeWithTheBlankFarAwayStillReachesTheTailStart) {
  // Tiles 1 ... 5 home, tile 6 away, the blank at the bottom left: it must reach the corner
  // without disturbing row 0.
  Start(6, {{0, {5, 0}}, {6, {2, 3}}});
  parberry::PlaceLine(solver, parberry::FIRST_ROW);
  for (unsigned c = 0; c < 4; ++c) EXPECT_EQ(static_cast<int>(c + 1), At(0, c));
  EXPECT_EQ(5, At(0, 5));
  EXPECT_EQ(0, At(1, 5));
  parberry::FinishLine(solver, parberry::FIRST_ROW);
  for (unsigned c = 0; c < 6; ++c) EXPECT_EQ(static_cast<int>(c + 1), At(0, c));
  EXPECT_EQ("", solver.TakeFaults());
}

TEST_F(Parberry, ColumnHomeWithTheBlankBelowRowTwoLeavesThePlacedTilesAlone) {
  // Column 0 home from the start, tile n+1 away, the blank in the bottom row.
  Start(6, {{7, {3, 3}}, {0, {5, 4}}});
  parberry::PlaceLine(solver, parberry::FIRST_COL);
  for (unsigned r = 3; r < 6; ++r) EXPECT_EQ(static_cast<int>(r * 6 + 1), At(r, 0));
  EXPECT_EQ(13, At(1, 0));
  EXPECT_EQ(0, At(1, 1));
  parberry::FinishLine(solver, parberry::FIRST_COL);
  for (unsigned r = 0; r < 6; ++r) EXPECT_EQ(static_cast<int>(r * 6 + 1), At(r, 0));
  EXPECT_EQ("", solver.TakeFaults());
}

TEST_F(Parberry, TailsReportAnUnexpectedStart) {
  Start(5, {{0, {3, 3}}});
  parberry::FinishLine(solver, parberry::FIRST_ROW);
  parberry::FinishLine(solver, parberry::FIRST_COL);
  EXPECT_EQ(
      "\nError in function SolveFirstRow2() (n=5) : unexpected board configuration..."
      "\nError in function SolveFirstCol2() (n=5) : unexpected board configuration...",
      solver.TakeFaults());
  EXPECT_EQ("", solver.Current().Moves());
}
