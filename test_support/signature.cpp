// signature.cpp: solving the fixed boards and summing up what came out.
#include "test_support/signature.h"

#include "board/random_draw.h"
#include "test_support/sample_boards.h"

std::string Signature::Line() const {
  std::string line = "signature:";
  for (size_t i = 0; i < methods.size(); ++i) {
    line += (i == 0 ? " " : ", ") + methods[i].command + " " + std::to_string(methods[i].moves) +
            " moves";
  }
  return line + " over " + std::to_string(boards) + " boards";
}

Signature ComputeSignature(const std::vector<Method>& methods, const std::vector<unsigned>& sides,
                           int boardsPerSide) {
  Signature signature;
  for (const Method& method : methods)
    signature.methods.push_back({method.command, 0, 14695981039346656037u});
  std::vector<unsigned> fixedSides = sides;
  if (fixedSides.empty()) {
    for (unsigned n = 3; n <= 30; ++n) fixedSides.push_back(n);
  }
  for (const unsigned n : fixedSides) {
    SeedRandom(n);
    for (int i = 0; i < boardsPerSide; ++i) {
      const Board board = RandomSolvableBoard(n);
      for (size_t m = 0; m < methods.size(); ++m) {
        const SolveResult result = methods[m].solve(board);
        Signature::Entry& entry = signature.methods[m];
        entry.moves += result.moves.size();
        for (const char letter : result.moves) {
          entry.hash = (entry.hash ^ static_cast<unsigned char>(letter)) * 1099511628211u;
        }
      }
      ++signature.boards;
    }
  }
  return signature;
}
