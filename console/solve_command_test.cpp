// solve_command_test.cpp: solve, apply and solution at the prompt.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <utility>

#include "board/random_draw.h"
#include "console/command_loop.h"

namespace {

const std::string PROMPT = "\n: ";
const std::string TIME_LINE = "\nSolved in 0.0 seconds ( 0.0 of it solving 3x3 puzzle)";
const std::string GOAL_4 =
    "\n\nSize: 4x4\nManhattan distance: 0\nSolvable: Yes\n\nTiles: \n"
    "\n   1   2   3   4\n   5   6   7   8\n   9  10  11  12\n  13  14  15   0";

// Output of the commands after the start-up help and first prompt, one entry per command.
std::vector<std::string> Outputs(const std::string& input) {
  std::istringstream in(input + " exit");
  std::ostringstream out;
  CommandLoop loop(in, out);
  loop.Run();
  std::vector<std::string> outputs;
  const std::string text = out.str();
  size_t start = text.find(PROMPT) + PROMPT.size();
  for (size_t next; (next = text.find(PROMPT, start)) != std::string::npos;
       start = next + PROMPT.size()) {
    outputs.push_back(text.substr(start, next - start));
  }
  return outputs;
}

// Outputs of `dl` of a plain board file holding the tiles, followed by the commands.
std::vector<std::string> OutputsAfterLoading(const std::string& tiles,
                                             const std::string& commands) {
  const std::string name = ::testing::TempDir() + "solve_command_" + std::to_string(getpid());
  std::ofstream(name) << tiles;
  auto outputs = Outputs("dl " + name + " " + commands);
  std::remove(name.c_str());
  return outputs;
}

// The board a session leaves current.
Board BoardAfter(const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out;
  CommandLoop loop(in, out);
  loop.Run();
  return loop.CurrentBoard();
}

}  // namespace

TEST(SolveCommand, ApplyAndSolutionBeforeAnySolve) {
  const auto outputs = Outputs("new 4 apply solution");
  ASSERT_EQ(3u, outputs.size());
  EXPECT_EQ("\n...applying solution: \nSolution: \nResult: " + GOAL_4, outputs[1]);
  EXPECT_EQ("\nOptimized solution: \n\tlength:\t0\n", outputs[2]);
}

TEST(SolveCommand, SolvedBoardPrintsOnlyTheTimeLine) {
  const auto outputs = Outputs("new 4 solve solution");
  ASSERT_EQ(3u, outputs.size());
  EXPECT_EQ(TIME_LINE, outputs[1]);
  EXPECT_EQ("\nOptimized solution: \n\tlength:\t0\n", outputs[2]);
}

// Every refused board, with either solver: the refusal alone, and no solution kept from an
// earlier solve.
TEST(SolveCommand, RefusalIsNoSolution) {
  const std::pair<const char*, const char*> boards[] = {
      {"unsolvable", "2 1 3\n4 5 6\n7 8 0\n"},
      {"side 2", "1 2\n3 0\n"},
      {"side 1", "0"},
      {"not a permutation", "1 2 3\n4 5 6\n7 7 0\n"},
      {"no blank", "1 2 3\n4 5 6\n7 9 8\n"},
  };
  for (const char* solve : {"solve", "solve2"}) {
    for (const auto& [kind, tiles] : boards) {
      const auto outputs =
          OutputsAfterLoading(tiles, std::string("rmove 0 ") + solve + " solution apply");
      ASSERT_EQ(5u, outputs.size()) << solve << " " << kind;
      EXPECT_EQ("\nCan't solve this puzzle...", outputs[2]) << solve << " " << kind;
      EXPECT_EQ("\nOptimized solution: \n\tlength:\t0\n", outputs[3]) << solve << " " << kind;
      EXPECT_EQ(0u, outputs[4].find("\n...applying solution: \nSolution: \nResult: \n\nSize: "))
          << solve << " " << kind;
    }
  }
  // No board at all.
  EXPECT_EQ("\nCan't solve this puzzle...", Outputs("solve2")[0]);
  EXPECT_EQ("\nCan't solve this puzzle...", Outputs("new 0 solve")[1]);
}

TEST(SolveCommand, SolvedBoardAfterAnEarlierSolveLeavesNoSolution) {
  for (const char* solve : {"solve", "solve2"}) {
    SeedRandom(5);
    const std::string twice = std::string(solve) + " new 4 " + solve;
    const auto outputs = Outputs("new 4 rmove 30 " + twice + " solution apply");
    ASSERT_EQ(7u, outputs.size()) << solve;
    EXPECT_NE(std::string::npos, outputs[2].find("Solution found!")) << solve;
    EXPECT_EQ("\nOptimized solution: \n\tlength:\t0\n", outputs[5]) << solve;
    EXPECT_EQ("\n...applying solution: \nSolution: \nResult: " + GOAL_4, outputs[6]) << solve;
  }
}

TEST(SolveCommand, OneMoveFromTheGoal) {
  const auto outputs = OutputsAfterLoading("1 2 3\n4 5 6\n7 0 8\n", "solve solution");
  ASSERT_EQ(3u, outputs.size());
  EXPECT_EQ(TIME_LINE + "\nSolution found! \n\tlength:\t1\n\nOptimized solution length:\t1\n",
            outputs[1]);
  EXPECT_EQ("\nOptimized solution: R\n\tlength:\t1\n", outputs[2]);
}

TEST(SolveCommand, SolveThenApplyShowsTheGoal) {
  SeedRandom(12);
  for (const char* side : {"3", "4", "7"}) {
    const auto outputs = Outputs(std::string("rand ") + side + " solve apply");
    ASSERT_EQ(3u, outputs.size());
    EXPECT_NE(std::string::npos, outputs[1].find("\nSolution found! \n\tlength:\t")) << side;
    EXPECT_EQ(std::string::npos, outputs[2].find("Warning")) << side;
    EXPECT_NE(std::string::npos, outputs[2].find("Manhattan distance: 0\nSolvable: Yes")) << side;
  }
}

TEST(SolveCommand, SolveLeavesTheCurrentBoardAlone) {
  for (const char* solve : {"solve", "solve2"}) {
    SeedRandom(13);
    const Board shuffled = BoardAfter("rand 5 exit");
    SeedRandom(13);
    const Board solved = BoardAfter(std::string("rand 5 ") + solve + " exit");
    std::ostringstream ignored;
    EXPECT_NE(0u, solved.ManhattanDistance(ignored)) << solve;
    EXPECT_EQ(shuffled.tiles, solved.tiles) << solve;
    EXPECT_EQ(shuffled.blank, solved.blank) << solve;
  }
}

TEST(SolveCommand, ApplyAfterTheBoardChangedWarnsLetterByLetter) {
  const auto outputs = OutputsAfterLoading("1 2 3\n4 5 6\n7 0 8\n", "solve new 2 apply");
  ASSERT_EQ(4u, outputs.size());
  EXPECT_EQ(
      "\n...applying solution: \nSolution: R\nResult: "
      "\nWarning: can't use this move - R (ApplySequence(R))"
      "\n\nSize: 2x2\nManhattan distance: 0\nSolvable: Yes\n\nTiles: \n\n   1   2\n   3   0",
      outputs[3]);
}
