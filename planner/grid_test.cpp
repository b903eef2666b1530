// grid_test.cpp: the working board against the board it came from, move by move.
#include "planner/grid.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "board/random_draw.h"
#include "solver/position.h"
#include "test_support/sample_boards.h"

namespace {

using planner::Grid;

// The ring of the cell worked out afresh from the cells round it (see Grid::Ring).
uint32_t RingAfresh(const Grid& grid, int cell) {
  // The direction that the blank's clockwise and counter-clockwise steps into ring cell k
  // push its tile.
  constexpr int CLOCKWISE[] = {planner::LEFT,  planner::LEFT,  planner::UP,   planner::UP,
                               planner::RIGHT, planner::RIGHT, planner::DOWN, planner::DOWN};
  constexpr int COUNTER[] = {planner::RIGHT, planner::DOWN, planner::DOWN, planner::LEFT,
                             planner::LEFT,  planner::UP,   planner::UP,   planner::RIGHT};
  const int n = grid.Side();
  uint32_t ring = 0;
  for (int k = 0; k < 8; ++k) {
    const int row = grid.Row(cell) + planner::RING_ROW[k];
    const int col = grid.Col(cell) + planner::RING_COL[k];
    if (row < 0 || col < 0 || row >= n || col >= n || grid.IsLocked(grid.CellAt(row, col))) {
      continue;
    }
    const int at = grid.CellAt(row, col);
    ring |= 1u << k;
    if (grid.TileAt(at) == 0) continue;
    if (!grid.Homeward(at, CLOCKWISE[k])) ring |= 1u << (8 + k);
    if (!grid.Homeward(at, COUNTER[k])) ring |= 1u << (16 + k);
    if (grid.Urgent(at) && (ring & (0x10100u << k)) != 0) ring |= 1u << (24 + k);
  }
  return ring;
}

// Every cell, the index from tile to cell and the homeward bits agree with the board, and the
// push costs and rings with the cells round it.
void ExpectSameAs(const Grid& grid, const Board& board) {
  const int n = grid.Side();
  for (int cell = 0; cell < n * n; ++cell) {
    const int tile = board.tiles[cell];
    ASSERT_EQ(tile, grid.TileAt(cell));
    ASSERT_EQ(cell, grid.CellOf(tile));
    const int rows = tile == 0 ? 0 : (tile - 1) / n - cell / n;
    const int cols = tile == 0 ? 0 : (tile - 1) % n - cell % n;
    EXPECT_EQ(rows < 0, grid.Homeward(cell, planner::UP)) << cell;
    EXPECT_EQ(rows > 0, grid.Homeward(cell, planner::DOWN)) << cell;
    EXPECT_EQ(cols < 0, grid.Homeward(cell, planner::LEFT)) << cell;
    EXPECT_EQ(cols > 0, grid.Homeward(cell, planner::RIGHT)) << cell;
    const int away = tile == 0 || !grid.Urgent(cell)
                         ? planner::DISPLACEMENT_PENALTY
                         : planner::DISPLACEMENT_PENALTY + planner::URGENT_PENALTY;
    for (int dir = 0; dir < 4; ++dir) {
      const int expected = tile == 0 || grid.Homeward(cell, dir) ? 0 : away;
      EXPECT_EQ(expected, grid.PushCost(cell, dir)) << cell << " " << dir;
    }
    EXPECT_EQ(RingAfresh(grid, cell), grid.Ring(cell)) << cell;
  }
  EXPECT_EQ(static_cast<int>(board.blank), grid.Blank());
}

}  // namespace

TEST(Grid, FollowsTheBoardThroughRandomMoves) {
  SeedRandom(11);
  Board board = RandomSolvableBoard(6);
  Grid grid(board);
  ExpectSameAs(grid, board);
  MoveSequence letters;
  for (int i = 0; i < 300; ++i) {
    // Now and then the urgent tiles change, or a cell away from the blank is locked or freed.
    if (i % 50 == 25) grid.SetUnsolved(i / 100, i / 150);
    const int cell = std::rand() % 36;
    if (i % 7 == 0 && cell != grid.Blank()) {
      if (grid.IsLocked(cell)) {
        grid.Unlock(cell);
      } else {
        grid.Lock(cell);
      }
    }
    const char letter = "UDLR"[std::rand() % 4];
    const int next = grid.Neighbour(grid.Blank(), CodeOf(letter));
    if (next < 0 || grid.IsLocked(next)) continue;
    grid.Move(CodeOf(letter));
    ASSERT_TRUE(ApplyMoves(board, MoveSequence(1, letter)));
    letters += letter;
  }
  ExpectSameAs(grid, board);
  EXPECT_EQ(letters, grid.Moves());
}
