// domino.h: two adjacent tiles carried together, and their cost on a board walled on one side.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "planner/grid.h"

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
/// The rings of the four orientations; every search step reads them.
inline constexpr std::array<DominoRing, 4> DOMINO_RINGS = [] {
  std::array<DominoRing, 4> rings{};
  for (int orient = 0; orient < 4; ++orient) {
    const int br = DIR_ROW[orient], bc = DIR_COL[orient];
    const int top = std::min(0, br) - 1, bottom = std::max(0, br) + 1;
    const int left = std::min(0, bc) - 1, right = std::max(0, bc) + 1;
    DominoRing& ring = rings[orient];
    int k = 0;
    auto add = [&](int row, int col) {
      ring.row[k] = row;
      ring.col[k] = col;
      ++k;
    };
    for (int col = left; col <= right; ++col) add(top, col);
    for (int row = top + 1; row <= bottom; ++row) add(row, right);
    for (int col = right - 1; col >= left; --col) add(bottom, col);
    for (int row = bottom - 1; row > top; --row) add(row, left);
    for (int slot = 0; slot < DOMINO_SLOTS; ++slot) {
      const int whose = slot / 4, dir = slot % 4;
      const int row = (whose == 0 ? 0 : br) + DIR_ROW[dir];
      const int col = (whose == 0 ? 0 : bc) + DIR_COL[dir];
      ring.slot[slot] = -1;
      for (int at = 0; at < 10; ++at) {
        if (ring.row[at] == row && ring.col[at] == col) ring.slot[slot] = at;
      }
    }
  }
  return rings;
}();

/// The cell of the slot beside the domino with A at cellA, or -1 off the board.
inline int SlotCell(const Grid& grid, int cellA, int orient, int slot) {
  const int base = slot < 4 ? cellA : grid.Neighbour(cellA, orient);
  return base < 0 ? -1 : grid.Neighbour(base, slot % 4);
}

/// A step of the domino into the blank at `slot` beside it: the tile beside the blank steps into
/// it and its partner follows. A moves a cell in direction `move`; then B lies in direction
/// `orient` from it, and the blank, where the partner stood, in `slot`. The same step from there
/// leads back.
struct DominoStep {
  int move, orient, slot;
};
constexpr DominoStep StepInto(int orient, int slot) {
  const int whose = slot / 4, dir = slot % 4;
  return whose == 0 ? DominoStep{dir, dir ^ 1, 4 + orient} : DominoStep{orient, dir, orient ^ 1};
}

/// The fewest domino moves that bring A to its target with B in direction goalOrient (RIGHT or
/// DOWN), on a board walled only before the target's line; the table is built on first use.
/// Read inline, as the domino search asks millions of times.
class DominoCosts {
 public:
  explicit DominoCosts(int goalOrient);
  /// The moves from A rows, cols off the target, B in direction orient and the blank in the
  /// slot; 0 inside the wall.
  int operator()(int rows, int cols, int orient, int slot) const {
    if (across) {
      // A column's domino is a row's one seen across the diagonal: rows and columns change
      // places, and so do UP and LEFT, DOWN and RIGHT (a slot's direction is its low bits).
      std::swap(rows, cols);
      orient ^= 2;
      slot ^= 2;
    }
    if (static_cast<unsigned>(rows) >= HEIGHT || static_cast<unsigned>(cols + RADIUS) >= WIDTH) {
      return 0;
    }
    // States that cannot be (part of the domino or the blank in the wall) hold UINT16_MAX.
    const uint16_t cost = table[Index(rows, cols, orient, slot)];
    return cost == UINT16_MAX ? 0 : cost;
  }

  /// The table's rows below the target's (everything above it is wall) and columns either side.
  static constexpr int RADIUS = static_cast<int>(MAX_SIDE);
  static constexpr unsigned WIDTH = 2 * RADIUS + 1;
  static constexpr unsigned HEIGHT = RADIUS + 1;
  /// The table's entry of a state of a row's domino.
  static constexpr int Index(int rows, int cols, int orient, int slot) {
    return (rows * static_cast<int>(WIDTH) + (cols + RADIUS)) * 32 + orient * 8 + slot;
  }

 private:
  const uint16_t* table;
  bool across;
};

}  // namespace planner
