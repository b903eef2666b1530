// solver.cpp: moving with warnings, and the checkpoint.
#include "solver/solver.h"

#include <sstream>

#include "solver/solution_optimizer.h"

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
  std::ostringstream words;
  WriteMoveWarnings(words, text, refused);
  faults += words.str();
  refused.clear();
}

size_t Solver::ShortenedMovesSinceCheckpoint(MoveSequence& scratch) const {
  return OptimizedLength(position.Moves().data() + checkpoint, MovesSinceCheckpoint(), scratch);
}

void Solver::ReportTailFault(const char* function, const char* problem) {
  Fault("\nError in function " + std::string(function) +
        "() (n=" + std::to_string(position.Side()) + ") : " + problem);
}
