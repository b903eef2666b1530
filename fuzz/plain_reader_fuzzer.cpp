// plain_reader_fuzzer.cpp: any bytes as a plain board file, read into a board.
#include <cstdint>
#include <sstream>
#include <string>

#include "files/plain_board_file.h"
#include "fuzz/fuzz_checks.h"
#include "solver/position.h"
#include "test_support/sample_boards.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  Board board = BoardOf(3, {4, 1, 2, 0, 8, 3, 7, 6, 5});
  Board before;
  before = board;  // assignment keeps every field; a copy would record the tiles as initial
  DiscardingStream out;
  const bool read = ReadPlainBoard(board, in, out);
  CheckBoard(board, "after read");
  if (!read) Require(SameBoard(before, board), "a refused file changed the board");
  // Whatever was read can be moved and printed without leaving the board.
  ApplyMoves(board, "UDLRRLDU");
  board.PrintBoard(out);
  CheckBoard(board, "after moves");
  return 0;
}
