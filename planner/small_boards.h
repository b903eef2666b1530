// small_boards.h: shortest solutions of 2 x 2 boards.
#pragma once

#include "board/board.h"

namespace planner {

/// A shortest solution of a solvable 2 x 2 permutation board, by breadth-first search; empty
/// when the board is solved.
MoveSequence Solve2x2(const Board& board);

}  // namespace planner
