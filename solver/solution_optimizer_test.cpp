// solution_optimizer_test.cpp: back-steps removed, nested ones included.
#include "solver/solution_optimizer.h"

#include <gtest/gtest.h>

#include "board/random_draw.h"

TEST(OptimizeSolution, LongSequencesAsALetterByLetterStack) {
  // Long runs with few undone pairs, as solutions are, are kept sixteen letters at a time:
  // they must come out as a plain stack makes them, whatever falls on a block's edge.
  SeedRandom(9);
  MoveSequence scratch;
  for (int round = 0; round < 300; ++round) {
    MoveSequence sequence;
    const size_t length = static_cast<size_t>(DrawRandom() % 200);
    while (sequence.size() < length) {
      const int kind = DrawRandom() % 40;
      const char* rare[] = {"UD", "RL", "X"};
      sequence += kind < 3
                      ? MoveSequence(rare[kind])
                      : MoveSequence(1, "ULDR"[DrawRandom() % 2 == 0 ? kind % 4 : (kind + 1) % 4]);
    }
    MoveSequence stack;
    for (const char letter : sequence) {
      const size_t last = stack.empty() ? 4 : MoveSequence("UDLR").find(stack.back());
      if (last < 4 && letter == "DURL"[last]) {
        stack.pop_back();
      } else {
        stack += letter;
      }
    }
    ASSERT_EQ(stack, OptimizeSolution(sequence)) << sequence;
    ASSERT_EQ(stack.size(), OptimizedLength(sequence.data(), sequence.size(), scratch));
  }
}
