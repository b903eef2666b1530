// three_by_three.cpp: breadth-first search from the goal over all 181 440 positions.
#include "test_support/three_by_three.h"

#include <deque>

#include "board/board.h"
#include "solver/position.h"

int ThreeByThreeTable::Distance(const Cells3x3& cells) const {
  return distances.at(Key(cells));
}

std::uint64_t ThreeByThreeTable::Key(const Cells3x3& cells) {
  std::uint64_t key = 0;
  for (int i = 0; i < 9; ++i) key |= static_cast<std::uint64_t>(cells[i]) << (4 * i);
  return key;
}

const ThreeByThreeTable& ThreeByThree() {
  static const ThreeByThreeTable table = [] {
    ThreeByThreeTable result;
    Board board;
    board.n = 3;
    board.tiles = GoalTiles(3);
    std::deque<Cells3x3> queue = {board.tiles};
    result.distances[ThreeByThreeTable::Key(board.tiles)] = 0;
    while (!queue.empty()) {
      board.tiles = queue.front();
      queue.pop_front();
      const int distance = result.Distance(board.tiles);
      if (static_cast<int>(result.byDistance.size()) <= distance) {
        result.byDistance.resize(distance + 1);
      }
      result.byDistance[distance].push_back(board.tiles);
      board.FindBlank();
      for (const char letter : {'U', 'D', 'L', 'R'}) {
        Board next = board;
        if (!ApplyMoves(next, MoveSequence(1, letter))) continue;
        if (result.distances.emplace(ThreeByThreeTable::Key(next.tiles), distance + 1).second) {
          queue.push_back(next.tiles);
        }
      }
    }
    return result;
  }();
  return table;
}
