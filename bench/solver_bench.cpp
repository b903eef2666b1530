// solver_bench.cpp: solve times of fixed seeded boards, and the signature of the solvers' output.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <sstream>

#include "board/random_draw.h"
#include "methods/method_table.h"
#include "solver/end_game_search.h"
#include "test_support/sample_boards.h"
#include "test_support/signature.h"

namespace {

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
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Solve, solve2, 1)
    ->Arg(10)
    ->Arg(30)
    ->Arg(50)
    ->Arg(100)
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

}  // namespace

int main(int argc, char** argv) {
  std::printf("%s\n", ComputeSignature(Methods()).Line().c_str());
  std::fflush(stdout);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
