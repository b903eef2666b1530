// quality.cpp: how long the solutions of each solver are, side by side, on the same boards.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "board/random_draw.h"
#include "methods/method_table.h"
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

}  // namespace

int main(int argc, char** argv) {
  std::vector<unsigned> sides = ParseSides("4-100");
  int boards = 10;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--sides") == 0 && i + 1 < argc) {
      sides = ParseSides(argv[++i]);
    } else if (std::strcmp(argv[i], "--boards") == 0 && i + 1 < argc) {
      boards = std::atoi(argv[++i]);
    } else {
      std::fprintf(stderr, "usage: %s [--sides 4-100|5,10,20] [--boards N]\n", argv[0]);
      return 2;
    }
  }

  std::printf("%5s %7s", "side", "boards");
  for (const Method& entry : Methods()) {
    std::printf(" | %-6s %10s %7s %8s %6s", entry.command, "mean", "/n^3", "/dist", "solved");
  }
  std::printf("\n");
  for (const unsigned n : sides) {
    // The same seeded boards for every solver.
    std::vector<Board> sample;
    double distance = 0;
    SeedRandom(7000 + n);
    std::ostringstream ignored;
    for (int i = 0; i < boards; ++i) {
      sample.push_back(RandomSolvableBoard(n));
      distance += sample.back().ManhattanDistance(ignored);
    }
    distance /= boards;
    const double cube = static_cast<double>(n) * n * n;
    std::printf("%5u %7d", n, boards);
    for (const Method& entry : Methods()) {
      double length = 0;
      int solved = 0;
      for (const Board& board : sample) {
        std::ostringstream out;
        const MoveSequence solution = entry.solve(board, out).moves;
        if (SolvesBoard(board, solution)) ++solved;
        length += static_cast<double>(OptimizeSolution(solution).size());
      }
      const double mean = length / boards;
      std::printf(" | %-6s %10.1f %7.3f %8.3f %6d", "", mean, mean / cube, mean / distance, solved);
    }
    std::printf("\n");
    std::fflush(stdout);
  }
  return 0;
}
