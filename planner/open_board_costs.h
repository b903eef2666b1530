// open_board_costs.h: the fewest moves that bring one tile to a cell, on boards with few walls.
#pragma once

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

}  // namespace planner
