// solution_optimizer.cpp: one pass with the result used as a stack.
#include "solver/solution_optimizer.h"

namespace {

bool Undoes(char letter, char last) {
  return (letter == 'U' && last == 'D') || (letter == 'D' && last == 'U') ||
         (letter == 'L' && last == 'R') || (letter == 'R' && last == 'L');
}

}  // namespace

MoveSequence OptimizeSolution(MoveSequence sequence) {
  MoveSequence result;
  result.reserve(sequence.size());
  for (const char letter : sequence) {
    if (!result.empty() && Undoes(letter, result.back())) {
      result.pop_back();
    } else {
      result += letter;
    }
  }
  return result;
}
