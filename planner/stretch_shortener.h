// stretch_shortener.h: shortening a solution stretch by stretch, each by a bounded search over
// the cells its blank visits.
#pragma once

#include "board/board.h"

namespace planner {

/// The solution of the board with stretches of 36 moves replaced, from the first on, by shorter
/// ones that lead from the same position to the same position, found by iterative deepening
/// over the cells the stretch's blank visits. The result is never longer and reaches the same
/// position; a solution that leaves the board is returned as it is.
MoveSequence ShortenStretches(const Board& board, const MoveSequence& solution);

}  // namespace planner
