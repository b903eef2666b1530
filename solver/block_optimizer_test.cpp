// block_optimizer_test.cpp: shortened solutions leave exactly the board the originals leave;
// walks inside a 3 x 3 board come out at their shortest.
#include "solver/block_optimizer.h"

#include <gtest/gtest.h>

#include <sstream>

#include "board/random_draw.h"
#include "methods/method_table.h"
#include "solver/end_game_search.h"
#include "solver/position.h"
#include "solver/solution_optimizer.h"
#include "test_support/sample_boards.h"

namespace {

MoveSequence RandomWalk(Board board, size_t length) {
  MoveSequence moves;
  while (moves.size() < length) {
    const char letter = "UDLR"[DrawRandom() % 4];
    if (ApplyMoves(board, MoveSequence(1, letter))) moves += letter;
  }
  return moves;
}

// The board the moves leave, every letter applied or refused as ApplySequence does.
Board After(const Board& board, const MoveSequence& moves) {
  Board copy(board);
  ApplyMoves(copy, moves);
  return copy;
}

TEST(OptimizeBlocks, WalksInsideAThreeByThreeBoardComeOutShortest) {
  // From the goal, the shortest sequence to where a walk ends is as long as the shortest
  // solution back.
  SeedRandom(21);
  for (int i = 0; i < 200; ++i) {
    const Board goal = GoalBoard(3);
    const MoveSequence walk = RandomWalk(goal, 1 + static_cast<size_t>(i) % 60);
    const Board end = After(goal, walk);
    const MoveSequence shortest = OptimizeBlocks(walk, 3, goal.blank);
    EXPECT_EQ(Solve3x3(end).size(), shortest.size()) << walk;
    EXPECT_EQ(end.tiles, After(goal, shortest).tiles) << walk;
  }
}

TEST(OptimizeBlocks, LeavesTheSameBoardAsTheMovesOnEverySide) {
  SeedRandom(22);
  std::ostringstream messages;
  size_t before = 0, after = 0;
  for (unsigned n = 3; n <= 30; ++n) {
    const Board board = RandomSolvableBoard(n);
    std::vector<MoveSequence> sequences = {RandomWalk(board, 40 * n)};
    for (const Method& method : Methods()) {
      sequences.push_back(method.solve(board, messages).moves);
      sequences.push_back(OptimizeSolution(sequences.back()));
    }
    for (const MoveSequence& moves : sequences) {
      const MoveSequence shortened = OptimizeBlocks(moves, n, board.blank);
      EXPECT_LE(shortened.size(), moves.size());
      EXPECT_EQ(After(board, moves).tiles, After(board, shortened).tiles) << n;
      EXPECT_TRUE(SolvesBoard(board, shortened) || !SolvesBoard(board, moves)) << n;
      before += moves.size();
      after += shortened.size();
    }
  }
  EXPECT_LT(after, before);
}

TEST(OptimizeBlocks, KeepsRefusedLettersAndOddInputAsTheyAre) {
  const struct {
    const char* moves;
    unsigned n;
    unsigned blankStart;
    const char* expected;
  } cases[] = {
      {"", 4, 15, ""},
      {"UD", 4, 15, ""},
      {"LLUURRDD", 3, 8, "LLUURRDD"},  // a full circle of the border: the shortest one
      {"LURDLURDLURD", 3, 8, ""},      // three turns of a 2 x 2 ring put everything back
      {"RDUL", 4, 15, "RDUL"},         // R and D would leave the board: kept, the blank stays
      {"RDULRDDR", 4, 15, "RDDR"},     // ... and the stretch between them shortened
      {"UXD", 4, 15, "UXD"},           // a foreign letter ends the stretch
      {"UD", 2, 3, "UD"},              // no 3 x 3 block fits
      {"UD", 4, 16, "UD"},             // the blank off the board
      {"UD", 0, 0, "UD"},
      {"UD", 101, 0, "UD"},  // beyond the largest side
  };
  for (const auto& test : cases) {
    EXPECT_EQ(test.expected, OptimizeBlocks(test.moves, test.n, test.blankStart)) << test.moves;
  }
}

}  // namespace
