// method_table_test.cpp: every method solves every kind of solvable board, refuses the rest, and
// gives exactly the moves it always gave.
#include "methods/method_table.h"

#include <gtest/gtest.h>

#include "board/random_draw.h"
#include "npuzzle_version.h"
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

namespace {

// Command, moves and checksum of each method, a line each.
std::string Entries(const Signature& signature) {
  std::string entries;
  for (const Signature::Entry& entry : signature.methods) {
    entries +=
        entry.command + " " + std::to_string(entry.moves) + " " + std::to_string(entry.hash) + "\n";
  }
  return entries;
}

}  // namespace

// The moves of every method on fixed boards: any change to a solver's output shows here, on the
// benchmark's boards (sides 3 to 30) or on one board of each of four larger sides. When a change
// is meant, or a method is added, the failure gives the lines to put in `expected` (command,
// moves, checksum); say in the commit how the signature changed. Raise the version too, in the
// same commit: the study tool writes it into its files, and its merge refuses files of different
// versions, which must not mix solutions of different methods under one name.
TEST(Methods, SignatureIsUnchanged) {
  const std::string expected =
      "solve 1692498 1959629307739056785\n"
      "solve2 1553106 12671637941468255265\n"
      "solve3 1018730 8296812620452475223\n";
  const std::string expectedLarger =
      "solve 3959881 4783063955992788751\n"
      "solve2 3608943 7591431524865373730\n"
      "solve3 2389311 11775825035717499949\n";
  const char* const version = "1.3.0";
  const Signature signature = ComputeSignature(Methods());
  EXPECT_EQ(expected, Entries(signature));
  EXPECT_EQ(84u, signature.boards);
  EXPECT_EQ(expectedLarger, Entries(ComputeSignature(Methods(), {35, 55, 75, 95}, 1)));
  EXPECT_STREQ(version, NPUZZLE_VERSION);
}
