// seeded_boards.cpp: random, near-goal and partly-home boards from a 64-bit Mersenne Twister.
#include "study/seeded_boards.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <utility>

#include "solver/position.h"

namespace {

constexpr const char* KIND_NAMES[] = {"random", "near", "partly-home", "file"};

// One step of splitmix64: spreads neighbouring inputs over the whole 64-bit range, so that the
// generator states of boards whose names differ in one number are unrelated.
std::uint64_t Mix(std::uint64_t x) {
  x += 0x9e3779b97f4a7c15ULL;
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
  return x ^ (x >> 31);
}

// A value in 0 ... bound - 1, each equally likely. The mapping is written out rather than taken
// from std::uniform_int_distribution, whose draws differ between standard libraries: values
// below 2^64 mod bound are redrawn, so that the rest divide evenly.
std::uint64_t Below(std::mt19937_64& engine, std::uint64_t bound) {
  const std::uint64_t threshold = (0 - bound) % bound;
  std::uint64_t x = engine();
  while (x < threshold) x = engine();
  return x % bound;
}

// Shuffles the values of the cells among those cells (Fisher-Yates). Half the shuffles cannot
// reach the goal; swapping two tiles among the shuffled cells mends such a board.
void ShuffleSolvable(std::mt19937_64& engine, Board& board, const std::vector<unsigned>& cells) {
  for (size_t k = cells.size(); k > 1; --k) {
    std::swap(board.tiles[cells[k - 1]], board.tiles[cells[Below(engine, k)]]);
  }
  const unsigned blank = board.FindBlank();
  if (board.IsSolvable()) return;
  // Every kind leaves at least two tiles besides the blank among the shuffled cells.
  unsigned pair[2] = {0, 0}, found = 0;
  for (const unsigned cell : cells) {
    if (cell != blank && found < 2) pair[found++] = cell;
  }
  std::swap(board.tiles[pair[0]], board.tiles[pair[1]]);
}

void RandomKind(std::mt19937_64& engine, Board& board) {
  std::vector<unsigned> cells(board.tiles.size());
  std::iota(cells.begin(), cells.end(), 0u);
  ShuffleSolvable(engine, board, cells);
}

// The goal after k random moves of the blank, none undoing the one before. k is drawn so that
// each power of two up to about 4 n^2 is as likely: as many boards a few moves from the goal as
// boards many moves away.
void NearKind(std::mt19937_64& engine, Board& board) {
  const unsigned n = board.n;
  unsigned powers = 0;
  while ((2ull << powers) <= 4ull * n * n) ++powers;
  const std::uint64_t low = 1ull << Below(engine, powers + 1);
  const std::uint64_t moves = low + Below(engine, low);
  Position position(board);
  char last = 'X';
  for (std::uint64_t i = 0; i < moves; ++i) {
    const unsigned row = position.Blank() / n, col = position.Blank() % n;
    char choices[4];
    int count = 0;
    if (row > 0 && last != 'D') choices[count++] = 'U';
    if (row + 1 < n && last != 'U') choices[count++] = 'D';
    if (col > 0 && last != 'R') choices[count++] = 'L';
    if (col + 1 < n && last != 'L') choices[count++] = 'R';
    last = choices[Below(engine, static_cast<std::uint64_t>(count))];
    position.Move(static_cast<Direction>(CodeOf(last)));
  }
  position.CopyTo(board);
}

// Up to half the rows and half the columns home, then in the rest a prefix of its first row, a
// part of its first column from the bottom and, each by a coin, the cells beside its corners,
// which are the positions a solver's row and column tails must route round; everything else
// shuffled.
void PartlyHomeKind(std::mt19937_64& engine, Board& board) {
  const unsigned n = board.n;
  const unsigned top = static_cast<unsigned>(Below(engine, n / 2));
  const unsigned left = static_cast<unsigned>(Below(engine, n / 2));
  const unsigned width = n - left, height = n - top;
  std::vector<bool> home(board.tiles.size(), false);
  for (unsigned i = 0; i < board.tiles.size(); ++i) home[i] = i / n < top || i % n < left;
  const unsigned corner = top * n + left;
  const unsigned rowPart = static_cast<unsigned>(Below(engine, width + 1));
  for (unsigned c = 0; c < rowPart; ++c) home[corner + c] = true;
  const unsigned colPart = static_cast<unsigned>(Below(engine, height));
  for (unsigned r = 0; r < colPart; ++r) home[(n - 1 - r) * n + left] = true;
  if (Below(engine, 2)) home[corner + width - 1] = true;
  if (Below(engine, 2)) home[corner + n] = true;
  if (Below(engine, 2)) home[corner + 2 * n] = true;
  // Two cells of the last row and column stay free: the blank's home and one beside it.
  home[n * n - 1] = home[n * n - 2] = false;
  std::vector<unsigned> cells;
  for (unsigned i = 0; i < board.tiles.size(); ++i) {
    if (!home[i]) cells.push_back(i);
  }
  ShuffleSolvable(engine, board, cells);
}

// Each generated kind's shuffle, in the order of BoardKind.
void (*const SHUFFLES[])(std::mt19937_64&, Board&) = {RandomKind, NearKind, PartlyHomeKind};

}  // namespace

std::string Describe(const BoardName& name) {
  if (name.kind == BoardKind::FILE) return name.file;
  return "side " + std::to_string(name.side) + " " + KindName(name.kind) + " seed " +
         std::to_string(name.seed) + " board " + std::to_string(name.index);
}

const char* KindName(BoardKind kind) {
  return KIND_NAMES[static_cast<int>(kind)];
}

bool ParseKind(const std::string& word, BoardKind& kind) {
  const auto found = std::find(std::begin(KIND_NAMES), std::end(KIND_NAMES), word);
  if (found != std::end(KIND_NAMES)) kind = static_cast<BoardKind>(found - std::begin(KIND_NAMES));
  return found != std::end(KIND_NAMES);
}

bool ParseStudyKinds(const std::string& word, std::vector<BoardKind>& kinds) {
  BoardKind kind = BoardKind::RANDOM;
  if (word == "mixed") {
    kinds = {BoardKind::RANDOM, BoardKind::NEAR, BoardKind::PARTLY_HOME};
  } else if (ParseKind(word, kind) && kind != BoardKind::FILE) {
    kinds = {kind};
  } else {
    return false;
  }
  return true;
}

Board GenerateBoard(const BoardName& name) {
  std::uint64_t state = Mix(name.seed);
  state = Mix(state ^ name.side);
  state = Mix(state ^ static_cast<std::uint64_t>(name.kind));
  state = Mix(state ^ name.index);
  std::mt19937_64 engine(state);
  Board board;
  board.n = name.side;
  board.tiles = GoalTiles(name.side);
  // A user's board (FILE) is never generated; taking it for a random one keeps this total.
  SHUFFLES[name.kind == BoardKind::FILE ? 0 : static_cast<int>(name.kind)](engine, board);
  return board;
}

std::vector<StudyBoard> StudyBoards(const std::vector<unsigned>& sides, unsigned boards,
                                    const std::vector<BoardKind>& kinds, std::uint64_t seed,
                                    unsigned shard, unsigned shards) {
  // Only the slice is made: a small shard of a study of millions of boards stays small.
  std::vector<StudyBoard> list;
  for (size_t position = shard - 1; position < sides.size() * boards; position += shards) {
    list.push_back({StudyBoardName(sides, boards, kinds, seed, position), {}});
  }
  return list;
}

BoardName StudyBoardName(const std::vector<unsigned>& sides, unsigned boards,
                         const std::vector<BoardKind>& kinds, std::uint64_t seed, size_t position) {
  const unsigned side = sides[position / boards];
  const auto index = static_cast<unsigned>(position % boards);
  // Turning with the side as well, so that one board a side still gives every kind.
  return {side, kinds[(index + side) % kinds.size()], seed, index, {}};
}

std::vector<StudyBoard> ShardOf(const std::vector<StudyBoard>& boards, unsigned shard,
                                unsigned shards) {
  std::vector<StudyBoard> slice;
  for (size_t i = shard - 1; i < boards.size(); i += shards) slice.push_back(boards[i]);
  return slice;
}
