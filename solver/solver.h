// solver.h: the working state both solvers share, and the one way they move.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <utility>

#include "board/board.h"
#include "solver/position.h"

/// A working position and the record of its moves; a letter that would leave the board is
/// skipped, and the warning the console's apply writes for it kept among the faults.
class Solver {
 public:
  /// Starts on a copy of the board, with an empty record.
  void Start(const Board& board) { position = Position(board); }
  /// The working position.
  const Position& Current() const { return position; }
  /// Whether tile t stands on its goal cell.
  bool IsTileAtGoal(int t) const { return position.IsHome(t); }
  /// Hands over the record of the moves.
  MoveSequence TakeMoves() { return position.TakeMoves(); }
  /// Makes room for that many moves in the record.
  void ReserveMoves(size_t moves) { position.ReserveMoves(moves); }
  /// Cuts off the solved first row and column; false when they are not solved.
  bool Trim() { return position.Trim(); }

  // Moving
  /// Applies the text, its letters read in the view.
  void DoMoves(std::initializer_list<MovePiece> text, const Orientation& view = BOARD_VIEW) {
    Apply(text.begin(), text.size(), view);
  }
  /// The same for a text given as a string.
  void DoMoves(const MoveSequence& sequence) {
    const MovePiece text(sequence.data(), sequence.size(), 1);
    Apply(&text, 1, BOARD_VIEW);
  }

  // Recording and undoing a stretch of moves
  /// Remembers the length of the record, so that RollBackToCheckpoint can return to this point.
  void SetCheckpoint() { checkpoint = position.Mark(); }
  /// Returns the position and the record to the checkpoint.
  void RollBackToCheckpoint() { position.RollBack(checkpoint); }
  /// How many moves were made since the checkpoint.
  size_t MovesSinceCheckpoint() const { return position.Mark() - checkpoint; }
  /// Those moves' length once shortened by OptimizeSolution; scratch is working storage.
  size_t ShortenedMovesSinceCheckpoint(MoveSequence& scratch) const;

  /// Keeps the words of a fault of the method's own, for the solve's result (SolveResult::faults).
  void Fault(const std::string& words) { faults += words; }
  /// Reports a row or column tail that cannot go on: "Error in function <function>() (n=...)".
  void ReportTailFault(const char* function, const char* problem);
  /// Hands over the faults' words kept so far.
  std::string TakeFaults() { return std::exchange(faults, std::string()); }

 private:
  /// Applies the pieces; a refused letter is skipped and warned about.
  void Apply(const MovePiece* pieces, size_t count, const Orientation& view) {
    if (!position.Apply(pieces, count, view, &refused, &text)) Warn();
  }
  /// Keeps the warnings for the letters in refused, quoting text, and empties both.
  void Warn();

  std::string faults;
  Position position;
  /// A text with a refused letter as the board's letters, which the warnings quote as the
  /// console's apply quotes it, and its refused letters.
  MoveSequence text;
  MoveSequence refused;
  size_t checkpoint = 0;
};
