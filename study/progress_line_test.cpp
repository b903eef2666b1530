// progress_line_test.cpp: the time left of studies whose boards' costs are made up, not measured.
#include "study/progress_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace {

// The sides of each board, `boards` of each side, in the study's order.
std::vector<unsigned> Boards(const std::vector<unsigned>& sides, unsigned boards) {
  std::vector<unsigned> list;
  for (const unsigned side : sides) list.insert(list.end(), boards, side);
  return list;
}

std::vector<unsigned> Range(unsigned first, unsigned last) {
  std::vector<unsigned> sides;
  for (unsigned n = first; n <= last; ++n) sides.push_back(n);
  return sides;
}

}  // namespace

// One board at a time, each costing what the model says give or take a quarter: once a fifth
// of the work is done, the time left is right within a factor of two after every board.
TEST(TimeLeft, RightWithinAFactorOfTwoOnceAFifthIsDone) {
  // The default study's seconds per board, all three methods together, as measured.
  const std::map<unsigned, double> measured = {
      {5, 0.0128}, {10, 0.0379}, {20, 0.0582}, {50, 0.1195}, {100, 0.9134}};
  const struct {
    const char* name;
    std::vector<unsigned> boards;
    std::function<double(double)> cost;
  } cases[] = {
      {"the default study", Boards({5, 10, 20, 50, 100}, 10),
       [&measured](double n) { return measured.at(static_cast<unsigned>(n)); }},
      {"n^3 at sides 30, 60, 100", Boards({30, 60, 100}, 10), [](double n) { return n * n * n; }},
      {"a fixed cost, then n^3", Boards(Range(3, 10), 5),
       [](double n) { return 1000 + n * n * n; }},
      {"n^2 over every side", Boards(Range(3, 100), 2), [](double n) { return n * n; }},
      {"n^4 over every side", Boards(Range(3, 100), 2), [](double n) { return n * n * n * n; }},
  };
  for (const auto& c : cases) {
    std::vector<double> costs;
    double total = 0;
    for (size_t i = 0; i < c.boards.size(); ++i) {
      costs.push_back(c.cost(c.boards[i]) * (1 + 0.25 * std::sin(i * 1.7)));
      total += costs.back();
    }
    TimeLeft left(c.boards);
    double elapsed = 0;
    for (size_t i = 0; i + 1 < costs.size(); ++i) {
      left.Done(c.boards[i], costs[i]);
      elapsed += costs[i];
      if (elapsed < total / 5) continue;
      const double ratio = left.Seconds(elapsed) / (total - elapsed);
      EXPECT_TRUE(ratio > 0.5 && ratio < 2) << c.name << ", board " << i << ": " << ratio;
    }
  }
}

TEST(TimeLeft, BoardsTooQuickToMeasureAreCounted) {
  TimeLeft left(Boards({3, 4}, 2));
  left.Done(3, 0);
  EXPECT_DOUBLE_EQ(3.0, left.Seconds(1));
  for (const unsigned side : {3, 4, 4}) left.Done(side, 0.5);
  EXPECT_DOUBLE_EQ(0, left.Seconds(1));
}
