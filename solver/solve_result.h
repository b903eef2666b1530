// solve_result.h: what a solving method hands back: the moves or why it refused, and its times.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "board/board.h"

/// Why a method gave no solution.
enum class Refusal {
  /// None: the board was solved.
  NONE,
  /// The board cannot be solved: not a solvable permutation, or a side the method does not take.
  CANNOT_SOLVE,
  /// A reduction left its first row or column unplaced, so the board could not be trimmed.
  TRIM_FAILED,
  /// The method's own reduction or finish went wrong otherwise.
  REDUCTION_FAILED,
};

/// Processor time in std::clock ticks of the solve and of its final finishSide search.
struct SolveTimes {
  std::clock_t total = 0;
  std::clock_t finish = 0;
  unsigned finishSide = 3;
};

/// The outcome of one solve: the solution and its times, or the reason it was refused.
struct SolveResult {
  Refusal refusal = Refusal::NONE;
  MoveSequence moves;
  SolveTimes times;
  /// Whether the method reports its progress as the sides it trimmed to, and those sides.
  bool reportsSides = false;
  std::vector<unsigned> trimmedSides;
  /// What the method wrote about faults of its own; empty on every board the tests know.
  std::string faults;
  /// For TRIM_FAILED, the board that could not be trimmed.
  Board untrimmed;

  /// True when the moves solve the board.
  bool Solved() const { return refusal == Refusal::NONE; }

  /// A result of no moves refused for the reason.
  static SolveResult Refused(Refusal reason) {
    SolveResult result;
    result.refusal = reason;
    return result;
  }
};
