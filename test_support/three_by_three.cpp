// three_by_three.cpp: all 181 440 positions by distance, from PositionsNearGoal's search.
#include "test_support/three_by_three.h"

#include "test_support/sample_boards.h"

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
    // 31 moves solve every 3 x 3 position.
    for (const std::vector<Board>& layer : PositionsNearGoal(3, 31)) {
      const int distance = static_cast<int>(result.byDistance.size());
      result.byDistance.emplace_back();
      for (const Board& board : layer) {
        result.distances[ThreeByThreeTable::Key(board.tiles)] = distance;
        result.byDistance.back().push_back(board.tiles);
      }
    }
    return result;
  }();
  return table;
}
