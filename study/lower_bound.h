// lower_bound.h: a number of moves that no solution of a board can go below.
#pragma once

#include "board/board.h"

/// The Manhattan distance plus the linear conflicts: never more than the shortest solution.
std::uint64_t LowerBound(const Board& board);
