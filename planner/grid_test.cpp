// grid_test.cpp: the working board against the board it came from, move by move.
#include "planner/grid.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    // Push costs are checked on their own: here they only say which pushes go away from home
    // (those that cost the away penalty or more), and which tiles are urgent (those
    // with a push that costs more: every tile has one away from home).
    const int clockwise = grid.PushCost(at, CLOCKWISE[k]), counter = grid.PushCost(at, COUNTER[k]);
    const int away = grid.Penalties().away;
    if (clockwise >= away) ring |= 1u << (8 + k);
    if (counter >= away) ring |= 1u << (16 + k);
    int most = 0;
    for (int dir = 0; dir < 4; ++dir) most = std::max(most, grid.PushCost(at, dir));
    if (most > away) ring |= 1u << (24 + k);
  }
  return ring;
}

// Every cell and the index from tile to cell agree with the board, the push costs with the
// tile's home, the unsolved part last set from (top, left) (none for a top of -1) and the
// penalties given, and the rings, once refreshed, with the cells round it.
void ExpectSameAs(Grid& grid, const Board& board, int top, int left,
                  const planner::PushPenalties& penalties) {
  const int n = grid.Side();
  grid.RefreshRings();
  for (int cell = 0; cell < n * n; ++cell) {
    const int tile = board.tiles[cell];
    ASSERT_EQ(tile, grid.TileAt(cell));
    ASSERT_EQ(cell, grid.CellOf(tile));
    const int homeRow = (tile - 1) / n, homeCol = (tile - 1) % n;
    // Four urgent lines on a board below side 25, the first three of them placed now.
    const auto within = [&](int lines) {
      return top >= 0 && ((homeRow < top + lines && homeCol >= left) ||
                          (homeCol < left + lines && homeRow >= top));
    };
    const bool urgent = within(4), now = within(planner::NOW_LINES);
    const int rows = homeRow - cell / n, cols = homeCol - cell % n;
    const bool homeward[] = {(rows < 0), (rows > 0), (cols < 0), (cols > 0)};
    for (int dir = 0; dir < 4; ++dir) {
      const int expected = tile == 0       ? 0
                           : homeward[dir] ? (urgent ? 0 : penalties.homeward)
                           : now           ? penalties.nowAway
                           : urgent        ? penalties.urgentAway
                                           : penalties.away;
      EXPECT_EQ(expected, grid.PushCost(cell, dir)) << cell << " " << dir;
    }
    EXPECT_EQ(RingAfresh(grid, cell), grid.Ring(cell)) << cell;
  }
  EXPECT_EQ(static_cast<int>(board.blank), grid.Blank());
}

}  // namespace

TEST(Grid, FollowsTheBoardThroughRandomMoves) {
  // A small board, and a larger one whose tiles placed now cost more than those placed soon.
  for (const int side : {6, 22}) {
    SCOPED_TRACE(side);
    const planner::PushPenalties penalties = planner::PenaltiesOfSide(side);
    ASSERT_EQ(side == 22, penalties.nowAway > penalties.urgentAway);
    SeedRandom(11);
    Board board = ShuffledBoard(static_cast<unsigned>(side));
    Grid grid(board);
    ExpectSameAs(grid, board, -1, 0, penalties);
    MoveSequence letters;
    int top = -1, left = 0;
    for (int i = 0; i < 300; ++i) {
      // Now and then the urgent tiles change, or a cell away from the blank is locked or freed.
      if (i % 50 == 25) {
        top = i / 100;
        left = i / 150;
        grid.SetUnsolved(top, left);
      }
      const int cell = std::rand() % (side * side);
      if (i % 7 == 0 && cell != grid.Blank()) {
        if (grid.IsLocked(cell)) {
          grid.Unlock(cell);
        } else {
          grid.Lock(cell);
        }
      }
      const char letter = "UDLR"[std::rand() % 4];
      const int next = grid.Neighbour(grid.Blank(), CodeOf(letter));
      if (next >= 0 && grid.IsLocked(next)) continue;
      grid.Move(CodeOf(letter));  // off the board: nothing changes
      if (next < 0) continue;
      ASSERT_TRUE(ApplyMoves(board, MoveSequence(1, letter)));
      letters += letter;
    }
    ExpectSameAs(grid, board, top, left, penalties);
    EXPECT_EQ(letters, grid.Moves());
  }
}

TEST(Grid, RollsBackToTheMarkAndKeepsItsDistance) {
  SeedRandom(12);
  Board board = ShuffledBoard(7);
  Grid grid(board);
  grid.SetUnsolved(1, 1);
  EXPECT_EQ(board.ManhattanDistance(), grid.Distance());
  // Random moves, as single moves and as walks, before and after the mark.
  const auto wander = [&grid](int moves, bool walk) {
    std::vector<int8_t> dirs;
    int blank = grid.Blank();
    while (static_cast<int>(dirs.size()) < moves) {
      const int dir = std::rand() % 4;
      const int next = grid.Neighbour(blank, dir);
      if (next < 0) continue;
      if (walk) {
        dirs.push_back(static_cast<int8_t>(dir));
      } else {
        grid.Move(dir);
        dirs.push_back(0);
      }
      blank = next;
    }
    if (walk) grid.Walk(dirs);
  };
  wander(40, false);
  wander(40, true);
  ASSERT_TRUE(ApplyMoves(board, grid.Moves()));
  const MoveSequence before = grid.Moves();
  const size_t mark = grid.Mark();
  wander(30, true);
  wander(30, false);
  Board moved = board;
  ASSERT_TRUE(ApplyMoves(moved, grid.Moves().substr(mark)));
  EXPECT_EQ(moved.ManhattanDistance(), grid.Distance());
  grid.RollBack(mark);
  ExpectSameAs(grid, board, 1, 1, planner::PenaltiesOfSide(7));
  EXPECT_EQ(before, grid.Moves());
  EXPECT_EQ(board.ManhattanDistance(), grid.Distance());
  // A mark at or past the last move undoes nothing.
  grid.RollBack(mark + 7);
  grid.RollBack(mark);
  ExpectSameAs(grid, board, 1, 1, planner::PenaltiesOfSide(7));
  EXPECT_EQ(before, grid.Moves());
}
