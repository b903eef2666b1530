// planner_solver.cpp: checking the board, the reduction to 4 x 4, and the finish.
#include "planner/planner_solver.h"

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <iterator>
#include <utility>
#include <vector>

#include "exact/end_game_search.h"
#include "exact/move_automaton.h"
#include "exact/optimal_2x2.h"
#include "exact/optimal_4x4.h"
#include "exact/pattern_database.h"
#include "planner/domino.h"
#include "planner/grid.h"
#include "planner/line_filler.h"
#include "planner/open_board_costs.h"
#include "planner/stretch_shortener.h"
#include "solver/reduction.h"
#include "solver/solution_optimizer.h"

namespace planner {

namespace {

// The side of the corner that a shortest search finishes.
constexpr int FINISH_SIDE = 4;
// Positions the shortest 4 x 4 search of a larger board's corner may generate, about half a
// second's work: nearly every corner is solved with far fewer. One that is not gets a solution,
// as a rule a few moves longer, from the search that counts its estimate higher, and failing that
// is reduced to 3 x 3. Counts rather than times, so that a board gets the same solution on every
// machine.
constexpr std::uint64_t CORNER_SEARCH_NODES = 10'000'000;
// The budget of that second search: the hardest 4 x 4 positions need under a million positions.
constexpr std::uint64_t NEAR_CORNER_SEARCH_NODES = 2'000'000;
// Up to this side the corner gets the shortest search. On larger boards the second search comes
// first: at side 50 the shortest one took a twelfth of the solve's time (2.1 of 26 milliseconds
// over 60 boards, 31 for the slowest) to save 5 moves a board in 212 000; the second took 0.14.
constexpr int SHORTEST_CORNER_SIDE = 40;
// Up to this side the solution is shortened stretch by stretch: 7 in a hundred moves saved at
// side 5, 2.4 at side 12, 1 at side 20 and 0.5 to 0.9 at sides 21 to 30, for 4, 25, 50 and 50 to
// 100 milliseconds. On larger boards the lines are long and straight, and a stretch seldom holds
// a detour the search can find: 0.3 to 0.5 in a hundred at sides 31 to 40, for nearly twice as
// long a solve.
constexpr int SHORTENED_SIDE = 30;
// Up to this side the rows and columns are filled by a beam search. Each step fills the next
// row and column of every board kept, in both orders and with each count of urgent lines in
// URGENT_VARIANTS, and keeps the boards whose moves so far plus what is left are fewest: 1.5
// times the unsolved part's Manhattan distance, or at the last step the last 4 x 4's estimate.
// Ways that lead to the same position are kept once, the cheapest, as they have the same future:
// at side 10 about half the boards kept were such copies.
// Against one way alone (the shorter of both orders up to side 20, row first beyond), this saves
// 1 to 2 in a hundred moves at side 5, 4 to 6 at sides 7 to 20, 3 to 4 at sides 21 to 30 and 2 to
// 3 at sides 31 to 40. The beam keeps fewer boards as the side grows (BEAM_CELLS), so that a
// solve takes a quarter of a second or so at the most on average, about as long as one of side
// 100 without the beam. Past side 40 the steps cost too much to be tried in many ways.
constexpr int BEAM_SIDE = 40;
// The beam keeps BEAM_CELLS / n^2 boards, from 1 to 16, and half as many where a step tries
// dominoes too (TRIED_DOMINOES_SIDE). Trying both ends of the lines (TRIED_ENDS_SIDE) doubles the
// work of a step; with it, this beam takes about the time that twice as many boards, and at
// least two, took without it, and saves 1 to 4 in a hundred moves more at sides 5 to 40 (1.1 at
// side 40). Twice as many boards again save up to 0.9 in a hundred more, for up to twice the
// time.
constexpr int BEAM_CELLS = 1600;
// Up to this side each step of a line fills both of its ends in turn and keeps the cheaper
// (LineFiller::Trials::ENDS); past it, the end the estimates pick (see LineFiller), as past the
// beam (BEAM_SIDE) a solve is the one way of filling its lines. At sides 41 to 80, trying both
// ends saved 0.3 to 1 in a hundred moves (0.65 on average over ten boards a side) for 1.5 to 2.8
// times the time (2.1 on average): a solve of side 50 took 74 ms with them, 36 without.
constexpr int TRIED_ENDS_SIDE = BEAM_SIDE;
// Up to this side each end is tried with a single tile and with a domino, and the beam keeps
// half as many boards: 0.6 to 3 in a hundred moves fewer at sides 5 to 20 and 0.3 to 0.4 at
// sides 23 to 28, in the same time or less from side 10 on and a few milliseconds more below.
// Past it the beam keeps one board anyway, and the trials would cost half as much time again for
// 0.4 in a hundred at side 30.
constexpr int TRIED_DOMINOES_SIDE = 28;
// For each way a step fills its row and column (BeamFills), the domino searches of a solve may
// expand this many states per cell of the board times its side before they turn greedy
// (PairMover::LimitWork). Random boards stay within a third of it (at sides 41 to 80 1.6 to 2.3
// per cell and side, past 80 0.9, up to side 40 at most 2.5 a way, at side 28); on the goal turned
// a quarter round, where every domino travels far, they would expand 2.4 to 6 times the limit at
// sides 30 to 100 and take up to 2.3 s at sides 80 to 100 and 1.4 s at side 40.
constexpr long long DOMINO_WORK_PER_CUBE = 8;
// Extra lines of urgent tiles (Grid::SetUnsolved) that the beam tries: each steers the walks
// differently, and the variety, more than any one count, is what the beam gains by.
constexpr int URGENT_VARIANTS[] = {0, -1, 2, -2, 4};
// One line of urgent tiles more for every SIDE_PER_URGENT_LINE of the side beyond
// URGENT_LINES_FROM_SIDE, added to the beam's counts too. Past the beam, one for every 8 saved 1
// to 2 in a thousand moves at sides 40 to 60 and 6 at side 100, for no more time; one for every
// 5 saves 2 to 5 in a thousand more at sides 45 to 100 (4 and 6 were about as good), for up to
// 7 % more time at side 100. In the beam it saves 4 to 8 in a thousand at sides 35 to 40.
constexpr int URGENT_LINES_FROM_SIDE = 30;
constexpr int SIDE_PER_URGENT_LINE = 5;
// The weight of the unsolved part's Manhattan distance against the moves made, in halves.
constexpr long long SPREAD_HALVES = 3;

// The unsolved part from (top, top) to the corner, renumbered as a board of its own.
Board CornerBoard(const Grid& grid, int top) {
  Board corner;
  const int k = grid.Side() - top;
  corner.n = static_cast<unsigned>(k);
  for (int row = top; row < top + k; ++row) {
    for (int col = top; col < top + k; ++col) {
      const int tile = grid.TileAt(grid.CellAt(row, col));
      const int goal = Grid::GoalOf(tile);
      corner.tiles.push_back(tile == 0 ? 0
                                       : (grid.Row(goal) - top) * k + (grid.Col(goal) - top) + 1);
    }
  }
  corner.FindBlank();
  return corner;
}

// A lower bound on the moves of the last 4 x 4, from (top, top): the shortest search's estimate.
long long CornerEstimate(const Grid& grid, int top) {
  const Board corner = CornerBoard(grid, top);
  TileCells cellOf{};
  for (size_t cell = 0; cell < corner.tiles.size(); ++cell) {
    cellOf[corner.tiles[cell]] = static_cast<std::uint8_t>(cell);
  }
  return PatternDatabase4x4::Shared().Estimate(cellOf);
}

// Fills the first row and column of the part from (top, top), in the order given; false when a
// search failed.
bool FillCorner(Grid& grid, LineFiller& filler, int top, bool columnFirst, int extraLines) {
  const int n = grid.Side();
  grid.SetUnsolved(top, top, extraLines);
  Line row{{}, DOWN};
  for (int col = top + (columnFirst ? 1 : 0); col < n; ++col) {
    row.targets.push_back(grid.CellAt(top, col));
  }
  Line column{{}, RIGHT};
  for (int r = top + (columnFirst ? 0 : 1); r < n; ++r) {
    column.targets.push_back(grid.CellAt(r, top));
  }
  return columnFirst ? filler.Fill(grid, column) && filler.Fill(grid, row)
                     : filler.Fill(grid, row) && filler.Fill(grid, column);
}

// How many boards a step of the beam keeps on a board of side n: as many as the side allows.
size_t BeamWidth(int n) {
  const int cells = n <= TRIED_DOMINOES_SIDE ? BEAM_CELLS / 2 : BEAM_CELLS;
  return static_cast<size_t>(std::clamp(cells / (n * n), 1, 16));
}

// The most ways in which a step fills its row and column.
long long BeamFills(int n) {
  if (n > BEAM_SIDE) return 1;
  return static_cast<long long>(BeamWidth(n) * std::size(URGENT_VARIANTS) * 2);
}

// One step of the reduction: the row and column from (top, top) filled on the kept boards, the
// best of them kept, best first (see BEAM_SIDE); false when no way filled them.
bool FillStep(std::vector<Grid>& beam, LineFiller& filler, int top) {
  const int n = beam.front().Side();
  const int moreLines = std::max(0, n - URGENT_LINES_FROM_SIDE) / SIDE_PER_URGENT_LINE;
  if (n > BEAM_SIDE) return FillCorner(beam.front(), filler, top, false, moreLines);
  const size_t width = BeamWidth(n);
  std::vector<std::pair<long long, Grid>> filled;
  for (const Grid& kept : beam) {
    for (const int extraLines : URGENT_VARIANTS) {
      for (const bool columnFirst : {false, true}) {
        Grid grid = kept;
        if (!FillCorner(grid, filler, top, columnFirst, moreLines + extraLines)) continue;
        const long long rest = n - top - 1 == FINISH_SIDE
                                   ? 2 * CornerEstimate(grid, top + 1)
                                   : SPREAD_HALVES * CornerBoard(grid, top + 1).ManhattanDistance();
        const long long score = 2 * static_cast<long long>(grid.Moves().size()) + rest;
        filled.emplace_back(score, std::move(grid));
      }
    }
  }
  if (filled.empty()) return false;
  // Stable, so that equal scores keep the order they were made in and a board gets the same
  // solution every time.
  std::stable_sort(filled.begin(), filled.end(),
                   [](const auto& x, const auto& y) { return x.first < y.first; });
  beam.clear();
  for (auto& entry : filled) {
    if (beam.size() == width) break;
    const auto same = [&entry](const Grid& kept) { return kept.Cells() == entry.second.Cells(); };
    if (std::none_of(beam.begin(), beam.end(), same)) beam.push_back(std::move(entry.second));
  }
  return true;
}

}  // namespace

void PrepareTables() {
  PatternDatabase4x4::Shared();
  MoveAutomaton::Shared();
  DominoCosts{RIGHT};
  LineCosts{};
}

SolveResult SolvePlanner(const Board& board) {
  if (!IsSolvableBoard(board, 2)) return SolveResult::Refused(Refusal::CANNOT_SOLVE);
  const std::clock_t start = std::clock();
  std::vector<Grid> beam{Grid(board)};
  const int n = beam.front().Side();
  LineFiller filler(n <= TRIED_DOMINOES_SIDE ? LineFiller::Trials::ENDS_AND_DOMINOES
                    : n <= TRIED_ENDS_SIDE   ? LineFiller::Trials::ENDS
                                             : LineFiller::Trials::NONE);
  filler.LimitDominoWork(DOMINO_WORK_PER_CUBE * n * n * n * BeamFills(n));
  int top = 0;
  while (n - top > FINISH_SIDE) {
    if (!FillStep(beam, filler, top++)) return SolveResult::Refused(Refusal::REDUCTION_FAILED);
  }
  Grid grid = std::move(beam.front());
  const int rest = n - top;
  const std::clock_t startFinish = std::clock();
  if (rest == 4 && n > 4) {
    const Board cornerBoard = CornerBoard(grid, top);
    Optimal4x4Search corner;
    corner.complete = false;
    if (n <= SHORTEST_CORNER_SIDE) corner = SolveOptimal4x4Within(cornerBoard, CORNER_SEARCH_NODES);
    if (!corner.complete) corner = SolveNearOptimal4x4Within(cornerBoard, NEAR_CORNER_SEARCH_NODES);
    if (corner.complete) {
      grid.ApplyLetters(corner.moves);
    } else {
      beam.assign(1, std::move(grid));
      if (!FillStep(beam, filler, top++)) return SolveResult::Refused(Refusal::REDUCTION_FAILED);
      grid = std::move(beam.front());
      grid.ApplyLetters(Solve3x3(CornerBoard(grid, top)));
    }
  } else {
    const Board corner = CornerBoard(grid, top);
    grid.ApplyLetters(rest == 4   ? SolveOptimal4x4(corner)
                      : rest == 3 ? Solve3x3(corner)
                                  : SolveOptimal2x2(corner));
  }
  // The tiles ascend to the blank in the last cell: the goal.
  const std::vector<int>& cells = grid.Cells();
  if (cells.back() != 0 || !std::is_sorted(cells.begin(), cells.end() - 1)) {
    return SolveResult::Refused(Refusal::REDUCTION_FAILED);
  }
  const std::clock_t finished = std::clock();
  SolveResult result;
  result.moves = OptimizeSolution(grid.Moves());
  if (n > FINISH_SIDE && n <= SHORTENED_SIDE) result.moves = ShortenStretches(board, result.moves);
  const std::clock_t end = std::clock();
  result.times = {end - start, finished - startFinish, static_cast<unsigned>(rest)};
  return result;
}

}  // namespace planner
