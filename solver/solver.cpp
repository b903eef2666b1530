// solver.cpp: moving, recording and routing the blank beside a tile.
#include "solver/solver.h"

#include <cstdlib>

#include "solver/move_macros.h"

Solver::Solver(std::ostream& out) : out(&out) {}

void Solver::DoMoves(const MoveSequence& sequence) {
  if (recording) recordedMoves += sequence;
  if (board.ApplySequence(sequence, *out)) applied += sequence;
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
  MoveSequence text =
      Letters(blankCol <= tileCol ? 'R' : 'L', std::abs(blankCol - tileCol) - (detour ? 1 : 0));
  if (blankRow < tileRow) {
    text += Letters('D', tileRow - blankRow - 1);
  } else {
    const int k = blankRow - tileRow;
    if (detour) {
      text += Letters('U', k - 1);
      text += "LU";
    } else {
      text += Letters('U', k);
    }
    ++tileRow;
  }
  DoMoves(text);
}

namespace {

// Side step and vertical run shared by BringBlankRight and BringBlankLeft; returns the detour
// flag. The blank travels along row 1 and enters row 0 only just left of a tile there.
bool SideStepAndVerticalRun(Solver& solver, int& blankCol, int& blankRow, int tileRow, int tileCol,
                            MoveSequence& text) {
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
  text = Letters(blankRow <= tileRow ? 'D' : 'U', std::abs(blankRow - tileRow) - (detour ? 1 : 0));
  return detour;
}

}  // namespace

void Solver::BringBlankRight(int blankCol, int blankRow, int& tileRow, int& tileCol) {
  MoveSequence text;
  const bool detour = SideStepAndVerticalRun(*this, blankCol, blankRow, tileRow, tileCol, text);
  if (blankCol < tileCol) {
    if (detour) {
      text += Letters('R', tileCol - blankCol - 1);
      text += "UR";
    } else {
      text += Letters('R', tileCol - blankCol);
    }
    --tileCol;
  } else {
    text += Letters('L', blankCol - tileCol - 1);
  }
  DoMoves(text);
}

void Solver::BringBlankLeft(int blankCol, int blankRow, int& tileRow, int& tileCol) {
  MoveSequence text;
  const bool detour = SideStepAndVerticalRun(*this, blankCol, blankRow, tileRow, tileCol, text);
  if (blankCol < tileCol) {
    text += Letters('R', tileCol - blankCol - 1);
    if (detour) text += "U";
  } else {
    text += Letters('L', blankCol - tileCol);
    ++tileCol;
  }
  DoMoves(text);
}

void Solver::LiftTileInLastColumn(int k) {
  const size_t corner = 2 * static_cast<size_t>(board.n) - 1;
  if (corner >= board.tiles.size() || board.tiles[corner] != 0) return;
  MoveSequence text = Letters('D', k - 1);
  text += "LU";
  if (k - 1 > 1) text += Repeat(UP_BL, k - 2);
  DoMoves(text);
}

void Solver::ShiftTileInRow(int targetCol, int tileCol) {
  const char* macro = tileCol >= targetCol ? LEFT_BR : RIGHT_BR_LOW;
  DoMoves(Repeat(macro, std::abs(tileCol - targetCol)));
}

bool Solver::IsTileAtGoal(int t) const {
  // The solvers work on permutations only, where "the first cell holding t is t - 1" is
  // "cell t - 1 holds t".
  const size_t cell = static_cast<size_t>(t) - 1;
  return board.n != 0 && t > 0 && cell < board.tiles.size() && board.tiles[cell] == t;
}

void Solver::FindTileCoord(int t, int& row, int& col) const {
  const int index = static_cast<int>(board.FindTile(t));
  const int n = static_cast<int>(board.n);
  row = n == 0 ? 0 : index / n;
  col = n == 0 ? 0 : index % n;
}

int Solver::TileAt(int row, int col) const {
  const int n = static_cast<int>(board.n);
  if (row < 0 || col < 0 || row >= n || col >= n) return -1;
  const size_t index = static_cast<size_t>(row) * n + col;
  return index < board.tiles.size() ? board.tiles[index] : -1;
}

void Solver::ReportTailFault(const char* function, const char* problem) const {
  *out << "\nError in function " << function << "() (n=" << board.n << ") : " << problem;
}
