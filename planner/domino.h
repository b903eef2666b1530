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
/// row and column offsets from A, and the position of each slot's cell among them (-1 for none).
struct DominoRing {
  std::array<int, 10> row;
  std::array<int, 10> col;
  std::array<int, DOMINO_SLOTS> slot;
};
const DominoRing& RingOf(int orient);
/// Position of the slot's cell on the ring of the orientation.
int RingIndex(int orient, int slot);

/// The fewest domino moves that bring A from rows, cols off its target, B in direction orient
/// and the blank in the slot, to A on the target and B in direction goalOrient, on a board
/// walled only before the target's line (0 inside that wall); the table is built on first use.
int DominoCost(int rows, int cols, int orient, int slot, int goalOrient);

}  // namespace planner
