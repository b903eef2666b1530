// block_distances_test.cpp: the block tables against a breadth-first search near each start,
// and their paths applied to the start. (OptimizeBlocks' tests check 3 x 3 distances far out.)
#include "solver/block_distances.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Labels = std::vector<std::uint8_t>;

Labels StartLabels(int cells) {
  Labels labels(cells);
  for (int cell = 0; cell < cells; ++cell) labels[cell] = static_cast<std::uint8_t>(cell);
  return labels;
}

// The labels after the blank, starting at `start`, made the moves; false when one leaves.
bool Apply(const MoveSequence& moves, int rows, int cols, int start, Labels& labels) {
  int blank = start;
  for (const char letter : moves) {
    int row = blank / cols, col = blank % cols;
    row += letter == 'D' ? 1 : letter == 'U' ? -1 : 0;
    col += letter == 'R' ? 1 : letter == 'L' ? -1 : 0;
    if (row < 0 || row >= rows || col < 0 || col >= cols) return false;
    std::swap(labels[blank], labels[row * cols + col]);
    blank = row * cols + col;
  }
  return true;
}

TEST(BlockDistances, EveryStartAndShapeMatchesABreadthFirstSearchNearIt) {
  for (const auto& [rows, cols] : {std::pair{3, 3}, {2, 4}, {4, 2}, {2, 3}, {1, 3}}) {
    const BlockDistances table(rows, cols);
    const int cells = rows * cols;
    for (int start = 0; start < cells; ++start) {
      std::map<Labels, int> distance = {{StartLabels(cells), 0}};
      std::vector<std::pair<Labels, int>> layer = {{StartLabels(cells), start}};
      for (int depth = 1; depth <= 10 && !layer.empty(); ++depth) {
        std::vector<std::pair<Labels, int>> next;
        for (const auto& [labels, blank] : layer) {
          for (const char letter : std::string("UDLR")) {
            Labels moved = labels;
            if (!Apply(std::string(1, letter), rows, cols, blank, moved)) continue;
            if (!distance.emplace(moved, depth).second) continue;
            const int target =
                static_cast<int>(std::find(moved.begin(), moved.end(), start) - moved.begin());
            next.emplace_back(moved, target);
          }
        }
        layer = next;
      }
      for (const auto& [labels, steps] : distance) {
        ASSERT_EQ(steps, table.Distance(start, labels.data())) << rows << "x" << cols;
        const MoveSequence path = table.ShortestPath(start, labels.data());
        Labels reached = StartLabels(cells);
        EXPECT_EQ(static_cast<size_t>(steps), path.size());
        EXPECT_TRUE(Apply(path, rows, cols, start, reached));
        EXPECT_EQ(labels, reached);
      }
    }
  }
}

TEST(BlockDistances, RefusesWhatIsNoPosition) {
  const BlockDistances& table = BlockDistances::ThreeByThree();
  Labels labels = StartLabels(9);
  std::swap(labels[0], labels[1]);  // an odd permutation with the blank where it started
  EXPECT_EQ(BlockDistances::UNREACHABLE, table.Distance(8, labels.data()));
  EXPECT_EQ("", table.ShortestPath(8, labels.data()));
  labels[0] = labels[1];
  EXPECT_EQ(BlockDistances::UNREACHABLE, table.Distance(8, labels.data()));
  labels[0] = 9;
  EXPECT_EQ(BlockDistances::UNREACHABLE, table.Distance(8, labels.data()));
  EXPECT_EQ(BlockDistances::UNREACHABLE, table.Distance(9, StartLabels(9).data()));
  EXPECT_EQ(BlockDistances::UNREACHABLE, BlockDistances(4, 4).Distance(0, StartLabels(16).data()));
}

}  // namespace
