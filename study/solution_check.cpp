// solution_check.cpp: the moves replayed on a plain copy of the cells.
#include "study/solution_check.h"

#include <vector>

bool ReachesGoal(const Board& board, const MoveSequence& moves) {
  const unsigned n = board.n;
  const size_t cells = static_cast<size_t>(n) * n;
  if (n == 0 || board.tiles.size() != cells) return false;
  std::vector<int> tiles = board.tiles;
  size_t blank = 0;
  while (blank < cells && tiles[blank] != 0) ++blank;
  if (blank == cells) return false;
  // The blank's row and column are kept as it moves, so that no move needs a division.
  size_t row = blank / n, col = blank % n;
  for (const char letter : moves) {
    size_t target;
    if (letter == 'U' && row > 0) {
      target = blank - n;
      --row;
    } else if (letter == 'D' && row + 1 < n) {
      target = blank + n;
      ++row;
    } else if (letter == 'L' && col > 0) {
      target = blank - 1;
      --col;
    } else if (letter == 'R' && col + 1 < n) {
      target = blank + 1;
      ++col;
    } else {
      return false;
    }
    tiles[blank] = tiles[target];
    tiles[target] = 0;
    blank = target;
  }
  return tiles == GoalTiles(n);
}
