// solution_optimizer.cpp: one pass with the result used as a stack.
#include "solver/solution_optimizer.h"

#include <cstdint>
#include <cstring>

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

// Sixteen letters at once, with the compilers' vector extension (g++ and clang alike).
typedef unsigned char Letters16 __attribute__((vector_size(16)));

// Whether any of the 16 letters at a could undo the letter after it: the two pairs that do,
// U and D, L and R, are pairs whose codes add up to 'U' + 'D' or to 'L' + 'R' (modulo 256,
// which lets a few other pairs through too, to be looked at one by one).
bool MayUndo(const unsigned char* a) {
  Letters16 these, next;
  std::memcpy(&these, a, 16);
  std::memcpy(&next, a + 1, 16);
  const Letters16 sum = these + next;
  const Letters16 undo = (sum == static_cast<unsigned char>('U' + 'D')) |
                         (sum == static_cast<unsigned char>('L' + 'R'));
  std::uint64_t halves[2];
  std::memcpy(halves, &undo, 16);
  return (halves[0] | halves[1]) != 0;
}

// Writes the shortened letters to out, which has room for all of them, and returns how many.
size_t Shorten(const char* letters, size_t count, char* out) {
  constexpr size_t BLOCK = 16;
  const unsigned char* const bytes = reinterpret_cast<const unsigned char*>(letters);
  size_t length = 0;
  size_t i = 0;
  while (i < count) {
    // Most blocks of a solution hold no pair that undoes itself: such a block, whose first
    // letter does not undo the last one kept, is kept whole at once.
    if (i + BLOCK < count) {
      const bool mayUndo = MayUndo(bytes + i);
      const char first = OPPOSITES.of[bytes[i]];
      if (!mayUndo && !(length > 0 && first != 0 && out[length - 1] == first)) {
        std::memcpy(out + length, letters + i, BLOCK);
        length += BLOCK;
        i += BLOCK;
        continue;
      }
    }
    const char letter = letters[i++];
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

size_t OptimizedLength(const char* letters, size_t length, MoveSequence& scratch) {
  if (scratch.size() < length) scratch.resize(length);
  return Shorten(letters, length, &scratch[0]);
}
