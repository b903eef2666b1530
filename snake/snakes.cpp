// snakes.cpp: forming a two-tile snake and carrying it home along its route.
#include <cstring>
#include <string>
#include <utility>

#include "snake/snake_solver.h"

Cell GetCellNextTo(int row2, int col2, int row1, int col1) {
  const int d = (row1 - col1) - (row2 - col2);
  const int s = (row1 + col1) - (row2 + col2);
  if (d < 0 && s < 0) return {row2 - 1, col2};
  if (d >= 0 && s < 0) return {row2, col2 - 1};
  if (d <= 0) return {row2, col2 + 1};
  if (s == 0) return {row2, col2 - 1};
  return {row2 + 1, col2};
}

bool SnakeSolver::PlaceTilesBySnake(int row1, int col1, int row2, int col2) {
  const int n = Side();
  const int tileA = TileAt(row1, col1);
  const int tileB = TileAt(row2, col2);
  if (tileA <= 0 || tileB <= 0 || !OnBoard(static_cast<int>(blankIndex))) return false;
  const int blankRow = static_cast<int>(blankIndex) / n;
  const int blankCol = static_cast<int>(blankIndex) % n;

  // The blank comes to the side of A that faces away from B's column.
  char side = 'R';
  if (col1 < col2) {
    BringBlankLeft(blankCol, blankRow, row1, col1);
    side = 'L';
  } else {
    BringBlankRight(blankCol, blankRow, row1, col1);
    if (col1 < col2) {
      DoMoves("L");
      ++col1;
      side = 'L';
    }
  }
  if (TileAt(row2, col2) != tileB) {
    const int b = static_cast<int>(FindTile(tileB));
    row2 = b / n;
    col2 = b % n;
  }
  const Cell beside = GetCellNextTo(row2, col2, row1, col1);
  MoveTileToCoords(row1, col1, beside.row, beside.col, side);

  if (!InitSnake(tileA, tileB)) {
    Out() << "\n\nError - cant init snake from tiles " << tileA << " and " << tileB << "\n";
    return false;
  }
  // The set-up does not look out for placed tiles; if it pushed one out of place, the pair is
  // not worth carrying home.
  if (!PlacedTilesHome()) return false;
  if (tileA < n) {
    BuildSnakePathRow();
  } else {
    BuildSnakePathCol();
  }
  if (!snakePath.empty() && !snake.empty() && snakePath.front() == snake.front()) return false;
  return MoveSnakeAlongPath();
}

bool SnakeSolver::PlacedTilesHome() const {
  const int n = Side();
  const int t = currentTile;
  if (t < n) {
    for (int placed = 1; placed < t; ++placed) {
      if (!IsTileAtGoal(placed)) return false;
    }
    return true;
  }
  // A column pair: the whole first row, and the column below the pair.
  for (int placed = 1; placed <= n; ++placed) {
    if (!IsTileAtGoal(placed)) return false;
  }
  for (int placed = t + n; placed <= n * (n - 1) + 1; placed += n) {
    if (!IsTileAtGoal(placed)) return false;
  }
  return true;
}

bool SnakeSolver::InitSnake(int tileA, int tileB) {
  const int n = Side();
  blankIndex = Current().Blank();
  const int z = static_cast<int>(blankIndex);
  const int a = static_cast<int>(FindTile(tileA));
  const int b = static_cast<int>(FindTile(tileB));
  snake.clear();
  // A already leads: it is B's left neighbour in a row pair or its lower one in a column pair.
  if (tileA == tileB - 1 || tileA == tileB + n) {
    snake = {a, b};
    return true;
  }
  // Otherwise B becomes the head, and the blank steps round to its side.
  const char toA = MoveLetter(a, z, n);
  const char toB = MoveLetter(b, a, n);
  if (toA == 'R' || toA == 'L') {
    if (toB == 'U' || toB == 'D') {
      DoMoves(std::string(1, toB));
      snake = {b, a};
      return true;
    }
    if (toB == toA) {
      // The blank passes through A and B, so each moves one cell back towards it.
      DoMoves(std::string(2, toA));
      const int back = toA == 'R' ? -1 : 1;
      snake = {b + back, a + back};
      return true;
    }
    Out() << "\n\nError in function InitSnake: unexpected tile2 position.";
    return false;
  }
  Out() << "\n\nError in function InitSnake: unexpected zero position.";
  return false;
}

bool SnakeSolver::MoveAlongSnake() {
  const int n = Side();
  blankIndex = Current().Blank();
  int p = static_cast<int>(blankIndex);
  MoveSequence& moves = stepMoves;
  moves.clear();
  // Every letter is worked out before the snake or the grid change, so a blank that is not next
  // to the head leaves both as they were.
  for (const int cell : snake) {
    const char letter = MoveLetter(cell, p, n);
    if (letter == 'X') {
      Out() << "\nError in function MoveAlongSnake - can't determine next step. P1=" << p
            << " P2=" << cell;
      return false;
    }
    moves += letter;
    p = cell;
  }
  AdvanceSnake(static_cast<int>(blankIndex));
  DoMoves(moves);
  SetMark(static_cast<int>(blankIndex), FREE_CELL);
  return true;
}

void SnakeSolver::AdvanceSnake(int from) {
  int p = from;
  for (int& cell : snake) {
    SetMark(p, BLOCKED_CELL);
    std::swap(cell, p);
  }
  blankIndex = static_cast<unsigned>(p);
}

bool SnakeSolver::StepAlongDetour(int cell, DetourFound& found) {
  // As RouteBlankTo, AdvanceSnake and MoveAlongSnake's last mark do it, mark for mark. The
  // moves wait in pendingSteps: steps in a row are applied as one text, which none of their
  // letters can make refused, so nothing that could be seen changes. Meanwhile blankIndex is
  // where the blank will be.
  const bool previous = found.walk != nullptr;
  if (!previous) {
    ApplyPendingSteps();
    blankIndex = Current().Blank();
  }
  const int start = static_cast<int>(blankIndex);
  if (!OnBoard(start) || !OnBoard(cell)) return false;
  if (!(previous ? FollowDetourOn(cell, found) : FollowDetour(cell, found))) return false;
  routeFound = true;
  const int head = snake[0], tail = snake[1];
  SetMarkAt(start, found.rows[0], found.cols[0], FREE_CELL);
  SetMarkAt(cell, found.rows[3], found.cols[3], BLOCKED_CELL);
  SetMarkAt(head, found.rows[2], found.cols[2], BLOCKED_CELL);
  snake[0] = cell;
  snake[1] = head;
  blankIndex = static_cast<unsigned>(tail);
  const MovePiece& walk = *found.walkAndStep;
  const size_t used = pendingSteps.length;
  // Room for 16 more letters than the walk has: a walk of up to 16 is copied as 16 at once.
  if (pendingLetters.size() < used + walk.length + 16) pendingLetters.resize(2 * used + 64);
  char* const pending = &pendingLetters[used];
  if (walk.length <= 16) {
    std::memcpy(pending, walk.letters, 16);
  } else {
    std::memcpy(pending, walk.letters, walk.length);
  }
  pendingSteps.Append(walk);
  SetMarkAt(tail, found.rows[1], found.cols[1], FREE_CELL);
  return true;
}

bool SnakeSolver::SnakeStepLetters(int from, MoveSequence& letters) {
  const int n = Side();
  letters.clear();
  int p = from;
  for (const int cell : snake) {
    const char letter = MoveLetter(cell, p, n);
    // MoveLetter compares indices only: a step sideways must also stay in its row.
    const bool sideways = letter == 'L' || letter == 'R';
    if (letter == 'X' || (sideways && (p < cell ? cell : p) % n == 0)) return false;
    letters += letter;
    p = cell;
  }
  return true;
}

bool SnakeSolver::MoveSnakeAlongPath() {
  const int n = Side();
  if (snake.empty()) return false;
  const int head = snake.front();
  // A route that turns back round the head: the blank takes the route's first two cells itself
  // and the head steps straight into the second.
  if (snakePath.size() >= 3) {
    const int second = snakePath[1];
    const bool besideHead =
        second == head - 1 || second == head - n || second == head + 1 || second == head + n;
    if (besideHead && (snake.size() < 2 || second != snake[1])) {
      blankIndex = Current().Blank();
      MoveSequence moves(1, MoveLetter(snakePath[0], static_cast<int>(blankIndex), n));
      moves += MoveLetter(snakePath[1], snakePath[0], n);
      DoMoves(moves);
      blankIndex = Current().Blank();
      snakePath.erase(snakePath.begin(), snakePath.begin() + 2);
    }
  }
  // A step that cannot be made leaves the pair short of its goal: the walk has failed.
  if (!MoveAlongSnake()) return false;
  DetourFound found;
  for (const int cell : snakePath) {
    if (StepAlongDetour(cell, found)) continue;
    ApplyPendingSteps();
    const MovePiece route = RouteBlankTo(cell);
    // A route that was found takes the blank to cell by real steps, and a snake step of real
    // steps follows it: neither can be refused, so one text does for both.
    if (routeFound && SnakeStepLetters(cell, stepMoves)) {
      AdvanceSnake(cell);
      DoMoves({route, MovePiece(stepMoves.data(), stepMoves.size(), 1)});
      SetMark(static_cast<int>(blankIndex), FREE_CELL);
      continue;
    }
    DoMoves({route});
    if (static_cast<int>(Current().Blank()) != cell || !MoveAlongSnake()) return false;
  }
  ApplyPendingSteps();
  return true;
}

void SnakeSolver::ApplyPendingSteps() {
  if (pendingSteps.length == 0) return;
  pendingSteps.letters = pendingLetters.data();
  DoMoves({pendingSteps});
  pendingSteps = MovePiece("");
}
