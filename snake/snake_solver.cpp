// snake_solver.cpp: the snake solver's grid, its trials, and the method's entry.
#include "snake/snake_solver.h"

#include <algorithm>
#include <sstream>

#include "solver/reduction.h"

SnakeSolver::SnakeSolver(std::ostream& out) : Solver(out) {
  // With no board yet every cell counts as off the board.
  ResetCellGrid();
}

void SnakeSolver::ResetCellGrid() {
  // Whole rows at a time: this runs on every reduction.
  const unsigned n = std::min(Current().Side(), MAX_SIDE);
  for (unsigned i = 0; i < MAX_SIDE; ++i) {
    const unsigned free = i < n ? n : 0;
    std::fill(cellGrid[i], cellGrid[i] + free, FREE_CELL);
    std::fill(cellGrid[i] + free, cellGrid[i] + MAX_SIDE, BLOCKED_CELL);
  }
}

int& SnakeSolver::MarkAt(int index) {
  if (markSide != Current().Side()) {
    markSide = Current().Side();
    markReciprocal = (std::uint64_t{1} << 32) / markSide + 1;
  }
  // Exact for every index below n^2 on the sides the grid holds.
  const unsigned row =
      static_cast<unsigned>((static_cast<std::uint64_t>(index) * markReciprocal) >> 32);
  return cellGrid[row][static_cast<unsigned>(index) - row * markSide];
}

void SnakeSolver::SetMark(int index, int mark) {
  if (!OnBoard(index)) return;
  int& cell = MarkAt(index);
  if (cell == mark) return;
  if (inTrial) Journal(index, cell);
  cell = mark;
}

void SnakeSolver::BeginTrial() {
  SetCheckpoint();
  journalLength = 0;
  inTrial = true;
}

void SnakeSolver::RollBackTrial() {
  RollBackToCheckpoint();
  while (journalLength > 0) {
    const auto& undo = markJournal[--journalLength];
    MarkAt(undo.first) = undo.second;
  }
  inTrial = false;
}

void SnakeSolver::KeepTrial() {
  inTrial = false;
}

SolveResult SolveSnakes(const Board& board) {
  std::ostringstream faults;
  SnakeSolver solver(faults);
  solver.Start(board);
  const ReductionSteps steps = {
      [&solver] {
        // Each reduction starts on a smaller board with every cell of it free.
        solver.ResetCellGrid();
        solver.SolveFirstRow();
      },
      [&solver] { solver.SolveFirstRow2(); },
      [&solver] { solver.SolveFirstCol(); },
      [&solver] { solver.SolveFirstCol2(); },
  };
  return SolveByReduction(solver, steps, true, faults);
}
