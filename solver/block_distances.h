// block_distances.h: the fewest moves between positions of a small block of the board, from
// breadth-first searches over all of its positions.
#pragma once

#include <cstdint>
#include <vector>

#include "board/board.h"

/// A rows x cols block seen as a puzzle of its own. A position gives every cell a label: the
/// cell (row-major in the block) its content started in, the blank's label being the cell the
/// blank started in. For every start cell of the blank the table holds the fewest moves from the
/// start position (every cell holding its own label) to each position: cells! bytes per cell.
class BlockDistances {
 public:
  /// Most cells a block may have: 3 x 3 takes 3.3 MB.
  static constexpr int MAX_CELLS = 9;
  /// Value of Distance for a position no sequence of moves reaches.
  static constexpr int UNREACHABLE = 0xFF;

  /// Searches the block breadth-first from each start; rows * cols must be 2 ... MAX_CELLS
  /// (anything else gives an empty table, whose Distance is always UNREACHABLE).
  BlockDistances(int rows, int cols);
  /// The 3 x 3 table every caller shares, built at the first call; safe from many threads.
  static const BlockDistances& ThreeByThree();

  int Rows() const { return rows; }
  int Cols() const { return cols; }
  /// Fewest moves from the start with the blank at `start` to the position `labels` (one label
  /// per cell, a permutation of 0 ... cells-1 with the blank's label equal to start).
  int Distance(int start, const std::uint8_t* labels) const;
  /// A shortest sequence of moves from that start to the position; empty when it is unreachable.
  MoveSequence ShortestPath(int start, const std::uint8_t* labels) const;

 private:
  /// Index of the labels among all orders of the cells.
  std::uint32_t Rank(const std::uint8_t* labels) const;
  void Search(int start);

  int rows = 0;
  int cols = 0;
  int cells = 0;
  std::uint32_t positions = 0;
  std::vector<std::uint8_t> distances;
};
