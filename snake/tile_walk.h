// tile_walk.h: walking one tile to a cell with the blank kept on its left or right.
#pragma once

#include "solver/solver.h"

namespace snake {

/// Walks the tile at (tileRow, tileCol) to the target with the blank on its left ('L') or right
/// ('R') throughout; the blank must stand there already.
void MoveTileToCoords(Solver& solver, int tileRow, int tileCol, int targetRow, int targetCol,
                      char side);

}  // namespace snake
