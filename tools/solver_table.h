// solver_table.h: every solver of the program as a function of a board, for tools that compare
// them.
#pragma once

#include <functional>
#include <ostream>
#include <vector>

#include "board/board.h"
#include "parberry/parberry_solver.h"
#include "snake/snake_solver.h"

/// A solver as the command that runs it, and a function that solves a board on a fresh solver
/// object, writing its messages to the stream.
struct SolverEntry {
  const char* command;
  std::function<SolveResult(const Board&, std::ostream&)> solve;
};

/// The solvers, in the order of their commands.
inline const std::vector<SolverEntry>& Solvers() {
  static const std::vector<SolverEntry> solvers = {
      {"solve",
       [](const Board& board, std::ostream& out) {
         Solver solver(out);
         solver.board = board;
         return parberry::SolveParberry(solver);
       }},
      {"solve2",
       [](const Board& board, std::ostream& out) {
         SnakeSolver solver(out);
         solver.SetPuzzle(board);
         return solver.SolveSnakes();
       }},
  };
  return solvers;
}
