// fuzz_checks.h: what every fuzz target checks after each input, and a stream that discards.
#pragma once

#include <ostream>
#include <streambuf>

#include "board/board.h"

/// True when the two boards agree in every field.
bool SameBoard(const Board& a, const Board& b);
/// Aborts, saying why, unless the board has side at most 100, n^2 cells (at most one for side
/// 0) and the blank inside them.
void CheckBoard(const Board& board, const char* where);
/// Aborts with the message when the condition does not hold.
void Require(bool condition, const char* message);

/// A stream that throws its output away; after `cap` bytes it fails, so that later output costs
/// nothing (a long solution printed again and again stays cheap).
class DiscardingStream : public std::ostream {
 public:
  explicit DiscardingStream(size_t cap = 1 << 20);

 private:
  class Buffer : public std::streambuf {
   public:
    explicit Buffer(size_t cap) : left(cap) {}

   protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;

   private:
    size_t left;
  };
  Buffer buffer;
};
