// main.cpp: the program's entry: seeds the generator and runs the command loop on the console.
#include <ctime>
#include <iostream>

#include "board/random_draw.h"
#include "console/command_loop.h"

int main() {
  std::ios::sync_with_stdio(false);
  SeedRandom(static_cast<unsigned>(std::time(nullptr)));
  CommandLoop loop(std::cin, std::cout);
  const int code = loop.Run();
  if (std::cin.bad()) std::cerr << "npuzzle: cannot read standard input\n";
  if (!std::cout) std::cerr << "npuzzle: cannot write to standard output\n";
  return code;
}
