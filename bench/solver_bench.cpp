// solver_bench.cpp: solve times of fixed seeded boards, and the signature of the solvers' output.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <sstream>

#include "board/random_draw.h"
#include "board/sample_boards.h"
#include "parberry/parberry_solver.h"
#include "snake/snake_solver.h"
#include "solver/end_game_search.h"

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

void BM_SolveParberry(benchmark::State& state) {
  const auto& boards = BoardsOfSide(static_cast<unsigned>(state.range(0)));
  std::ostringstream out;
  Solver solver(out);
  size_t next = 0, moves = 0;
  for (auto _ : state) {
    solver.board = boards[next++ % boards.size()];
    moves += parberry::SolveParberry(solver).size();
    out.str("");
  }
  state.counters["moves"] =
      benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SolveParberry)->Arg(10)->Arg(30)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_SolveSnakes(benchmark::State& state) {
  const auto& boards = BoardsOfSide(static_cast<unsigned>(state.range(0)));
  std::ostringstream out;
  SnakeSolver solver(out);
  size_t next = 0, moves = 0;
  for (auto _ : state) {
    solver.SetPuzzle(boards[next++ % boards.size()]);
    moves += solver.SolveSnakes().size();
    out.str("");
  }
  state.counters["moves"] =
      benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SolveSnakes)->Arg(10)->Arg(30)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

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

// The total number of moves over a fixed list of boards: it changes exactly when a solver's
// output changes.
void PrintSignature() {
  std::ostringstream out;
  Solver solver(out);
  SnakeSolver snakeSolver(out);
  size_t boards = 0, moves = 0, snakeMoves = 0;
  for (unsigned n = 3; n <= 30; ++n) {
    SeedRandom(n);
    for (int i = 0; i < 3; ++i) {
      const Board board = RandomSolvableBoard(n);
      solver.board = board;
      moves += parberry::SolveParberry(solver).size();
      snakeSolver.SetPuzzle(board);
      snakeMoves += snakeSolver.SolveSnakes().size();
      ++boards;
    }
  }
  std::printf("signature: solve %zu moves, solve2 %zu moves over %zu boards\n", moves, snakeMoves,
              boards);
}

}  // namespace

int main(int argc, char** argv) {
  PrintSignature();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
