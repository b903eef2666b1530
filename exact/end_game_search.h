// end_game_search.h: the shortest solution of a 3 x 3 board, by best-first search.
#pragma once

#include "board/board.h"

/// A shortest solution of the 3 x 3 position in the board's first nine cells, the first that
/// a cheapest-first search trying U, D, L, R finds; empty when solved or not solvable.
MoveSequence Solve3x3(const Board& board);
