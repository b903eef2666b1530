// optimal_4x4.h: shortest solutions of 4 x 4 boards.
#pragma once

#include "board/board.h"

/// A shortest MoveSequence that solves the 4 x 4 board; empty when the board is solved, is not
/// of side 4, or is no solvable permutation of 0 ... 15. Searches by iterative deepening under
/// the bound of PatternDatabase4x4, whose shared tables the first call builds.
MoveSequence SolveOptimal4x4(const Board& board);
