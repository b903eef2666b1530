// position.cpp: the moves of the position engine, fast for texts that stay on the board.
#include "solver/position.h"

#include <algorithm>

#include "board/random_draw.h"

namespace {

// The lowest and highest value of a * row + b * col over the rows and columns one copy of the
// piece reaches, for a and b each -1, 0 or 1: when they are known, nothing is left to choose.
void Span(int a, int b, const MovePiece& piece, long long& low, long long& high) {
  low = (a >= 0 ? a * piece.minRow : a * piece.maxRow) +
        (b >= 0 ? b * piece.minCol : b * piece.maxCol);
  high = (a >= 0 ? a * piece.maxRow : a * piece.minRow) +
         (b >= 0 ? b * piece.maxCol : b * piece.minCol);
}

// The longest macro whose steps and letters Repeat holds in registers.
constexpr size_t MAX_HELD = 16;

// The least of x and 0, and the greatest, without a branch: the signs of the pieces' drifts
// follow no pattern a branch could learn.
long long BelowZero(long long x) {
  return x & (x >> 63);
}
long long AboveZero(long long x) {
  return x & ~(x >> 63);
}

// The position as the moves of a text see it. Its operations work on a copy held in locals,
// which the compiler keeps in registers: through a pointer, every store into the cells could be
// taken to change the fields.
struct Mover {
  int* cells;
  std::uint16_t* cellOf;
  // Any value a cell holds indexes cellOf through the mask.
  unsigned mask;
  unsigned n;
  unsigned blank;
  int row;
  int col;
  // Where the next applied letter is written.
  char* next;
  // Per character of the text, as read in its view: how far it moves the blank in cells, its
  // row and column steps on the board (far off the board for a character that is no move), and
  // the board's letter for it.
  const ViewTables* view;

  // The blank into the neighbouring cell target.
  void Shift(unsigned target) {
    const int tile = cells[target];
    cells[blank] = tile;
    cells[target] = 0;
    cellOf[static_cast<unsigned>(tile) & mask] = static_cast<std::uint16_t>(blank);
    blank = target;
  }

  // One move of the blank, row and column kept; false, with nothing changed, when the letter is
  // refused.
  bool Step(char letter) {
    const unsigned char code = static_cast<unsigned char>(letter);
    const int r = row + view->row[code];
    const int c = col + view->col[code];
    if (static_cast<unsigned>(r) >= n || static_cast<unsigned>(c) >= n) return false;
    Shift(static_cast<unsigned>(r) * n + static_cast<unsigned>(c));
    *next++ = view->letter[code];
    row = r;
    col = c;
    return true;
  }

  // Applies the letters of the pieces, read in the column's view when turned; false at the
  // first refused one, with the letters before it applied and written.
  bool Run(const MovePiece* pieces, size_t count, bool turned) {
    Mover local = *this;
    const bool whole = turned ? local.RunAll<Direction::RIGHT, Direction::UP>(pieces, count)
                              : local.RunAll<Direction::DOWN, Direction::RIGHT>(pieces, count);
    *this = local;
    return whole;
  }

 private:
  // Runs the pieces until one is refused (see RunHere).
  template <Direction DOWN, Direction RIGHT>
  bool RunAll(const MovePiece* pieces, size_t count) {
    bool whole = true;
    for (size_t i = 0; i < count && whole; ++i) whole = RunHere<DOWN, RIGHT>(pieces[i]);
    return whole;
  }

  // DOWN and RIGHT: the board directions of the view's steps down and right, known to the
  // compiler, which then turns the pieces' bounds by a few moves at most.
  template <Direction DOWN, Direction RIGHT>
  bool RunHere(const MovePiece& piece) {
    if (piece.count <= 0 || piece.length == 0) return true;
    const char* letters = piece.letters;
    const size_t length = piece.length;
    const long long copies = piece.count;
    // The piece's rows and columns on the board: copy i starts i times a copy's drift further
    // on, so when the first and the last copy stay on the board, every letter of every copy does.
    constexpr int rowDown = RowStep(DOWN), rowRight = RowStep(RIGHT);
    constexpr int colDown = ColStep(DOWN), colRight = ColStep(RIGHT);
    long long rowLow, rowHigh, colLow, colHigh;
    Span(rowDown, rowRight, piece, rowLow, rowHigh);
    Span(colDown, colRight, piece, colLow, colHigh);
    const int driftRow = rowDown * piece.driftRow + rowRight * piece.driftCol;
    const int driftCol = colDown * piece.driftRow + colRight * piece.driftCol;
    const long long lastRow = (copies - 1) * driftRow;
    const long long lastCol = (copies - 1) * driftCol;
    const long long last = n - 1;
    // One test of the four distances to the edges, whose signs are ORed: the pieces near an
    // edge come and go too irregularly for a branch per edge to be foreseen.
    const long long margins =
        (row + rowLow + BelowZero(lastRow)) | (last - row - rowHigh - AboveZero(lastRow)) |
        (col + colLow + BelowZero(lastCol)) | (last - col - colHigh - AboveZero(lastCol));
    if (!piece.lettersOnly || margins < 0) {
      for (long long copy = 0; copy < copies; ++copy) {
        for (size_t k = 0; k < length; ++k) {
          if (!Step(letters[k])) return false;
        }
      }
      return true;
    }
    switch (copies == 1 || length > MAX_HELD ? 0 : length) {
      case 0:
        // One copy, or a macro too long to hold: the letters straight from the text.
        for (long long copy = 0; copy < copies; ++copy) {
          for (size_t k = 0; k < length; ++k) {
            const unsigned char code = static_cast<unsigned char>(letters[k]);
            Shift(blank + view->offset[code]);
            *next++ = view->letter[code];
          }
        }
        break;
      case 1:
        Repeat<1>(letters, copies);
        break;
      case 5:
        Repeat<5>(letters, copies);
        break;
      case 6:
        Repeat<6>(letters, copies);
        break;
      default:
        Repeat<0>(letters, copies, length);
        break;
    }
    row += static_cast<int>(copies * driftRow);
    col += static_cast<int>(copies * driftCol);
    return true;
  }

  // copies copies of a macro that stays on the board, by fixed offsets and without checks.
  // LENGTH is the macro's length when known at compile time (those of the macros that most
  // copies are made of), so that its steps and letters stay in registers; 0 otherwise, for a
  // macro of at most MAX_HELD letters.
  template <size_t LENGTH>
  void Repeat(const char* macro, long long copies, size_t length = LENGTH) {
    constexpr size_t HELD = LENGTH == 0 ? MAX_HELD : LENGTH;
    int step[HELD];
    char letter[HELD];
    for (size_t k = 0; k < length; ++k) {
      const unsigned char code = static_cast<unsigned char>(macro[k]);
      letter[k] = view->letter[code];
      step[k] = view->offset[code];
    }
    for (long long copy = 0; copy < copies; ++copy) {
      for (size_t k = 0; k < (LENGTH == 0 ? length : LENGTH); ++k) {
        Shift(blank + step[k]);
        *next++ = letter[k];
      }
    }
  }
};

}  // namespace

Position::Position(const Board& board) : n(board.n), cells(board.tiles) {
  movable = n != 0 && cells.size() == static_cast<size_t>(n) * n;
  Reindex();
}

void Position::CopyTo(Board& board) const {
  board.tiles = cells;
  board.blank = blank;
}

Board Position::ToBoard() const {
  Board board;
  board.n = n;
  CopyTo(board);
  return board;
}

void Position::Reindex() {
  size_t size = 1;
  while (size < cells.size()) size *= 2;
  cellOf.assign(size, 0);
  mask = static_cast<unsigned>(size - 1);
  // From the last cell back, so that a value held twice is indexed at its first cell.
  for (size_t i = cells.size(); i-- > 0;) {
    cellOf[static_cast<unsigned>(cells[i]) & mask] = static_cast<std::uint16_t>(i);
  }
  const auto zero = std::find(cells.begin(), cells.end(), 0);
  blank = zero == cells.end() ? 0 : static_cast<unsigned>(zero - cells.begin());
  // Without a blank there is nothing to move: a move from cell 0 would write over its tile.
  if (zero == cells.end()) movable = false;
  blankRow = n == 0 ? 0 : static_cast<int>(blank / n);
  blankCol = n == 0 ? 0 : static_cast<int>(blank % n);
  for (const Orientation* view : {&BOARD_VIEW, &COLUMN_VIEW}) {
    ViewTables& made = tables[view->turned ? 1 : 0];
    for (int i = 0; i < 256; ++i) {
      // Code 4 names no move: no step, so no offset either.
      const int d = view->code[i];
      const int row = RowStep(static_cast<Direction>(d)), col = ColStep(static_cast<Direction>(d));
      made.row[i] = static_cast<signed char>(d == 4 ? -128 : row);
      made.col[i] = static_cast<signed char>(d == 4 ? -128 : col);
      made.offset[i] = row * static_cast<int>(n) + col;
      made.letter[i] = d == 4 ? static_cast<char>(i) : DIRECTION_LETTERS[d];
    }
  }
}

bool Position::RandomWalk(long long moves) {
  // On a 1 x 1 board every direction is refused; drawing would never end.
  if (!movable || n == 1) return false;
  const size_t mark = log.size();
  for (long long i = 0; i < moves; ++i) {
    int k = 4;
    do {
      k = static_cast<int>(DrawRandom() / static_cast<double>(RANDOM_DRAW_MAX) * 4.0);
    } while (k >= 4 || !Move(static_cast<Direction>(k)));
    // A walk may be billions of moves long: the log keeps none of them.
    if (log.size() - mark >= 4096) log.resize(mark);
  }
  log.resize(mark);
  return true;
}

bool Position::Apply(const MovePiece* pieces, size_t count, const Orientation& view,
                     MoveSequence* refused, MoveSequence* text) {
  size_t total = 0;
  for (size_t i = 0; i < count; ++i) {
    if (pieces[i].count > 0) total += pieces[i].length * static_cast<size_t>(pieces[i].count);
  }
  if (total == 0) return true;
  const size_t start = log.size();
  if (movable && blank < cells.size()) {
    // A short text is written on the stack and appended; a long one straight into the log,
    // made longer for it first.
    char shortText[256];
    const bool isShort = total <= sizeof shortText;
    if (!isShort) log.resize(start + total);
    char* const written = isShort ? shortText : &log[start];
    Mover mover{cells.data(), cellOf.data(),   mask, n, blank, blankRow, blankCol,
                written,      &TablesFor(view)};
    const bool whole = mover.Run(pieces, count, view.turned);
    blank = mover.blank;
    blankRow = mover.row;
    blankCol = mover.col;
    cellOf[0] = static_cast<std::uint16_t>(blank);
    const size_t done = static_cast<size_t>(mover.next - written);
    if (isShort) {
      // A few letters are cheaper one by one than through a call.
      if (done <= 8) {
        for (size_t i = 0; i < done; ++i) log.push_back(shortText[i]);
      } else {
        log.append(shortText, done);
      }
    } else {
      log.resize(start + done);
    }
    if (whole) return true;
    // A letter was refused: back to the start, and the text again letter by letter.
    RollBack(start);
  }
  for (size_t i = 0; i < count; ++i) {
    for (int copy = 0; copy < pieces[i].count; ++copy) {
      for (size_t k = 0; k < pieces[i].length; ++k) {
        const unsigned char letter = static_cast<unsigned char>(pieces[i].letters[k]);
        const int d = view.code[letter];
        const char boardLetter = d == 4 ? static_cast<char>(letter) : DIRECTION_LETTERS[d];
        if (text != nullptr) text->push_back(boardLetter);
        if ((d == 4 || !Move(static_cast<Direction>(d))) && refused != nullptr) {
          refused->push_back(boardLetter);
        }
      }
    }
  }
  return false;
}

void Position::RollBack(size_t mark) {
  if (mark >= log.size()) return;
  // Every move of the log was applied, so its opposites need no check.
  Mover mover{cells.data(), cellOf.data(),         mask, n, blank, blankRow, blankCol,
              nullptr,      &TablesFor(BOARD_VIEW)};
  for (size_t i = log.size(); i-- > mark;) {
    mover.Shift(mover.blank - mover.view->offset[static_cast<unsigned char>(log[i])]);
  }
  blank = mover.blank;
  blankRow = static_cast<int>(blank / n);
  blankCol = static_cast<int>(blank % n);
  cellOf[0] = static_cast<std::uint16_t>(blank);
  log.resize(mark);
}

bool Position::Trim() {
  if (!movable) return false;
  for (unsigned i = 0; i < n; ++i) {
    if (cells[i] != static_cast<int>(i + 1)) return false;
    if (cells[i * n] != static_cast<int>(i * n + 1)) return false;
  }
  if (n > 1) {
    // Locals, since a store into a cell could otherwise be taken to change n or cells.
    const unsigned side = n;
    int* const cell = cells.data();
    // (v - 1) / n as a multiplication, exact for every v up to n^2 while n^3 < 2^32, so on
    // every side up to 1625: a trim of every size of a large board would otherwise divide
    // n^3 / 3 times. (A value beyond n^2, which no board of tiles holds, gets some other number.)
    const auto reciprocal = static_cast<std::uint32_t>((std::uint64_t{1} << 32) / side + 1);
    // In place: each kept cell moves to a lower index, and every cell is read before anything
    // is written over it (a row lands at least a row before where it was read).
    // A tile whose goal is (r, c) becomes the number of cell (r - 1, c - 1) one size down.
    int* kept = cell;
    for (unsigned row = 1; row < side; ++row, kept += side - 1) {
      const int* const from = cell + static_cast<size_t>(row) * side + 1;
      // Without a branch, so that the compiler can take several cells at once: the blank's 0
      // gives a goal row of nonsense that the select throws away.
      for (unsigned col = 0; col + 1 < side; ++col) {
        const unsigned v = static_cast<unsigned>(from[col]);
        const auto goalRow = static_cast<unsigned>(std::uint64_t{v - 1} * reciprocal >> 32);
        kept[col] = v == 0 ? 0 : static_cast<int>(v - goalRow - side);
      }
    }
    cells.resize(static_cast<size_t>(side - 1) * (side - 1));
    --n;
  }
  movable = n != 0;
  Reindex();
  return true;
}

bool ApplyMoves(Board& board, const MoveSequence& moves, MoveSequence* refused) {
  Position position(board);
  // One piece, not measured: a check per letter.
  MovePiece piece(moves.data(), 0, 1);
  piece.length = moves.size();
  piece.lettersOnly = false;
  const bool all = position.Apply(&piece, 1, BOARD_VIEW, refused);
  position.CopyTo(board);
  return all;
}
