// soak.cpp: solves many seeded boards with every solver and checks each solution on a copy.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "board/random_draw.h"
#include "methods/method_table.h"
#include "test_support/sample_boards.h"

namespace {

struct Options {
  int boards = 2000;
  unsigned firstSide = 3;
  unsigned lastSide = 100;
  std::string failures = "soak-failures";
};

// Board i of a side: random, a few moves from the goal, many moves from the goal, or with
// parts of the first row and column home, in turn.
Board SampleBoard(unsigned n, int i) {
  SeedRandom(n * 100003u + static_cast<unsigned>(i));
  switch ((static_cast<unsigned>(i) + n) % 4) {
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

// Writes the board as a plain board file that the command dl reads back.
std::string WriteFailure(const Options& options, const char* command, const Board& board, int i) {
  mkdir(options.failures.c_str(), 0755);
  const std::string name = options.failures + "/" + command + "_side" + std::to_string(board.n) +
                           "_board" + std::to_string(i) + ".txt";
  std::ofstream file(name);
  for (size_t cell = 0; cell < board.tiles.size(); ++cell) {
    file << board.tiles[cell] << ((cell + 1) % board.n == 0 ? "\n" : " ");
  }
  return name;
}

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string flag = argv[i];
    const bool hasValue = i + 1 < argc;
    if (flag == "--boards" && hasValue) {
      options.boards = std::atoi(argv[++i]);
    } else if (flag == "--sides" && hasValue) {
      std::sscanf(argv[++i], "%u-%u", &options.firstSide, &options.lastSide);
    } else if (flag == "--failures" && hasValue) {
      options.failures = argv[++i];
    } else {
      std::fprintf(stderr, "usage: %s [--boards N] [--sides FIRST-LAST] [--failures FOLDER]\n",
                   argv[0]);
      std::exit(2);
    }
  }
  if (options.firstSide < 3) options.firstSide = 3;
  if (options.lastSide > MAX_SIDE) options.lastSide = MAX_SIDE;
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  const int sides = static_cast<int>(options.lastSide - options.firstSide + 1);
  int total = 0, failures = 0;
  for (unsigned n = options.firstSide; n <= options.lastSide; ++n) {
    // Every side gets its share of the boards, the first sides one more for the remainder.
    const int index = static_cast<int>(n - options.firstSide);
    const int count = options.boards / sides + (index < options.boards % sides ? 1 : 0);
    std::string line = "side " + std::to_string(n) + ": " + std::to_string(count) + " boards";
    for (const Method& entry : Methods()) {
      int solved = 0;
      for (int i = 0; i < count; ++i) {
        const Board board = SampleBoard(n, i);
        std::ostringstream out;
        const MoveSequence solution = entry.solve(board, out).moves;
        const std::string printed = out.str();
        const bool clean = printed.find("Warning:") == std::string::npos &&
                           printed.find("Error") == std::string::npos;
        if (clean && SolvesBoard(board, solution)) {
          ++solved;
        } else {
          ++failures;
          std::printf("FAILED: %s on side %u board %d, written to %s\n", entry.command, n, i,
                      WriteFailure(options, entry.command, board, i).c_str());
        }
      }
      line += std::string(", ") + entry.command + " " + std::to_string(solved) + " solved";
    }
    total += count;
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
  }
  std::printf("soak: %d boards, %zu solvers, %d failures\n", total, Methods().size(), failures);
  return failures == 0 ? 0 : 1;
}
