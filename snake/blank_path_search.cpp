// blank_path_search.cpp: the blank's shortest walk around blocked cells: a breadth-first search,
// and the walks round a two-tile snake that give its answer without searching.
#include "snake/blank_path_search.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "snake/snake_solver.h"

namespace snake {

namespace {

// The search tries the neighbours up, right, left, down; that order decides between walks of
// equal length. Its walk is therefore, of all the shortest walks over free cells, the first in
// that order of letters: a cell is first reached from the neighbour nearer the start that the
// search takes first, which by the same argument one step back is the one whose own walk comes
// first.
constexpr char LETTERS[] = "URLD";
constexpr int ROW_STEP[] = {-1, 0, 0, 1};
constexpr int COL_STEP[] = {0, 1, -1, 0};

// How many steps longer than the shortest walk round the snake the listed walks go, and the
// most steps a listed walk takes.
constexpr int SLACK = 4;
constexpr size_t LONGEST = 12;
static_assert(LONGEST + 2 <= 16, "a walk and the snake's step are read as 16 characters");

// What FollowDetour reads of a walk, apart from the rest, so that the walks of a shape lie
// close together in memory.
struct DetourCheck {
  unsigned char length = 0;
  // The cells the blank enters, as steps from the blank's cell in the marks.
  short gridSteps[LONGEST] = {};
  // skip[k]: the next walk worth trying when cell k is not free, past those of the same length
  // that enter the same cells up to k.
  unsigned short skip[LONGEST] = {};
};

// A walk of the blank from its cell round a two-tile snake: the snake's tail next to the blank,
// its head next to the tail, the target next to the head, the shape given by those three steps.
// Take the walks from the blank to the target that avoid the tail and the head, on a board
// without edges and without any other blocked cell, ordered by length and then as the search
// orders them. On a real board there are only fewer walks, so the first of these whose cells
// are all free on the board is the search's answer there too. The walks listed are those up to
// a few steps longer than the shortest; when none of them is free, the search is run after all.
struct Detour {
  std::string letters;
  DetourCheck check;
  // The letters followed by the snake's step into the target, which moves the blank on into
  // the head's and then the tail's cell; at least 16 characters can be read from it.
  char withStep[LONGEST + 16] = {};
  // As a piece that knows its reach, set once the table holds the walk for good.
  MovePiece pieceWithStep{""};
};

using Detours = std::vector<Detour>;

// Every walk of at most maxLength steps from (0, 0) to the target that enters no closed cell
// and no cell twice, in the search's order of letters; cells are given as steps in the marks.
void ListWalks(int row, int col, int targetRow, int targetCol, const std::vector<int>& closed,
               size_t maxLength, Detour& walk, Detours& walks) {
  const size_t length = walk.letters.size();
  if (row == targetRow && col == targetCol) {
    walks.push_back(walk);
    return;
  }
  if (static_cast<size_t>(std::abs(targetRow - row) + std::abs(targetCol - col)) >
      maxLength - length) {
    return;
  }
  short* const entered = walk.check.gridSteps;
  for (int code = 0; code < 4 && length < LONGEST; ++code) {
    const int r = row + ROW_STEP[code], c = col + COL_STEP[code];
    const short step = static_cast<short>(r * STRIDE + c);
    if (std::count(closed.begin(), closed.end(), step) > 0 ||
        std::count(entered, entered + length, step) > 0) {
      continue;
    }
    walk.letters += LETTERS[code];
    entered[length] = step;
    ListWalks(r, c, targetRow, targetCol, closed, maxLength, walk, walks);
    walk.letters.pop_back();
  }
}

// The walks of one shape: step codes toTail, toHead and toTarget.
Detours ShapeDetours(int toTail, int toHead, int toTarget) {
  const int tailRow = ROW_STEP[toTail], tailCol = COL_STEP[toTail];
  const int headRow = tailRow + ROW_STEP[toHead], headCol = tailCol + COL_STEP[toHead];
  const int targetRow = headRow + ROW_STEP[toTarget], targetCol = headCol + COL_STEP[toTarget];
  const int tail = tailRow * STRIDE + tailCol, head = headRow * STRIDE + headCol;
  const int target = targetRow * STRIDE + targetCol;
  Detours walks;
  // A snake doubled back onto the blank, or a target on the blank or the tail, has no walk.
  if (head == 0 || target == 0 || target == tail) return walks;
  const std::vector<int> closed = {0, tail, head};
  Detour walk;
  size_t shortest = static_cast<size_t>(std::abs(targetRow) + std::abs(targetCol));
  for (; walks.empty(); ++shortest) {
    ListWalks(0, 0, targetRow, targetCol, closed, shortest, walk, walks);
  }
  walks.clear();
  ListWalks(0, 0, targetRow, targetCol, closed, shortest - 1 + SLACK, walk, walks);
  std::stable_sort(walks.begin(), walks.end(), [](const Detour& a, const Detour& b) {
    return a.letters.size() < b.letters.size();
  });
  for (size_t i = 0; i < walks.size(); ++i) {
    Detour& detour = walks[i];
    // Codes 0 ... 3 are up, right, left, down: a step's opposite is 3 minus it.
    const std::string withStep = detour.letters + LETTERS[3 - toTarget] + LETTERS[3 - toHead];
    withStep.copy(detour.withStep, withStep.size());
    detour.check.length = static_cast<unsigned char>(detour.letters.size());
    for (size_t k = 0; k < detour.letters.size(); ++k) {
      size_t next = i + 1;
      while (next < walks.size() && walks[next].letters.size() == detour.letters.size() &&
             walks[next].letters.compare(0, k + 1, detour.letters, 0, k + 1) == 0) {
        ++next;
      }
      detour.check.skip[k] = static_cast<unsigned short>(next);
    }
  }
  return walks;
}

}  // namespace

// The walks of every shape, listed on first use, and what FollowDetour reads of them.
struct DetourTable {
  std::array<Detours, 64> shapes;
  std::array<std::vector<DetourCheck>, 64> checks;

  DetourTable() {
    for (int shape = 0; shape < 64; ++shape) {
      shapes[shape] = ShapeDetours(shape / 16, shape / 4 % 4, shape % 4);
      for (Detour& detour : shapes[shape]) {
        detour.pieceWithStep = MovePiece(detour.withStep);
        checks[shape].push_back(detour.check);
      }
    }
  }

  // The one table, made on first use by any router.
  static const DetourTable& Shared() {
    static const DetourTable table;
    return table;
  }
};

void PrepareTables() {
  DetourTable::Shared();
}

BlankRouter::BlankRouter(Solver& solver, Marks& marks)
    : solver(solver), marks(marks), detours(DetourTable::Shared()) {}

std::optional<MovePiece> BlankRouter::FindMovesTo(int target) {
  const int start = static_cast<int>(solver.Current().Blank());
  if (!marks.OnBoard(start) || !marks.OnBoard(target) || !SearchRoute(start, target)) {
    solver.Fault("Error in FindMovesTo - failed to reach final destination!");
    return std::nullopt;
  }
  return MovePiece(routeMoves.data(), routeMoves.size(), 1);
}

bool BlankRouter::FollowDetour(int target, const std::vector<int>& snake,
                               DetourFound& found) const {
  const bool followsStep = found.walkAndStep != nullptr;
  found.walkAndStep = nullptr;
  if (snake.size() != 2) return false;
  int* const rows = found.rows;
  int* const cols = found.cols;
  if (followsStep) {
    // The snake moved into the last target: the blank stands where its tail stood, the tail
    // where its head stood, and the head on that target.
    // Each by itself, not as a loop that the compiler would make a call to copy memory.
    rows[0] = rows[1], cols[0] = cols[1];
    rows[1] = rows[2], cols[1] = cols[2];
    rows[2] = rows[3], cols[2] = cols[3];
    found.codes[0] = found.codes[1];
    found.codes[1] = found.codes[2];
  } else {
    rows[0] = solver.Current().BlankRow();
    cols[0] = solver.Current().BlankCol();
    if (!StepTo(1, static_cast<int>(solver.Current().Blank()), snake[1], found) ||
        !StepTo(2, snake[1], snake[0], found)) {
      return false;
    }
  }
  if (!StepTo(3, snake[0], target, found)) return false;
  // The first listed walk of the shape whose cells are all free.
  const int shape = found.codes[0] * 16 + found.codes[1] * 4 + found.codes[2];
  const std::vector<DetourCheck>& checks = detours.checks[shape];
  // Off the board the marks are blocked, within a margin that no walk leaves.
  const int* const blank = &marks.At(rows[0], cols[0]);
  for (size_t i = 0; i < checks.size();) {
    const DetourCheck& check = checks[i];
    const size_t length = check.length;
    size_t k = 0;
    while (k < length && blank[check.gridSteps[k]] == FREE_CELL) ++k;
    if (k == length) {
      found.walkAndStep = &detours.shapes[shape][i].pieceWithStep;
      return true;
    }
    i = check.skip[k];
  }
  return false;
}

bool BlankRouter::StepTo(int i, int from, int to, DetourFound& found) const {
  const int n = Side();
  const int difference = to - from;
  const int col = found.cols[i - 1];
  const int code = difference == -n                 ? 0
                   : difference == 1 && col + 1 < n ? 1
                   : difference == -1 && col > 0    ? 2
                   : difference == n                ? 3
                                                    : -1;
  if (code < 0) return false;
  found.codes[i - 1] = code;
  found.rows[i] = found.rows[i - 1] + ROW_STEP[code];
  found.cols[i] = col + COL_STEP[code];
  return true;
}

bool BlankRouter::SearchRoute(int start, int target) {
  const int n = Side();
  int* const grid = &marks.At(0, 0);
  const int from = start / n * STRIDE + start % n;
  const int to = target / n * STRIDE + target % n;
  // While the search runs the marks are its visited set and its map of predecessors: a reached
  // cell holds the position of the cell it was first reached from. The queue keeps every cell
  // reached, so it also tells which marks to free afterwards.
  const int startMark = grid[from];
  grid[from] = BLOCKED_CELL;
  searchQueue.assign(1, from);
  routeMoves.clear();
  size_t next = 0;
  for (; next < searchQueue.size() && searchQueue[next] != to; ++next) {
    const int cell = searchQueue[next];
    // Up, right, left, down, as in LETTERS; the margin round the board is blocked.
    for (const int neighbour : {cell - STRIDE, cell + 1, cell - 1, cell + STRIDE}) {
      if (grid[neighbour] != FREE_CELL) continue;
      grid[neighbour] = cell;
      searchQueue.push_back(neighbour);
    }
  }
  const bool reached = next < searchQueue.size();
  if (reached) {
    // The predecessors lead back from the target, so the letters come last first.
    for (int cell = to; grid[cell] != BLOCKED_CELL; cell = grid[cell]) {
      routeMoves += MoveLetter(cell, grid[cell], STRIDE);
    }
    std::reverse(routeMoves.begin(), routeMoves.end());
  }
  for (const int cell : searchQueue) grid[cell] = FREE_CELL;
  grid[from] = startMark;
  // The blank's own cell is left free, whatever it was; a trial that is rolled back restores it.
  marks.Set(start, FREE_CELL);
  return reached;
}

}  // namespace snake
