// end_game_search.h: the shortest solution of a 3 x 3 board, by best-first search.
#pragma once

#include "board/board.h"

/// A shortest MoveSequence that solves the 3 x 3 position in the board's first nine cells; among
/// equal shortest ones, the one that trying U, D, L, R from a cheapest-first heap finds first.
/// Empty when the position is solved, or is no solvable permutation of 0 ... 8.
MoveSequence Solve3x3(const Board& board);
