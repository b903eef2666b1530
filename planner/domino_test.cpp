// domino_test.cpp: the ring round a domino and a few known values of its table.
#include "planner/domino.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "planner/grid.h"

TEST(Domino, RingsAndKnownCosts) {
  for (int orient = 0; orient < 4; ++orient) {
    const planner::DominoRing& ring = planner::DOMINO_RINGS[orient];
    // Ten distinct cells, each touching the domino or its corners, none of them on it.
    for (int k = 0; k < 10; ++k) {
      const int next = (k + 1) % 10;
      EXPECT_EQ(1, std::abs(ring.row[k] - ring.row[next]) + std::abs(ring.col[k] - ring.col[next]));
      EXPECT_FALSE(ring.row[k] == 0 && ring.col[k] == 0);
      EXPECT_FALSE(ring.row[k] == planner::DIR_ROW[orient] &&
                   ring.col[k] == planner::DIR_COL[orient]);
      for (int other = 0; other < k; ++other) {
        EXPECT_FALSE(ring.row[k] == ring.row[other] && ring.col[k] == ring.col[other]);
      }
    }
    // The slots are the ring cells beside a tile, and only those: the others lie on the partner.
    int slots = 0;
    for (int slot = 0; slot < planner::DOMINO_SLOTS; ++slot) {
      const bool beside = planner::IsDominoSlot(orient, slot);
      EXPECT_EQ(beside, ring.slot[slot] >= 0);
      slots += beside ? 1 : 0;
    }
    EXPECT_EQ(6, slots);
  }
  // At the goal; one step short along the row with the blank in front of the leader (A, to
  // the left): two moves; the same seen across the diagonal for a column.
  const planner::DominoCosts row(planner::RIGHT), column(planner::DOWN);
  EXPECT_EQ(0, row(0, 0, planner::RIGHT, planner::DOWN));
  EXPECT_EQ(2, row(0, 1, planner::RIGHT, planner::LEFT));
  EXPECT_EQ(2, column(1, 0, planner::DOWN, planner::UP));
}
