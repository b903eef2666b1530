// stretch_shortener_test.cpp: shorter stretches that end where the old ones ended.
#include "solver/stretch_shortener.h"

#include <gtest/gtest.h>

#include "board/random_draw.h"
#include "solver/position.h"
#include "test_support/sample_boards.h"

namespace {

// A walk of the blank that never undoes its last move, so that no back-step gives the saving.
MoveSequence WalkWithoutBackSteps(Board& board, size_t length) {
  MoveSequence moves;
  while (moves.size() < length) {
    const char letter = "UDLR"[DrawRandom() % 4];
    const char undo = moves.empty() ? ' ' : "DURL"[MoveSequence("UDLR").find(moves.back())];
    if (letter != undo && ApplyMoves(board, MoveSequence(1, letter))) moves += letter;
  }
  return moves;
}

}  // namespace

TEST(ShortenStretches, ThreeTurnsOfABlockAreNoMoveAtAll) {
  // The blank circling a 2 x 2 block turns its three tiles; three turns bring them home.
  const Board goal = GoalBoard(3);
  StretchLimits limits;
  limits.window = 12;
  limits.stride = 1;
  EXPECT_EQ("", ShortenStretches(goal, "ULDRULDRULDR", limits));
  // The blank is found in the tiles: a stale record of it changes nothing.
  Board stale = goal;
  stale.blank = 0;
  EXPECT_EQ("", ShortenStretches(stale, "ULDRULDRULDR", limits));
  // Two turns are a turn the other way: four moves instead of eight.
  limits.window = 8;
  const MoveSequence shorter = ShortenStretches(goal, "ULDRULDR", limits);
  EXPECT_EQ(4u, shorter.size());
  Board a = goal, b = goal;
  ASSERT_TRUE(ApplyMoves(a, "ULDRULDR"));
  ASSERT_TRUE(ApplyMoves(b, shorter));
  EXPECT_EQ(a.tiles, b.tiles);
}

TEST(ShortenStretches, RandomWalksEndWhereTheyEndedAndNeverGrow) {
  SeedRandom(12);
  size_t before = 0, after = 0;
  for (const unsigned n : {2u, 3u, 4u, 5u, 7u, 9u}) {
    for (int round = 0; round < 4; ++round) {
      const Board start = RandomSolvableBoard(n);
      Board walked = start;
      const MoveSequence walk = WalkWithoutBackSteps(walked, 300);
      const MoveSequence shorter = ShortenStretches(start, walk);
      Board replayed = start;
      ASSERT_TRUE(ApplyMoves(replayed, shorter)) << n;
      EXPECT_EQ(walked.tiles, replayed.tiles) << n;
      EXPECT_LE(shorter.size(), walk.size());
      // The same solution again: no clock or order of memory decides.
      EXPECT_EQ(shorter, ShortenStretches(start, walk));
      before += walk.size();
      after += shorter.size();
    }
  }
  // A random walk wanders about a few cells: much of it is detour.
  EXPECT_LT(after, before * 3 / 4);
}

TEST(ShortenStretches, LeavesAloneWhatItCannotOrMayNotSearch) {
  const Board goal = GoalBoard(3);
  StretchLimits none;
  none.nodesPerStretch = 0;
  EXPECT_EQ("ULDRULDRULDR", ShortenStretches(goal, "ULDRULDRULDR", none));
  StretchLimits narrow;
  narrow.window = 12;
  narrow.maxCells = 3;
  EXPECT_EQ("ULDRULDRULDR", ShortenStretches(goal, "ULDRULDRULDR", narrow));
  // A text that takes the blank off the board, or holds another character, is no solution.
  EXPECT_EQ("DULDRULDRULDR", ShortenStretches(goal, "DULDRULDRULDR"));
  EXPECT_EQ("ULDRXULDRULDR", ShortenStretches(goal, "ULDRXULDRULDR"));
  EXPECT_EQ("", ShortenStretches(goal, ""));
}
