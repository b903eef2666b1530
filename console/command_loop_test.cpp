// command_loop_test.cpp: whole sessions driven through string streams, the solve commands among
// them.
#include "console/command_loop.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <tuple>
#include <utility>

#include "board/random_draw.h"
#include "methods/method_table.h"
#include "solver/solution_optimizer.h"
#include "test_support/masked_text.h"

namespace {

const std::string HELP =
    "\n ***(n^2-1) Puzzles***\n\nList of commands:"
    "\n\thelp\t...\tprint this help"
    "\n\tcls\t...\tclear screen"
    "\n\tload\t...\tload puzzle from file"
    "\n\tsave\t...\tsave puzzle"
    "\n\tnew\t...\tnew puzzle n x n (tiles in their goal positions)"
    "\n\trand\t...\tnew puzzle n x n (random tiles positions)"
    "\n\tprint\t...\tprint current puzzle"
    "\n\trmove\t...\tdo n random moves"
    "\n\tsolve\t...\tsolve current puzzle (Parberry)"
    "\n\tsolve2\t...\tsolve current puzzle ('Snakes')"
    "\n\tapply\t...\tapply solution to current puzzle"
    "\n\tsolution\t...\tprint solution"
    "\n\texit\t...\texit the program";
const std::string PROMPT = "\n: ";
const std::string ASK_N = "\nInsert n : ";
const std::string ASK_MOVES = "\nInsert number of moves: ";
const std::string TIME_LINE = "\nSolved in T seconds ( T of it solving 3x3 puzzle)";
const std::string GOAL_3 =
    "\n\nSize: 3x3\nManhattan distance: 0\nSolvable: Yes\n\nTiles: \n"
    "\n   1   2   3\n   4   5   6\n   7   8   0";
const std::string GOAL_4 =
    "\n\nSize: 4x4\nManhattan distance: 0\nSolvable: Yes\n\nTiles: \n"
    "\n   1   2   3   4\n   5   6   7   8\n   9  10  11  12\n  13  14  15   0";

// Runs a whole session and keeps what it wrote and the board it ended with.
struct Session {
  explicit Session(const std::string& input) : in(input), loop(in, out) { exitCode = loop.Run(); }
  // What each command wrote, one entry per prompt after the start-up help.
  std::vector<std::string> Outputs() const {
    const std::string text = out.str();
    std::vector<std::string> outputs;
    size_t start = text.find(PROMPT) + PROMPT.size();
    for (size_t next; (next = text.find(PROMPT, start)) != std::string::npos;
         start = next + PROMPT.size()) {
      outputs.push_back(MaskTimes(text.substr(start, next - start)));
    }
    return outputs;
  }

  std::istringstream in;
  std::ostringstream out;
  CommandLoop loop;
  int exitCode = -1;
};

// The outputs of the commands before, of `dl` of a plain board file holding the tiles, then of
// the commands.
std::vector<std::string> OutputsAfterLoading(const std::string& tiles, const std::string& commands,
                                             const std::string& before = "") {
  const std::string name = ::testing::TempDir() + "command_loop_" + std::to_string(getpid());
  std::ofstream(name) << tiles;
  const auto outputs = Session(before + " dl " + name + " " + commands + " exit").Outputs();
  std::remove(name.c_str());
  return outputs;
}

}  // namespace

TEST(CommandLoop, HelpPromptsAndWords) {
  Session session("help Exit new 3 4 print exit");
  EXPECT_EQ(0, session.exitCode);
  std::istringstream in("new 3 print exit");
  std::ostream lost(nullptr);  // output that cannot be written is no success
  EXPECT_EQ(1, CommandLoop(in, lost).Run());
  EXPECT_EQ(HELP + PROMPT + HELP + PROMPT + "\nBad command" + PROMPT + ASK_N + PROMPT +
                "\nBad command" + PROMPT + GOAL_3 + PROMPT,
            session.out.str());
  std::istream unread(nullptr);  // nor is input that cannot be read its end
  EXPECT_EQ(1, CommandLoop(unread, session.out).Run());
}

TEST(CommandLoop, NewAndRandUpToTheLimit) {
  SeedRandom(5);
  Session session("new 101 new 100 new 0 print rand 6 exit");
  EXPECT_EQ((std::vector<std::string>{ASK_N + "Error - n must be <= 100\n", ASK_N, ASK_N,
                                      "No puzzle to be print!", ASK_N}),
            session.Outputs());
  const Board& board = session.loop.CurrentBoard();
  EXPECT_EQ(6u, board.n);
  EXPECT_TRUE(board.IsSolvable());
}

TEST(CommandLoop, RandomMovesEchoAndClear) {
  SeedRandom(9);
  Session session("new 4 rmove 0 rmove 30 rmove 9999999999 rmove -9999999999 test hello cls exit");
  const std::string outOfRange =
      ASK_MOVES + "Error - number of moves must lie between -2147483648 and 2147483647\n";
  EXPECT_EQ((std::vector<std::string>{ASK_N, ASK_MOVES + "0 random moves done",
                                      ASK_MOVES + "30 random moves done", outOfRange, outOfRange,
                                      "hello", "\x1b[2J\x1b[H"}),
            session.Outputs());
  const Board& board = session.loop.CurrentBoard();
  EXPECT_TRUE(board.IsSolvable());
  EXPECT_NE(GoalTiles(4), board.tiles);
  EXPECT_EQ(std::vector<int>{0}, Session("rmove 5 new 1 rmove 5 exit").loop.CurrentBoard().tiles);
}

TEST(SolveCommands, ReportApplyAndSolution) {
  const auto solve = OutputsAfterLoading("1 2 3\n4 5 6\n7 0 8\n", "solve solution apply");
  ASSERT_EQ(4u, solve.size());
  EXPECT_EQ(TIME_LINE + "\nSolution found! \n\tlength:\t1\n\nOptimized solution length:\t1\n",
            solve[1]);
  EXPECT_EQ("\nOptimized solution: R\n\tlength:\t1\n", solve[2]);
  EXPECT_EQ("\n...applying solution: \nSolution: R\nResult: " + GOAL_3, solve[3]);

  SeedRandom(11);
  const auto solve2 = Session("new 4 rmove 60 solve2 apply exit").Outputs();
  ASSERT_EQ(4u, solve2.size());
  const std::string marker = "\nSolution: ";
  const size_t start = solve2[3].find(marker) + marker.size();
  const std::string solution = solve2[3].substr(start, solve2[3].find('\n', start) - start);
  EXPECT_EQ("\n3 ... " + TIME_LINE + "\nSolution found! \n\tlength:\t" +
                std::to_string(solution.size()) + "\n\nOptimized solution length:\t" +
                std::to_string(OptimizeSolution(solution).size()) + "\n",
            solve2[2]);
  EXPECT_EQ("\n...applying solution: \nSolution: " + solution + "\nResult: " + GOAL_4, solve2[3]);
}

// Every refused board, no board at all among them, and the board already solved, with every
// method (a board without a blank warned of first, as print warns) (and the solvable 2 x 2 board
// with the two that take side 3 and up): the refusal or the time line alone, and no solution kept
// from the solve before.
TEST(SolveCommands, RefusalOrSolvedBoardLeavesNoSolution) {
  const std::string refusal = "\nCan't solve this puzzle...";
  const std::pair<const char*, std::string> boards[] = {
      {"2 1 3\n4 5 6\n7 8 0\n", refusal},                  // unsolvable
      {"2 1\n3 0\n", refusal},                             // unsolvable, side 2
      {"0", refusal},                                      // side 1
      {"1 2 3\n4 5 6\n7 7 0\n", refusal},                  // not a permutation
      {"1 2 3\n4 5 6\n7 9 8\n", BLANK_WARNING + refusal},  // no blank: the check warns
      {"1 2 3\n4 5 6\n7 8 0\n", TIME_LINE},
  };
  std::vector<std::tuple<std::string, const char*, std::string>> solves;
  for (const Method& method : Methods()) {
    // solve2 writes a line break before the sides it cuts off, none here.
    const std::string sides = method.command == std::string("solve2") ? "\n" : "";
    for (const auto& [tiles, said] : boards) {
      solves.push_back({method.command, tiles, said == TIME_LINE ? sides + said : said});
    }
    EXPECT_EQ(refusal, Session(std::string(method.command) + " exit").Outputs()[0]);
  }
  for (const char* solve : {"solve", "solve2"}) solves.push_back({solve, "1 2\n3 0\n", refusal});
  for (const auto& [solve, tiles, said] : solves) {
    SeedRandom(5);
    const auto outputs =
        OutputsAfterLoading(tiles, solve + " solution apply", "new 4 rmove 30 " + solve);
    ASSERT_EQ(7u, outputs.size()) << solve << " " << tiles;
    EXPECT_NE(std::string::npos, outputs[2].find("Solution found!")) << solve;
    EXPECT_EQ(said, outputs[4]) << solve << " " << tiles;
    EXPECT_EQ("\nOptimized solution: \n\tlength:\t0\n", outputs[5]) << solve << " " << tiles;
    EXPECT_EQ(0u, outputs[6].find("\n...applying solution: \nSolution: \nResult: \n\nSize: "))
        << solve << " " << tiles;
  }
}

TEST(SolveCommands, ApplyWarnsWhenTheBoardChanged) {
  const auto outputs = OutputsAfterLoading("1 2 3\n4 5 6\n7 0 8\n", "solve new 2 apply");
  ASSERT_EQ(4u, outputs.size());
  EXPECT_EQ(
      "\n...applying solution: \nSolution: R\nResult: "
      "\nWarning: can't use this move - R (ApplySequence(R))"
      "\n\nSize: 2x2\nManhattan distance: 0\nSolvable: Yes\n\nTiles: \n\n   1   2\n   3   0",
      outputs[3]);
}
