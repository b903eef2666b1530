// blank_path_search.cpp: the blank's shortest walk around blocked cells.
#include "snake/snake_solver.h"

MoveSequence SnakeSolver::FindMovesTo(int target) {
  const int n = Side();
  blankIndex = board.blank;
  const int start = static_cast<int>(blankIndex);
  MoveSequence moves;
  if (!OnBoard(start) || !OnBoard(target)) {
    Out() << "Error in FindMovesTo - failed to reach final destination!";
    return moves;
  }
  // While the search runs the marks are its visited set and its map of predecessors: a reached
  // cell holds the index of the cell it was first reached from.
  const int startMark = MarkAt(start);
  MarkAt(start) = BLOCKED_CELL;
  searchQueue.assign(1, start);
  visitedCells.assign(1, start);
  bool reached = false;
  for (size_t next = 0; next < searchQueue.size(); ++next) {
    const int cell = searchQueue[next];
    if (cell == target) {
      reached = true;
      break;
    }
    const auto reach = [&](int neighbour) {
      int& mark = MarkAt(neighbour);
      if (mark != FREE_CELL) return;
      mark = cell;
      searchQueue.push_back(neighbour);
      visitedCells.push_back(neighbour);
    };
    // Up, right, left, down: this order decides between walks of equal length.
    if (cell >= n) reach(cell - n);
    if (cell % n != n - 1) reach(cell + 1);
    if (cell % n != 0) reach(cell - 1);
    if (cell < (n - 1) * n) reach(cell + n);
  }
  if (reached) {
    route.clear();
    for (int cell = target; MarkAt(cell) != BLOCKED_CELL; cell = MarkAt(cell))
      route.push_back(cell);
    int from = start;
    for (auto cell = route.rbegin(); cell != route.rend(); ++cell) {
      moves += MoveLetter(*cell, from, n);
      from = *cell;
    }
  } else {
    Out() << "Error in FindMovesTo - failed to reach final destination!";
  }
  for (const int cell : visitedCells) MarkAt(cell) = FREE_CELL;
  // The blank's own cell is left free, whatever it was; a trial that is rolled back restores it.
  MarkAt(start) = startMark;
  SetMark(start, FREE_CELL);
  return moves;
}
