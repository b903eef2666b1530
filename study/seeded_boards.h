// seeded_boards.h: the boards of a study, each rebuilt from its name alone on any machine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "board/board.h"

/// The smallest side of the boards a study generates; the largest is MAX_SIDE.
constexpr unsigned SMALLEST_STUDY_SIDE = 3;

/// The most boards of a side a study takes, so board indexes run below it.
constexpr unsigned MOST_BOARDS = 1000000;

/// How a board of a study came about. FILE is a user's board read from a file.
enum class BoardKind { RANDOM, NEAR, PARTLY_HOME, FILE };

/// The word for the kind in options and CSV files: random, near, partly-home, file.
const char* KindName(BoardKind kind);
/// The kind named by the word; false for an unknown word.
bool ParseKind(const std::string& word, BoardKind& kind);

/// The kinds of a study's boards: the one named, or all three for "mixed"; false for "file".
bool ParseStudyKinds(const std::string& word, std::vector<BoardKind>& kinds);

/// What names a board: side, kind, seed and index; a user's board its place and file's name.
struct BoardName {
  unsigned side = 0;
  BoardKind kind = BoardKind::RANDOM;
  std::uint64_t seed = 0;
  unsigned index = 0;
  std::string file;
};

/// The board as messages name it: "side 5 random seed 1 board 0", or a user's board's file.
std::string Describe(const BoardName& name);

/// Whether the two name the same board.
inline bool operator==(const BoardName& a, const BoardName& b) {
  return a.side == b.side && a.kind == b.kind && a.seed == b.seed && a.index == b.index &&
         a.file == b.file;
}

/// A board to study; a generated one is made from its name when its turn comes, so that a long
/// list holds no boards.
struct StudyBoard {
  BoardName name;
  Board board;
};

/// The generated, solvable board of that name, which alone seeds it: the same on every machine.
Board GenerateBoard(const BoardName& name);

/// The boards of a study, side by side in ascending order, `boards` of each. Kind RANDOM, NEAR
/// or PARTLY_HOME gives every board that kind; mixed gives board i of side n kind (i + n) mod 3.
/// With a shard (1 ... shards), only that slice of the list (see ShardOf), made without the rest.
std::vector<StudyBoard> StudyBoards(const std::vector<unsigned>& sides, unsigned boards,
                                    const std::vector<BoardKind>& kinds, std::uint64_t seed,
                                    unsigned shard = 1, unsigned shards = 1);

/// The name of the board at that position of the list that StudyBoards gives.
BoardName StudyBoardName(const std::vector<unsigned>& sides, unsigned boards,
                         const std::vector<BoardKind>& kinds, std::uint64_t seed, size_t position);

/// The shard-th (1 ... shards) slice of the list: every shards-th board from position shard - 1.
std::vector<StudyBoard> ShardOf(const std::vector<StudyBoard>& boards, unsigned shard,
                                unsigned shards);
