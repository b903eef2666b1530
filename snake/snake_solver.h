// snake_solver.h: the second solver, which carries pairs of tiles home together as snakes.
#pragma once

#include <cstdint>
#include <ostream>
#include <utility>
#include <vector>

#include "solver/solve_result.h"
#include "solver/solver.h"

/// Solves a copy of the board with snakes where they pay: places the first row and column, trims,
/// repeats down to 3 x 3 and finishes with the shortest 3 x 3 search. Its result lists the sides
/// it trimmed to. Refuses, as SolveByReduction does, a board it cannot take or a reduction that
/// went wrong.
SolveResult SolveSnakes(const Board& board);

/// A cell as a signed row and column.
struct Cell {
  int row = 0;
  int col = 0;
};

inline bool operator==(Cell a, Cell b) {
  return a.row == b.row && a.col == b.col;
}

/// Marks of cellGrid between two searches.
constexpr int FREE_CELL = -2;
constexpr int BLOCKED_CELL = -1;

/// The neighbour of (row2, col2) on the side that faces (row1, col1): the two diagonals through
/// (row2, col2) cut the board into four quarters, and the neighbour in the quarter of
/// (row1, col1) is the one returned.
Cell GetCellNextTo(int row2, int col2, int row1, int col1);

/// A Solver that places the first row and column two tiles at a time: when its estimates say
/// so, it brings the two tiles together, carries them home as a snake along a staircase route,
/// and keeps that only if it saved moves over placing them singly.
class SnakeSolver : public Solver {
 public:
  explicit SnakeSolver(std::ostream& out);

  /// The tile being placed, or the first of the pair being placed.
  int currentTile = 1;
  int firstTileIndex = 0;
  int secondTileIndex = 0;
  int targetIndex = 0;
  /// The blank's index as last noted; the placement routines work from it, not from board.
  unsigned blankIndex = 0;
  /// The cells the snake's head is to enter, in order.
  std::vector<int> snakePath;
  /// The snake's cells, head first.
  std::vector<int> snake;
  /// One mark per board cell, at [row][col]: FREE_CELL where the blank may pass, BLOCKED_CELL
  /// for placed tiles, the snake's body and everything off the board.
  int cellGrid[MAX_SIDE][MAX_SIDE];

  /// FREE_CELL inside the board, BLOCKED_CELL everywhere else.
  void ResetCellGrid();

  // Row and column steps
  /// Places tiles 1 ... n-2 of row 0, pair by pair, by snake or singly.
  void SolveFirstRow();
  /// Places column 0 from row n-1 up to row 3, pair by pair, by snake or singly.
  void SolveFirstCol();
  /// Estimated moves to place one tile with the macros, the blank coming to its side first.
  int SingleTileCost(int targetIdx, int tileIdx, int blankIdx, char side, bool ruleA,
                     bool ruleB) const;
  /// Estimated moves to bring tile A beside tile B and carry both as a snake to meetIdx.
  int PairCost(int blankIdx, int meetIdx, int idxA, int idxB, bool adjust) const;
  /// Where the blank ends when brought beside the tile on side 'R' or 'U'; a blank arriving from
  /// the far side pushes the tile one cell, which tileRow and tileCol then show.
  static Cell ApproachCell(char side, int blankRow, int blankCol, int& tileRow, int& tileCol);
  /// Places the pair by snake on trial and keeps it when it worked and took at most sum - 2
  /// moves after shortening; otherwise returns the board, applied and the grid to where they
  /// were. True when the snake was kept.
  bool TrySnake(int sum, int row1, int col1, int row2, int col2);
  /// Tries the snake for the pair of firstTileIndex and secondTileIndex when its estimate stays
  /// under 1.2 x sum: walking the first tile when that costs at most firstExcess more than
  /// walking the second, else the second when that is more than two cheaper. True when kept.
  bool TrySnakeIfCheaper(int sum, int firstExcess, int row1, int col1, int row2, int col2);

  // Snakes
  /// Walks the tile at (row1, col1) beside the one at (row2, col2), forms the snake headed by
  /// currentTile and carries it home; false when the placement was called off or went wrong.
  bool PlaceTilesBySnake(int row1, int col1, int row2, int col2);
  /// Builds the two-cell snake from two adjacent tiles and leaves the blank next to its head.
  bool InitSnake(int tileA, int tileB);
  /// True when every tile placed before the pair headed by currentTile is still home.
  bool PlacedTilesHome() const;
  /// Moves every snake tile one cell forward, the head into the blank next to it; false, with
  /// nothing moved, when the blank is not next to the head.
  bool MoveAlongSnake();
  /// Carries the head through every cell of snakePath; false when the snake is empty or a step
  /// could not be made.
  bool MoveSnakeAlongPath();

  // Routing the blank around blocked cells
  /// The blank's shortest walk to target over free cells, without moving it; empty, with a
  /// message, when the target cannot be reached.
  MoveSequence FindMovesTo(int target);

  // Single tiles and the row and column tails
  /// Moves the tile at (row, col) to the target cell of the row, ending with the blank on its
  /// right.
  void PlaceRowTile(int row, int col, int targetRow, int targetCol);
  /// Moves the tile at (row, col) to the target cell of the column, ending with the blank above.
  void PlaceColTile(int row, int col, int targetRow, int targetCol);
  /// Moves the blank to (row, col), first along its column, then along the row.
  void MoveBlankStraight(int row, int col);
  /// Places tiles n-1 and n, the last two of row 0.
  void SolveFirstRow2();
  /// Places tiles 2n+1 and n+1, the last two of column 0.
  void SolveFirstCol2();

  // Walking one tile
  /// Walks the tile to the target with the blank on its left ('L') or right ('R') throughout.
  void MoveTileToCoords(int tileRow, int tileCol, int targetRow, int targetCol, char side);

  // Snake routes
  /// The head's route for a pair of row 0, ending on (0, t) and then (0, t - 1).
  void BuildSnakePathRow();
  /// The head's route for a pair of column 0, ending on (k - 1, 0) and then (k, 0).
  void BuildSnakePathCol();

 private:
  int Side() const { return static_cast<int>(Current().Side()); }
  /// True for the index of a board cell, on a board the grid can hold.
  bool OnBoard(int index) const {
    const int n = Side();
    return n > 0 && n <= static_cast<int>(MAX_SIDE) && index >= 0 && index < n * n;
  }
  /// Sets a cell's mark, remembering the old one while a trial may still be rolled back.
  void SetMark(int index, int mark);
  /// The mark of a board cell; the index must be on the board.
  int& MarkAt(int index);
  /// SetMark for the board cell index, which stands at row and col.
  void SetMarkAt(int index, int row, int col, int mark) {
    int& cell = cellGrid[row][col];
    // A mark that stays as it is needs no journal entry: undoing it would change nothing.
    if (cell == mark) return;
    if (inTrial) Journal(index, cell);
    cell = mark;
  }
  /// Notes a cell's mark before a trial changes it.
  void Journal(int index, int mark) {
    if (journalLength == markJournal.size()) markJournal.resize(2 * journalLength + 64);
    markJournal[journalLength++] = {index, mark};
  }

  // A snake trial
  /// Sets the solver's checkpoint and starts a journal of grid marks.
  void BeginTrial();
  /// Returns the board, applied and the grid to where the trial began.
  void RollBackTrial();
  /// Keeps what the trial did.
  void KeepTrial();

  bool inTrial = false;
  /// The cells' marks before the trial changed them, the first journalLength entries.
  std::vector<std::pair<int, int>> markJournal;
  size_t journalLength = 0;
  /// Working storage of the trial's shortened length, kept to save an allocation per trial.
  MoveSequence shortened;

  // Routing the blank
  /// FindMovesTo as a piece, valid until the next routing.
  MovePiece RouteBlankTo(int target);
  /// What FollowDetour finds: the walk, the walk with the snake's step into the target after
  /// it, the rows and columns of the blank, the tail, the head and the target, and the steps
  /// from each of the first three to the next (0 ... 3 for up, right, left, down).
  struct DetourFound {
    const MovePiece* walk = nullptr;
    const MovePiece* walkAndStep = nullptr;
    int rows[4] = {};
    int cols[4] = {};
    int codes[3] = {};
  };
  /// With a snake of two tiles and the blank next to its tail: the walk round the snake to the
  /// target next to its head, without a search; false when it needs one.
  bool FollowDetour(int target, DetourFound& found);
  /// FollowDetour right after the snake moved into the target of found, which it updates.
  bool FollowDetourOn(int target, DetourFound& found);
  /// Row, column and step code i of found for the step from index from to index to, which
  /// must be a neighbour of the cell at i - 1; false when it is not.
  bool StepTo(int i, int from, int to, DetourFound& found) const;
  /// The first listed walk for found's shape whose cells are all free, into found; the tail's
  /// and the head's marks are looked at unless snakeClosed says they are known to be closed.
  bool MatchDetour(DetourFound& found, bool snakeClosed) const;
  /// One step of MoveSnakeAlongPath, the walk to cell and the snake's step into it, added to
  /// pendingSteps, when a detour is found; false, with nothing done, otherwise. With a previous
  /// step (found.walk set) the detour is looked for from that one.
  bool StepAlongDetour(int cell, DetourFound& found);
  /// Applies the steps StepAlongDetour left pending, as one text.
  void ApplyPendingSteps();
  /// The breadth-first search from blankIndex to target, into routeMoves; false, with a
  /// message, when the target cannot be reached. Every mark stays as it was.
  bool SearchRoute(int target);
  /// The letters that move every snake tile one cell forward with the blank at cell from, the
  /// head first, each a real step on the board; false when one is not.
  bool SnakeStepLetters(int from, MoveSequence& letters);
  /// What MoveAlongSnake does to the snake and the grid once the blank stands at from.
  void AdvanceSnake(int from);

  /// The side for which markReciprocal was worked out: index / side is then
  /// (index * markReciprocal) >> 32 for every cell, without a division.
  unsigned markSide = 0;
  std::uint64_t markReciprocal = 0;

  // Working storage of the routing, kept to save an allocation per search
  std::vector<int> searchQueue;
  std::vector<int> route;
  MoveSequence routeMoves;
  /// Whether the last routing reached its target.
  bool routeFound = false;
  MoveSequence stepMoves;
  /// The letters of the snake steps not yet applied (the first pendingSteps.length of
  /// pendingLetters), and their reach as a piece.
  MoveSequence pendingLetters;
  MovePiece pendingSteps{""};
};
