// seeded_boards_test.cpp: the boards a seed gives stay the same, and every one is solvable.
#include "study/seeded_boards.h"

#include <gtest/gtest.h>

#include "solver/reduction.h"

// The first board of each kind for seed 1. Any change to the generator, the mapping of its
// draws or the way a board's state comes from its name shows here, and would make the boards of
// earlier studies impossible to rebuild.
TEST(SeededBoards, FirstBoardsOfSeedOne) {
  const struct {
    BoardKind kind;
    std::vector<int> tiles;
  } cases[] = {
      {BoardKind::RANDOM, {13, 3, 1, 5, 10, 8, 7, 6, 2, 9, 14, 0, 11, 15, 12, 4}},
      {BoardKind::NEAR, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 13, 14, 15, 12}},
      {BoardKind::PARTLY_HOME, {1, 2, 3, 4, 5, 11, 12, 15, 9, 0, 7, 10, 13, 14, 6, 8}},
  };
  for (const auto& c : cases) {
    const Board board = GenerateBoard({4, c.kind, 1, 0, {}});
    EXPECT_EQ(c.tiles, board.tiles) << KindName(c.kind);
    EXPECT_EQ(board.FindTile(0), board.blank) << KindName(c.kind);
  }
}

TEST(SeededBoards, EveryBoardIsSolvable) {
  for (unsigned n = 3; n <= MAX_SIDE; n += n < 12 ? 1 : 11) {
    for (const BoardKind kind : {BoardKind::RANDOM, BoardKind::NEAR, BoardKind::PARTLY_HOME}) {
      for (unsigned i = 0; i < 12; ++i) {
        EXPECT_TRUE(IsSolvableBoard(GenerateBoard({n, kind, 5, i, {}})))
            << n << " " << KindName(kind) << " " << i;
      }
    }
  }
}

// A shard's boards are made alone, and are the slice of the whole list that ShardOf cuts.
TEST(SeededBoards, AShardIsItsSliceOfTheWholeList) {
  const std::vector<unsigned> sides = {3, 5, 8};
  const std::vector<BoardKind> mixed = {BoardKind::RANDOM, BoardKind::NEAR, BoardKind::PARTLY_HOME};
  const std::vector<StudyBoard> whole = StudyBoards(sides, 4, mixed, 9);
  ASSERT_EQ(12u, whole.size());
  for (unsigned shards : {1u, 5u, 12u, 13u}) {
    for (unsigned shard = 1; shard <= shards; ++shard) {
      const std::vector<StudyBoard> made = StudyBoards(sides, 4, mixed, 9, shard, shards);
      const std::vector<StudyBoard> cut = ShardOf(whole, shard, shards);
      ASSERT_EQ(cut.size(), made.size()) << shard << "/" << shards;
      for (size_t i = 0; i < cut.size(); ++i) EXPECT_TRUE(cut[i].name == made[i].name);
    }
  }
}

// The kinds of a mixed study turn with the side as well as the index: one board a side still
// gives every kind.
TEST(SeededBoards, OneBoardASideGivesEveryKind) {
  const std::vector<BoardKind> mixed = {BoardKind::RANDOM, BoardKind::NEAR, BoardKind::PARTLY_HOME};
  const std::vector<StudyBoard> boards = StudyBoards({3, 4, 5}, 1, mixed, 9);
  for (size_t i = 0; i < 3; ++i) EXPECT_TRUE(boards[i].name.kind == mixed[i]) << i;
}
