// solver.h: the working state both solvers share, and the one way they move.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "board/board.h"

/// A part of a text of moves: count copies of the first length characters at letters; nothing
/// for count <= 0. A text of pieces is applied without being built as a string. A piece knows
/// how far one copy takes the blank, so that copies that stay on the board are applied without a
/// check per letter; for a macro the compiler works that out.
struct MovePiece {
  const char* letters = nullptr;
  size_t length = 0;
  int count = 0;
  /// Whether every character is U, D, L or R; only then do the rows and columns below count.
  bool lettersOnly = true;
  /// The rows and columns one copy reaches, from where it starts, and where it ends.
  int minRow = 0, maxRow = 0, minCol = 0, maxCol = 0, driftRow = 0, driftCol = 0;

  /// One copy of a whole macro or text; not explicit, so that a macro stands for itself in a
  /// list of pieces.
  constexpr MovePiece(const char* text)
      : MovePiece(text, std::char_traits<char>::length(text), 1) {}
  constexpr MovePiece(const char* letters, size_t length, int count)
      : letters(letters), length(length), count(count) {
    for (size_t i = 0; i < length; ++i) {
      const char letter = letters[i];
      driftRow += (letter == 'D') - (letter == 'U');
      driftCol += (letter == 'R') - (letter == 'L');
      minRow = driftRow < minRow ? driftRow : minRow;
      maxRow = driftRow > maxRow ? driftRow : maxRow;
      minCol = driftCol < minCol ? driftCol : minCol;
      maxCol = driftCol > maxCol ? driftCol : maxCol;
      lettersOnly =
          lettersOnly && (letter == 'U' || letter == 'D' || letter == 'L' || letter == 'R');
    }
  }

  /// Extends a piece of one copy by next, one copy too, whose letters must follow in memory.
  void Append(const MovePiece& next) {
    const auto lower = [](int a, int b) { return a < b ? a : b; };
    const auto upper = [](int a, int b) { return a > b ? a : b; };
    minRow = lower(minRow, driftRow + next.minRow);
    maxRow = upper(maxRow, driftRow + next.maxRow);
    minCol = lower(minCol, driftCol + next.minCol);
    maxCol = upper(maxCol, driftCol + next.maxCol);
    driftRow += next.driftRow;
    driftCol += next.driftCol;
    lettersOnly = lettersOnly && next.lettersOnly;
    length += next.length;
  }
};

/// count copies of the macro, one after the other; nothing for count <= 0.
constexpr MovePiece Repeated(const char* macro, int count) {
  MovePiece piece(macro);
  piece.count = count;
  return piece;
}
/// count copies of the letter; nothing for count <= 0.
MovePiece LetterRun(char letter, int count);

/// A working board with the record of the moves made on it. Every move of a solver goes through
/// DoMoves or DoMovesTimes. A text with a refused letter still moves the board by its other
/// letters but is left out of applied (with the warning Board::ApplySequence writes), so applied
/// solves the board only when no warning was written.
class Solver {
 public:
  explicit Solver(std::ostream& out);

  Board board;
  MoveSequence applied;

  // Moving
  /// Applies the text to the board; appends it to applied only when every letter applied.
  void DoMoves(const MoveSequence& sequence);
  /// The same for a text given as a C string, a macro for instance.
  void DoMoves(const char* text) {
    const MovePiece piece(text);
    ApplyText(&piece, 1);
  }
  /// The same for the text that the pieces make one after the other.
  void DoMoves(std::initializer_list<MovePiece> text);
  /// DoMoves(macro), count times: each copy is a text of its own.
  void DoMovesTimes(const char* macro, int count) { ApplyTimes(MovePiece(macro), count); }
  /// The same for a macro given as a piece of one copy.
  void DoMovesTimes(const MovePiece& macro, int count) { ApplyTimes(macro, count); }

  // Recording and undoing a stretch of moves
  /// Remembers the length of applied, so that RollBackToCheckpoint can return to this point.
  void SetCheckpoint();
  /// Returns the board and applied to the checkpoint, which is then gone: the moves applied
  /// since are undone backwards (a text refused since is undone from a copy of the board).
  void RollBackToCheckpoint();
  /// Forgets the checkpoint, keeping every move made since.
  void DropCheckpoint() { checkpointSet = false; }
  /// How many letters DoMoves was given since the checkpoint, refused texts included.
  size_t MovesSinceCheckpoint() const;
  /// Those letters' length once shortened by OptimizeSolution; scratch is working storage.
  size_t ShortenedMovesSinceCheckpoint(MoveSequence& scratch) const;

  // Routing the blank beside a tile; the caller passes the blank's position
  /// Leaves the blank directly above the tile; a blank arriving from below pushes it down.
  void BringBlankAbove(int blankRow, int blankCol, int& tileRow, int& tileCol);
  /// Leaves the blank directly right of the tile; a blank arriving from the left pushes it left.
  void BringBlankRight(int blankCol, int blankRow, int& tileRow, int& tileCol);
  /// Leaves the blank directly left of the tile; a blank arriving from the right pushes it right.
  void BringBlankLeft(int blankCol, int blankRow, int& tileRow, int& tileCol);
  /// With the blank at (1, n-1), brings the tile at (k, n-1) to (1, n-1), the blank to (1, n-2).
  void LiftTileInLastColumn(int k);
  /// With the blank right of the tile in column tileCol, moves it along its row to targetCol.
  void ShiftTileInRow(int targetCol, int tileCol);

  // Questions about the working board
  /// True when tile t stands at its goal cell.
  bool IsTileAtGoal(int t) const {
    // The solvers work on permutations only, where "the first cell holding t is t - 1" is
    // "cell t - 1 holds t".
    const size_t cell = static_cast<size_t>(t) - 1;
    return board.n != 0 && t > 0 && cell < board.tiles.size() && board.tiles[cell] == t;
  }
  /// Index of the cell that holds tile t, as Board::FindTile, but from an index of the tiles'
  /// cells that every move keeps current: O(1) on a board that holds each tile once.
  unsigned FindTile(int t) const;
  /// Row and column of the cell that holds tile t.
  void FindTileCoord(int t, int& row, int& col) const;
  /// Row and column of the blank, which the moves keep without a division.
  void FindBlankCoord(int& row, int& col) {
    SyncBlank();
    row = blankRow;
    col = blankCol;
  }
  /// The tile at (row, col); -1 for a cell off the board.
  int TileAt(int row, int col) const {
    const int n = static_cast<int>(board.n);
    if (row < 0 || col < 0 || row >= n || col >= n) return -1;
    const size_t index = static_cast<size_t>(row) * n + col;
    return index < board.tiles.size() ? board.tiles[index] : -1;
  }

  /// Reports a row or column tail that cannot go on: "Error in function <function>() (n=...)".
  void ReportTailFault(const char* function, const char* problem) const;

  /// The stream every message of the solver goes to.
  std::ostream& Out() const { return *out; }

 private:
  /// Applies one text of pieces; false, with the warnings written, when a letter was refused.
  bool ApplyText(const MovePiece* pieces, size_t count);
  /// count texts, each one copy of the piece.
  void ApplyTimes(const MovePiece& copy, int count);
  /// Applies the letters of the pieces and appends them to applied up to the first refused one;
  /// false when there was one.
  bool Run(const MovePiece* pieces, size_t count);
  /// The slow way for a text that Run stopped in: the letters it applied, which applied holds
  /// from start on, are undone, and the text goes through Board::ApplySequence as a whole.
  void ApplyRefusedText(const MovePiece* pieces, size_t count, size_t start);
  /// Applies the letters applied[first, last) again, or backwards their opposites, which undo
  /// them; every one of them applied before, so none is refused.
  void Replay(size_t first, size_t last, bool backwards);
  /// Rebuilds the index of the tiles' cells from the board.
  void Reindex() const;
  /// Brings the blank's row and column up to date with board.blank and board.n.
  void SyncBlank() {
    if (board.blank != syncedBlank || board.n != syncedSide) Resync();
  }
  /// SyncBlank's work when the blank or the side changed.
  void Resync();

  std::ostream* out;

  /// cellOf[t] is the cell of tile t while nothing but the solver's moves changed the board;
  /// FindTile checks it and rebuilds it when the board was changed otherwise.
  mutable std::vector<std::uint16_t> cellOf = std::vector<std::uint16_t>(1, 0);
  /// The blank's row and column, valid for syncedBlank and syncedSide.
  unsigned syncedBlank = 0;
  unsigned syncedSide = 0;
  int blankRow = 0;
  int blankCol = 0;
  /// How far each letter moves the blank, in cells, on a board of side syncedSide.
  int stepOffset[256] = {};

  bool checkpointSet = false;
  size_t checkpointApplied = 0;
  /// The board at the checkpoint, copied only when a text with a refused letter, which applied
  /// does not hold, made backward undoing impossible.
  bool checkpointCopied = false;
  std::vector<int> checkpointTiles;
  unsigned checkpointBlank = 0;
  /// The texts refused since the checkpoint, each with the length applied had then.
  std::vector<std::pair<size_t, MoveSequence>> refusedSinceCheckpoint;
};
