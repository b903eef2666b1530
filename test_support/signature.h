// signature.h: the total moves of every method over a fixed list of seeded boards.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "methods/method_table.h"

/// What the methods made of the fixed boards: three random boards of each side 3 ... 30, each
/// side's boards drawn after seeding the generator with the side.
struct Signature {
  struct Entry {
    std::string command;
    size_t moves = 0;
    /// FNV-1a over every solution, so that any changed letter shows.
    std::uint64_t hash = 0;
  };
  std::vector<Entry> methods;
  size_t boards = 0;

  /// "signature: solve 1692498 moves, solve2 1553106 moves over 84 boards"
  std::string Line() const;
};

/// Solves the fixed boards with each method of the list: boardsPerSide of each side, sides 3 ... 30
/// when none are given.
Signature ComputeSignature(const std::vector<Method>& methods,
                           const std::vector<unsigned>& sides = {}, int boardsPerSide = 3);
