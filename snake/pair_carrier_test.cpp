// pair_carrier_test.cpp: pairs carried home without disturbing the tiles placed before them.
#include "board/random_draw.h"
#include "test_support/snake_fixture.h"

TEST_F(SnakeTest, CarriedPairsReachHomeAndLeaveThePlacedTilesThere) {
  // Row pairs after k placed tiles, and column pairs below a placed first row and above the
  // column's placed tiles, from random placements of the rest.
  SeedRandom(23);
  int carried = 0;
  for (int round = 0; round < 600; ++round) {
    const bool column = round % 2 == 1;
    const unsigned n = 5 + unsigned(DrawRandom()) % 6;
    const int side = int(n);
    const int k = DrawRandom() % (column ? side - 4 : side - 3);
    // The pair's leading tile, and the one its snake carries behind it.
    const int t = column ? (side - 1 - k) * side + 1 : k + 1;
    const int next = column ? t - side : t + 1;
    std::vector<bool> kept(n * n);
    for (int cell = 0; cell < side * side; ++cell) {
      kept[size_t(cell)] = column ? cell < side || (cell % side == 0 && cell > t - 1) : cell < k;
    }
    Load(BoardKeeping(n, kept, {}, true));
    // As the line's driver leaves them: the placed tiles closed to the blank's routes.
    for (int cell = 0; cell < side * side; ++cell) {
      if (kept[size_t(cell)]) marks.Set(cell, snake::BLOCKED_CELL);
    }
    if (solver.Current().IsHome(t) && solver.Current().IsHome(next)) continue;
    const int first = int(solver.Current().CellOf(t)), second = int(solver.Current().CellOf(next));
    const int row1 = first / side, col1 = first % side, row2 = second / side, col2 = second % side;
    // Either tile may be walked beside the other.
    const bool walkFirst = DrawRandom() % 2 == 0;
    const bool done = walkFirst ? snakes.Carry(t, row1, col1, row2, col2)
                                : snakes.Carry(t, row2, col2, row1, col1);
    const std::string where = "n=" + std::to_string(n) + " t=" + std::to_string(t);
    ASSERT_EQ("", out.str()) << where;
    if (!done) continue;
    ++carried;
    ASSERT_TRUE(solver.Current().IsHome(t) && solver.Current().IsHome(next)) << where;
    for (int cell = 0; cell < side * side; ++cell) {
      ASSERT_TRUE(!kept[size_t(cell)] || solver.Current().IsHome(cell + 1)) << where << " " << cell;
    }
  }
  EXPECT_GT(carried, 300);
}
