// snake.cpp: forming a two-tile snake and carrying it along its route, a step at a time.
#include "snake/snake.h"

#include <cstring>
#include <string>
#include <utility>

namespace snake {

bool Snake::Form(int tileA, int tileB) {
  const int n = Side();
  const int z = static_cast<int>(solver.Current().Blank());
  const int a = static_cast<int>(solver.Current().CellOf(tileA));
  const int b = static_cast<int>(solver.Current().CellOf(tileB));
  cells.clear();
  // A already leads: it is B's left neighbour in a row pair or its lower one in a column pair.
  if (tileA == tileB - 1 || tileA == tileB + n) {
    cells = {a, b};
    return true;
  }
  // Otherwise B becomes the head, and the blank steps round to its side.
  const char toA = MoveLetter(a, z, n);
  const char toB = MoveLetter(b, a, n);
  if (toA == 'R' || toA == 'L') {
    if (toB == 'U' || toB == 'D') {
      solver.DoMoves(std::string(1, toB));
      cells = {b, a};
      return true;
    }
    if (toB == toA) {
      // The blank passes through A and B, so each moves one cell back towards it.
      solver.DoMoves(std::string(2, toA));
      const int back = toA == 'R' ? -1 : 1;
      cells = {b + back, a + back};
      return true;
    }
    solver.Fault("\n\nError in function InitSnake: unexpected tile2 position.");
    return false;
  }
  solver.Fault("\n\nError in function InitSnake: unexpected zero position.");
  return false;
}

bool Snake::MoveAlongSnake() {
  const int n = Side();
  const int blank = static_cast<int>(solver.Current().Blank());
  // Every letter is worked out before the cells or the grid change, so a blank that is not next
  // to the head leaves both as they were.
  MoveSequence letters;
  int p = blank;
  for (const int cell : cells) {
    const char letter = MoveLetter(cell, p, n);
    if (letter == 'X') {
      solver.Fault("\nError in function MoveAlongSnake - can't determine next step. P1=" +
                   std::to_string(p) + " P2=" + std::to_string(cell));
      return false;
    }
    letters += letter;
    p = cell;
  }
  p = blank;
  for (int& cell : cells) {
    marks.Set(p, BLOCKED_CELL);
    std::swap(cell, p);
  }
  solver.DoMoves(letters);
  marks.Set(p, FREE_CELL);
  return true;
}

bool Snake::StepAlongDetour(int cell, DetourFound& found) {
  if (!router.FollowDetour(cell, cells, found)) return false;
  // The marks as MoveAlongSnake would set them: the head closes the cell it enters and the tail
  // opens the one it leaves; the blank's cell is free and the snake's closed already. The moves
  // wait in pendingSteps: steps in a row are applied as one text, which none of their letters
  // can make refused, so nothing that could be seen changes.
  const int head = cells[0], tail = cells[1];
  marks.SetAt(cell, found.rows[3], found.cols[3], BLOCKED_CELL);
  marks.SetAt(tail, found.rows[1], found.cols[1], FREE_CELL);
  cells[0] = cell;
  cells[1] = head;
  const MovePiece& walk = *found.walkAndStep;
  const size_t used = pendingSteps.length;
  // Room for 16 more letters: the walk has at most 16, and is copied as 16 at once.
  if (pendingLetters.size() < used + 16) pendingLetters.resize(2 * used + 64);
  std::memcpy(&pendingLetters[used], walk.letters, 16);
  pendingSteps.Append(walk);
  return true;
}

bool Snake::MoveAlongPath() {
  const int n = Side();
  if (cells.empty()) return false;
  const int head = cells.front();
  // A route that turns back round the head: the blank takes the route's first two cells itself
  // and the head steps straight into the second.
  if (path.size() >= 3) {
    const int second = path[1];
    const bool besideHead = MoveLetter(second, head, n) != 'X';
    if (besideHead && (cells.size() < 2 || second != cells[1])) {
      MoveSequence moves(1, MoveLetter(path[0], static_cast<int>(solver.Current().Blank()), n));
      moves += MoveLetter(path[1], path[0], n);
      solver.DoMoves(moves);
      path.erase(path.begin(), path.begin() + 2);
    }
  }
  // A step that cannot be made leaves the pair short of its goal: the walk has failed.
  if (!MoveAlongSnake()) return false;
  DetourFound found;
  for (const int cell : path) {
    if (StepAlongDetour(cell, found)) continue;
    // No listed walk fits, which is rare: the blank's route is searched.
    ApplyPendingSteps();
    const std::optional<MovePiece> route = router.FindMovesTo(cell);
    if (!route) return false;
    solver.DoMoves({*route});
    if (static_cast<int>(solver.Current().Blank()) != cell || !MoveAlongSnake()) return false;
  }
  ApplyPendingSteps();
  return true;
}

void Snake::ApplyPendingSteps() {
  if (pendingSteps.length == 0) return;
  pendingSteps.letters = pendingLetters.data();
  solver.DoMoves({pendingSteps});
  pendingSteps = MovePiece("");
}

}  // namespace snake
