// stretch_shortener.h: shortening a solution stretch by stretch, each by a bounded search over
// the cells its blank visits.
#pragma once

#include <cstdint>

#include "board/board.h"

/// How far ShortenStretches looks.
struct StretchLimits {
  /// Moves per stretch, at most MAX_WINDOW.
  int window = 36;
  /// A stretch whose blank visits more cells than this is left as it is.
  int maxCells = 20;
  /// Positions the search of one stretch may generate: counts, not times, so that a solution
  /// is shortened alike on every machine.
  std::uint64_t nodesPerStretch = 20000;
  /// Moves between the starts of two stretches searched.
  int stride = 4;
  /// The longest window.
  static constexpr int MAX_WINDOW = 60;
};

/// The solution of the board with stretches of limits.window moves replaced, from the first on,
/// by shorter ones that lead from the same position to the same position, found by iterative
/// deepening over the cells the stretch's blank visits. The result is never longer and reaches
/// the same position; a solution that leaves the board is returned as it is.
MoveSequence ShortenStretches(const Board& board, const MoveSequence& solution,
                              const StretchLimits& limits = StretchLimits());
