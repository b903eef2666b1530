// tile_placement.h: carrying one tile to its cell of the first row or column with fixed macros.
#pragma once

#include "solver/line_view.h"

/// Moves the tile at the view's (row, col) to (targetRow, targetCol), a cell of the view's row 0
/// or row 1, with the blank brought to its right first and kept there. A tile left of its target
/// travels in row 1 and, when the target is in row 0, enters it only at the target column. The
/// tile must not be home yet: the blank's way to the right of a home tile may cross the cells
/// placed before it, so a caller leaves such a tile alone.
void CarryTile(const LineView& line, int row, int col, int targetRow, int targetCol);
/// Diagonal steps (rowStep, colStep) from (row, col) until targetRow or targetCol; 0 if neither.
int StaircaseSteps(int row, int col, int rowStep, int colStep, int targetRow, int targetCol);
