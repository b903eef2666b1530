// solution_check.cpp: the moves replayed on a plain copy of the cells.
#include "study/solution_check.h"

#include <array>
#include <cstdint>
#include <vector>

bool ReachesGoal(const Board& board, const MoveSequence& moves) {
  const unsigned n = board.n;
  const size_t cells = static_cast<size_t>(n) * n;
  if (n == 0 || board.tiles.size() != cells) return false;
  // The cells inside a frame of walls, so that a move is one table look-up and one test: a
  // letter that would leave the board meets a wall, and any other character has no step.
  constexpr int WALL = -1;
  const size_t width = n + 2;
  std::vector<int> grid(width * width, WALL);
  size_t blank = grid.size();
  for (size_t i = 0; i < cells; ++i) {
    const size_t at = (i / n + 1) * width + i % n + 1;
    grid[at] = board.tiles[i];
    if (board.tiles[i] == 0 && blank == grid.size()) blank = at;
  }
  if (blank == grid.size()) return false;
  std::array<std::ptrdiff_t, 256> step{};
  const auto row = static_cast<std::ptrdiff_t>(width);
  step['U'] = -row;
  step['D'] = row;
  step['L'] = -1;
  step['R'] = 1;
  auto at = static_cast<std::ptrdiff_t>(blank);
  for (const char letter : moves) {
    const std::ptrdiff_t target = at + step[static_cast<unsigned char>(letter)];
    if (target == at || grid[target] == WALL) return false;
    grid[at] = grid[target];
    grid[target] = 0;
    at = target;
  }
  for (size_t i = 0; i + 1 < cells; ++i) {
    if (grid[(i / n + 1) * width + i % n + 1] != static_cast<int>(i + 1)) return false;
  }
  return true;
}
