// open_board_costs.h: the fewest moves that bring one tile to a cell on a board without walls.
#pragma once

namespace planner {

/// The fewest moves that carry a tile standing rows, cols away from its target (tile minus
/// target, each within -MAX_SIDE ... MAX_SIDE) to the target, the blank starting beside the tile
/// on the side `dir` (UP, DOWN, LEFT, RIGHT), on an unbounded board with nothing fixed. Walls
/// can only add to this, so it never overstates the cost on a real board. The table behind it is
/// built once, on first use, from any thread.
int OpenBoardCost(int rows, int cols, int dir);
/// The same on a board whose only wall is everything before the target's line: every row above
/// it (wall UP) or every column left of it (wall LEFT). 0 for positions in that wall.
int LineTileCost(int rows, int cols, int dir, int wall);

}  // namespace planner
