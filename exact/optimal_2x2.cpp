// optimal_2x2.cpp: breadth-first search from the board until the goal comes up.
#include "exact/optimal_2x2.h"

#include <algorithm>
#include <deque>
#include <map>

namespace {

constexpr char LETTERS[] = "UDLR";
// What each letter adds to the blank's cell.
constexpr int STEPS[] = {-2, 2, -1, 1};

// The tiles after the blank moves the letter's way (0 ... 3 for U, D, L, R) on the 2 x 2 board;
// false off the board or, for L and R, into the other row.
bool Moved(std::vector<int>& tiles, int letter) {
  const int blank = static_cast<int>(std::find(tiles.begin(), tiles.end(), 0) - tiles.begin());
  const int target = blank + STEPS[letter];
  if (target < 0 || target > 3 || (letter >= 2 && target / 2 != blank / 2)) return false;
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
    for (int letter = 0; letter < 4; ++letter) {
      std::vector<int> next = current;
      if (Moved(next, letter) && paths.emplace(next, path + LETTERS[letter]).second) {
        queue.push_back(next);
      }
    }
  }
  return MoveSequence();
}
