// optimal_2x2.cpp: breadth-first search from the board until the goal comes up.
#include "exact/optimal_2x2.h"

#include <algorithm>
#include <deque>
#include <map>

namespace {

constexpr char LETTERS[] = "UDLR";

// The tiles after the blank moves the letter's way on the 2 x 2 board; false off the board.
bool Moved(std::vector<int>& tiles, char letter) {
  const int blank = static_cast<int>(std::find(tiles.begin(), tiles.end(), 0) - tiles.begin());
  const int row = blank / 2, col = blank % 2;
  const int target = letter == 'U'   ? (row == 1 ? blank - 2 : -1)
                     : letter == 'D' ? (row == 0 ? blank + 2 : -1)
                     : letter == 'L' ? (col == 1 ? blank - 1 : -1)
                                     : (col == 0 ? blank + 1 : -1);
  if (target < 0) return false;
  std::swap(tiles[blank], tiles[target]);
  return true;
}

}  // namespace

MoveSequence SolveOptimal2x2(const Board& board) {
  if (board.n != 2 || !board.IsSolvablePermutation()) return MoveSequence();
  const std::vector<int> goal = {1, 2, 3, 0};
  // Each position reached, with the path that first reached it.
  std::map<std::vector<int>, MoveSequence> paths = {{board.tiles, MoveSequence()}};
  std::deque<std::vector<int>> queue = {board.tiles};
  while (!queue.empty()) {
    const std::vector<int> current = queue.front();
    queue.pop_front();
    const MoveSequence path = paths[current];
    if (current == goal) return path;
    for (const char* letter = LETTERS; *letter != '\0'; ++letter) {
      std::vector<int> next = current;
      if (Moved(next, *letter) && paths.emplace(next, path + *letter).second) {
        queue.push_back(next);
      }
    }
  }
  return MoveSequence();
}
