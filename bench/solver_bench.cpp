// solver_bench.cpp: solve times of fixed seeded boards against the floor of applying their
// solutions, and the signature of the solvers' output.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "board/random_draw.h"
#include "methods/method_table.h"
#include "solver/end_game_search.h"
#include "test_support/sample_boards.h"
#include "test_support/signature.h"

namespace {

// The sides whose solve times are also given as multiples of the floor.
constexpr int FLOOR_SIDES[] = {50, 100};
// Repetitions of the solves and the floors; the ratios use their medians, which others'
// builds and measurements on the machine disturb less than they do single runs.
constexpr int REPETITIONS = 7;

// The boards of one side, the same on every run: seeded by the side alone.
const std::vector<Board>& BoardsOfSide(unsigned n) {
  static std::map<unsigned, std::vector<Board>> boards;
  std::vector<Board>& list = boards[n];
  if (list.empty()) {
    SeedRandom(1000 + n);
    for (int i = 0; i < 4; ++i) list.push_back(RandomSolvableBoard(n));
  }
  return list;
}

// One solver, picked from the table by index, on the fixed boards of the side.
void BM_Solve(benchmark::State& state, size_t solver) {
  const Method& entry = Methods()[solver];
  const auto& boards = BoardsOfSide(static_cast<unsigned>(state.range(0)));
  std::ostringstream out;
  size_t next = 0, moves = 0;
  for (auto _ : state) {
    moves += entry.solve(boards[next++ % boards.size()], out).moves.size();
    out.str("");
  }
  state.counters["moves"] =
      benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_Solve, solve, 0)
    ->Arg(10)
    ->Arg(30)
    ->Arg(50)
    ->Arg(100)
    ->Repetitions(REPETITIONS)
    ->DisplayAggregatesOnly()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Solve, solve2, 1)
    ->Arg(10)
    ->Arg(30)
    ->Arg(50)
    ->Arg(100)
    ->Repetitions(REPETITIONS)
    ->DisplayAggregatesOnly()
    ->Unit(benchmark::kMillisecond);

// The solutions one solver finds for the fixed boards of the side, found once.
const std::vector<MoveSequence>& SolutionsOfSide(size_t solver, unsigned n) {
  static std::map<std::pair<size_t, unsigned>, std::vector<MoveSequence>> solutions;
  std::vector<MoveSequence>& list = solutions[{solver, n}];
  if (list.empty()) {
    std::ostringstream ignored;
    for (const Board& board : BoardsOfSide(n)) {
      list.push_back(Methods()[solver].solve(board, ignored).moves);
    }
  }
  return list;
}

// The floor for a solver: what any method that makes its solution move by move spends at
// least. The letters of the solver's solutions of the same fixed boards, in the same turn, are
// applied to a plain array of cells, each letter written into a buffer sized in advance.
void BM_Floor(benchmark::State& state, size_t solver) {
  const unsigned n = static_cast<unsigned>(state.range(0));
  const auto& boards = BoardsOfSide(n);
  const auto& solutions = SolutionsOfSide(solver, n);
  size_t longest = 0;
  for (const MoveSequence& solution : solutions) longest = std::max(longest, solution.size());
  std::string letters(longest, ' ');
  std::vector<int> cells;
  std::ptrdiff_t step[256] = {};
  step[static_cast<unsigned char>('U')] = -static_cast<std::ptrdiff_t>(n);
  step[static_cast<unsigned char>('D')] = n;
  step[static_cast<unsigned char>('L')] = -1;
  step[static_cast<unsigned char>('R')] = 1;
  size_t next = 0, moves = 0;
  for (auto _ : state) {
    const Board& board = boards[next % boards.size()];
    const MoveSequence& solution = solutions[next++ % boards.size()];
    cells = board.tiles;
    int* cell = cells.data();
    std::ptrdiff_t blank = board.blank;
    char* out = &letters[0];
    for (const char letter : solution) {
      const std::ptrdiff_t target = blank + step[static_cast<unsigned char>(letter)];
      cell[blank] = cell[target];
      cell[target] = 0;
      blank = target;
      *out++ = letter;
    }
    moves += solution.size();
    benchmark::DoNotOptimize(cell);
    benchmark::DoNotOptimize(letters.data());
    benchmark::ClobberMemory();
  }
  state.counters["moves"] =
      benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_Floor, solve, 0)
    ->Arg(50)
    ->Arg(100)
    ->Repetitions(REPETITIONS)
    ->DisplayAggregatesOnly()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Floor, solve2, 1)
    ->Arg(50)
    ->Arg(100)
    ->Repetitions(REPETITIONS)
    ->DisplayAggregatesOnly()
    ->Unit(benchmark::kMillisecond);

// The two 3 x 3 positions that are 31 moves from the goal, the most there is.
const std::vector<Board>& HardestThreeByThree() {
  static const std::vector<Board> boards = {BoardOf(3, {8, 6, 7, 2, 5, 4, 3, 0, 1}),
                                            BoardOf(3, {6, 4, 7, 8, 5, 0, 3, 2, 1})};
  return boards;
}

void BM_Solve3x3Hardest(benchmark::State& state) {
  const auto& boards = HardestThreeByThree();
  size_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(Solve3x3(boards[next++ % boards.size()]));
}
BENCHMARK(BM_Solve3x3Hardest)->Unit(benchmark::kMicrosecond);

void BM_Solve3x3Random(benchmark::State& state) {
  const auto& boards = BoardsOfSide(3);
  size_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(Solve3x3(boards[next++ % boards.size()]));
}
BENCHMARK(BM_Solve3x3Random)->Unit(benchmark::kMicrosecond);

void BM_IsSolvable(benchmark::State& state) {
  const Board& board = BoardsOfSide(static_cast<unsigned>(state.range(0)))[0];
  std::ostringstream out;
  for (auto _ : state) benchmark::DoNotOptimize(board.IsSolvable(out));
}
BENCHMARK(BM_IsSolvable)->Arg(100)->Unit(benchmark::kMicrosecond);

// The console table, held back until every benchmark has run, and the medians of CPU time by
// benchmark and argument ("BM_Solve/solve/100"), from which the lines of multiples of the
// floor are made. CPU time, since others may be using the machine at the same time.
class FloorReporter : public benchmark::ConsoleReporter {
 public:
  FloorReporter() : benchmark::ConsoleReporter(OO_Tabular) { SetOutputStream(&table); }

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        medians[run.run_name.function_name + "/" + run.run_name.args] = run.GetAdjustedCPUTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  /// "n=100: solve 1.8x floor, solve2 4.6x floor", or "not measured" where a median is missing.
  std::string FloorLine(int side) const {
    std::string line = "n=" + std::to_string(side) + ":";
    const char* separator = " ";
    for (const Method& method : Methods()) {
      const std::string suffix = std::string(method.command) + "/" + std::to_string(side);
      const auto solve = medians.find("BM_Solve/" + suffix);
      const auto floor = medians.find("BM_Floor/" + suffix);
      char text[64];
      if (solve == medians.end() || floor == medians.end() || floor->second <= 0) {
        std::snprintf(text, sizeof text, "%s not measured", method.command);
      } else {
        std::snprintf(text, sizeof text, "%s %.1fx floor", method.command,
                      solve->second / floor->second);
      }
      line += separator;
      line += text;
      separator = ", ";
    }
    return line;
  }

  std::ostringstream table;

 private:
  std::map<std::string, double> medians;
};

}  // namespace

int main(int argc, char** argv) {
  std::printf("%s\n", ComputeSignature(Methods()).Line().c_str());
  std::fflush(stdout);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  FloorReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  for (const int side : FLOOR_SIDES) std::printf("%s\n", reporter.FloorLine(side).c_str());
  std::fflush(stdout);
  std::cout << reporter.table.str() << std::flush;
  benchmark::Shutdown();
  return 0;
}
