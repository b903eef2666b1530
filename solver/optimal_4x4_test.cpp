// optimal_4x4_test.cpp: shortest 4 x 4 and 2 x 2 solutions, checked against breadth-first
// distances from the goal and against published optimal lengths.
#include "solver/optimal_4x4.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <thread>
#include <unordered_map>

#include "board/random_draw.h"
#include "board/sample_boards.h"
#include "solver/optimal_2x2.h"
#include "solver/solution_optimizer.h"

namespace {

std::uint64_t Key(const std::vector<int>& tiles) {
  std::uint64_t key = 0;
  for (const int tile : tiles) key = (key << 4) | static_cast<std::uint64_t>(tile);
  return key;
}

// Every position of side n within maxDepth moves of the goal, by depth.
std::vector<std::vector<Board>> PositionsNearGoal(unsigned n, int maxDepth) {
  std::vector<std::vector<Board>> byDepth = {{GoalBoard(n)}};
  std::unordered_map<std::uint64_t, int> seen = {{Key(byDepth[0][0].tiles), 0}};
  for (int depth = 1; depth <= maxDepth; ++depth) {
    std::vector<Board> layer;
    for (const Board& board : byDepth.back()) {
      for (const char letter : std::string("UDLR")) {
        Board next(board);
        if (next.MoveBlank(letter) && seen.emplace(Key(next.tiles), depth).second) {
          layer.push_back(next);
        }
      }
    }
    if (layer.empty()) break;
    byDepth.push_back(layer);
  }
  return byDepth;
}

void ExpectShortestSolution(const Board& board, size_t length) {
  const MoveSequence solution = SolveOptimal4x4(board);
  EXPECT_EQ(length, solution.size()) << solution;
  EXPECT_TRUE(SolvesBoard(board, solution)) << solution;
}

TEST(SolveOptimal4x4, MatchesBreadthFirstDistances) {
  const auto byDepth = PositionsNearGoal(4, 14);
  ASSERT_EQ(15u, byDepth.size());
  for (size_t depth = 0; depth < byDepth.size(); ++depth) {
    // All of the first depths, then a spread sample of about sixty per depth.
    const size_t step = std::max<size_t>(1, byDepth[depth].size() / 60);
    for (size_t i = 0; i < byDepth[depth].size(); i += step) {
      ExpectShortestSolution(byDepth[depth][i], depth);
    }
  }
}

TEST(SolveOptimal4x4, NeverLongerThanARandomWalkBack) {
  SeedRandom(44);
  for (int walk = 0; walk < 40; ++walk) {
    Board board = GoalBoard(4);
    MoveSequence moves;
    while (moves.size() < static_cast<size_t>(20 + walk)) {
      const char letter = "UDLR"[DrawRandom() % 4];
      if (board.MoveBlank(letter)) moves += letter;
    }
    const MoveSequence solution = SolveOptimal4x4(board);
    EXPECT_TRUE(SolvesBoard(board, solution)) << solution;
    EXPECT_LE(solution.size(), OptimizeSolution(moves).size()) << moves;
    EXPECT_EQ(moves.size() % 2, solution.size() % 2) << moves;
  }
}

TEST(SolveOptimal4x4, PublishedBenchmarkLengths) {
  // Instances 55, 16, 42, 79, 12 and 17 of Korf's hundred random positions (1985), which take
  // the goal as 0 1 2 ... 15 with the blank first: turned half a turn about the centre and
  // renumbered, each is a position of this board's goal with the same optimal length.
  const struct {
    std::vector<int> tiles;
    size_t length;
  } cases[] = {
      {{13, 8, 14, 3, 9, 1, 0, 7, 15, 5, 4, 10, 12, 2, 6, 11}, 41},
      {{1, 3, 2, 5, 10, 9, 15, 6, 8, 14, 13, 11, 12, 4, 7, 0}, 42},
      {{4, 5, 7, 2, 9, 14, 12, 13, 0, 3, 6, 11, 8, 1, 15, 10}, 42},
      {{0, 1, 9, 7, 11, 13, 5, 3, 14, 12, 4, 2, 8, 6, 10, 15}, 42},
      {{14, 1, 9, 6, 4, 8, 12, 5, 7, 2, 3, 0, 10, 11, 13, 15}, 45},
      {{15, 14, 0, 4, 11, 1, 6, 13, 7, 5, 8, 9, 3, 2, 10, 12}, 66},
  };
  for (const auto& test : cases) {
    std::vector<int> tiles(16);
    for (int cell = 0; cell < 16; ++cell) {
      tiles[15 - cell] = test.tiles[cell] == 0 ? 0 : 16 - test.tiles[cell];
    }
    ExpectShortestSolution(BoardOf(4, tiles), test.length);
  }
}

TEST(SolveOptimal4x4, SameAnswerFromConcurrentCalls) {
  SeedRandom(7);
  std::vector<Board> boards;
  for (int i = 0; i < 4; ++i) boards.push_back(NearGoalBoard(4, 200));
  std::vector<MoveSequence> solutions(boards.size());
  std::vector<std::thread> threads;
  for (size_t i = 0; i < boards.size(); ++i) {
    threads.emplace_back([&, i] { solutions[i] = SolveOptimal4x4(boards[i]); });
  }
  for (std::thread& thread : threads) thread.join();
  for (size_t i = 0; i < boards.size(); ++i) {
    EXPECT_TRUE(SolvesBoard(boards[i], solutions[i])) << i;
    EXPECT_EQ(SolveOptimal4x4(boards[i]), solutions[i]) << i;
  }
}

TEST(SolveOptimal4x4, RefusesWhatIsNoSolvablePosition) {
  Board wrongCount = GoalBoard(4);
  wrongCount.tiles.pop_back();
  Board swapped = GoalBoard(4);
  std::swap(swapped.tiles[0], swapped.tiles[1]);
  Board duplicate = GoalBoard(4);
  duplicate.tiles[0] = 2;
  Board outOfRange = GoalBoard(4);
  outOfRange.tiles[3] = 16;
  Board negative = GoalBoard(4);
  negative.tiles[3] = -4;
  for (const Board& board : {GoalBoard(4), GoalBoard(3), GoalBoard(5), Board(), wrongCount, swapped,
                             duplicate, outOfRange, negative}) {
    EXPECT_EQ("", SolveOptimal4x4(board));
  }
}

TEST(SolveOptimal2x2, EveryReachablePositionByItsDistance) {
  const auto byDepth = PositionsNearGoal(2, 20);
  size_t positions = 0;
  for (size_t depth = 0; depth < byDepth.size(); ++depth) {
    for (const Board& board : byDepth[depth]) {
      const MoveSequence solution = SolveOptimal2x2(board);
      EXPECT_EQ(depth, solution.size()) << solution;
      EXPECT_TRUE(SolvesBoard(board, solution)) << solution;
      ++positions;
    }
  }
  EXPECT_EQ(12u, positions);
  EXPECT_EQ("", SolveOptimal2x2(BoardOf(2, {2, 1, 3, 0})));
  EXPECT_EQ("", SolveOptimal2x2(BoardOf(2, {1, 1, 3, 0})));
  EXPECT_EQ("", SolveOptimal2x2(GoalBoard(3)));
}

}  // namespace
