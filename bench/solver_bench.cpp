// solver_bench.cpp: solve times of fixed seeded boards against the floor of applying their
// solutions, and the signature of the solvers' output.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "board/random_draw.h"
#include "board/text_format.h"
#include "exact/end_game_search.h"
#include "exact/optimal_4x4.h"
#include "exact/pattern_database.h"
#include "methods/method_table.h"
#include "test_support/sample_boards.h"
#include "test_support/signature.h"

namespace {

// The sides whose solve times are also given as multiples of the floor.
constexpr unsigned FLOOR_SIDES[] = {50, 100};
// Repetitions of the solves and the floors in the table, which gives their medians.
constexpr int REPETITIONS = 7;

// Random boards of side n, the same on every run: drawn once from the seed.
const std::vector<Board>& SeededBoards(unsigned seed, unsigned n, int count) {
  static std::map<unsigned, std::vector<Board>> boards;
  std::vector<Board>& list = boards[seed];
  if (list.empty()) {
    SeedRandom(seed);
    for (int i = 0; i < count; ++i) list.push_back(RandomSolvableBoard(n));
  }
  return list;
}

// Four boards of one side, seeded by the side alone.
const std::vector<Board>& BoardsOfSide(unsigned n) {
  return SeededBoards(1000 + n, n, 4);
}

// The mean moves per iteration as a counter.
void CountMoves(benchmark::State& state, size_t moves) {
  state.counters["moves"] =
      benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kAvgIterations);
}

// One solver, picked from the table by index, on the fixed boards of the side.
void BM_Solve(benchmark::State& state, size_t solver) {
  const Method& entry = Methods()[solver];
  const auto& boards = BoardsOfSide(static_cast<unsigned>(state.range(0)));
  size_t next = 0, moves = 0;
  for (auto _ : state) moves += entry.solve(boards[next++ % boards.size()]).moves.size();
  CountMoves(state, moves);
}

// The solutions one solver finds for the fixed boards of the side, found once.
const std::vector<MoveSequence>& SolutionsOfSide(size_t solver, unsigned n) {
  static std::map<std::pair<size_t, unsigned>, std::vector<MoveSequence>> solutions;
  std::vector<MoveSequence>& list = solutions[{solver, n}];
  if (list.empty()) {
    for (const Board& board : BoardsOfSide(n)) list.push_back(Methods()[solver].solve(board).moves);
  }
  return list;
}

// The floor for a solver: what any method that makes its solution move by move spends at
// least. The letters of the solver's solutions of the same fixed boards, in the same turn, are
// applied to a plain array of cells, each letter written into a buffer sized in advance.
class Floor {
 public:
  Floor(size_t solver, unsigned n)
      : boards(BoardsOfSide(n)), solutions(SolutionsOfSide(solver, n)) {
    size_t longest = 0;
    for (const MoveSequence& solution : solutions) longest = std::max(longest, solution.size());
    letters.assign(longest, ' ');
    step[static_cast<unsigned char>('U')] = -static_cast<std::ptrdiff_t>(n);
    step[static_cast<unsigned char>('D')] = n;
    step[static_cast<unsigned char>('L')] = -1;
    step[static_cast<unsigned char>('R')] = 1;
  }

  /// Applies the next solution to a copy of its board; returns how many letters it has.
  size_t ApplyNext() {
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
    benchmark::DoNotOptimize(cell);
    benchmark::DoNotOptimize(letters.data());
    benchmark::ClobberMemory();
    return solution.size();
  }

 private:
  const std::vector<Board>& boards;
  const std::vector<MoveSequence>& solutions;
  std::string letters;
  std::vector<int> cells;
  std::ptrdiff_t step[256] = {};
  size_t next = 0;
};

void BM_Floor(benchmark::State& state, size_t solver) {
  Floor floor(solver, static_cast<unsigned>(state.range(0)));
  size_t moves = 0;
  for (auto _ : state) moves += floor.ApplyNext();
  CountMoves(state, moves);
}

// Every method of the table on the fixed boards of each side, and its floor on the sides that
// the floor lines compare.
void RegisterMethodBenchmarks() {
  for (size_t solver = 0; solver < Methods().size(); ++solver) {
    const std::string command = Methods()[solver].command;
    auto* solve = benchmark::RegisterBenchmark(("BM_Solve/" + command).c_str(), BM_Solve, solver);
    for (const int side : {10, 30, 50, 100}) solve->Arg(side);
    auto* floor = benchmark::RegisterBenchmark(("BM_Floor/" + command).c_str(), BM_Floor, solver);
    for (const unsigned side : FLOOR_SIDES) floor->Arg(static_cast<int>(side));
    for (auto* entry : {solve, floor}) {
      entry->Repetitions(REPETITIONS)->DisplayAggregatesOnly()->Unit(benchmark::kMillisecond);
    }
  }
}

// The 3 x 3 search on the two positions 31 moves from the goal, the most there is (Arg 0), and
// on random boards (Arg 1).
void BM_Solve3x3(benchmark::State& state) {
  static const std::vector<Board> hardest = {BoardOf(3, {8, 6, 7, 2, 5, 4, 3, 0, 1}),
                                             BoardOf(3, {6, 4, 7, 8, 5, 0, 3, 2, 1})};
  const auto& boards = state.range(0) == 0 ? hardest : BoardsOfSide(3);
  size_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(Solve3x3(boards[next++ % boards.size()]));
}
BENCHMARK(BM_Solve3x3)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Twenty random 4 x 4 boards, the table loaded by HardestLine; each iteration solves the next
// one, so the mean time per iteration is the mean over the list.
void BM_SolveOptimal4x4(benchmark::State& state) {
  const auto& boards = SeededBoards(4004, 4, 20);
  size_t next = 0, moves = 0;
  for (auto _ : state) moves += SolveOptimal4x4(boards[next++ % boards.size()]).size();
  CountMoves(state, moves);
}
BENCHMARK(BM_SolveOptimal4x4)->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_IsSolvable(benchmark::State& state) {
  const Board& board = BoardsOfSide(static_cast<unsigned>(state.range(0)))[0];
  for (auto _ : state) benchmark::DoNotOptimize(board.IsSolvable());
}
BENCHMARK(BM_IsSolvable)->Arg(100)->Unit(benchmark::kMicrosecond);

// The multiples of the floor, measured apart from the table: batches of solves and batches of
// the floor alternate, so that both meet the same spells of load from others on the machine,
// and the medians of their CPU time per run are compared.
constexpr int FLOOR_ROUNDS = 9;
constexpr double FLOOR_BATCH_SECONDS = 0.1;

// CPU seconds per run of work, over a batch of at least FLOOR_BATCH_SECONDS and a multiple of
// four runs, so that every fixed board counts alike.
template <typename Work>
double SecondsPerRun(Work work) {
  const std::clock_t start = std::clock();
  int runs = 0;
  double seconds = 0;
  while (runs == 0 || seconds < FLOOR_BATCH_SECONDS) {
    for (int i = 0; i < 4; ++i) work();
    runs += 4;
    seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  }
  return seconds / runs;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// "n=100: solve 1.8x floor, solve2 4.6x floor"
std::string FloorLine(unsigned side) {
  std::string line = "n=" + std::to_string(side) + ":";
  for (size_t solver = 0; solver < Methods().size(); ++solver) {
    const Method& method = Methods()[solver];
    const auto& boards = BoardsOfSide(side);
    Floor floor(solver, side);
    size_t next = 0;
    std::vector<double> solves, floors;
    for (int round = 0; round < FLOOR_ROUNDS; ++round) {
      solves.push_back(SecondsPerRun(
          [&] { benchmark::DoNotOptimize(method.solve(boards[next++ % boards.size()])); }));
      floors.push_back(SecondsPerRun([&] { floor.ApplyNext(); }));
    }
    line += (solver == 0 ? " " : ", ") +
            Format("%s %.1fx floor", method.command, Median(solves) / Median(floors));
  }
  return line;
}

// "4x4 hardest: max 900 ms, mean 400 ms": CPU time of the shortest search on each of the
// hardest 4 x 4 positions, once each.
std::string HardestLine() {
  PatternDatabase4x4::Shared();
  double most = 0, total = 0;
  for (const HardBoard4x4& hard : HardestBoards4x4()) {
    const std::clock_t start = std::clock();
    benchmark::DoNotOptimize(SolveOptimal4x4(hard.board));
    const double ms = 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    most = std::max(most, ms);
    total += ms;
  }
  return Format("4x4 hardest: max %.0f ms, mean %.0f ms", most,
                total / static_cast<double>(HardestBoards4x4().size()));
}

// True when the flags ask only for the list of the benchmarks, which then comes without the
// lines before the table: they take minutes. Falsehood is spelt as the library spells it.
bool OnlyListing(int argc, char** argv) {
  const std::string flag = "--benchmark_list_tests";
  bool listing = false;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument.compare(0, flag.size(), flag) != 0) continue;
    std::string value = argument.substr(flag.size());
    if (value.empty()) {
      listing = true;
    } else if (value[0] == '=') {
      for (char& c : value) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      listing = value != "=0" && value != "=f" && value != "=n" && value != "=false" &&
                value != "=no" && value != "=";
    }
  }
  return listing;
}

}  // namespace

int main(int argc, char** argv) {
  const bool listing = OnlyListing(argc, argv);
  if (!listing) std::printf("%s\n", ComputeSignature(Methods()).Line().c_str());
  std::fflush(stdout);
  RegisterMethodBenchmarks();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (!listing) {
    for (const unsigned side : FLOOR_SIDES) std::printf("%s\n", FloorLine(side).c_str());
    std::printf("%s\n", HardestLine().c_str());
  }
  std::fflush(stdout);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
