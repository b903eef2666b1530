// optimal_4x4.h: shortest solutions of 4 x 4 boards.
#pragma once

#include <cstdint>

#include "board/board.h"

/// What a search under a budget of nodes found.
struct Optimal4x4Search {
  /// A shortest solution; empty when the board is solved, refused, or the budget ran out.
  MoveSequence moves;
  /// False when the budget ran out before a solution was found.
  bool complete = true;
  /// The positions the search generated.
  std::uint64_t nodes = 0;
};

/// A shortest solution of the 4 x 4 board by iterative deepening under PatternDatabase4x4, its
/// most promising moves tried first (a long search shortens a solution found early instead);
/// empty when it is solved, of another side or not solvable.
MoveSequence SolveOptimal4x4(const Board& board);

/// The same search as SolveOptimal4x4, but trying moves in the order U, D, L, R, so that its
/// solution is the first shortest one in that order, and stopped where it would generate more
/// than maxNodes positions (it then reports maxNodes): the same board gives the same outcome on
/// every machine.
Optimal4x4Search SolveOptimal4x4Within(const Board& board, std::uint64_t maxNodes);

/// The same search counting its estimate half as much again: at most half as long again, found
/// after far fewer positions; stopped like SolveOptimal4x4Within.
Optimal4x4Search SolveNearOptimal4x4Within(const Board& board, std::uint64_t maxNodes);
