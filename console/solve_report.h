// solve_report.h: the texts a solve shows before its lengths: the refusal, or the progress and
// time.
#pragma once

#include <ostream>

#include "solver/solve_result.h"

/// The text of a board that no method can solve.
inline constexpr char CANT_SOLVE[] = "Can't solve this puzzle...";
/// The text of a solve whose own reduction went wrong.
inline constexpr char NOT_SOLVED[] = "Error! Puzzle hasn't been solved...";

/// Writes what a solve shows before its lengths: CANT_SOLVE alone, or the sides trimmed, the
/// faults, a failed trim's board, and NOT_SOLVED or the times in whole tenths of a second.
void WriteSolveOutcome(const SolveResult& result, std::ostream& out);
