// planner_solver.cpp: checking the board, the reduction to 4 x 4, and the finish.
#include "planner/planner_solver.h"

#include <cstdint>
#include <ctime>
#include <utility>

#include "exact/end_game_search.h"
#include "exact/optimal_2x2.h"
#include "exact/optimal_4x4.h"
#include "planner/grid.h"
#include "planner/line_filler.h"
#include "solver/reduction.h"
#include "solver/solution_optimizer.h"
#include "solver/stretch_shortener.h"

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
// Up to this side the solution is shortened stretch by stretch: two to seven in a hundred moves
// saved for a few milliseconds. On larger boards the lines are long and straight, and a stretch
// seldom holds a detour the search can find.
constexpr int SHORTENED_SIDE = 12;
// Up to this side each step fills the row and the column in both orders and keeps the shorter:
// one to three in a hundred moves saved, where the corner search costs far more than the lines.
// Beyond it the saving falls under half a percent.
constexpr int ORDER_CHOSEN_SIDE = 20;

bool IsGoal(const Grid& grid) {
  const int cells = grid.Side() * grid.Side();
  for (int cell = 0; cell + 1 < cells; ++cell) {
    if (grid.TileAt(cell) != cell + 1) return false;
  }
  return true;
}

// The k x k part from (top, left) to the corner, renumbered as a k x k board.
Board CornerBoard(const Grid& grid, int top, int left, int k) {
  Board corner;
  corner.n = static_cast<unsigned>(k);
  for (int row = top; row < top + k; ++row) {
    for (int col = left; col < left + k; ++col) {
      const int tile = grid.TileAt(grid.CellAt(row, col));
      const int goal = Grid::GoalOf(tile);
      corner.tiles.push_back(tile == 0 ? 0
                                       : (grid.Row(goal) - top) * k + (grid.Col(goal) - left) + 1);
    }
  }
  corner.FindBlank();
  return corner;
}

}  // namespace

SolveResult SolvePlanner(const Board& board) {
  if (!IsSolvableBoard(board, 2)) return SolveResult::Refused(Refusal::CANNOT_SOLVE);
  const std::clock_t start = std::clock();
  Grid grid(board);
  const int n = grid.Side();
  LineFiller filler;
  int top = 0, left = 0;
  // Fills the first row and column of the unsolved part, in the order given; false when a
  // search failed.
  auto fill = [&](Grid& target, bool columnFirst) {
    target.SetUnsolved(top, left);
    Line row{{}, DOWN};
    for (int col = left + (columnFirst ? 1 : 0); col < n; ++col) {
      row.targets.push_back(target.CellAt(top, col));
    }
    Line column{{}, RIGHT};
    for (int r = top + (columnFirst ? 0 : 1); r < n; ++r) {
      column.targets.push_back(target.CellAt(r, left));
    }
    return columnFirst ? filler.Fill(target, column) && filler.Fill(target, row)
                       : filler.Fill(target, row) && filler.Fill(target, column);
  };
  // Fills them row first, or on a small board in whichever order takes fewer moves.
  auto reduce = [&]() {
    bool filled;
    if (n <= ORDER_CHOSEN_SIDE) {
      Grid columnFirst = grid;
      const bool rowFilled = fill(grid, false), columnFilled = fill(columnFirst, true);
      if (columnFilled && (!rowFilled || columnFirst.Moves().size() < grid.Moves().size())) {
        grid = std::move(columnFirst);
      }
      filled = rowFilled || columnFilled;
    } else {
      filled = fill(grid, false);
    }
    ++top;
    ++left;
    return filled;
  };
  while (n - top > FINISH_SIDE) {
    if (!reduce()) return SolveResult::Refused(Refusal::REDUCTION_FAILED);
  }
  const int rest = n - top;
  const std::clock_t startFinish = std::clock();
  if (rest == 4 && n > 4) {
    const Board cornerBoard = CornerBoard(grid, top, left, rest);
    Optimal4x4Search corner = SolveOptimal4x4Within(cornerBoard, CORNER_SEARCH_NODES);
    if (!corner.complete) corner = SolveNearOptimal4x4Within(cornerBoard, NEAR_CORNER_SEARCH_NODES);
    if (corner.complete) {
      grid.ApplyLetters(corner.moves);
    } else {
      if (!reduce()) return SolveResult::Refused(Refusal::REDUCTION_FAILED);
      grid.ApplyLetters(Solve3x3(CornerBoard(grid, top, left, 3)));
    }
  } else {
    const Board corner = CornerBoard(grid, top, left, rest);
    grid.ApplyLetters(rest == 4   ? SolveOptimal4x4(corner)
                      : rest == 3 ? Solve3x3(corner)
                                  : SolveOptimal2x2(corner));
  }
  if (!IsGoal(grid)) return SolveResult::Refused(Refusal::REDUCTION_FAILED);
  const std::clock_t finished = std::clock();
  SolveResult result;
  result.moves = OptimizeSolution(grid.Moves());
  if (n > FINISH_SIDE && n <= SHORTENED_SIDE) result.moves = ShortenStretches(board, result.moves);
  const std::clock_t end = std::clock();
  result.times = {end - start, finished - startFinish, static_cast<unsigned>(rest)};
  return result;
}

}  // namespace planner
