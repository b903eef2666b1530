// open_board_costs.h: the fewest moves that bring one tile to a cell, on boards with few walls.
#pragma once

#include <cstdint>

namespace planner {

/// The fewest moves that carry a tile rows, cols off its target home, the blank starting on its
/// side `dir`: on an unbounded open board (never more than on a real one), or with everything
/// before the target's line walled and perhaps the line's cells on one side of the target. The
/// tables are built on first use; the mapping of offsets into one is resolved once, for searches
/// that ask millions of times.
class LineCosts {
 public:
  /// The open board for a wall of -1, else the wall UP or LEFT and, with `placed`, the line's
  /// cells on that side of the target.
  explicit LineCosts(int wall = -1, int placed = -1);
  /// The cost for the tile rows, cols from its target, the blank on side dir; 0 for positions
  /// in a wall or more than RADIUS away.
  int operator()(int rows, int cols, int dir) const {
    if (static_cast<unsigned>(rows + RADIUS) > 2 * RADIUS ||
        static_cast<unsigned>(cols + RADIUS) > 2 * RADIUS) {
      return 0;
    }
    return centre[rows * rowStride + cols * colStride + dirOf[dir]];
  }

 private:
  static constexpr int RADIUS = 100;
  static constexpr int WIDTH = 2 * RADIUS + 1;
  // The entries of the tile at its target; a row or column off it moves by these strides, which
  // turn and mirror the board as the table sees it.
  const uint16_t* centre;
  int rowStride = 4 * WIDTH;
  int colStride = 4;
  int dirOf[4] = {0, 1, 2, 3};
};

}  // namespace planner
