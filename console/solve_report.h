// solve_report.h: the texts a solve shows before its lengths: the refusal, or the progress and
// time.
#pragma once

#include <ostream>
#include <string>

#include "solver/solve_result.h"

/// The text of a board that no method can solve.
inline constexpr char CANT_SOLVE[] = "Can't solve this puzzle...";
/// The text of a solve whose own reduction went wrong.
inline constexpr char NOT_SOLVED[] = "Error! Puzzle hasn't been solved...";

/// Writes what a solve shows before its lengths. A board that cannot be solved gets a line
/// break and CANT_SOLVE alone. Otherwise: for a method that reports its sides, a line break and
/// each side followed by " ... "; the faults the method met; for a failed trim the board it
/// left; then a line break and NOT_SOLVED for a failed solve, for a solved one the time line:
/// the whole solve and the final shortest search, each truncated to whole tenths of a second.
void WriteSolveOutcome(const SolveResult& result, std::ostream& out);
