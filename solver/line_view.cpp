// line_view.cpp: the turned frames of the first row and column, and routing within a frame.
#include "solver/line_view.h"

#include <cstdlib>

LineView LineView::FirstRow(Solver& solver) {
  return LineView(solver, BOARD_VIEW, 0, 0, static_cast<int>(solver.Current().Side()));
}

LineView LineView::FirstColumn(Solver& solver) {
  const int n = static_cast<int>(solver.Current().Side());
  return LineView(solver, COLUMN_VIEW, n - 1, 0, n - 1);
}

void LineView::FindTile(int t, int& row, int& col) const {
  const int cell = static_cast<int>(solver->Current().CellOf(t));
  const int n = static_cast<int>(solver->Current().Side());
  FromBoard(n == 0 ? 0 : cell / n, n == 0 ? 0 : cell % n, row, col);
}

void LineView::FindBlank(int& row, int& col) const {
  FromBoard(solver->Current().BlankRow(), solver->Current().BlankCol(), row, col);
}

void LineView::MoveBlankStraight(int row, int col) const {
  int blankRow, blankCol;
  FindBlank(blankRow, blankCol);
  const MovePiece down = LetterRun(row < blankRow ? 'U' : 'D', std::abs(blankRow - row));
  const MovePiece across = LetterRun(col < blankCol ? 'L' : 'R', std::abs(blankCol - col));
  const bool acrossFirst = AcrossFirst();
  DoMoves({acrossFirst ? across : down, acrossFirst ? down : across});
}

void LineView::BringBlankBeside(char side, int blankCol, int blankRow, int& tileRow,
                                int& tileCol) const {
  if (blankCol == tileCol) {
    // Out of the tile's column, to the left only from the last one.
    const bool leftward = blankCol == width - 1;
    DoMoves({leftward ? "L" : "R"});
    blankCol += leftward ? -1 : 1;
  }
  // From the left, below a tile in row 0, the blank runs along row 1 and enters row 0 only just
  // left of the tile.
  const bool detour = blankCol < tileCol - 1 && blankRow != 0 && tileRow == 0;
  const MovePiece run =
      LetterRun(blankRow <= tileRow ? 'D' : 'U', std::abs(blankRow - tileRow) - (detour ? 1 : 0));
  const bool right = side == 'R';
  if (blankCol < tileCol) {
    DoMoves({run, LetterRun('R', tileCol - blankCol - 1), LetterRun('U', detour ? 1 : 0),
             LetterRun('R', right ? 1 : 0)});
    if (right) --tileCol;
  } else {
    DoMoves({run, LetterRun('L', blankCol - tileCol - (right ? 1 : 0))});
    if (!right) ++tileCol;
  }
}
