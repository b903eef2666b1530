// solve2_command_test.cpp: the command solve2, its report, and apply and solution after it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "board/random_draw.h"
#include "console/command_loop.h"
#include "solver/solution_optimizer.h"

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
  const std::string marker = "\nSolution: ";
  const size_t start = output.find(marker) + marker.size();
  ASSERT_NE(std::string::npos, output.find(marker)) << output;
  const std::string solution = output.substr(start, output.find('\n', start) - start);
  ASSERT_EQ(std::string::npos, solution.find_first_not_of("UDLR")) << solution;
  const std::string expected =
      "\n: \n3 ... \nSolved in 0.0 seconds ( 0.0 of it solving 3x3 puzzle)"
      "\nSolution found! \n\tlength:\t" +
      std::to_string(solution.size()) + "\n\nOptimized solution length:\t" +
      std::to_string(OptimizeSolution(solution).size()) +
      "\n\n: \n...applying solution: \nSolution: " + solution +
      "\nResult: \n\nSize: 4x4\nManhattan distance: 0\nSolvable: Yes\n\nTiles: \n"
      "\n   1   2   3   4\n   5   6   7   8\n   9  10  11  12\n  13  14  15   0\n: ";
  ASSERT_GE(output.size(), expected.size());
  EXPECT_EQ(expected, output.substr(output.size() - expected.size()));
}
