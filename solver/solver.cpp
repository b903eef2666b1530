// solver.cpp: moving with warnings, the checkpoint, and routing the blank beside a tile.
#include "solver/solver.h"

#include <cstdlib>

#include "solver/solution_optimizer.h"

Solver::Solver(std::ostream& out) : out(&out) {}

void Solver::Warn(const MovePiece* pieces, size_t count, const Orientation& view) {
  // The text as the board's letters, quoted by the warnings as the console's apply quotes it.
  MoveSequence text;
  for (size_t i = 0; i < count; ++i) {
    for (int copy = 0; copy < pieces[i].count; ++copy) {
      for (size_t k = 0; k < pieces[i].length; ++k) {
        const unsigned char letter = static_cast<unsigned char>(pieces[i].letters[k]);
        text += view.code[letter] < 4 ? DIRECTION_LETTERS[view.code[letter]] : letter;
      }
    }
  }
  WriteMoveWarnings(*out, text, refused);
  refused.clear();
}

size_t Solver::ShortenedMovesSinceCheckpoint(MoveSequence& scratch) const {
  return OptimizedLength(position.Moves().data() + checkpoint, MovesSinceCheckpoint(), scratch);
}

void Solver::BringBlankLeft(int blankCol, int blankRow, int& tileRow, int& tileCol) {
  const int n = static_cast<int>(position.Side());
  if (blankCol == tileCol) {
    DoMoves({blankCol == n - 1 ? "L" : "R"});
    blankCol += blankCol == n - 1 ? -1 : 1;
  }
  // The blank travels along row 1 and enters row 0 only just left of a tile there.
  const bool detour = blankCol < tileCol - 1 && blankRow != 0 && tileRow == 0;
  const MovePiece run =
      LetterRun(blankRow <= tileRow ? 'D' : 'U', std::abs(blankRow - tileRow) - (detour ? 1 : 0));
  if (blankCol < tileCol) {
    DoMoves({run, LetterRun('R', tileCol - blankCol - 1), LetterRun('U', detour ? 1 : 0)});
  } else {
    DoMoves({run, LetterRun('L', blankCol - tileCol)});
    ++tileCol;
  }
}

void Solver::ReportTailFault(const char* function, const char* problem) const {
  *out << "\nError in function " << function << "() (n=" << position.Side() << ") : " << problem;
}
