// solve3_eval.cpp: solve3 beside solve2 on the same seeded boards: lengths, times, checks.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sstream>
#include <string>
#include <vector>

#include "board/random_draw.h"
#include "planner/planner_solver.h"
#include "snake/snake_solver.h"
#include "solver/solution_optimizer.h"
#include "test_support/sample_boards.h"

namespace {

std::vector<unsigned> ParseSides(const char* text) {
  std::vector<unsigned> sides;
  std::istringstream list(text);
  std::string item;
  while (std::getline(list, item, ',')) {
    unsigned first = 0, last = 0;
    const int read = std::sscanf(item.c_str(), "%u-%u", &first, &last);
    if (read < 1) continue;
    if (read == 1) last = first;
    for (unsigned n = first; n <= last && n <= MAX_SIDE; ++n) sides.push_back(n);
  }
  return sides;
}

// Board i of a side: random only, or random, near the goal and partly home in turn.
Board SampleBoard(unsigned n, int i, bool mixed) {
  if (!mixed) return RandomSolvableBoard(n);
  switch (i % 4) {
    case 0:
      return RandomSolvableBoard(n);
    case 1:
      return NearGoalBoard(n, 1 + DrawRandom() % 12);
    case 2:
      return NearGoalBoard(n, 1 + DrawRandom() % static_cast<int>(4 * n * n));
    default:
      return PartlyHomeBoard(n);
  }
}

struct Tally {
  double length = 0;
  double seconds = 0;
  int solved = 0;
};

template <typename Solve>
void Run(const Board& board, Tally& tally, Solve solve) {
  // Process time, not wall time: the machine is shared.
  const std::clock_t start = std::clock();
  const MoveSequence solution = solve(board);
  tally.seconds += static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  if (SolvesBoard(board, solution)) ++tally.solved;
  tally.length += static_cast<double>(OptimizeSolution(solution).size());
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<unsigned> sides = ParseSides("5,10,20,50,100");
  int boards = 20;
  bool mixed = false, withSolve2 = true;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--sides") == 0 && i + 1 < argc) {
      sides = ParseSides(argv[++i]);
    } else if (std::strcmp(argv[i], "--boards") == 0 && i + 1 < argc) {
      boards = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--mixed") == 0) {
      mixed = true;
    } else if (std::strcmp(argv[i], "--no-solve2") == 0) {
      withSolve2 = false;
    } else {
      std::fprintf(stderr,
                   "usage: %s [--sides 5,10,20|4-100] [--boards N] [--mixed] [--no-solve2]\n",
                   argv[0]);
      return 2;
    }
  }
  std::printf("%5s %6s | %10s %6s %8s | %10s %6s %8s %7s | %s\n", "side", "boards", "solve2",
              "/n^3", "ms", "solve3", "/n^3", "ms", "below", "checked");
  int failures = 0;
  for (const unsigned n : sides) {
    SeedRandom(7000 + n);
    std::vector<Board> sample;
    for (int i = 0; i < boards; ++i) sample.push_back(SampleBoard(n, i, mixed));
    Tally two, three;
    for (const Board& board : sample) {
      if (withSolve2 && n >= 3) {
        Run(board, two, [](const Board& b) {
          std::ostringstream out;
          const SolveResult result = SolveSnakes(b, out);
          return result.solved ? result.moves : MoveSequence("X");
        });
      }
      Run(board, three, [](const Board& b) {
        std::ostringstream out;
        const SolveResult result = planner::SolvePlanner(b, out);
        return result.solved ? result.moves : MoveSequence("X");
      });
    }
    const double cube = static_cast<double>(n) * n * n;
    const double mean2 = two.length / boards, mean3 = three.length / boards;
    failures += boards - three.solved;
    std::printf("%5u %6d | %10.1f %6.3f %8.2f | %10.1f %6.3f %8.2f %6.1f%% | %d/%d\n", n, boards,
                mean2, mean2 / cube, 1000 * two.seconds / boards, mean3, mean3 / cube,
                1000 * three.seconds / boards, mean2 > 0 ? 100 * (1 - mean3 / mean2) : 0.0,
                three.solved, boards);
    std::fflush(stdout);
  }
  return failures == 0 ? 0 : 1;
}
