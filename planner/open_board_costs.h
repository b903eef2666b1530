// open_board_costs.h: the fewest moves that bring one tile to a cell, on boards with few walls.
#pragma once

#include <cstdint>

namespace planner {

/// The fewest moves that carry a tile rows, cols off its target home, the blank starting on its
/// side `dir`, on an unbounded open board: never more than on a real one. Built on first use.
int OpenBoardCost(int rows, int cols, int dir);
/// The same with everything before the target's line walled (wall UP or LEFT) and, with
/// `placed`, the line's cells on that side of the target; 0 for positions in a wall.
int LineTileCost(int rows, int cols, int dir, int wall, int placed = -1);

/// OpenBoardCost (no wall) or LineTileCost for one wall and placed side, with the table and the
/// mapping of offsets into it resolved once, for searches that ask millions of times.
class LineCosts {
 public:
  /// Takes the arguments of LineTileCost; a wall of -1 means the open board.
  explicit LineCosts(int wall = -1, int placed = -1);
  /// The cost for the tile rows, cols from its target, the blank on side dir.
  int operator()(int rows, int cols, int dir) const {
    if (swapAxes) {
      const int swapped = rows;
      rows = cols;
      cols = swapped;
    }
    if (mirror) cols = -cols;
    if (walled && (rows < 0 || rows > RADIUS || cols < -RADIUS || cols > RADIUS)) return 0;
    return table[((rows + RADIUS) * WIDTH + (cols + RADIUS)) * 4 + dirOf[dir]];
  }

 private:
  static constexpr int RADIUS = 100;
  static constexpr int WIDTH = 2 * RADIUS + 1;
  const uint16_t* table;
  bool swapAxes = false;
  bool mirror = false;
  bool walled = false;
  int dirOf[4] = {0, 1, 2, 3};
};

}  // namespace planner
