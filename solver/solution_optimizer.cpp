// solution_optimizer.cpp: one pass with the result used as a stack.
#include "solver/solution_optimizer.h"

namespace {

// The letter that undoes each letter; 0 for every other character, which nothing undoes.
struct Opposites {
  char of[256] = {};
  constexpr Opposites() {
    const char letters[] = "UDLR";
    for (int i = 0; i < 4; ++i) of[static_cast<unsigned char>(letters[i])] = letters[i ^ 1];
  }
};
constexpr Opposites OPPOSITES;

// Writes the shortened letters to out, which has room for all of them, and returns how many.
size_t Shorten(const MoveSequence& sequence, char* out) {
  size_t length = 0;
  for (const char letter : sequence) {
    const char undone = OPPOSITES.of[static_cast<unsigned char>(letter)];
    if (length > 0 && undone != 0 && out[length - 1] == undone) {
      --length;
    } else {
      out[length++] = letter;
    }
  }
  return length;
}

}  // namespace

MoveSequence OptimizeSolution(const MoveSequence& sequence) {
  MoveSequence result(sequence.size(), '\0');
  result.resize(Shorten(sequence, &result[0]));
  return result;
}

size_t OptimizedLength(const MoveSequence& sequence, MoveSequence& scratch) {
  if (scratch.size() < sequence.size()) scratch.resize(sequence.size());
  return Shorten(sequence, &scratch[0]);
}
