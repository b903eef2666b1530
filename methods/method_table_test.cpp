// method_table_test.cpp: every method solves every kind of solvable board, refuses the rest, and
// gives exactly the moves it always gave.
#include "methods/method_table.h"

#include <gtest/gtest.h>

#include "board/random_draw.h"
#include "test_support/sample_boards.h"
#include "test_support/signature.h"

namespace {

// Solves the board with every method; each solution must reach the goal letter by letter, with
// no fault met on the way.
void ExpectSolvedByAll(const Board& board, const std::string& name) {
  for (const Method& method : Methods()) {
    const SolveResult result = method.solve(board);
    ASSERT_TRUE(result.Solved()) << method.command << " " << name;
    EXPECT_TRUE(SolvesBoard(board, result.moves)) << method.command << " " << name;
    EXPECT_EQ("", result.faults) << method.command << " " << name;
  }
}

}  // namespace

TEST(Methods, SolveRandomNearGoalAndPartlyHomeBoards) {
  SeedRandom(1);
  for (unsigned n = 3; n <= 20; ++n) {
    for (int k = 0; k < 6; ++k) ExpectSolvedByAll(RandomSolvableBoard(n), "random");
    if (n > 16) continue;
    for (int moves : {1, 3, 13, 300}) ExpectSolvedByAll(NearGoalBoard(n, moves), "near");
    for (int k = 0; k < 8; ++k) ExpectSolvedByAll(PartlyHomeBoard(n), "partly home");
  }
}

TEST(Methods, RefuseWhatCannotBeSolvedAndSaySoOnly) {
  Board swapped = GoalBoard(4), repeated = GoalBoard(4), fewCells = GoalBoard(4), tooLarge;
  std::swap(swapped.tiles[0], swapped.tiles[1]);
  repeated.tiles[0] = 2;
  fewCells.tiles.pop_back();
  tooLarge.n = 101;
  tooLarge.tiles.assign(101 * 101, 0);
  for (const Method& method : Methods()) {
    for (const Board& board : {swapped, repeated, fewCells, tooLarge, Board()}) {
      const SolveResult result = method.solve(board);
      EXPECT_EQ(Refusal::CANNOT_SOLVE, result.refusal) << method.command << " " << board.n;
      EXPECT_EQ("", result.moves + result.faults) << method.command;
    }
  }
}

// The moves of every method on fixed boards: any change to a solver's output shows here. When a
// change is meant, or a method is added, the failure gives the lines to put in `expected` (command,
// moves, checksum); say in the commit how the signature changed.
TEST(Methods, SignatureIsUnchanged) {
  const std::string expected =
      "solve 1692498 1959629307739056785\n"
      "solve2 1553106 12671637941468255265\n"
      "solve3 1018730 8296812620452475223\n";
  const Signature signature = ComputeSignature(Methods());
  std::string entries;
  for (const Signature::Entry& entry : signature.methods) {
    entries +=
        entry.command + " " + std::to_string(entry.moves) + " " + std::to_string(entry.hash) + "\n";
  }
  EXPECT_EQ(expected, entries);
  EXPECT_EQ(84u, signature.boards);
}

TEST(Methods, SignatureLineNamesEveryMethodsMoves) {
  Signature signature;
  signature.methods = {{"solve", 12, 1}, {"solve4", 3, 2}};
  signature.boards = 84;
  EXPECT_EQ("signature: solve 12 moves, solve4 3 moves over 84 boards", signature.Line());
}
