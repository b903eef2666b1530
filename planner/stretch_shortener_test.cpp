// stretch_shortener_test.cpp: shorter stretches that end where the old ones ended.
#include "planner/stretch_shortener.h"

#include <gtest/gtest.h>

#include "board/random_draw.h"
#include "solver/position.h"
#include "test_support/sample_boards.h"

namespace {

using planner::ShortenStretches;

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

// Ten turns of the blank round the 2 x 2 block left of and above it: 40 moves.
const MoveSequence TEN_TURNS = "ULDRULDRULDRULDRULDRULDRULDRULDRULDRULDR";

}  // namespace

TEST(ShortenStretches, NineTurnsOfABlockAreNoMoveAtAllAndNoSolutionIsLeftAlone) {
  // The blank circling a 2 x 2 block turns its three tiles; three turns bring them home. The
  // blank is found in the tiles: a stale record of it changes nothing. A text that takes the
  // blank off the board, or holds another character, is no solution.
  const Board goal = GoalBoard(3);
  Board stale = goal;
  stale.blank = 0;
  const struct {
    const Board& start;
    MoveSequence text, expected;
  } cases[] = {
      {goal, TEN_TURNS, "ULDR"},        // the last turn, too short a stretch to search, is kept
      {goal, TEN_TURNS.substr(4), ""},  // a last stretch of 36 goes too
      {stale, TEN_TURNS, "ULDR"},
      {goal, "D" + TEN_TURNS, "D" + TEN_TURNS},
      {goal, "X" + TEN_TURNS, "X" + TEN_TURNS},
      {goal, "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, ShortenStretches(c.start, c.text)) << c.text;
}

TEST(ShortenStretches, RandomWalksEndWhereTheyEndedAndNeverGrow) {
  SeedRandom(12);
  size_t before = 0, after = 0;
  for (const unsigned n : {2u, 3u, 4u, 5u, 7u, 9u}) {
    for (int round = 0; round < 4; ++round) {
      const Board start = ShuffledBoard(n);
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
