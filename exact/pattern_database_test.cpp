// pattern_database_test.cpp: the tables the program carries against a plain search over a
// group's tiles and the blank, and the diagonal symmetry of the estimate.
#include "exact/pattern_database.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <deque>
#include <map>

#include "board/random_draw.h"

namespace {

// The fewest moves of the group's tiles from each placement to the goal placement, the blank
// moving through the other cells at no cost: a search over the group's cells with the blank's
// cell last, moves of cost 0 going to the front of the queue, so that states leave it in order
// of cost. Placements more than maxCost moves away are left out.
std::map<std::vector<int>, int> GroupDistances(const std::vector<int>& goal, int maxCost) {
  std::map<std::vector<int>, int> cost, distances;
  std::deque<std::vector<int>> queue;
  for (int blank = 0; blank < 16; ++blank) {
    if (std::find(goal.begin(), goal.end(), blank) != goal.end()) continue;
    queue.push_back(goal);
    queue.back().push_back(blank);
    cost[queue.back()] = 0;
  }
  while (!queue.empty()) {
    const std::vector<int> state = queue.front();
    queue.pop_front();
    const int here = cost.at(state), blank = state.back();
    distances.emplace(std::vector<int>(state.begin(), state.end() - 1), here);
    for (const int step : {-4, 4, -1, 1}) {
      const int target = blank + step;
      if (target < 0 || target >= 16 || (step == 1 && target % 4 == 0) ||
          (step == -1 && blank % 4 == 0)) {
        continue;
      }
      std::vector<int> next = state;
      next.back() = target;
      const auto tile = std::find(next.begin(), next.end() - 1, target);
      const int stepCost = tile == next.end() - 1 ? 0 : 1;
      if (stepCost == 1) *tile = blank;
      const auto known = cost.find(next);
      if (here + stepCost > maxCost || (known != cost.end() && known->second <= here + stepCost)) {
        continue;
      }
      cost[next] = here + stepCost;
      stepCost == 0 ? queue.push_front(next) : queue.push_back(next);
    }
  }
  return distances;
}

TEST(PatternDatabase4x4, TableHoldsTheGroupsShortestMoves) {
  const PatternDatabase4x4& database = PatternDatabase4x4::Shared();
  // The table starts from every region of the blank at the goal, as this search does.
  const auto seven = GroupDistances({0, 1, 4, 5, 8, 9, 13}, 5);
  EXPECT_GT(seven.size(), 1000u);
  const int tiles[7] = {1, 2, 5, 6, 9, 10, 14};
  for (const auto& [cells, distance] : seven) {
    TileCells cellOf{};
    for (size_t i = 0; i < 7; ++i) cellOf[tiles[i]] = static_cast<std::uint8_t>(cells[i]);
    EXPECT_EQ(distance, database.Value(0, cellOf));
  }
}

TEST(PatternDatabase4x4, SharedTableTakesNoMoreMemoryThanItsOwnSize) {
#ifdef NPUZZLE_SANITIZE
  GTEST_SKIP() << "the sanitizers take memory of their own";
#endif
  // The table is copied out of the program's data: the stored pages must be let go, or the
  // program holds it twice.
  rusage before{}, after{};
  getrusage(RUSAGE_SELF, &before);
  PatternDatabase4x4::Shared();
  getrusage(RUSAGE_SELF, &after);
  const long tableKb = static_cast<long>(PatternDatabase4x4::SEVEN_TILE_TABLE_BYTES / 1024);
  EXPECT_LT(after.ru_maxrss - before.ru_maxrss, tableKb + tableKb / 4);
}

TEST(PatternDatabase4x4, RanksFollowTheMovesOfEveryGroup) {
  const PatternDatabase4x4& database = PatternDatabase4x4::Shared();
  // From the goal, one cell past the board holding 0, a random walk of the blank moves every
  // group's tiles along rows and columns, past tiles before and after them in the table's order.
  std::array<std::uint8_t, 17> cellTiles{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0, 0};
  TileCells cellOf{15, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
  std::uint32_t ranks[PatternDatabase4x4::GROUPS];
  for (int g = 0; g < PatternDatabase4x4::GROUPS; ++g) ranks[g] = database.Rank(g, cellOf);
  SeedRandom(5);
  for (int step = 0; step < 20000; ++step) {
    const int blank = cellOf[0], row = blank / 4 + DrawRandom() % 3 - 1;
    const int col = row == blank / 4 ? blank % 4 + (DrawRandom() % 2 ? 1 : -1) : blank % 4;
    if (row < 0 || row > 3 || col < 0 || col > 3 || row * 4 + col == blank) continue;
    const int cell = row * 4 + col, tile = cellTiles[cell];
    for (int g = 0; g < PatternDatabase4x4::GROUPS; ++g) {
      if (database.GroupsOf(tile) >> g & 1)
        ranks[g] = PatternDatabase4x4::MovedRank(database.MembershipOf(g, tile), ranks[g],
                                                 cellTiles.data(), cell, blank);
    }
    std::swap(cellTiles[cell], cellTiles[blank]);
    std::swap(cellOf[tile], cellOf[0]);
    for (int g = 0; g < PatternDatabase4x4::GROUPS; ++g)
      ASSERT_EQ(database.Rank(g, cellOf), ranks[g]);
  }
}

}  // namespace
