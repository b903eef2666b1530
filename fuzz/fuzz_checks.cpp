// fuzz_checks.cpp: board invariants and the discarding stream.
#include "fuzz/fuzz_checks.h"

#include <cstdio>
#include <cstdlib>

bool SameBoard(const Board& a, const Board& b) {
  return a.tiles == b.tiles && a.n == b.n && a.initialSize == b.initialSize &&
         a.initialTiles == b.initialTiles && a.blank == b.blank;
}

void Require(bool condition, const char* message) {
  if (condition) return;
  std::fprintf(stderr, "invariant broken: %s\n", message);
  std::abort();
}

namespace {

void RequireAt(bool condition, const char* where, const char* message) {
  if (!condition) std::fprintf(stderr, "%s: ", where);
  Require(condition, message);
}

}  // namespace

void CheckBoard(const Board& board, const char* where) {
  RequireAt(board.n <= MAX_SIDE, where, "side above 100");
  const size_t cells = static_cast<size_t>(board.n) * board.n;
  RequireAt(board.n == 0 ? board.tiles.size() <= 1 : board.tiles.size() == cells, where,
            "cells do not match the side");
  RequireAt(board.tiles.empty() ? board.blank == 0 : board.blank < board.tiles.size(), where,
            "blank outside the board");
}

std::streambuf::int_type DiscardingStream::overflow(std::streambuf::int_type c) {
  if (left == 0) return std::streambuf::traits_type::eof();
  --left;
  return std::streambuf::traits_type::not_eof(c);
}

std::streamsize DiscardingStream::xsputn(const char*, std::streamsize count) {
  const size_t taken = static_cast<size_t>(count) < left ? static_cast<size_t>(count) : left;
  left -= taken;
  return static_cast<std::streamsize>(taken);
}
