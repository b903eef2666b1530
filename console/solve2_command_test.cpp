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

// The output of a whole session.
std::string Session(const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out;
  CommandLoop(in, out).Run();
  return out.str();
}

// A plain board file holding the tiles, removed again at the end of the test.
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
  const std::string output = Session("new 4 rmove 60 solve2 apply exit");
  const std::regex session(
      "\\n: \\n3 \\.\\.\\. \\nSolved in [0-9]+\\.[0-9] seconds \\( [0-9]+\\.[0-9] of it solving "
      "3x3 puzzle\\)\\nSolution found! \\n\\tlength:\\t([0-9]+)\\n\\nOptimized solution "
      "length:\\t[0-9]+\\n\\n: \\n\\.\\.\\.applying solution: \\nSolution: ([UDLR]+)\\nResult: "
      "\\n\\nSize: 4x4\\nManhattan distance: 0\\nSolvable: Yes\\n\\nTiles: \\n"
      "\\n   1   2   3   4\\n   5   6   7   8\\n   9  10  11  12\\n  13  14  15   0\\n: $");
  std::smatch match;
  ASSERT_TRUE(std::regex_search(output, match, session)) << output;
  EXPECT_EQ(std::stoul(match[1]), match[2].length());
}

TEST(Solve2Command, RefusalIsReportedLikeASolution) {
  BoardFile file("2 1 3 4 5 6 7 8 0");
  EXPECT_NE(std::string::npos,
            Session("dl " + file.name + " solve2 solution exit")
                .find("\n: \nSolution found! \n\tlength:\t26\n\nOptimized solution length:\t26\n"
                      "\n: \nOptimized solution: Can't solve this puzzle...\n\tlength:\t26\n"));
}
