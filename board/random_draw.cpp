// random_draw.cpp: draws of 0 ... 32767 from the C library's generator.
#include "board/random_draw.h"

#include <cstdlib>

void SeedRandom(unsigned seed) {
  std::srand(seed);
}

int DrawRandom() {
  // glibc's rand goes up to 2^31 - 1; keep its high bits, which are the better ones.
  constexpr unsigned long range = static_cast<unsigned long>(RAND_MAX) + 1;
  constexpr unsigned long divisor = range > 32768 ? range / 32768 : 1;
  return static_cast<int>(static_cast<unsigned long>(std::rand()) / divisor);
}
