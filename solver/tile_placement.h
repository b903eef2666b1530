// tile_placement.h: carrying one tile to its cell of the first row or column with fixed macros.
#pragma once

#include "solver/solver.h"

/// Moves the tile at (row, col) to (targetRow, targetCol), a cell of row 0 or row 1, with the
/// blank brought to its right first and kept there. A tile left of its target travels in row 1
/// and, when the target is in row 0, enters it only at the target column.
void CarryTileToRow(Solver& solver, int row, int col, int targetRow, int targetCol);
/// Moves the tile at (row, col) to (targetRow, targetCol), a cell of column 0 or column 1, with
/// the blank brought above it first and kept there. A tile below its target climbs in column 1
/// and, when the target is in column 0, enters it only in the target row.
void CarryTileToCol(Solver& solver, int row, int col, int targetRow, int targetCol);
/// Steps of a staircase that moves a tile from (row, col) one row (rowStep, +1 or -1) and one
/// column (colStep) at a time until it stands in targetRow or in targetCol; 0 when it would
/// reach neither.
int StaircaseSteps(int row, int col, int rowStep, int colStep, int targetRow, int targetCol);
