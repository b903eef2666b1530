// snake_routes.cpp: the staircase routes along which a snake's head is carried home.
#include "snake/snake_routes.h"

namespace snake {
namespace {

// Appends one step of the route's cursor.
void Step(std::vector<int>& path, unsigned& cursor, int delta) {
  cursor = static_cast<unsigned>(static_cast<int>(cursor) + delta);
  path.push_back(static_cast<int>(cursor));
}

void Steps(std::vector<int>& path, unsigned& cursor, int delta, int count) {
  for (int i = 0; i < count; ++i) Step(path, cursor, delta);
}

}  // namespace

bool BuildRowRoute(Solver& solver, int t, const std::vector<int>& snake,
                   std::vector<int>& snakePath) {
  const int n = static_cast<int>(solver.Current().Side());
  unsigned blankIndex = solver.Current().Blank();
  if (snake.empty() || n == 0) return true;
  const int head = snake.front();
  snakePath.clear();
  int cRow = static_cast<int>(blankIndex) / n, cCol = static_cast<int>(blankIndex) % n;
  int gRow = t / n, gCol = t % n;  // the tail's goal, (0, t)
  if (head == t - 1) {
    return false;
  }
  // From the left the route comes along row 1 and turns up at column t.
  const bool fromRight = cCol >= gCol;
  if (!fromRight) ++gRow;
  if (cRow == 0 && cCol == t - 1) {
    if (head == t) return true;
    if (head == static_cast<int>(blankIndex) + n) {
      if (snake.size() > 1 && snake[1] == head + 1) {
        return false;
      }
      solver.DoMoves("RD");
      ++cCol;
      cRow = 1;
      blankIndex = solver.Current().Blank();
    }
  }
  // The staircase only climbs: a blank above the row it must reach has no route.
  if (cRow < gRow) {
    return false;
  }
  char direction = 0;
  bool straightUp = false;
  while (cRow != gRow) {
    if (cCol == gCol) {
      Steps(snakePath, blankIndex, -n, cRow - gRow);
      straightUp = true;
      break;
    }
    const int sideways = cCol < gCol ? 1 : -1;
    const char across = sideways > 0 ? 'R' : 'L';
    if (direction == 0) {
      direction = head == static_cast<int>(blankIndex) - sideways ? across : 'U';
    }
    if (direction == across) {
      Step(snakePath, blankIndex, sideways);
      Step(snakePath, blankIndex, -n);
      direction = 'U';
    } else {
      Step(snakePath, blankIndex, -n);
      Step(snakePath, blankIndex, sideways);
      direction = across;
    }
    cCol += sideways;
    --cRow;
  }
  if (!straightUp) {
    if (cCol > gCol) Steps(snakePath, blankIndex, -1, cCol - gCol);
    if (cCol < gCol) Steps(snakePath, blankIndex, 1, gCol - cCol);
  }
  if (!fromRight) Step(snakePath, blankIndex, -n);
  Step(snakePath, blankIndex, -1);
  return true;
}

bool BuildColRoute(Solver& solver, int t, const std::vector<int>& snake,
                   std::vector<int>& snakePath) {
  const int n = static_cast<int>(solver.Current().Side());
  unsigned blankIndex = solver.Current().Blank();
  if (snake.empty() || n == 0) return true;
  const int head = snake.front();
  const int tailGoal = t - n - 1;  // (k - 1, 0), directly above the head's goal
  snakePath.clear();
  int cRow = static_cast<int>(blankIndex) / n, cCol = static_cast<int>(blankIndex) % n;
  int gRow = tailGoal / n, gCol = tailGoal % n;
  // From below the route comes up column 1 and turns left at row k - 1.
  const bool fromAbove = cRow <= gRow;
  if (!fromAbove) ++gCol;
  if (cCol == 0 && cRow == t / n) {
    if (head == tailGoal) return true;
    if (head == static_cast<int>(blankIndex) + 1) {
      if (snake.size() > 1 && snake[1] == head - n) {
        return false;
      }
      solver.DoMoves("UR");
      --cRow;
      cCol = 1;
      blankIndex = solver.Current().Blank();
    }
  }
  // The staircase only runs left: a blank left of the column it must reach has no route.
  if (cCol < gCol) {
    return false;
  }
  char direction = 0;
  bool straight = false;
  while (cRow != gRow) {
    if (cCol == gCol) {
      if (cRow > gRow) Steps(snakePath, blankIndex, -n, cRow - gRow);
      if (cRow < gRow) Steps(snakePath, blankIndex, n, gRow - cRow);
      straight = true;
      break;
    }
    const int vertical = cRow > gRow ? -n : n;
    const char along = cRow > gRow ? 'U' : 'D';
    if (direction == 0) direction = head == static_cast<int>(blankIndex) + 1 ? 'L' : along;
    if (direction == 'L') {
      Step(snakePath, blankIndex, -1);
      Step(snakePath, blankIndex, vertical);
      direction = along;
    } else {
      Step(snakePath, blankIndex, vertical);
      Step(snakePath, blankIndex, -1);
      direction = 'L';
    }
    --cCol;
    cRow += cRow > gRow ? -1 : 1;
  }
  if (!straight && cCol > gCol) Steps(snakePath, blankIndex, -1, cCol - gCol);
  if (!fromAbove) Step(snakePath, blankIndex, -1);
  Step(snakePath, blankIndex, n);
  return true;
}

}  // namespace snake
