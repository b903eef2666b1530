// open_board_costs_test.cpp: the single-tile estimates against breadth-first search on a board
// with nothing placed.
#include "planner/open_board_costs.h"

#include <gtest/gtest.h>

#include "test_support/sample_boards.h"
#include "test_support/tile_distance.h"

using planner::Grid;
using planner_test::BfsTileDistance;

TEST(OpenBoardCosts, MatchTheSearchAwayFromTheEdges) {
  const planner::LineCosts open, rowAbove(planner::UP);
  // On a 9 x 9 board with nothing locked, the tile's target in the top row: the estimate with
  // the wall above is exact away from the other three edges.
  const Grid grid(GoalBoard(9));
  const int target = grid.CellAt(0, 4);
  for (const int tileCell : {grid.CellAt(3, 4), grid.CellAt(2, 2), grid.CellAt(4, 6)}) {
    for (int side = 0; side < 4; ++side) {
      const int blank = grid.Neighbour(tileCell, side);
      const int rows = grid.Row(tileCell), cols = grid.Col(tileCell) - 4;
      EXPECT_EQ(BfsTileDistance(grid, tileCell, blank, target), rowAbove(rows, cols, side))
          << tileCell << " " << side;
      EXPECT_LE(open(rows, cols, side), rowAbove(rows, cols, side));
    }
  }
  EXPECT_EQ(0, open(0, 0, planner::LEFT));
  // One step straight on, the blank already in front: a single move.
  EXPECT_EQ(1, open(1, 0, planner::UP));
  // One step, the blank behind: round the tile (4), then the move.
  EXPECT_EQ(5, open(1, 0, planner::DOWN));
}

TEST(OpenBoardCosts, ResolvedCostsSeeTheSameTablesFromEveryWall) {
  using planner::DOWN, planner::LEFT, planner::RIGHT, planner::UP;
  using planner::LineCosts;
  const LineCosts rowAbove(UP), columnLeft(LEFT), placedLeft(UP, LEFT), placedRight(UP, RIGHT),
      placedAbove(LEFT, UP), placedBelow(LEFT, DOWN);
  // The side mirrored left to right, and seen across the diagonal.
  constexpr int MIRRORED[] = {UP, DOWN, RIGHT, LEFT};
  constexpr int ACROSS[] = {LEFT, RIGHT, UP, DOWN};
  for (int rows = -6; rows <= 6; ++rows) {
    for (int cols = -6; cols <= 6; ++cols) {
      for (int dir = 0; dir < 4; ++dir) {
        EXPECT_EQ(placedLeft(rows, cols, dir), placedRight(rows, -cols, MIRRORED[dir]));
        EXPECT_EQ(rowAbove(rows, cols, dir), columnLeft(cols, rows, ACROSS[dir]));
        EXPECT_EQ(placedLeft(rows, cols, dir), placedAbove(cols, rows, ACROSS[dir]));
        EXPECT_EQ(placedRight(rows, cols, dir), placedBelow(cols, rows, ACROSS[dir]));
      }
    }
  }
  // Behind the wall, nothing (the column's case is this one across the diagonal).
  EXPECT_EQ(0, rowAbove(-1, 0, DOWN));
}
