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
size_t Shorten(const char* letters, size_t count, char* out) {
  size_t length = 0;
  for (size_t i = 0; i < count; ++i) {
    const char letter = letters[i];
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
  result.resize(Shorten(sequence.data(), sequence.size(), &result[0]));
  return result;
}

size_t OptimizedLength(const MoveSequence& sequence, MoveSequence& scratch) {
  return OptimizedLength(sequence.data(), sequence.size(), scratch);
}

size_t OptimizedLength(const char* letters, size_t length, MoveSequence& scratch) {
  if (scratch.size() < length) scratch.resize(length);
  return Shorten(letters, length, &scratch[0]);
}
