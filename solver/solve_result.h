// solve_result.h: what a solving method hands back: the moves, or why it refused the board.
#pragma once

#include <string>
#include <utility>

#include "board/board.h"

/// The outcome of one solve. A solved result carries the whole solution (empty for a board that
/// was already solved); a refused one carries the message to show instead, and no moves.
struct SolveResult {
  bool solved = false;
  MoveSequence moves;
  std::string message;

  /// The board is solved by these moves.
  static SolveResult Solved(MoveSequence moves) { return {true, std::move(moves), {}}; }
  /// The board was not solved; the message says why.
  static SolveResult Refused(std::string message) { return {false, {}, std::move(message)}; }
};

/// The text a solver gives for a board it cannot take: unsolvable, not a permutation, a side
/// outside 3 ... 100.
inline constexpr char CANT_SOLVE[] = "Can't solve this puzzle...";
/// The text a solver gives when its own reduction went wrong.
inline constexpr char NOT_SOLVED[] = "Error! Puzzle hasn't been solved...";
