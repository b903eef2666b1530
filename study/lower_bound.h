// lower_bound.h: a number of moves that no solution of a board can go below.
#pragma once

#include "board/board.h"

/// Twice, summed over every row and column, the tiles in their goal line that must leave it to
/// let the others pass: tiles in the line minus the longest run of them already in goal order.
/// Tiles outside 1 ... n^2-1 are left out.
unsigned LinearConflicts(const Board& board);

/// The Manhattan distance plus the linear conflicts: never more than the shortest solution,
/// since each tile that must leave its goal row (column) makes two vertical (horizontal) moves
/// on top of its Manhattan distance.
unsigned LowerBound(const Board& board);
