// solve_report_test.cpp: the texts of every kind of solve result, in the order the console
// writes them.
#include "console/solve_report.h"

#include <gtest/gtest.h>

#include <sstream>

#include "test_support/sample_boards.h"

TEST(SolveReport, EachOutcomeInOrder) {
  const std::clock_t second = CLOCKS_PER_SEC;
  SolveResult refused = SolveResult::Refused(Refusal::CANNOT_SOLVE);
  refused.reportsSides = true;
  SolveResult sides;
  sides.reportsSides = true;
  sides.trimmedSides = {4, 3};
  sides.times = {2 * second, second, 3};
  SolveResult truncated, truncatedToZero;
  truncated.times = {second * 129 / 100, second * 79 / 100, 3};
  truncatedToZero.times = {second / 11, second / 20, 4};
  SolveResult faulty = sides;
  faulty.faults = "<fault>";
  SolveResult trim = SolveResult::Refused(Refusal::TRIM_FAILED);
  trim.untrimmed = GoalBoard(0);
  trim.faults = "<fault>";
  SolveResult trimWithSides = trim;
  trimWithSides.reportsSides = true;
  trimWithSides.trimmedSides = {4};
  const std::string board = "No puzzle to be print!";
  const struct {
    SolveResult result;
    std::string text;
  } cases[] = {
      {refused, "\nCan't solve this puzzle..."},
      {SolveResult::Refused(Refusal::REDUCTION_FAILED), "\nError! Puzzle hasn't been solved..."},
      {SolveResult(), "\nSolved in 0.0 seconds ( 0.0 of it solving 3x3 puzzle)"},
      {truncated, "\nSolved in 1.2 seconds ( 0.7 of it solving 3x3 puzzle)"},
      {truncatedToZero, "\nSolved in 0.0 seconds ( 0.0 of it solving 4x4 puzzle)"},
      {faulty, "\n4 ... 3 ... <fault>\nSolved in 2.0 seconds ( 1.0 of it solving 3x3 puzzle)"},
      {trim, "<fault>Error! Can't trim board\n " + board + "\nError! Puzzle hasn't been solved..."},
      {trimWithSides, "\n4 ... <fault>Error! Can't trim board\n " + board +
                          "\nError! Puzzle hasn't been solved..."},
  };
  for (const auto& test : cases) {
    std::ostringstream out;
    WriteSolveOutcome(test.result, out);
    EXPECT_EQ(test.text, out.str());
  }
}
