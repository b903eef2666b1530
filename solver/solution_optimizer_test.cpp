// solution_optimizer_test.cpp: back-steps removed, nested ones included.
#include "solver/solution_optimizer.h"

#include <gtest/gtest.h>

#include <sstream>

#include "board/random_draw.h"
#include "test_support/sample_boards.h"

TEST(OptimizeSolution, RemovesOppositePairs) {
  const struct {
    const char* input;
    const char* expected;
  } cases[] = {
      {"", ""},         {"UD", ""},     {"LR", ""},   {"RL", ""},
      {"ULDR", "ULDR"}, {"RRLL", ""},   {"UDDU", ""}, {"LURDUL", "LU"},
      {"UXD", "UXD"},   {"UUDL", "UL"}, {"RLU", "U"},
  };
  for (const auto& test : cases) {
    EXPECT_EQ(test.expected, OptimizeSolution(test.input)) << test.input;
  }
}

TEST(OptimizeSolution, ARandomWalkEndsWhereItEndedBefore) {
  SeedRandom(4);
  const Board start = NearGoalBoard(5, 40);
  Board walk = start;
  MoveSequence moves;
  while (moves.size() < 500) {
    const char letter = "UDLR"[DrawRandom() % 4];
    if (walk.MoveBlank(letter)) moves += letter;
  }
  const MoveSequence optimized = OptimizeSolution(moves);
  EXPECT_LT(optimized.size(), moves.size());
  EXPECT_EQ(OptimizeSolution(optimized), optimized);
  Board shortened = start;
  std::ostringstream out;
  ASSERT_TRUE(shortened.ApplySequence(optimized, out));
  EXPECT_EQ(walk.tiles, shortened.tiles);
}
