// tile_placement_test.cpp: single placements and the last two tiles of the row and column.
#include <gtest/gtest.h>

#include <sstream>

#include "snake/snake_solver.h"
#include "snake/test_boards.h"

namespace {

class TilePlacement : public ::testing::Test {
 protected:
  void Load(std::vector<int> tiles) {
    solver.SetPuzzle(BoardOf(std::move(tiles)));
    solver.applied.clear();
    solver.blankIndex = solver.board.blank;
  }

  std::ostringstream out;
  SnakeSolver solver{out};
};

}  // namespace

TEST_F(TilePlacement, RowTileFromTheLeftEntersRowZeroAtItsColumn) {
  Load({1,  2,  5,  4,  6,   //
        7,  8,  9,  10, 11,  //
        3,  0,  12, 13, 14,  //
        15, 16, 17, 18, 19,  //
        20, 21, 22, 23, 24});
  solver.currentTile = 3;
  solver.PlaceRowTile(2, 0, 0, 2);
  EXPECT_EQ("LURDRULDRRUULDRU", solver.applied);
  EXPECT_EQ((std::vector<int>{1, 2, 3}),
            std::vector<int>(solver.board.tiles.begin(), solver.board.tiles.begin() + 3));
}

TEST_F(TilePlacement, RowTileAlreadyHomeOnlyMovesTheBlank) {
  Load({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0});
  solver.PlaceRowTile(0, 1, 0, 1);
  EXPECT_EQ("UUL", solver.applied);
  EXPECT_EQ(6u, solver.blankIndex);
}

TEST_F(TilePlacement, RowTailTurnsTheLastTwoIn) {
  Load({1, 2, 5, 3,    //
        6, 7, 0, 4,    //
        9, 10, 11, 8,  //
        13, 14, 15, 12});
  solver.SolveFirstRow2();
  EXPECT_EQ("DRUDLUURD", solver.applied);
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4}),
            std::vector<int>(solver.board.tiles.begin(), solver.board.tiles.begin() + 4));
  EXPECT_EQ(7u, solver.board.blank);
  EXPECT_EQ("", out.str());
}

TEST_F(TilePlacement, RowTailSwapsNeighboursInTheWrongOrder) {
  Load({1, 2, 4, 3,    //
        5, 6, 7, 8,    //
        9, 10, 0, 11,  //
        13, 14, 15, 12});
  solver.SolveFirstRow2();
  EXPECT_EQ("URLULDDRRULLURRD", solver.applied);
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4}),
            std::vector<int>(solver.board.tiles.begin(), solver.board.tiles.begin() + 4));
}

TEST_F(TilePlacement, ColumnTailWithTheBlankBelowItsUpperTile) {
  // Tile 11 waits at (1, 0), tile 6 stands on (2, 1), the blank below it in column 1: the blank
  // must come round through column 2, or it pushes tile 6 down.
  Load({1,  2,  3,  4,  5,   //
        11, 7,  8,  9,  10,  //
        12, 6,  13, 14, 15,  //
        16, 0,  17, 18, 19,  //
        21, 20, 22, 23, 24});
  solver.SolveFirstCol2();
  EXPECT_EQ("", out.str());
  EXPECT_EQ(6, solver.board.tiles[5]);
  EXPECT_EQ(11, solver.board.tiles[10]);
  EXPECT_EQ(16, solver.board.tiles[15]);
}
