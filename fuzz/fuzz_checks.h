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

/// A stream that throws its output away; after a megabyte it fails, so that later output costs
/// nothing (a long solution printed again and again stays cheap).
class DiscardingStream : private std::streambuf, public std::ostream {
 public:
  DiscardingStream() : std::ostream(this) {}

 private:
  std::streambuf::int_type overflow(std::streambuf::int_type c) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;

  size_t left = 1 << 20;
};
