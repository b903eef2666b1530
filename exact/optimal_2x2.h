// optimal_2x2.h: shortest solutions of 2 x 2 boards.
#pragma once

#include "board/board.h"

/// A shortest MoveSequence that solves the 2 x 2 board, found by breadth-first search over the
/// twelve positions the goal reaches; empty when the board is solved, is not of side 2, or is
/// not one of those positions.
MoveSequence SolveOptimal2x2(const Board& board);
