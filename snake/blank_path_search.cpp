// blank_path_search.cpp: the blank's shortest walk around blocked cells.
#include "snake/snake_solver.h"

namespace {

// The search runs on positions in cellGrid, row * MAX_SIDE + col, so that no step needs a
// division by the side.
constexpr int STRIDE = static_cast<int>(MAX_SIDE);

}  // namespace

MoveSequence SnakeSolver::FindMovesTo(int target) {
  const int n = Side();
  blankIndex = board.blank;
  const int start = static_cast<int>(blankIndex);
  MoveSequence moves;
  if (!OnBoard(start) || !OnBoard(target)) {
    Out() << "Error in FindMovesTo - failed to reach final destination!";
    return moves;
  }
  const auto mark = [this](int position) -> int& {
    return cellGrid[position / STRIDE][position % STRIDE];
  };
  const int from = start / n * STRIDE + start % n;
  const int to = target / n * STRIDE + target % n;
  const int lastRow = (n - 1) * STRIDE;
  // While the search runs the marks are its visited set and its map of predecessors: a reached
  // cell holds the position of the cell it was first reached from. The queue keeps every cell
  // reached, so it also tells which marks to free afterwards.
  const int startMark = mark(from);
  mark(from) = BLOCKED_CELL;
  searchQueue.assign(1, from);
  bool reached = false;
  for (size_t next = 0; next < searchQueue.size(); ++next) {
    const int cell = searchQueue[next];
    if (cell == to) {
      reached = true;
      break;
    }
    const int col = cell % STRIDE;
    const auto reach = [&](int neighbour) {
      if (mark(neighbour) != FREE_CELL) return;
      mark(neighbour) = cell;
      searchQueue.push_back(neighbour);
    };
    // Up, right, left, down: this order decides between walks of equal length.
    if (cell >= STRIDE) reach(cell - STRIDE);
    if (col != n - 1) reach(cell + 1);
    if (col != 0) reach(cell - 1);
    if (cell < lastRow) reach(cell + STRIDE);
  }
  if (reached) {
    route.clear();
    for (int cell = to; mark(cell) != BLOCKED_CELL; cell = mark(cell)) route.push_back(cell);
    int at = from;
    for (auto cell = route.rbegin(); cell != route.rend(); ++cell) {
      const int step = *cell - at;
      moves += step == 1 ? 'R' : step == -1 ? 'L' : step == STRIDE ? 'D' : 'U';
      at = *cell;
    }
  } else {
    Out() << "Error in FindMovesTo - failed to reach final destination!";
  }
  for (const int cell : searchQueue) mark(cell) = FREE_CELL;
  // The blank's own cell is left free, whatever it was; a trial that is rolled back restores it.
  mark(from) = startMark;
  SetMark(start, FREE_CELL);
  return moves;
}
