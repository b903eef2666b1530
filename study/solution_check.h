// solution_check.h: whether a solution really solves its board.
#pragma once

#include "board/board.h"

/// True when every move applies to a fresh copy of the board and the goal is reached.
bool ReachesGoal(const Board& board, const MoveSequence& moves);
