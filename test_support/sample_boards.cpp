// sample_boards.cpp: goal, random, near-goal and partly solved boards.
#include "test_support/sample_boards.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>
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
  Board board;
  while (!board.RandomBoard(n)) {
  }
  return board;
}

Board ShuffledBoard(unsigned n) {
  return BoardKeeping(n, std::vector<bool>(static_cast<size_t>(n) * n), {}, true);
}

Board NearGoalBoard(unsigned n, int moves) {
  Board board = GoalBoard(n);
  Position position(board);
  position.RandomWalk(moves);
  position.CopyTo(board);
  return board;
}

Board BoardKeeping(unsigned n, const std::vector<bool>& kept,
                   const std::vector<std::pair<int, int>>& placed, bool shuffle) {
  std::vector<int> tiles = GoalTiles(n);
  std::vector<int> others, cells;
  for (unsigned cell = 0; cell < n * n; ++cell) {
    if (kept[cell]) continue;
    const auto isPlaced = [&](const std::pair<int, int>& p) { return p.first == tiles[cell]; };
    if (std::none_of(placed.begin(), placed.end(), isPlaced)) others.push_back(tiles[cell]);
    const auto taken = [cell](const std::pair<int, int>& p) { return p.second == int(cell); };
    if (std::none_of(placed.begin(), placed.end(), taken)) cells.push_back(int(cell));
  }
  for (size_t i = others.size(); shuffle && i > 1; --i) {
    std::swap(others[i - 1], others[static_cast<size_t>(DrawRandom()) % i]);
  }
  for (const auto& [tile, cell] : placed) tiles[static_cast<size_t>(cell)] = tile;
  for (size_t i = 0; i < cells.size(); ++i) tiles[static_cast<size_t>(cells[i])] = others[i];
  Board board = BoardOf(n, tiles);
  std::vector<int*> swappable;
  for (const int cell : cells) {
    if (tiles[static_cast<size_t>(cell)] != 0)
      swappable.push_back(&board.tiles[static_cast<size_t>(cell)]);
  }
  if (!board.IsSolvable()) std::swap(*swappable[0], *swappable[1]);
  return board;
}

const std::vector<HardBoard4x4>& HardestBoards4x4() {
  static const std::vector<HardBoard4x4> boards = [] {
    const std::vector<std::vector<int>> farthest = {
        {0, 12, 9, 13, 15, 11, 10, 14, 3, 7, 2, 5, 4, 8, 6, 1},
        {0, 12, 10, 13, 15, 11, 14, 9, 3, 7, 2, 5, 4, 8, 6, 1},
        {0, 11, 9, 13, 12, 15, 10, 14, 3, 7, 6, 2, 4, 8, 5, 1},
        {0, 15, 9, 13, 11, 12, 10, 14, 3, 7, 6, 2, 4, 8, 5, 1},
        {0, 12, 9, 13, 15, 11, 10, 14, 3, 7, 6, 2, 4, 8, 5, 1},
        {0, 12, 14, 13, 15, 11, 9, 10, 3, 7, 6, 2, 4, 8, 5, 1},
        {0, 12, 10, 13, 15, 11, 14, 9, 3, 7, 6, 2, 4, 8, 5, 1},
        {0, 12, 11, 13, 15, 14, 10, 9, 3, 7, 6, 2, 4, 8, 5, 1},
        {0, 12, 10, 13, 15, 11, 9, 14, 7, 3, 6, 2, 4, 8, 5, 1},
        {0, 12, 9, 13, 15, 11, 14, 10, 3, 8, 6, 2, 4, 7, 5, 1},
        {0, 12, 9, 13, 15, 11, 10, 14, 8, 3, 6, 2, 4, 7, 5, 1},
        {0, 12, 14, 13, 15, 11, 9, 10, 8, 3, 6, 2, 4, 7, 5, 1},
        {0, 12, 9, 13, 15, 11, 10, 14, 7, 8, 6, 2, 4, 3, 5, 1},
        {0, 12, 10, 13, 15, 11, 14, 9, 7, 8, 6, 2, 4, 3, 5, 1},
        {0, 12, 9, 13, 15, 8, 10, 14, 11, 7, 6, 2, 4, 3, 5, 1},
        {0, 12, 9, 13, 15, 11, 10, 14, 3, 7, 5, 6, 4, 8, 2, 1},
        {0, 12, 9, 13, 15, 11, 10, 14, 7, 8, 5, 6, 4, 3, 2, 1},
    };
    std::vector<HardBoard4x4> list;
    for (const std::vector<int>& tiles : farthest) list.push_back({BoardOf(4, tiles), 80});
    list.push_back({TransposedCornerBoard(4), 72});
    return list;
  }();
  return boards;
}

Board TransposedCornerBoard(unsigned n) {
  Board board = GoalBoard(n);
  const unsigned first = n - 4;
  for (unsigned row = first; row < n; ++row) {
    for (unsigned col = first; col < n; ++col) {
      board.tiles[row * n + col] = static_cast<int>(col * n + row + 1);
    }
  }
  board.tiles[n * n - 1] = 0;
  board.FindBlank();
  return board;
}

Board PartlyHomeBoard(unsigned n) {
  std::vector<bool> home(static_cast<size_t>(n) * n, false);
  const unsigned rowHome = static_cast<unsigned>(DrawRandom()) % (n + 1);
  const unsigned colHome = static_cast<unsigned>(DrawRandom()) % (n + 1);
  for (unsigned c = 0; c < rowHome; ++c) home[c] = true;
  for (unsigned r = n; r-- > 1 && n - r <= colHome;) home[r * n] = true;
  if (DrawRandom() % 2) home[n] = true;
  if (DrawRandom() % 2) home[2 * n] = true;
  if (DrawRandom() % 2) home[n - 1] = true;
  return BoardKeeping(n, home, {}, true);
}

bool IsGoal(const Board& board) {
  return board.tiles == GoalTiles(board.n);
}

bool SolvesBoard(const Board& board, const MoveSequence& solution) {
  Board copy(board);
  return ApplyMoves(copy, solution) && IsGoal(copy);
}

std::vector<std::vector<Board>> PositionsNearGoal(unsigned n, int maxDepth) {
  // Four bits a cell: a key for boards of up to sixteen cells.
  const auto key = [](const Board& board) {
    std::uint64_t k = 0;
    for (const int tile : board.tiles) k = k << 4 | static_cast<std::uint64_t>(tile);
    return k;
  };
  std::vector<std::vector<Board>> byDepth = {{GoalBoard(n)}};
  std::unordered_set<std::uint64_t> seen = {key(byDepth[0][0])};
  for (int depth = 1; depth <= maxDepth; ++depth) {
    std::vector<Board> layer;
    for (const Board& board : byDepth.back()) {
      for (const char letter : std::string("UDLR")) {
        Board next(board);
        if (ApplyMoves(next, MoveSequence(1, letter)) && seen.insert(key(next)).second) {
          layer.push_back(next);
        }
      }
    }
    if (layer.empty()) break;
    byDepth.push_back(std::move(layer));
  }
  return byDepth;
}
