// line_view_test.cpp: bringing the blank beside a tile and shifting the tile along its row.
#include "solver/line_view.h"

#include <gtest/gtest.h>

#include <sstream>

#include "test_support/sample_boards.h"

namespace {

constexpr int SIDE = 6;

// A solver on the goal board of side 6 with the blank walked to (row, col).
struct Fixture {
  std::ostringstream out;
  Solver solver{out};

  Fixture(int row, int col) {
    Board board = GoalBoard(SIDE);
    ApplyMoves(board, MoveSequence(static_cast<size_t>(SIDE - 1 - row), 'U'));
    ApplyMoves(board, MoveSequence(static_cast<size_t>(SIDE - 1 - col), 'L'));
    solver.Start(board);
  }
  int CellOf(int t) const { return static_cast<int>(solver.Current().CellOf(t)); }
  int Blank() const { return static_cast<int>(solver.Current().Blank()); }
};

}  // namespace

// From below, beside, in the same column and round a tile in the first row: the blank ends on
// the side asked for, pushing the tile a cell where it came from the other side, and the tile's
// row and column are updated to where it stands.
TEST(LineView, BringBlankRightAndLeft) {
  struct Case {
    int tileRow, tileCol, blankRow, blankCol;
  };
  for (const Case& c : {Case{2, 3, 4, 1}, Case{3, 2, 3, 5}, Case{3, 4, 1, 0}, Case{0, 4, 2, 1},
                        Case{2, 2, 4, 2}, Case{1, 5, 4, 5}}) {
    for (const char side : {'R', 'L'}) {
      Fixture f(c.blankRow, c.blankCol);
      const LineView view = LineView::FirstRow(f.solver);
      const int tile = view.TileAt(c.tileRow, c.tileCol);
      int row = c.tileRow, col = c.tileCol;
      if (side == 'R') {
        view.BringBlankRight(c.blankCol, c.blankRow, row, col);
      } else {
        view.BringBlankLeft(c.blankCol, c.blankRow, row, col);
      }
      const auto where = ::testing::Message() << side << " " << c.tileRow << c.tileCol << " "
                                              << c.blankRow << c.blankCol;
      EXPECT_EQ(row * SIDE + col, f.CellOf(tile)) << where;
      EXPECT_EQ(f.CellOf(tile) + (side == 'R' ? 1 : -1), f.Blank()) << where;
      EXPECT_EQ("", f.out.str()) << where;
    }
  }
}

// Along the row either way, the blank staying right of the tile.
TEST(LineView, ShiftTileInRow) {
  struct Case {
    int row, tileCol, targetCol;
  };
  for (const Case& c : {Case{2, 1, 4}, Case{3, 4, 1}, Case{1, 2, 2}}) {
    Fixture f(c.row, c.tileCol + 1);
    const LineView view = LineView::FirstRow(f.solver);
    const int tile = view.TileAt(c.row, c.tileCol);
    view.ShiftTileInRow(c.targetCol, c.tileCol);
    EXPECT_EQ(c.row * SIDE + c.targetCol, f.CellOf(tile)) << c.tileCol << " " << c.targetCol;
    EXPECT_EQ(f.CellOf(tile) + 1, f.Blank()) << c.tileCol << " " << c.targetCol;
  }
}
