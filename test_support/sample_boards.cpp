// sample_boards.cpp: goal, random, near-goal and partly solved boards.
#include "test_support/sample_boards.h"

#include <sstream>
#include <utility>

#include "board/random_draw.h"
#include "solver/position.h"

Board BoardOf(unsigned n, std::vector<int> tiles) {
  Board board;
  board.n = n;
  board.tiles = std::move(tiles);
  board.FindBlank();
  return board;
}

Board GoalBoard(unsigned n) {
  return BoardOf(n, GoalTiles(n));
}

Board RandomSolvableBoard(unsigned n) {
  std::ostringstream ignored;
  Board board;
  while (!board.RandomBoard(n, ignored)) {
  }
  return board;
}

Board NearGoalBoard(unsigned n, int moves) {
  Board board = GoalBoard(n);
  Position position(board);
  position.RandomWalk(moves);
  position.CopyTo(board);
  return board;
}

namespace {

Board DrawPartlyHomeBoard(unsigned n) {
  const size_t cells = static_cast<size_t>(n) * n;
  std::vector<bool> home(cells, false);
  const unsigned rowHome = static_cast<unsigned>(DrawRandom()) % (n + 1);
  const unsigned colHome = static_cast<unsigned>(DrawRandom()) % (n + 1);
  for (unsigned c = 0; c < rowHome; ++c) home[c] = true;
  for (unsigned r = n; r-- > 1 && n - r <= colHome;) home[r * n] = true;
  if (n > 2 && DrawRandom() % 2) home[n] = true;
  if (n > 2 && DrawRandom() % 2) home[2 * n] = true;
  if (n > 1 && DrawRandom() % 2) home[n - 1] = true;

  std::vector<int> rest;
  for (size_t i = 0; i < cells; ++i) {
    if (!home[i]) rest.push_back(i + 1 == cells ? 0 : static_cast<int>(i + 1));
  }
  for (size_t i = rest.size(); i > 1; --i) {
    std::swap(rest[i - 1], rest[static_cast<size_t>(DrawRandom()) % i]);
  }
  Board board = GoalBoard(n);
  size_t next = 0;
  for (size_t i = 0; i < cells; ++i) {
    if (!home[i]) board.tiles[i] = rest[next++];
  }
  board.FindBlank();
  return board;
}

}  // namespace

Board PartlyHomeBoard(unsigned n) {
  std::ostringstream ignored;
  Board board = DrawPartlyHomeBoard(n);
  // Half of all shuffles are solvable.
  while (!board.IsSolvable(ignored)) board = DrawPartlyHomeBoard(n);
  return board;
}

bool IsGoal(const Board& board) {
  if (board.tiles.size() != static_cast<size_t>(board.n) * board.n) return false;
  for (size_t i = 0; i + 1 < board.tiles.size(); ++i) {
    if (board.tiles[i] != static_cast<int>(i + 1)) return false;
  }
  return true;
}

bool SolvesBoard(const Board& board, const MoveSequence& solution) {
  Board copy(board);
  return ApplyMoves(copy, solution) && IsGoal(copy);
}
