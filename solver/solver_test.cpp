// solver_test.cpp: what DoMoves records, the fast moves against plain ones, the position index
// and the checkpoint.
#include "solver/solver.h"

#include <gtest/gtest.h>

#include <sstream>

#include "board/random_draw.h"
#include "solver/move_macros.h"
#include "solver/reduction.h"
#include "test_support/sample_boards.h"

namespace {

// The texts of Repeated and LetterRun pieces, built as strings.
MoveSequence Repeat(const char* macro, int count) {
  MoveSequence text;
  for (int i = 0; i < count; ++i) text += macro;
  return text;
}

// One move of the blank on a plain board, written as plainly as possible: the reference.
bool ReferenceMove(Board& board, char letter) {
  constexpr int ROW_STEP[] = {-1, 1, 0, 0}, COL_STEP[] = {0, 0, -1, 1};
  const size_t k = std::string("UDLR").find(letter);
  if (k == std::string::npos) return false;
  const int n = static_cast<int>(board.n), blank = static_cast<int>(board.blank);
  const int row = blank / n + ROW_STEP[k], col = blank % n + COL_STEP[k];
  if (row < 0 || col < 0 || row >= n || col >= n) return false;
  std::swap(board.tiles[blank], board.tiles[row * n + col]);
  board.blank = static_cast<unsigned>(row * n + col);
  return true;
}

}  // namespace

TEST(Solver, MovesIndexAndRollBackAgreeWithPlainMoves) {
  // Random texts of every form, legal and not, near the edges too, against a plain board that
  // applies each text letter by letter, refused letters skipped and warned about as
  // WriteMoveWarnings words it; a checkpoint is set and rolled back on the way.
  const char* macros[] = {UP_BR, LEFT_BR, UPLEFT_BR, ROW_TAIL_SWAP, "R", "LXR"};
  SeedRandom(21);
  for (const unsigned n : {3u, 4u, 7u, 12u}) {
    std::ostringstream expectedOut;
    Solver solver;
    Board reference = RandomSolvableBoard(n);
    solver.Start(reference);
    MoveSequence expectedApplied;
    const auto apply = [&](const MoveSequence& text) {
      MoveSequence refused;
      for (const char letter : text) {
        if (ReferenceMove(reference, letter)) {
          expectedApplied += letter;
        } else {
          refused += letter;
        }
      }
      WriteMoveWarnings(expectedOut, text, refused);
    };
    Board atCheckpoint;
    MoveSequence appliedAtCheckpoint;
    bool checkpoint = false;
    for (int round = 0; round < 400; ++round) {
      const char* macro = macros[DrawRandom() % 6];
      const int count = DrawRandom() % 5;
      const char letter = "UDLR"[DrawRandom() % 4];
      const int run = DrawRandom() % static_cast<int>(n);
      switch (DrawRandom() % 4) {
        case 0:
          solver.DoMoves(Repeat(macro, count) + MoveSequence(static_cast<size_t>(run), letter));
          apply(Repeat(macro, count) + MoveSequence(static_cast<size_t>(run), letter));
          break;
        case 1:
          solver.DoMoves({LetterRun(letter, run), Repeated(macro, count)});
          apply(MoveSequence(static_cast<size_t>(run), letter) + Repeat(macro, count));
          break;
        case 2:
          solver.DoMoves({Repeated(macro, count)});
          apply(Repeat(macro, count));
          break;
        default:
          if (!checkpoint) {
            solver.SetCheckpoint();
            atCheckpoint = reference;
            appliedAtCheckpoint = expectedApplied;
          } else {
            solver.RollBackToCheckpoint();
            reference = atCheckpoint;
            expectedApplied = appliedAtCheckpoint;
          }
          checkpoint = !checkpoint;
          break;
      }
      ASSERT_EQ(reference.tiles, solver.Current().Cells()) << n << " " << round;
      ASSERT_EQ(reference.blank, solver.Current().Blank());
      ASSERT_EQ(expectedApplied, solver.Current().Moves());
      const int t = DrawRandom() % static_cast<int>(n * n);
      ASSERT_EQ(reference.FindTile(t), solver.Current().CellOf(t)) << t;
    }
    EXPECT_EQ(expectedOut.str(), solver.TakeFaults());
    EXPECT_NE("", expectedOut.str());
  }
}
