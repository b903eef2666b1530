// move_macros.cpp: repeating a move macro.
#include "solver/move_macros.h"

#include <cstring>

MoveSequence Repeat(const char* macro, int count) {
  MoveSequence text;
  if (count <= 0) return text;
  const size_t length = std::strlen(macro);
  text.reserve(length * static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) text.append(macro, length);
  return text;
}

MoveSequence Letters(char letter, int count) {
  return count > 0 ? MoveSequence(static_cast<size_t>(count), letter) : MoveSequence();
}
