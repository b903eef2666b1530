// solver.cpp: moving with warnings, and the checkpoint.
#include "solver/solver.h"

#include <sstream>

#include "solver/solution_optimizer.h"

void Solver::Warn() {
  std::ostringstream words;
  WriteMoveWarnings(words, text, refused);
  faults += words.str();
  text.clear();
  refused.clear();
}

size_t Solver::ShortenedMovesSinceCheckpoint(MoveSequence& scratch) const {
  return OptimizedLength(position.Moves().data() + checkpoint, MovesSinceCheckpoint(), scratch);
}

void Solver::ReportTailFault(const char* function, const char* problem) {
  Fault("\nError in function " + std::string(function) +
        "() (n=" + std::to_string(position.Side()) + ") : " + problem);
}
