// solver.cpp: moving, undoing a stretch of moves, and routing the blank beside a tile.
#include "solver/solver.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "solver/move_macros.h"
#include "solver/solution_optimizer.h"

namespace {

// The blank's row and column step for each character, and U, D, L and R numbered 0 ... 3. Any
// other character steps so far that it leaves every board, so it is refused as
// Board::MoveBlank refuses it.
struct StepTable {
  signed char row[256] = {};
  signed char col[256] = {};
  unsigned char code[256] = {};
  char opposite[256] = {};
  constexpr StepTable() {
    for (int i = 0; i < 256; ++i) row[i] = -128;
    const char letters[] = "UDLR";
    const signed char rows[] = {-1, 1, 0, 0}, cols[] = {0, 0, -1, 1};
    for (unsigned char i = 0; i < 4; ++i) {
      const unsigned char letter = static_cast<unsigned char>(letters[i]);
      row[letter] = rows[i];
      col[letter] = cols[i];
      code[letter] = i;
      opposite[letter] = letters[i ^ 1];
    }
  }
};
constexpr StepTable STEPS;

// Every character once, so that a piece of one letter can point at it.
struct Characters {
  char of[256] = {};
  constexpr Characters() {
    for (int i = 0; i < 256; ++i) of[i] = static_cast<char>(i);
  }
};
constexpr Characters CHARACTERS;

// The board as the moves of a text see it. Its operations work on a copy held in locals, which
// the compiler keeps in registers: through a pointer, every store into the cells could be taken
// to change the fields.
struct Mover {
  int* cells;
  std::uint16_t* cellOf;
  // One less than the size of cellOf, a power of two: any value a cell holds indexes into it. A
  // value that is no tile of the board (only a broken board holds one) lands on another's entry,
  // which FindTile then finds wrong and rebuilds.
  unsigned mask;
  unsigned n;
  unsigned blank;
  int row;
  int col;
  // Where the next applied letter is written.
  char* next;
  // How far each letter moves the blank, in cells (the solver's stepOffset).
  const int* offset;

  // The blank into the neighbouring cell target.
  void Shift(unsigned target) {
    const int tile = cells[target];
    cells[blank] = tile;
    cells[target] = 0;
    cellOf[static_cast<unsigned>(tile) & mask] = static_cast<std::uint16_t>(blank);
    blank = target;
  }

  // The blank into the neighbouring cell target, and the letter written.
  void Move(unsigned target, char letter) {
    Shift(target);
    *next++ = letter;
  }

  // How far a letter moves the blank, in cells; the letter must be U, D, L or R.
  int OffsetOf(char letter) const { return offset[static_cast<unsigned char>(letter)]; }

  // One move of the blank, row and column kept; false, with nothing changed, when the letter is
  // refused.
  bool Step(char letter) {
    const unsigned char code = static_cast<unsigned char>(letter);
    const int r = row + STEPS.row[code];
    const int c = col + STEPS.col[code];
    if (static_cast<unsigned>(r) >= n || static_cast<unsigned>(c) >= n) return false;
    Move(static_cast<unsigned>(r) * n + static_cast<unsigned>(c), letter);
    row = r;
    col = c;
    return true;
  }

  // Applies letters[first, last) again, or backwards their opposites, which undo them; a letter
  // that would leave the board (none does when they all applied before) is passed over.
  void Replay(const char* letters, size_t first, size_t last, bool backwards) {
    Mover local = *this;
    const auto step = [&local](unsigned char letter) {
      const int r = local.row + STEPS.row[letter], c = local.col + STEPS.col[letter];
      if (static_cast<unsigned>(r) >= local.n || static_cast<unsigned>(c) >= local.n) return;
      local.Shift(static_cast<unsigned>(r) * local.n + static_cast<unsigned>(c));
      local.row = r;
      local.col = c;
    };
    if (backwards) {
      for (size_t i = last; i-- > first;) {
        step(static_cast<unsigned char>(STEPS.opposite[static_cast<unsigned char>(letters[i])]));
      }
    } else {
      for (size_t i = first; i < last; ++i) step(static_cast<unsigned char>(letters[i]));
    }
    *this = local;
  }

  // Applies the letters of the pieces; false at the first refused one, with the letters before
  // it applied and written.
  bool Run(const MovePiece* pieces, size_t count) {
    Mover local = *this;
    bool whole = true;
    for (size_t i = 0; i < count && whole; ++i) whole = local.RunHere(pieces[i]);
    *this = local;
    return whole;
  }

 private:
  bool RunHere(const MovePiece& piece) {
    if (piece.count <= 0 || piece.length == 0) return true;
    const char* letters = piece.letters;
    const size_t length = piece.length;
    const long long copies = piece.count;
    // Copy i starts i times a copy's drift further on: when the first and the last copy stay on
    // the board, every letter of every copy does.
    const long long lastRow = (copies - 1) * piece.driftRow;
    const long long lastCol = (copies - 1) * piece.driftCol;
    const long long side = n;
    if (!piece.lettersOnly || row + piece.minRow + std::min(0LL, lastRow) < 0 ||
        row + piece.maxRow + std::max(0LL, lastRow) >= side ||
        col + piece.minCol + std::min(0LL, lastCol) < 0 ||
        col + piece.maxCol + std::max(0LL, lastCol) >= side) {
      for (long long copy = 0; copy < copies; ++copy) {
        for (size_t k = 0; k < length; ++k) {
          if (!Step(letters[k])) return false;
        }
      }
      return true;
    }
    switch (copies == 1 ? 0 : length) {
      case 0:
        // One copy: the letters straight from the text.
        for (size_t k = 0; k < length; ++k) {
          Move(blank + OffsetOf(letters[k]), letters[k]);
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
    row += static_cast<int>(copies * piece.driftRow);
    col += static_cast<int>(copies * piece.driftCol);
    return true;
  }

  // copies copies of a macro that stays on the board, by fixed offsets and without checks.
  // LENGTH is the macro's length when known at compile time (those of the macros that most
  // copies are made of), so that its steps and letters stay in registers; 0 otherwise.
  template <size_t LENGTH>
  void Repeat(const char* macro, long long copies, size_t length = LENGTH) {
    const int offset[4] = {-static_cast<int>(n), static_cast<int>(n), -1, 1};
    constexpr size_t HELD = LENGTH == 0 ? 16 : LENGTH;
    if (length > HELD) {
      for (long long copy = 0; copy < copies; ++copy) {
        for (size_t k = 0; k < length; ++k) {
          Move(blank + offset[STEPS.code[static_cast<unsigned char>(macro[k])]], macro[k]);
        }
      }
      return;
    }
    int step[HELD];
    char letter[HELD];
    for (size_t k = 0; k < length; ++k) {
      letter[k] = macro[k];
      step[k] = offset[STEPS.code[static_cast<unsigned char>(macro[k])]];
    }
    for (long long copy = 0; copy < copies; ++copy) {
      for (size_t k = 0; k < (LENGTH == 0 ? length : LENGTH); ++k) {
        Move(blank + step[k], letter[k]);
      }
    }
  }
};

}  // namespace

MovePiece LetterRun(char letter, int count) {
  return {&CHARACTERS.of[static_cast<unsigned char>(letter)], 1, count};
}

Solver::Solver(std::ostream& out) : out(&out) {}

void Solver::DoMoves(const MoveSequence& sequence) {
  const MovePiece text(sequence.data(), sequence.size(), 1);
  ApplyText(&text, 1);
}

void Solver::DoMoves(std::initializer_list<MovePiece> text) {
  ApplyText(text.begin(), text.size());
}

void Solver::ApplyTimes(const MovePiece& copy, int count) {
  if (count <= 0 || copy.length == 0) return;
  // The copies run as one stretch; a refused letter makes its copy a text of its own again.
  for (int left = count; left > 0;) {
    const size_t start = applied.size();
    MovePiece run = copy;
    run.count = left;
    if (Run(&run, 1)) return;
    const size_t whole = (applied.size() - start) / copy.length;
    ApplyRefusedText(&copy, 1, start + whole * copy.length);
    left -= static_cast<int>(whole) + 1;
  }
}

bool Solver::ApplyText(const MovePiece* pieces, size_t count) {
  const size_t start = applied.size();
  if (Run(pieces, count)) return true;
  ApplyRefusedText(pieces, count, start);
  return false;
}

bool Solver::Run(const MovePiece* pieces, size_t count) {
  const unsigned n = board.n;
  const size_t cells = board.tiles.size();
  // A board whose cells do not match its side, or whose blank is off it, has no legal move.
  const bool movable = n != 0 && cells == static_cast<size_t>(n) * n && board.blank < cells;
  if (movable) SyncBlank();
  const MovePiece* const single = movable && count == 1 ? pieces : nullptr;
  if (single != nullptr && single->count == 1 && single->lettersOnly &&
      blankRow + single->minRow >= 0 && blankRow + single->maxRow < static_cast<int>(n) &&
      blankCol + single->minCol >= 0 && blankCol + single->maxCol < static_cast<int>(n)) {
    const MovePiece& first = *single;
    // One walk that stays on the board from start to end, the snake's text: its letters go to
    // applied in one piece.
    int* const cell = board.tiles.data();
    std::uint16_t* const index = cellOf.data();
    const unsigned mask = static_cast<unsigned>(cellOf.size() - 1);
    const int* const offset = stepOffset;
    unsigned at = board.blank;
    for (size_t k = 0; k < first.length; ++k) {
      const unsigned target = at + offset[static_cast<unsigned char>(first.letters[k])];
      const int tile = cell[target];
      cell[at] = tile;
      cell[target] = 0;
      index[static_cast<unsigned>(tile) & mask] = static_cast<std::uint16_t>(at);
      at = target;
    }
    board.blank = syncedBlank = at;
    blankRow += first.driftRow;
    blankCol += first.driftCol;
    index[0] = static_cast<std::uint16_t>(at);
    applied.append(first.letters, first.length);
    return true;
  }
  size_t total = 0;
  for (size_t i = 0; i < count; ++i) {
    if (pieces[i].count > 0) total += pieces[i].length * static_cast<size_t>(pieces[i].count);
  }
  if (total == 0) return true;
  if (!movable) return false;
  // A short text is written on the stack and appended; a long one straight into applied, made
  // longer for it first.
  char shortText[256];
  const bool isShort = total <= sizeof shortText;
  const size_t start = applied.size();
  if (!isShort) applied.resize(start + total);
  char* const written = isShort ? shortText : &applied[start];
  Mover mover{board.tiles.data(),
              cellOf.data(),
              static_cast<unsigned>(cellOf.size() - 1),
              n,
              board.blank,
              blankRow,
              blankCol,
              written,
              stepOffset};
  const bool refused = !mover.Run(pieces, count);
  board.blank = syncedBlank = mover.blank;
  blankRow = mover.row;
  blankCol = mover.col;
  cellOf[0] = static_cast<std::uint16_t>(mover.blank);
  const size_t done = static_cast<size_t>(mover.next - written);
  if (isShort) {
    // A few letters are cheaper one by one than through a call.
    if (done <= 8) {
      for (size_t i = 0; i < done; ++i) applied.push_back(shortText[i]);
    } else {
      applied.append(shortText, done);
    }
  } else if (refused) {
    applied.resize(start + done);
  }
  return !refused;
}

void Solver::ApplyRefusedText(const MovePiece* pieces, size_t count, size_t start) {
  MoveSequence text;
  for (size_t i = 0; i < count; ++i) {
    for (int copy = 0; copy < pieces[i].count; ++copy) {
      text.append(pieces[i].letters, pieces[i].length);
    }
  }
  // Back to the start of the text, which then goes through ApplySequence whole, so that its
  // warnings are those of any other refused text.
  Replay(start, applied.size(), true);
  applied.resize(start);
  if (checkpointSet && !checkpointCopied && checkpointApplied <= start) {
    // From here on applied no longer holds every move made since the checkpoint: keep the
    // board as it was there.
    Replay(checkpointApplied, start, true);
    checkpointTiles = board.tiles;
    checkpointBlank = board.blank;
    checkpointCopied = true;
    Replay(checkpointApplied, start, false);
  }
  board.ApplySequence(text, *out);
  Reindex();
  if (checkpointSet) refusedSinceCheckpoint.emplace_back(start, std::move(text));
}

void Solver::Replay(size_t first, size_t last, bool backwards) {
  const unsigned n = board.n;
  const size_t cells = board.tiles.size();
  if (first >= last || n == 0 || cells != static_cast<size_t>(n) * n || board.blank >= cells) {
    return;
  }
  SyncBlank();
  Mover mover{board.tiles.data(),
              cellOf.data(),
              static_cast<unsigned>(cellOf.size() - 1),
              n,
              board.blank,
              blankRow,
              blankCol,
              nullptr,
              stepOffset};
  mover.Replay(applied.data(), first, last, backwards);
  board.blank = syncedBlank = mover.blank;
  blankRow = mover.row;
  blankCol = mover.col;
  cellOf[0] = static_cast<std::uint16_t>(mover.blank);
}

void Solver::SetCheckpoint() {
  checkpointSet = true;
  checkpointApplied = applied.size();
  checkpointCopied = false;
  refusedSinceCheckpoint.clear();
}

size_t Solver::MovesSinceCheckpoint() const {
  size_t length = applied.size() - checkpointApplied;
  for (const auto& refused : refusedSinceCheckpoint) length += refused.second.size();
  return length;
}

size_t Solver::ShortenedMovesSinceCheckpoint(MoveSequence& scratch) const {
  const char* since = applied.data() + checkpointApplied;
  if (refusedSinceCheckpoint.empty()) {
    return OptimizedLength(since, applied.size() - checkpointApplied, scratch);
  }
  // The refused texts put back between the applied ones, where DoMoves was given them.
  MoveSequence moves;
  size_t from = checkpointApplied;
  for (const auto& refused : refusedSinceCheckpoint) {
    moves.append(applied, from, refused.first - from);
    moves += refused.second;
    from = refused.first;
  }
  moves.append(applied, from, MoveSequence::npos);
  return OptimizedLength(moves.data(), moves.size(), scratch);
}

void Solver::RollBackToCheckpoint() {
  if (!checkpointSet) return;
  if (checkpointCopied) {
    board.tiles = checkpointTiles;
    board.blank = checkpointBlank;
    applied.resize(checkpointApplied);
    Reindex();
  } else {
    Replay(checkpointApplied, applied.size(), true);
    applied.resize(checkpointApplied);
  }
  checkpointSet = false;
}

void Solver::Resync() {
  syncedBlank = board.blank;
  if (board.n != syncedSide) {
    for (const char letter : {'U', 'D', 'L', 'R'}) {
      const unsigned char code = static_cast<unsigned char>(letter);
      stepOffset[code] = STEPS.row[code] * static_cast<int>(board.n) + STEPS.col[code];
    }
  }
  syncedSide = board.n;
  blankRow = board.n == 0 ? 0 : static_cast<int>(board.blank / board.n);
  blankCol = board.n == 0 ? 0 : static_cast<int>(board.blank % board.n);
}

void Solver::Reindex() const {
  const size_t cells = board.tiles.size();
  size_t size = 1;
  while (size < cells) size *= 2;
  // Entries left from before are harmless: FindTile checks every entry against the board.
  cellOf.resize(size, 0);
  // From the last cell back, so that a value held twice is indexed at its first cell.
  const int* const cell = board.tiles.data();
  std::uint16_t* const index = cellOf.data();
  const unsigned mask = static_cast<unsigned>(size - 1);
  for (size_t i = cells; i-- > 0;)
    index[static_cast<unsigned>(cell[i]) & mask] = static_cast<std::uint16_t>(i);
}

void Solver::BringBlankAbove(int blankRow, int blankCol, int& tileRow, int& tileCol) {
  if (blankRow == tileRow) {
    // Row 0 is never entered from row 1.
    if (blankRow == 1) {
      DoMoves("D");
      blankRow = 2;
    } else {
      DoMoves("U");
      --blankRow;
    }
  }
  // From below, left of a tile in column 0, the blank climbs in column 1 and enters column 0
  // only directly below the tile.
  const bool detour = blankRow > tileRow && blankCol != 0 && tileCol == 0;
  const MovePiece across =
      LetterRun(blankCol <= tileCol ? 'R' : 'L', std::abs(blankCol - tileCol) - (detour ? 1 : 0));
  if (blankRow < tileRow) {
    DoMoves({across, LetterRun('D', tileRow - blankRow - 1)});
    return;
  }
  const int k = blankRow - tileRow;
  if (detour) {
    DoMoves({across, LetterRun('U', k - 1), "LU"});
  } else {
    DoMoves({across, LetterRun('U', k)});
  }
  ++tileRow;
}

namespace {

// Side step and vertical run shared by BringBlankRight and BringBlankLeft; returns the detour
// flag. The blank travels along row 1 and enters row 0 only just left of a tile there.
bool SideStepAndVerticalRun(Solver& solver, int& blankCol, int& blankRow, int tileRow, int tileCol,
                            MovePiece& run) {
  const int n = static_cast<int>(solver.board.n);
  if (blankCol == tileCol) {
    if (blankCol == n - 1) {
      solver.DoMoves("L");
      --blankCol;
    } else {
      solver.DoMoves("R");
      ++blankCol;
    }
  }
  const bool detour = blankCol < tileCol - 1 && blankRow != 0 && tileRow == 0;
  run = LetterRun(blankRow <= tileRow ? 'D' : 'U', std::abs(blankRow - tileRow) - (detour ? 1 : 0));
  return detour;
}

}  // namespace

void Solver::BringBlankRight(int blankCol, int blankRow, int& tileRow, int& tileCol) {
  MovePiece run = LetterRun('D', 0);
  const bool detour = SideStepAndVerticalRun(*this, blankCol, blankRow, tileRow, tileCol, run);
  if (blankCol < tileCol) {
    if (detour) {
      DoMoves({run, LetterRun('R', tileCol - blankCol - 1), "UR"});
    } else {
      DoMoves({run, LetterRun('R', tileCol - blankCol)});
    }
    --tileCol;
  } else {
    DoMoves({run, LetterRun('L', blankCol - tileCol - 1)});
  }
}

void Solver::BringBlankLeft(int blankCol, int blankRow, int& tileRow, int& tileCol) {
  MovePiece run = LetterRun('D', 0);
  const bool detour = SideStepAndVerticalRun(*this, blankCol, blankRow, tileRow, tileCol, run);
  if (blankCol < tileCol) {
    DoMoves({run, LetterRun('R', tileCol - blankCol - 1), LetterRun('U', detour ? 1 : 0)});
  } else {
    DoMoves({run, LetterRun('L', blankCol - tileCol)});
    ++tileCol;
  }
}

void Solver::LiftTileInLastColumn(int k) {
  const size_t corner = 2 * static_cast<size_t>(board.n) - 1;
  if (corner >= board.tiles.size() || board.tiles[corner] != 0) return;
  DoMoves({LetterRun('D', k - 1), "LU", Repeated(UP_BL, k - 2)});
}

void Solver::ShiftTileInRow(int targetCol, int tileCol) {
  const char* macro = tileCol >= targetCol ? LEFT_BR : RIGHT_BR_LOW;
  DoMoves({Repeated(macro, std::abs(tileCol - targetCol))});
}

unsigned Solver::FindTile(int t) const {
  const auto indexed = [this, t](unsigned& cell) {
    if (t < 0 || static_cast<size_t>(t) >= cellOf.size()) return false;
    const int at = cellOf[t];
    if (at < 0 || static_cast<size_t>(at) >= board.tiles.size() || board.tiles[at] != t) {
      return false;
    }
    cell = static_cast<unsigned>(at);
    return true;
  };
  unsigned cell = 0;
  if (indexed(cell)) return cell;
  // The board was changed other than by DoMoves (a new board, a trim): index it afresh.
  Reindex();
  if (indexed(cell)) return cell;
  return board.FindTile(t);
}

void Solver::FindTileCoord(int t, int& row, int& col) const {
  const int index = static_cast<int>(FindTile(t));
  const int n = static_cast<int>(board.n);
  row = n == 0 ? 0 : index / n;
  col = n == 0 ? 0 : index % n;
}

void Solver::ReportTailFault(const char* function, const char* problem) const {
  *out << "\nError in function " << function << "() (n=" << board.n << ") : " << problem;
}
