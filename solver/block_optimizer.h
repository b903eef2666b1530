// block_optimizer.h: shortening a solution where the blank stays inside a 3 x 3 block.
#pragma once

#include "board/board.h"

/// The moves with stretches during which the blank stays inside one 3 x 3 block of the n x n
/// board replaced by shortest sequences with the same effect on that block, wherever that is
/// shorter: applied to any board of side n whose blank is at cell blankStart, the result leaves
/// the same board as the moves. A letter other than U, D, L and R, or one that would take the
/// blank off the board, is kept where it is and ends a stretch. For a side below 3 or above
/// MAX_SIDE, or a blankStart off the board, the moves come back unchanged.
MoveSequence OptimizeBlocks(const MoveSequence& moves, unsigned n, unsigned blankStart);
