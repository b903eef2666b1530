// solve2_command_test.cpp: the command solve2, its report, and apply and solution after it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>

#include "board/random_draw.h"
#include "console/command_loop.h"

namespace {

const std::string GOAL_4_PRINT =
    "\n\nSize: 4x4\nManhattan distance: 0\nSolvable: Yes\n\nTiles: \n"
    "\n   1   2   3   4\n   5   6   7   8\n   9  10  11  12\n  13  14  15   0";

struct Solve2Session {
  explicit Solve2Session(const std::string& input) : in(input), loop(in, out) { loop.Run(); }
  std::string Output() const { return out.str(); }

  std::istringstream in;
  std::ostringstream out;
  CommandLoop loop;
};

// A plain board file holding the tiles; removed again when the test ends.
struct BoardFile {
  explicit BoardFile(const std::string& tiles)
      : name(::testing::TempDir() + "solve2_" + std::to_string(getpid())) {
    std::ofstream(name) << tiles;
  }
  ~BoardFile() { std::remove(name.c_str()); }
  std::string name;
};

}  // namespace

TEST(Solve2Command, ReportsTheSolutionAndApplyReachesTheGoal) {
  SeedRandom(11);
  Solve2Session session("new 4 rmove 60 solve2 apply exit");
  const std::string output = session.Output();
  const std::regex report(
      "\\n: \\n3 \\.\\.\\. \\nSolved in [0-9]+\\.[0-9] seconds \\( [0-9]+\\.[0-9] of it solving "
      "3x3 puzzle\\)\\nSolution found! \\n\\tlength:\\t([0-9]+)\\n\\nOptimized solution "
      "length:\\t[0-9]+\\n\\n: \\n\\.\\.\\.applying solution: \\nSolution: ([UDLR]*)\\nResult: ");
  std::smatch match;
  ASSERT_TRUE(std::regex_search(output, match, report)) << output;
  EXPECT_EQ(std::stoul(match[1]), match[2].length());
  EXPECT_EQ(GOAL_4_PRINT + "\n: ", output.substr(match.position(0) + match.length(0)));
  // The current board is left as it was.
  SeedRandom(11);
  Solve2Session unsolved("new 4 rmove 60 exit");
  EXPECT_EQ(unsolved.loop.CurrentBoard().tiles, session.loop.CurrentBoard().tiles);
}

TEST(Solve2Command, UnsolvableBoardIsReportedLikeASolution) {
  BoardFile file("2 1 3 4 5 6 7 8 0");
  Solve2Session session("dl " + file.name + " solve2 solution exit");
  const std::string refusal = "Can't solve this puzzle...";
  EXPECT_NE(std::string::npos,
            session.Output().find("\n: \nSolution found! \n\tlength:\t26\n\nOptimized solution "
                                  "length:\t26\n\n: \nOptimized solution: " +
                                  refusal + "\n\tlength:\t26\n"));
}

TEST(Solve2Command, SolvedBoardLeavesTheLastSolution) {
  BoardFile file("1 2 3 4 5 6 7 0 8");
  Solve2Session session("dl " + file.name + " solve2 new 4 solve2 solution exit");
  EXPECT_NE(std::string::npos,
            session.Output().find("\n: \nOptimized solution: R\n\tlength:\t1\n"));
}
