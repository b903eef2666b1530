// small_boards.cpp: breadth-first search over the 24 arrangements of a 2 x 2 board.
#include "planner/small_boards.h"

#include <algorithm>
#include <map>
#include <queue>
#include <vector>

namespace planner {

MoveSequence Solve2x2(const Board& board) {
  const std::vector<int> goal{1, 2, 3, 0};
  std::map<std::vector<int>, std::pair<std::vector<int>, char>> from;
  std::queue<std::vector<int>> open;
  from[board.tiles] = {{}, 0};
  open.push(board.tiles);
  while (!open.empty()) {
    const std::vector<int> tiles = open.front();
    open.pop();
    if (tiles == goal) break;
    const int blank = static_cast<int>(std::find(tiles.begin(), tiles.end(), 0) - tiles.begin());
    for (const char letter : {'U', 'D', 'L', 'R'}) {
      int target = -1;
      if (letter == 'U' && blank >= 2) target = blank - 2;
      if (letter == 'D' && blank < 2) target = blank + 2;
      if (letter == 'L' && blank % 2 == 1) target = blank - 1;
      if (letter == 'R' && blank % 2 == 0) target = blank + 1;
      if (target < 0) continue;
      std::vector<int> next = tiles;
      std::swap(next[blank], next[target]);
      if (from.count(next)) continue;
      from[next] = {tiles, letter};
      open.push(next);
    }
  }
  if (!from.count(goal)) return MoveSequence();
  MoveSequence moves;
  for (std::vector<int> at = goal; at != board.tiles; at = from[at].first) {
    moves += from[at].second;
  }
  std::reverse(moves.begin(), moves.end());
  return moves;
}

}  // namespace planner
