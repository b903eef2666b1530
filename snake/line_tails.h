// line_tails.h: placing single tiles of the first row and column, and the lines' last two tiles.
#pragma once

#include "solver/solver.h"

namespace snake {

/// Moves the blank to (row, col), first along its column, then along the row.
void MoveBlankStraight(Solver& solver, int row, int col);
/// Moves the tile at (row, col) to the target cell of the row, ending with the blank on its
/// right.
void PlaceRowTile(Solver& solver, int row, int col, int targetRow, int targetCol);
/// Moves the tile at (row, col) to the target cell of the column, ending with the blank above.
void PlaceColTile(Solver& solver, int row, int col, int targetRow, int targetCol);
/// Places tiles n-1 and n, the last two of row 0.
void FinishFirstRow(Solver& solver);
/// Places tiles 2n+1 and n+1, the last two of column 0.
void FinishFirstCol(Solver& solver);

}  // namespace snake
