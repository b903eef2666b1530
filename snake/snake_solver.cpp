// snake_solver.cpp: the snake solver's board and grid, its trials, and the solve driver.
#include "snake/snake_solver.h"

#include <ctime>

#include "solver/end_game_search.h"

SnakeSolver::SnakeSolver(std::ostream& out) : Solver(out) {
  // With no board yet every cell counts as off the board.
  ResetCellGrid();
}

void SnakeSolver::SetPuzzle(const Board& source) {
  board = source;
  ResetCellGrid();
}

void SnakeSolver::ResetCellGrid() {
  const unsigned n = board.n;
  for (unsigned i = 0; i < MAX_SIDE; ++i) {
    for (unsigned j = 0; j < MAX_SIDE; ++j) {
      cellGrid[i][j] = (i < n && j < n) ? FREE_CELL : BLOCKED_CELL;
    }
  }
}

bool SnakeSolver::TrimAndReset() {
  if (!board.TrimBoard()) return false;
  ResetCellGrid();
  return true;
}

bool SnakeSolver::OnBoard(int index) const {
  const int n = Side();
  return n > 0 && n <= static_cast<int>(MAX_SIDE) && index >= 0 && index < n * n;
}

void SnakeSolver::SetMark(int index, int mark) {
  if (!OnBoard(index)) return;
  int& cell = MarkAt(index);
  if (inTrial) markJournal.emplace_back(index, cell);
  cell = mark;
}

void SnakeSolver::BeginTrial() {
  recording = true;
  recordedMoves.clear();
  trialTiles = board.tiles;
  trialBlank = board.blank;
  trialAppliedLength = applied.size();
  markJournal.clear();
  inTrial = true;
}

void SnakeSolver::RollBackTrial() {
  board.tiles = trialTiles;
  board.blank = trialBlank;
  applied.resize(trialAppliedLength);
  for (auto undo = markJournal.rbegin(); undo != markJournal.rend(); ++undo) {
    MarkAt(undo->first) = undo->second;
  }
  markJournal.clear();
  inTrial = false;
}

SolveResult SnakeSolver::SolveSnakes() {
  if (!IsSolvableBoard(board, Out())) return SolveResult::Refused(CANT_SOLVE);
  Out() << "\n";
  applied.clear();
  board.FindBlank();
  unsigned m = board.n;
  const std::clock_t start = std::clock();
  while (m > 3) {
    const int side = static_cast<int>(m);
    SolveFirstRow();
    if (!IsTileAtGoal(side - 1) || !IsTileAtGoal(side)) SolveFirstRow2();
    SolveFirstCol();
    // The column is filled from the bottom up, so its last two tiles are those of rows 2 and 1.
    if (!IsTileAtGoal(2 * side + 1) || !IsTileAtGoal(side + 1)) SolveFirstCol2();
    if (!TrimAndReset()) {
      Out() << "Error! Can't trim board\n ";
      board.PrintBoard(Out());
      return SolveResult::Refused(NOT_SOLVED);
    }
    --m;
    Out() << m << " ... ";
  }
  const std::clock_t start3x3 = std::clock();
  applied += Solve3x3(board);
  const std::clock_t end = std::clock();
  Out() << SolveTimeLine(start, start3x3, end);
  return SolveResult::Solved(applied);
}
