// three_by_three.cpp: all 181 440 positions by distance, from PositionsNearGoal's search.
#include "test_support/three_by_three.h"

#include "test_support/sample_boards.h"

const std::vector<std::vector<Cells3x3>>& ThreeByThree() {
  static const std::vector<std::vector<Cells3x3>> byDistance = [] {
    std::vector<std::vector<Cells3x3>> result;
    // 31 moves solve every 3 x 3 position.
    for (const std::vector<Board>& layer : PositionsNearGoal(3, 31)) {
      result.emplace_back();
      for (const Board& board : layer) result.back().push_back(board.tiles);
    }
    return result;
  }();
  return byDistance;
}
