// summary_table_test.cpp: the lengths' spread per side and method, and the table's two layouts.
#include "study/summary_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {

// One method on boards of side 4, a board per outcome, each with the status and the optimized
// length given.
StudyResults OneMethod(const std::vector<std::pair<SolveStatus, std::uint64_t>>& outcomes) {
  StudyResults results{{"solve"}, {}};
  for (const auto& [status, length] : outcomes) {
    BoardOutcome board;
    board.name.side = 4;
    board.methods.push_back({status, length + 10, length, 1000});
    results.boards.push_back(board);
  }
  return results;
}

// Two boards of every side from 3 to 100 for the methods named, with lengths of about 3 n^3, as
// far apart as those of a study's side, and times of two seconds.
std::vector<SideSummary> EverySide(const std::vector<std::string>& methods) {
  StudyResults results{methods, {}};
  for (unsigned n = 3; n <= 100; ++n) {
    const std::uint64_t cube = std::uint64_t{n} * n * n;
    for (const std::uint64_t length : {3 * cube, 3 * cube + cube / 10}) {
      BoardOutcome board;
      board.name.side = n;
      board.manhattan = board.lowerBound = length / 4;
      board.methods.assign(methods.size(), {SolveStatus::SOLVED, length, length, 2000000});
      results.boards.push_back(board);
    }
  }
  return Summarize(results);
}

size_t WidestLine(const std::string& text) {
  std::istringstream lines(text);
  size_t widest = 0;
  for (std::string line; std::getline(lines, line);) widest = std::max(widest, line.size());
  return widest;
}

}  // namespace

// Only the solved boards count; the median of an even count is the mean of the middle two, and
// the standard deviation is the sample's, which one board does not have.
TEST(SummaryTable, SpreadOfTheSolvedLengths) {
  constexpr auto S = SolveStatus::SOLVED, F = SolveStatus::FAILED;
  const struct {
    std::vector<std::pair<SolveStatus, std::uint64_t>> outcomes;
    double median;
    std::optional<double> sd;
    std::uint64_t min, max;
  } cases[] = {
      {{{S, 7}}, 7, std::nullopt, 7, 7},
      {{{S, 7}, {F, 1000}, {S, 1}, {S, 4}}, 4, 3.0, 1, 7},
      {{{S, 4}, {S, 1}, {S, 2}, {S, 3}}, 2.5, std::sqrt(5.0 / 3), 1, 4},
      {{{S, 5}, {S, 5}}, 5, 0.0, 5, 5},
  };
  for (const auto& c : cases) {
    const MethodSummary s = Summarize(OneMethod(c.outcomes))[0].methods[0];
    const std::string what = "min " + std::to_string(c.min) + " max " + std::to_string(c.max);
    EXPECT_EQ(c.median, s.medianLength) << what;
    EXPECT_NEAR(c.sd.value_or(-1), s.sdLength.value_or(-1), 1e-12) << what;  // -1: none
    EXPECT_EQ(c.min, s.minLength) << what;
    EXPECT_EQ(c.max, s.maxLength) << what;
  }
  const MethodSummary none = Summarize(OneMethod({{F, 3}}))[0].methods[0];
  EXPECT_FALSE(none.medianLength || none.sdLength || none.minLength || none.maxLength);
}

// The means and ratios count the solved boards alone; the 95th percentile of twenty times is the
// 19th, and of eleven the 11th: its rank is rounded up.
TEST(SummaryTable, MeansAndRatiosOfTheSolvedBoards) {
  StudyResults results{{"solve"}, {}};
  for (std::uint64_t i = 1; i <= 22; ++i) {
    BoardOutcome board;
    board.name.side = 4;
    board.manhattan = i;
    board.lowerBound = 2 * i;
    const SolveStatus status = i == 21   ? SolveStatus::FAILED
                               : i == 22 ? SolveStatus::REFUSED
                                         : SolveStatus::SOLVED;
    board.methods.push_back({status, 1, 16 * i, static_cast<std::int64_t>(1000 * i)});
    results.boards.push_back(board);
  }
  const MethodSummary s = Summarize(results)[0].methods[0];
  EXPECT_EQ(20u, s.solved);
  EXPECT_EQ(1u, s.failed);
  EXPECT_EQ(1u, s.refused);
  // Lengths 16, 32, ... 320 (3360 in all) over Manhattan distances 1 ... 20 (210 in all).
  EXPECT_DOUBLE_EQ(168, *s.meanLength);
  EXPECT_DOUBLE_EQ(168.0 / 64, *s.perCube);
  EXPECT_DOUBLE_EQ(16, *s.perManhattan);
  EXPECT_DOUBLE_EQ(8, *s.perLowerBound);
  EXPECT_DOUBLE_EQ(10.5, *s.meanMs);
  EXPECT_DOUBLE_EQ(19, *s.p95Ms);
  results.boards.resize(11);
  EXPECT_DOUBLE_EQ(11, *Summarize(results)[0].methods[0].p95Ms);
}

// The long table keeps within 100 columns with a line per side and method, even at side 100
// with lengths of seven digits and times of seconds; the wide one is chosen where it fits.
TEST(SummaryTable, TheLongTableFitsAHundredColumns) {
  const std::vector<std::string> methods = {"solve", "solve2", "solve3"};
  const std::vector<SideSummary> sides = EverySide(methods);
  std::ostringstream wide, long_;
  WriteTable(methods, sides, TableLayout::WIDE, wide);
  WriteTable(methods, sides, TableLayout::LONG, long_);
  EXPECT_LE(WidestLine(long_.str()), 100u) << long_.str();
  const std::string text = long_.str();
  EXPECT_EQ(1 + sides.size() * methods.size() + 1,
            static_cast<size_t>(std::count(text.begin(), text.end(), '\n')));
  EXPECT_NE(std::string::npos, text.find("\n 100 solve2 ")) << text;

  const auto widest = static_cast<unsigned>(WidestLine(wide.str()));
  const struct {
    unsigned columns;
    TableLayout layout;
  } cases[] = {{0, TableLayout::WIDE},
               {80, TableLayout::LONG},
               {widest - 1, TableLayout::LONG},
               {widest, TableLayout::WIDE}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.layout, FittingLayout(methods, sides, c.columns)) << c.columns;
  }
}
