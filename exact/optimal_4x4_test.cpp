// optimal_4x4_test.cpp: shortest 4 x 4 and 2 x 2 solutions, checked against breadth-first
// distances from the goal and against published optimal lengths.
#include "exact/optimal_4x4.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>

#include "board/random_draw.h"
#include "exact/optimal_2x2.h"
#include "solver/position.h"
#include "test_support/sample_boards.h"

namespace {

// The solution is the first shortest one in the order U, D, L, R: at no step does a move earlier
// in that order leave a position that the rest of the solution's length would still solve.
void ExpectFirstShortestSolution(const Board& board, const MoveSequence& solution) {
  const std::string order = "UDLR";
  Board position(board);
  for (size_t i = 0; i < solution.size(); ++i) {
    for (const char earlier : order.substr(0, order.find(solution[i]))) {
      Board next(position);
      if (!ApplyMoves(next, MoveSequence(1, earlier))) continue;
      const size_t rest = solution.size() - i - 1;
      EXPECT_TRUE(!IsGoal(next) && SolveOptimal4x4(next).size() > rest)
          << solution << ": " << earlier << " at move " << i;
    }
    ASSERT_TRUE(ApplyMoves(position, solution.substr(i, 1)));
  }
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

// Positions that are their own mirror image about the main diagonal skip the mirrored moves
// at the root. Their shortest length is checked against one more than their children's, none
// of which is its own mirror image (the blank leaves the diagonal), and their budgeted solution
// must still be the first shortest one.
TEST(SolveOptimal4x4, OwnMirrorImagesKeepTheirShortestSolutions) {
  const auto mirrorOf = [](int tile) {
    return tile == 0 ? 0 : (tile - 1) % 4 * 4 + (tile - 1) / 4 + 1;
  };
  // The cells off the diagonal in mirror pairs, and the tiles whose homes they are.
  const int pairs[6][2] = {{1, 4}, {2, 8}, {3, 12}, {6, 9}, {7, 13}, {11, 14}};
  std::mt19937 random(11);
  int checked = 0;
  for (int trial = 0; checked < 12 && trial < 400; ++trial) {
    Board board = GoalBoard(4);
    // Pairs of tiles go to shuffled pairs of cells, either way round; the diagonal's tiles and
    // the blank are shuffled along the diagonal.
    int order[6] = {0, 1, 2, 3, 4, 5};
    std::shuffle(order, order + 6, random);
    for (int k = 0; k < 6; ++k) {
      const int tile = pairs[order[k]][0] + 1;
      const bool turned = random() % 2 == 1;
      board.tiles[pairs[k][0]] = turned ? mirrorOf(tile) : tile;
      board.tiles[pairs[k][1]] = turned ? tile : mirrorOf(tile);
    }
    int diagonal[4] = {1, 6, 11, 0};
    std::shuffle(diagonal, diagonal + 4, random);
    for (int k = 0; k < 4; ++k) board.tiles[5 * k] = diagonal[k];
    board.FindBlank();
    if (!board.IsSolvablePermutation()) continue;
    const Optimal4x4Search search = SolveOptimal4x4Within(board, 2000000);
    if (!search.complete) continue;
    ++checked;
    size_t fewest = SIZE_MAX;
    for (const char move : std::string("UDLR")) {
      Board child(board);
      if (ApplyMoves(child, MoveSequence(1, move))) {
        fewest = std::min(fewest, SolveOptimal4x4(child).size() + 1);
      }
    }
    EXPECT_EQ(fewest, search.moves.size()) << search.moves;
    EXPECT_EQ(fewest, SolveOptimal4x4(board).size());
    EXPECT_TRUE(SolvesBoard(board, search.moves)) << search.moves;
    ExpectFirstShortestSolution(board, search.moves);
  }
  EXPECT_EQ(12, checked);
}

// Each of these takes seconds to half a minute: the unit tests search the quickest of them,
// and the benchmark's "4x4 hardest" line all of them.
TEST(SolveOptimal4x4, HardestPositions) {
#ifdef NPUZZLE_SANITIZE
  GTEST_SKIP() << "the sanitizers slow this search down several times";
#endif
  const HardBoard4x4& hard = HardestBoards4x4()[13];  // the one the search answers soonest
  ExpectShortestSolution(hard.board, hard.length);
}

// Tried in the order U, D, L, R, the moves give the first shortest solution in that order: no
// other shortest solution of the same length comes before it.
TEST(SolveOptimal4x4Within, StopsAtTheBudgetAndOtherwiseFindsTheFirstShortestSolution) {
  const Board transposed = HardestBoards4x4().back().board;
  const Optimal4x4Search cut = SolveOptimal4x4Within(transposed, 100000);
  EXPECT_FALSE(cut.complete);
  EXPECT_EQ("", cut.moves);
  EXPECT_EQ(100000u, cut.nodes);
  // Three boards whose first shortest solution is not the one SolveOptimal4x4 finds.
  SeedRandom(46);
  int differing = 0;
  for (int i = 0; i < 30 && differing < 3; ++i) {
    const Board board = RandomSolvableBoard(4);
    const MoveSequence first = SolveOptimal4x4Within(board, UINT64_MAX).moves;
    if (first == SolveOptimal4x4(board)) continue;
    ++differing;
    ExpectFirstShortestSolution(board, first);
  }
  EXPECT_EQ(3, differing);
  const Optimal4x4Search refused = SolveOptimal4x4Within(GoalBoard(5), 10);
  EXPECT_TRUE(refused.complete);
  EXPECT_EQ("", refused.moves);
}

TEST(SolveNearOptimal4x4Within, AtMostHalfAsLongAgainAsTheShortest) {
  std::vector<HardBoard4x4> boards = {HardestBoards4x4().front(), HardestBoards4x4().back()};
  SeedRandom(46);
  for (int i = 0; i < 5; ++i) {
    const Board board = RandomSolvableBoard(4);
    boards.push_back({board, SolveOptimal4x4(board).size()});
  }
  for (const HardBoard4x4& hard : boards) {
    const Optimal4x4Search search = SolveNearOptimal4x4Within(hard.board, 10'000'000);
    ASSERT_TRUE(search.complete);
    EXPECT_TRUE(SolvesBoard(hard.board, search.moves)) << search.moves;
    EXPECT_GE(search.moves.size(), hard.length);
    EXPECT_LE(search.moves.size(), hard.length * 3 / 2);
  }
  EXPECT_FALSE(SolveNearOptimal4x4Within(HardestBoards4x4().back().board, 100).complete);
}

TEST(SolveOptimal4x4, RefusesWhatIsNoSolvablePosition) {
  // The goal, two tiles swapped, a tile twice, beyond 15 or negative, and a cell missing.
  std::vector<std::vector<int>> boards(6, GoalBoard(4).tiles);
  std::swap(boards[1][0], boards[1][1]);
  boards[2][0] = 2;
  boards[3][0] = 16;
  boards[4][0] = -1;
  boards[5].erase(boards[5].begin() + 14);
  for (const auto& tiles : boards) EXPECT_EQ("", SolveOptimal4x4(BoardOf(4, tiles)));
  for (const unsigned n : {0u, 3u, 5u}) EXPECT_EQ("", SolveOptimal4x4(GoalBoard(n)));
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
