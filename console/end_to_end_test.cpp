// end_to_end_test.cpp: the built program, run with piped input.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

struct ProgramRun {
  std::string output;
  int exitCode = -1;
};

// Runs the program with the text as its standard input.
ProgramRun RunProgram(const std::string& input) {
  const std::string inputName = ::testing::TempDir() + "npuzzle_input_" + std::to_string(getpid());
  std::ofstream(inputName) << input;
  const std::string command = std::string(NPUZZLE_BINARY) + " < " + inputName;
  ProgramRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  size_t got;
  while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, got);
  const int status = pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::remove(inputName.c_str());
  return run;
}

}  // namespace

TEST(EndToEnd, PipedSessionPrintsTheGoalBoard) {
  const ProgramRun run = RunProgram("new 3 print exit\n");
  EXPECT_EQ(0, run.exitCode);
  const std::string expectedEnd =
      "\n\texit\t...\texit the program\n: \nInsert n : \n: "
      "\n\nSize: 3x3\nManhattan distance: 0\nSolvable: Yes\n\nTiles: \n"
      "\n   1   2   3\n   4   5   6\n   7   8   0\n: ";
  ASSERT_GE(run.output.size(), expectedEnd.size());
  EXPECT_EQ(expectedEnd, run.output.substr(run.output.size() - expectedEnd.size()));
  EXPECT_EQ(0u, run.output.find("\n ***(n^2-1) Puzzles***\n\n"));
}

TEST(EndToEnd, EndOfInputWhileWaitingForAnArgument) {
  const ProgramRun run = RunProgram("new");
  EXPECT_EQ(0, run.exitCode);
  const std::string end = "\n: \nInsert n : ";
  ASSERT_GE(run.output.size(), end.size());
  EXPECT_EQ(end, run.output.substr(run.output.size() - end.size()));
}
