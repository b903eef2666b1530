// optimal_2x2.h: shortest solutions of 2 x 2 boards.
#pragma once

#include "board/board.h"

/// A shortest solution of the 2 x 2 board by breadth-first search; empty when it is solved, of
/// another side or not solvable.
MoveSequence SolveOptimal2x2(const Board& board);
