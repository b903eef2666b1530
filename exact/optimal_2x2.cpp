// optimal_2x2.cpp: breadth-first search from the board until the goal comes up.
#include "exact/optimal_2x2.h"

#include <algorithm>
#include <deque>
#include <map>

#include "solver/position.h"

namespace {

constexpr char LETTERS[] = "UDLR";

bool IsPermutation(const std::vector<int>& tiles) {
  std::vector<int> sorted = tiles;
  std::sort(sorted.begin(), sorted.end());
  for (int i = 0; i < 4; ++i) {
    if (sorted[i] != i) return false;
  }
  return true;
}

}  // namespace

MoveSequence SolveOptimal2x2(const Board& board) {
  if (board.n != 2 || board.tiles.size() != 4 || !IsPermutation(board.tiles)) {
    return MoveSequence();
  }
  const std::vector<int> goal = {1, 2, 3, 0};
  // Each position reached, with the path that first reached it.
  std::map<std::vector<int>, MoveSequence> paths = {{board.tiles, MoveSequence()}};
  std::deque<Board> queue;
  queue.push_back(board);
  while (!queue.empty()) {
    const Board current = queue.front();
    queue.pop_front();
    const MoveSequence path = paths[current.tiles];
    if (current.tiles == goal) return path;
    for (const char* letter = LETTERS; *letter != '\0'; ++letter) {
      Board next = current;
      if (ApplyMoves(next, MoveSequence(1, *letter)) &&
          paths.emplace(next.tiles, path + *letter).second) {
        queue.push_back(next);
      }
    }
  }
  return MoveSequence();
}
