// end_game_search_test.cpp: shortest 3 x 3 solutions, checked against a breadth-first search of
// every solvable position and against a plain priority queue for the choice among equals.
#include "solver/end_game_search.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <queue>
#include <sstream>
#include <unordered_map>

#include "board/random_draw.h"
#include "board/sample_boards.h"

namespace {

using Cells = std::vector<int>;

Board ThreeByThree(const Cells& cells) {
  return BoardOf(3, cells);
}

std::uint64_t Key(const Cells& cells) {
  std::uint64_t key = 0;
  for (int i = 0; i < 9; ++i) key |= static_cast<std::uint64_t>(cells[i]) << (4 * i);
  return key;
}

// Distance from the goal of every solvable position, by breadth-first search from the goal.
class EndGame : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    distances = new std::unordered_map<std::uint64_t, int>();
    byDistance = new std::vector<std::vector<Cells>>();
    const Cells goal = {1, 2, 3, 4, 5, 6, 7, 8, 0};
    std::deque<Cells> queue = {goal};
    (*distances)[Key(goal)] = 0;
    while (!queue.empty()) {
      const Cells cells = queue.front();
      queue.pop_front();
      const int distance = distances->at(Key(cells));
      if (static_cast<int>(byDistance->size()) <= distance) byDistance->resize(distance + 1);
      (*byDistance)[distance].push_back(cells);
      Board board = ThreeByThree(cells);
      for (const char letter : std::string("UDLR")) {
        Board next = board;
        if (!next.MoveBlank(letter)) continue;
        if (distances->emplace(Key(next.tiles), distance + 1).second) queue.push_back(next.tiles);
      }
    }
  }
  static void TearDownTestSuite() {
    delete distances;
    delete byDistance;
  }

  // Solves the position and checks the answer is a shortest one that really solves it.
  static MoveSequence SolveAndCheck(const Cells& cells) {
    const MoveSequence solution = Solve3x3(ThreeByThree(cells));
    EXPECT_EQ(distances->at(Key(cells)), static_cast<int>(solution.size()));
    Board board = ThreeByThree(cells);
    std::ostringstream out;
    EXPECT_TRUE(board.ApplySequence(solution, out)) << out.str();
    EXPECT_EQ((Cells{1, 2, 3, 4, 5, 6, 7, 8, 0}), board.tiles);
    return solution;
  }

  static std::unordered_map<std::uint64_t, int>* distances;
  static std::vector<std::vector<Cells>>* byDistance;
};

std::unordered_map<std::uint64_t, int>* EndGame::distances = nullptr;
std::vector<std::vector<Cells>>* EndGame::byDistance = nullptr;

// The search as a plain priority queue of separately held nodes, each with its path as text.
MoveSequence ReferenceSearch(const Cells& start) {
  struct Node {
    Cells cells;
    MoveSequence path;
    int blank;
    int estimate;
  };
  const auto estimateOf = [](const Cells& cells) {
    int sum = 0;
    for (int i = 0; i < 9; ++i) {
      if (cells[i] != 0) {
        sum += std::abs((cells[i] - 1) / 3 - i / 3) + std::abs((cells[i] - 1) % 3 - i % 3);
      }
    }
    return sum;
  };
  const auto costlier = [](const Node* a, const Node* b) {
    return a->path.size() + a->estimate > b->path.size() + b->estimate;
  };
  std::priority_queue<Node*, std::deque<Node*>, decltype(costlier)> open(costlier);
  int blank = 0;
  for (int i = 0; i < 9; ++i) blank = start[i] == 0 ? i : blank;
  open.push(new Node{start, "", blank, estimateOf(start)});
  MoveSequence result;
  while (!open.empty()) {
    Node* node = open.top();
    open.pop();
    if (node->estimate == 0) {
      result = node->path;
      delete node;
      break;
    }
    const char last = node->path.empty() ? ' ' : node->path.back();
    const int b = node->blank;
    const struct {
      char letter, opposite;
      bool allowed;
      int target;
    } moves[] = {{'U', 'D', b > 2, b - 3},
                 {'D', 'U', b < 6, b + 3},
                 {'L', 'R', b % 3 != 0, b - 1},
                 {'R', 'L', b % 3 != 2, b + 1}};
    for (const auto& move : moves) {
      if (!move.allowed || last == move.opposite) continue;
      Node* child = new Node(*node);
      child->cells[b] = child->cells[move.target];
      child->cells[move.target] = 0;
      child->blank = move.target;
      child->path += move.letter;
      child->estimate = estimateOf(child->cells);
      open.push(child);
    }
    delete node;
  }
  while (!open.empty()) {
    delete open.top();
    open.pop();
  }
  return result;
}

}  // namespace

TEST_F(EndGame, SolvedBoardNeedsNothing) {
  EXPECT_EQ("", Solve3x3(ThreeByThree({1, 2, 3, 4, 5, 6, 7, 8, 0})));
}

TEST_F(EndGame, OneMoveAway) {
  EXPECT_EQ("R", Solve3x3(ThreeByThree({1, 2, 3, 4, 5, 6, 7, 0, 8})));
  EXPECT_EQ("D", Solve3x3(ThreeByThree({1, 2, 3, 4, 5, 0, 7, 8, 6})));
}

TEST_F(EndGame, HardestPositionsAreSolvedInThirtyOneMoves) {
  ASSERT_EQ(32u, byDistance->size());
  // The benchmarks time these two.
  EXPECT_EQ((std::vector<Cells>{{8, 6, 7, 2, 5, 4, 3, 0, 1}, {6, 4, 7, 8, 5, 0, 3, 2, 1}}),
            byDistance->back());
  for (const Cells& cells : byDistance->back()) EXPECT_EQ(31u, SolveAndCheck(cells).size());
}

TEST_F(EndGame, SampleOfAllDistancesIsShortestWithoutBackSteps) {
  SeedRandom(17);
  for (int i = 0; i < 3000; ++i) {
    const auto& level = (*byDistance)[1 + DrawRandom() % (byDistance->size() - 1)];
    const MoveSequence solution = SolveAndCheck(level[DrawRandom() % level.size()]);
    for (size_t j = 1; j < solution.size(); ++j) {
      const std::string pair = solution.substr(j - 1, 2);
      EXPECT_TRUE(pair != "UD" && pair != "DU" && pair != "LR" && pair != "RL") << solution;
    }
  }
}

TEST_F(EndGame, AmongEqualSolutionsPicksWhatTheHeapOrderPicks) {
  SeedRandom(23);
  for (int i = 0; i < 300; ++i) {
    const auto& level = (*byDistance)[1 + DrawRandom() % (byDistance->size() - 1)];
    const Cells& cells = level[DrawRandom() % level.size()];
    EXPECT_EQ(ReferenceSearch(cells), Solve3x3(ThreeByThree(cells)));
  }
}

TEST_F(EndGame, RefusesWhatItCannotSolve) {
  EXPECT_EQ("", Solve3x3(ThreeByThree({2, 1, 3, 4, 5, 6, 7, 8, 0})));  // one swap: unsolvable
  EXPECT_EQ("", Solve3x3(ThreeByThree({1, 1, 3, 4, 5, 6, 7, 8, 0})));  // not a permutation
  EXPECT_EQ("", Solve3x3(ThreeByThree({1, 2, 3, 4, 5, 6, 7, 9, 0})));
  EXPECT_EQ("", Solve3x3(ThreeByThree({1, 2, 3, 4, 5, 6, 7, 8, -1})));
  EXPECT_EQ("", Solve3x3(Board()));
}

TEST_F(EndGame, ReadsTheFirstNineCells) {
  Board board = ThreeByThree({1, 2, 3, 4, 5, 6, 7, 0, 8});
  board.tiles.push_back(42);
  EXPECT_EQ("R", Solve3x3(board));
}
