// sample_boards.h: boards of the kinds that tests, benchmarks and soak runs solve.
#pragma once

#include <utility>
#include <vector>

#include "board/board.h"

/// The board of side n with these tiles, its blank found.
Board BoardOf(unsigned n, std::vector<int> tiles);
/// The goal board of side n (GoalTiles).
Board GoalBoard(unsigned n);
/// A random solvable board from the shared generator (RandomBoard until one is solvable), as the
/// console's rand draws them: the benchmark's fixed boards.
Board RandomSolvableBoard(unsigned n);
/// A solvable board from the shared generator, each equally likely: RandomBoard's draws seldom
/// take the highest tile from the last cell.
Board ShuffledBoard(unsigned n);
/// The goal board after the given number of random moves: many tiles are still home.
Board NearGoalBoard(unsigned n, int moves);
/// A solvable board whose first row and column are partly home (a random prefix of the row,
/// a random part of the column from the bottom, sometimes the cells next to the corners), with
/// the rest shuffled as BoardKeeping does. Side 3 or more.
Board PartlyHomeBoard(unsigned n);
/// The goal board of side n with the tiles of the cells not kept moved: each (tile, cell) of
/// placed to its cell, the others into the cells left, shuffled by the shared generator when
/// shuffle says so, else in goal order; two of the others swapped when that makes it solvable.
Board BoardKeeping(unsigned n, const std::vector<bool>& kept,
                   const std::vector<std::pair<int, int>>& placed, bool shuffle);
/// A 4 x 4 board and the fewest moves that solve it.
struct HardBoard4x4 {
  Board board;
  size_t length;
};
/// The seventeen 4 x 4 positions that need 80 moves, the most any position needs (Brüngger,
/// Marzetta, Fukuda and Nievergelt, 1999), then the goal transposed, which needs 72.
const std::vector<HardBoard4x4>& HardestBoards4x4();
/// Every position of side n (up to 4) within maxDepth moves of the goal, by depth, breadth first.
std::vector<std::vector<Board>> PositionsNearGoal(unsigned n, int maxDepth);
/// The goal board of side n whose last 4 x 4 block (n >= 4) is the transposed goal of that block.
Board TransposedCornerBoard(unsigned n);
/// True when the tiles are the goal arrangement of the board's side (GoalTiles).
bool IsGoal(const Board& board);
/// True when the solution, applied to a copy of the board, applies letter by letter and ends at
/// the goal.
bool SolvesBoard(const Board& board, const MoveSequence& solution);
