// solution_check.h: whether a solution really solves its board.
#pragma once

#include "board/board.h"

/// True when the moves, applied to a fresh copy of the board, all apply (no letter other than
/// U, D, L, R, none leading off the board) and leave the goal arrangement. Linear in the
/// cells and the moves.
bool ReachesGoal(const Board& board, const MoveSequence& moves);
