// pair_carrier.h: what carrying a pair takes: the cell beside a tile, a tile walked with the
// blank at its side, and the snake's staircase route home.
#pragma once

#include <vector>

#include "snake/line.h"
#include "solver/solver.h"

namespace snake {

/// A cell as a signed row and column.
struct Cell {
  int row = 0;
  int col = 0;
};

/// The neighbour of (row2, col2) in the quarter, cut by its diagonals, that holds (row1, col1).
Cell GetCellNextTo(int row2, int col2, int row1, int col1);
/// Walks the tile at (tileRow, tileCol) to the target with the blank on its left ('L') or right
/// ('R') throughout; the blank must stand there already.
void MoveTileToCoords(Solver& solver, int tileRow, int tileCol, int targetRow, int targetCol,
                      char side);
/// The head's staircase route from the blank to the frame's cells (0, k + 1) and (0, k); false
/// when the snake is to be dropped.
bool BuildRoute(Solver& solver, const Line& frame, int k, const std::vector<int>& snake,
                std::vector<int>& path);

}  // namespace snake
