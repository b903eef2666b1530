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

/// A shortest MoveSequence that solves the 4 x 4 board; empty when the board is solved, is not
/// of side 4, or is no solvable permutation of 0 ... 15. Searches by iterative deepening under
/// the bound of PatternDatabase4x4, whose shared tables the first call builds.
MoveSequence SolveOptimal4x4(const Board& board);

/// The same search as SolveOptimal4x4, stopped once it has generated maxNodes positions: the same
/// board gives the same outcome on every machine.
Optimal4x4Search SolveOptimal4x4Within(const Board& board, std::uint64_t maxNodes);

/// The same search counting its estimate half as much again: at most half as long again, found
/// after far fewer positions; stopped like SolveOptimal4x4Within.
Optimal4x4Search SolveNearOptimal4x4Within(const Board& board, std::uint64_t maxNodes);
