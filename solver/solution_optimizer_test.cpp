// solution_optimizer_test.cpp: back-steps removed, nested ones included.
#include "solver/solution_optimizer.h"

#include <gtest/gtest.h>

#include <sstream>

#include "board/random_draw.h"

TEST(OptimizeSolution, RemovesOppositePairs) {
  const struct {
    const char* input;
    const char* expected;
  } cases[] = {
      {"", ""},         {"UD", ""},       {"DU", ""},     {"LR", ""},
      {"RL", ""},       {"ULDR", "ULDR"}, {"RRLL", ""},   {"UDDU", ""},
      {"LURDUL", "LU"}, {"UXD", "UXD"},   {"UUDL", "UL"}, {"RLU", "U"},
  };
  for (const auto& test : cases)
    EXPECT_EQ(test.expected, OptimizeSolution(test.input)) << test.input;
}

TEST(OptimizeSolution, EndsWhereTheOriginalEnds) {
  // A random walk of the blank, full of back-steps: the shortened walk leaves the same tiles.
  Board original;
  original.n = 5;
  for (int i = 1; i < 25; ++i) original.tiles.push_back(i);
  original.tiles.push_back(0);
  original.tiles[12] = 0;
  original.tiles[24] = 13;
  original.FindBlank();
  SeedRandom(4);
  MoveSequence moves;
  Board walk = original;
  while (moves.size() < 500) {
    const char letter = "UDLR"[DrawRandom() % 4];
    if (walk.MoveBlank(letter)) moves += letter;
  }
  Board full = original, shortened = original;
  std::ostringstream out;
  ASSERT_TRUE(full.ApplySequence(moves, out)) << out.str();
  const MoveSequence optimized = OptimizeSolution(moves);
  ASSERT_TRUE(shortened.ApplySequence(optimized, out));
  EXPECT_LT(optimized.size(), moves.size());
  EXPECT_EQ(full.tiles, shortened.tiles);
  for (size_t i = 1; i < optimized.size(); ++i) {
    EXPECT_EQ(2u, OptimizeSolution(optimized.substr(i - 1, 2)).size()) << i;
  }
}
