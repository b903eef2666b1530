// open_board_costs.h: the fewest moves that bring one tile to a cell, on boards with few walls.
#pragma once

#include <cstdint>

namespace planner {

/// The fewest moves that carry a tile standing rows, cols away from its target (tile minus
/// target, each within -MAX_SIDE ... MAX_SIDE) to the target, the blank starting beside the tile
/// on the side `dir` (UP, DOWN, LEFT, RIGHT), on an unbounded board with nothing fixed. Walls
/// can only add to this, so it never overstates the cost on a real board. The table behind it is
/// built once, on first use, from any thread.
int OpenBoardCost(int rows, int cols, int dir);
/// The same on a board whose only walls are everything before the target's line (every row above
/// it for wall UP, every column left of it for wall LEFT) and, when `placed` is given, the cells
/// of the line on one side of the target: LEFT or RIGHT of it in a row, UP or DOWN of it in a
/// column. 0 for positions in a wall.
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
