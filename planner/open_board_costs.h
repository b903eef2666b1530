// open_board_costs.h: the fewest moves that bring one tile to a cell, on boards with few walls.
#pragma once

namespace planner {

/// The fewest moves that carry a tile rows, cols off its target home, the blank starting on its
/// side `dir`, on an unbounded open board: never more than on a real one. Built on first use.
int OpenBoardCost(int rows, int cols, int dir);
/// The same with everything before the target's line walled (wall UP or LEFT) and, with
/// `placed`, the line's cells on that side of the target; 0 for positions in a wall.
int LineTileCost(int rows, int cols, int dir, int wall, int placed = -1);

}  // namespace planner
