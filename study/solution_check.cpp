// solution_check.cpp: the moves replayed on a copy of the board by the position engine.
#include "study/solution_check.h"

#include <algorithm>

#include "solver/position.h"

bool ReachesGoal(const Board& board, const MoveSequence& moves) {
  const size_t cells = static_cast<size_t>(board.n) * board.n;
  if (board.n == 0 || board.tiles.size() != cells) return false;
  if (std::find(board.tiles.begin(), board.tiles.end(), 0) == board.tiles.end()) return false;
  Position position(board);
  if (!position.Apply(moves)) return false;
  for (size_t i = 0; i + 1 < cells; ++i) {
    if (position.Cells()[i] != static_cast<int>(i + 1)) return false;
  }
  return true;
}
