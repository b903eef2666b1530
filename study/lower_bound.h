// lower_bound.h: a number of moves that no solution of a board can go below.
#pragma once

#include "board/board.h"

/// Twice, over every row and column, the tiles in their goal line less the longest run of them
/// already in goal order; tiles outside 1 ... n^2-1 are left out.
unsigned LinearConflicts(const Board& board);

/// The Manhattan distance plus the linear conflicts: never more than the shortest solution.
unsigned LowerBound(const Board& board);
