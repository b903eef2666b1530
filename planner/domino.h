// domino.h: two adjacent tiles carried together, and their cost on a board walled on one side.
#pragma once

#include <array>

namespace planner {

/// Ways the blank can stand beside a domino: beside A or B (whose 0 or 1), in a direction.
/// Slot index = whose * 4 + dir; the slots that point into the partner are never used.
constexpr int DOMINO_SLOTS = 8;

/// True when slot (whose, dir) is beside the domino whose B lies in direction `orient` from A.
inline bool IsDominoSlot(int orient, int slot) {
  const int whose = slot / 4, dir = slot % 4;
  return dir != (whose == 0 ? orient : orient ^ 1);
}

/// The ten cells round a domino (A at row 0, column 0, B in direction orient), clockwise, as
/// row and column offsets from A.
struct DominoRing {
  std::array<int, 10> row;
  std::array<int, 10> col;
};
const DominoRing& RingOf(int orient);
/// Position of the slot's cell on the ring of the orientation.
int RingIndex(int orient, int slot);

/// The fewest moves that bring a domino, A standing rows, cols from A's target (rows 0 ...
/// MAX_SIDE below it, cols within -MAX_SIDE ... MAX_SIDE), B in direction orient from A and the
/// blank in the slot, to A on its target with B in direction goalOrient (RIGHT or DOWN) from it,
/// moving only as a domino (one tile steps into the blank, the other follows into its cell), on
/// a board whose only wall is everything before the target's line (above a row, left of a
/// column). The walls of a real board only add to it. 0 for positions beyond that wall. The
/// table behind it is built once, on first use, from any thread.
int DominoCost(int rows, int cols, int orient, int slot, int goalOrient);

}  // namespace planner
