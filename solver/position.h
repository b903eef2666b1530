// position.h: the position engine: cells, the index of the tiles' cells, moves and their log.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "board/board.h"
#include "solver/direction.h"

/// count copies (none for count <= 0) of length letters, knowing how far one copy takes the
/// blank, so that copies that stay on the board are applied without a check per letter.
struct MovePiece {
  const char* letters = nullptr;
  size_t length = 0;
  int count = 0;
  /// Whether every character is U, D, L or R; only then do the rows and columns below count.
  bool lettersOnly = true;
  /// The rows and columns one copy reaches, from where it starts, and where it ends.
  int minRow = 0, maxRow = 0, minCol = 0, maxCol = 0, driftRow = 0, driftCol = 0;

  /// One copy of a whole macro or text; not explicit, so that a macro stands for itself.
  constexpr MovePiece(const char* text)
      : MovePiece(text, std::char_traits<char>::length(text), 1) {}
  constexpr MovePiece(const char* letters, size_t length, int count)
      : letters(letters), length(length), count(count) {
    for (size_t i = 0; i < length; ++i) {
      const char letter = letters[i];
      driftRow += (letter == 'D') - (letter == 'U');
      driftCol += (letter == 'R') - (letter == 'L');
      minRow = std::min(minRow, driftRow);
      maxRow = std::max(maxRow, driftRow);
      minCol = std::min(minCol, driftCol);
      maxCol = std::max(maxCol, driftCol);
      lettersOnly = lettersOnly && CodeOf(letter) < 4;
    }
  }

  /// Extends a piece of one copy by next, one copy too, whose letters must follow in memory.
  void Append(const MovePiece& next) {
    minRow = std::min(minRow, driftRow + next.minRow);
    maxRow = std::max(maxRow, driftRow + next.maxRow);
    minCol = std::min(minCol, driftCol + next.minCol);
    maxCol = std::max(maxCol, driftCol + next.maxCol);
    driftRow += next.driftRow;
    driftCol += next.driftCol;
    lettersOnly = lettersOnly && next.lettersOnly;
    length += next.length;
  }
};

/// count copies of the macro, one after the other; nothing for count <= 0.
constexpr MovePiece Repeated(MovePiece macro, int count) {
  macro.count = count;
  return macro;
}
/// count copies of the letter U, D, L or R; nothing for count <= 0.
inline MovePiece LetterRun(char letter, int count) {
  return {&DIRECTION_LETTERS[CodeOf(letter)], 1, count};
}

/// A view of the board whose steps down and right are the board's `down` and `right`, so that a
/// text written for one line moves another line the same way: the board's own, or the first
/// column's.
struct Orientation {
  /// Whether this is the first column's view, turned a quarter from the board.
  bool turned = false;
  Direction down = Direction::DOWN;
  Direction right = Direction::RIGHT;
  /// The board direction each character names in the view; 4 for no move.
  unsigned char code[256] = {};

  constexpr explicit Orientation(bool turned)
      : turned(turned),
        down(turned ? Direction::RIGHT : Direction::DOWN),
        right(turned ? Direction::UP : Direction::RIGHT) {
    for (int i = 0; i < 256; ++i) code[i] = 4;
    code[static_cast<unsigned char>('U')] = static_cast<unsigned char>(Index(Opposite(down)));
    code[static_cast<unsigned char>('D')] = static_cast<unsigned char>(Index(down));
    code[static_cast<unsigned char>('L')] = static_cast<unsigned char>(Index(Opposite(right)));
    code[static_cast<unsigned char>('R')] = static_cast<unsigned char>(Index(right));
  }
};

/// The board as it is: the view's rows and columns are the board's.
inline constexpr Orientation BOARD_VIEW(false);
/// The first column's view: its down is the board's right, its right the board's up.
inline constexpr Orientation COLUMN_VIEW(true);

/// What the moves need per character of a text read in a view, for one side of the board.
struct ViewTables {
  /// How far the character moves the blank, in cells; 0 for a character that is no move.
  int offset[256] = {};
  /// Its row and column steps on the board; far off any board for a character that is no move.
  signed char row[256] = {};
  signed char col[256] = {};
  char letter[256] = {};
};

/// One n x n position: the cells, the cell of every tile, the blank, and the log of every move
/// made. A board whose cells do not match its side has no legal move; values that are not a
/// permutation are moved as they are, only their entries of the index meaningless.
class Position {
 public:
  Position() = default;
  /// Takes the side and cells of the board; the blank is the first cell holding 0 (0 if none).
  explicit Position(const Board& board);

  // Cells and tiles
  unsigned Side() const { return n; }
  const std::vector<int>& Cells() const { return cells; }
  unsigned Blank() const { return blank; }
  int BlankRow() const { return blankRow; }
  int BlankCol() const { return blankCol; }
  /// The tile at (row, col); -1 for a cell off the board.
  int TileAt(int row, int col) const {
    const int side = static_cast<int>(n);
    if (!movable || row < 0 || col < 0 || row >= side || col >= side) return -1;
    return cells[static_cast<size_t>(row) * n + static_cast<size_t>(col)];
  }
  /// The cell of tile t, from the index: O(1). On a permutation, the only cell holding t.
  unsigned CellOf(int t) const { return cellOf[static_cast<unsigned>(t) & mask]; }
  /// True when tile t stands at its goal cell t - 1.
  bool IsHome(int t) const {
    const size_t cell = static_cast<size_t>(t) - 1;
    return t > 0 && cell < cells.size() && cells[cell] == t;
  }
  /// Writes the cells and the blank into a board of the same side.
  void CopyTo(Board& board) const;
  /// The position as a board of its side.
  Board ToBoard() const;

  // Moving
  /// One move of the blank, logged; false, with nothing changed, when it would leave the board.
  bool Move(Direction d);
  /// Applies and logs the pieces' letters read in the view; one that would leave the board or
  /// names no move is skipped and appended to refused; false when there was one, and then the
  /// whole text, as the board's letters, is appended to text.
  bool Apply(const MovePiece* pieces, size_t count, const Orientation& view = BOARD_VIEW,
             MoveSequence* refused = nullptr, MoveSequence* text = nullptr);
  /// `moves` random moves of the blank, not logged; false when there is no legal move.
  bool RandomWalk(long long moves);

  // The log
  /// Every move made, in order.
  const MoveSequence& Moves() const { return log; }
  /// Hands over the log, which starts empty again.
  MoveSequence TakeMoves() { return std::move(log); }
  /// Makes room for that many moves in the log.
  void ReserveMoves(size_t moves) { log.reserve(moves); }
  /// A point in the log to roll back to.
  size_t Mark() const { return log.size(); }
  /// Undoes every move made since the mark, last first, and forgets them.
  void RollBack(size_t mark);

  // Reducing
  /// Cuts off a solved first row and column, renumbering the rest; false when not solved.
  bool Trim();

 private:
  /// Finds the blank (the first 0, else cell 0) and its row and column, indexes the tiles, and
  /// makes the views' tables for the side.
  void Reindex();
  /// The tables for the view on this side.
  const ViewTables& TablesFor(const Orientation& view) const { return tables[view.turned ? 1 : 0]; }

  unsigned n = 0;
  std::vector<int> cells;
  /// cellOf[t & mask] is the cell of tile t; its size is a power of two at least the cells'.
  std::vector<std::uint16_t> cellOf = std::vector<std::uint16_t>(1, 0);
  unsigned mask = 0;
  /// Whether moves apply: the cells fill the square, and one of them is the blank.
  bool movable = false;
  unsigned blank = 0;
  int blankRow = 0;
  int blankCol = 0;
  MoveSequence log;
  /// The tables of the board's view and of the column's.
  ViewTables tables[2];
};

// In the header, so that the walks that make their moves one by one do not pay a call each.
inline bool Position::Move(Direction d) {
  const int r = blankRow + RowStep(d), c = blankCol + ColStep(d);
  if (!movable || blank >= cells.size() || static_cast<unsigned>(r) >= n ||
      static_cast<unsigned>(c) >= n) {
    return false;
  }
  const unsigned target = static_cast<unsigned>(r) * n + static_cast<unsigned>(c);
  const int tile = cells[target];
  cells[blank] = tile;
  cells[target] = 0;
  cellOf[static_cast<unsigned>(tile) & mask] = static_cast<std::uint16_t>(blank);
  cellOf[0] = static_cast<std::uint16_t>(target);
  blank = target;
  blankRow = r;
  blankCol = c;
  log += DIRECTION_LETTERS[Index(d)];
  return true;
}

/// Applies the moves to the board, skipping (and appending to refused) those that leave it.
bool ApplyMoves(Board& board, const MoveSequence& moves, MoveSequence* refused = nullptr);
