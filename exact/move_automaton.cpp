// move_automaton.cpp: the replaceable sequences, found by walking the blank over a board too wide
// for any walk to meet its edges, length by length, and the automaton that spots them.
#include "exact/move_automaton.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <numeric>
#include <optional>
#include <utility>

namespace {

constexpr int ROW_STEP[4] = {-1, 1, 0, 0};
constexpr int COL_STEP[4] = {0, 0, -1, 1};
constexpr char LETTERS[] = "UDLR";
constexpr int LONGEST = 12;

// What a tile that started in cell `origin` adds to the hash of a board while in cell `cell`:
// nothing at home, so that the hash only sees what the walk moved.
std::uint64_t Mark(int cell, int origin) {
  if (cell == origin) return 0;
  std::uint64_t x = static_cast<std::uint64_t>(cell) << 32 | static_cast<std::uint32_t>(origin);
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

// The blank's walk from the centre of the board: each cell holds the cell its tile started in,
// and the hash of what moved is kept move by move.
class Walk {
 public:
  explicit Walk(int maxLength) : side(2 * maxLength + 1), origin(static_cast<size_t>(side * side)) {
    std::iota(origin.begin(), origin.end(), 0);
    cells.push_back(maxLength * side + maxLength);
  }

  void Move(int direction) {
    const int from = cells.back();
    cells.push_back(from + ROW_STEP[direction] * side + COL_STEP[direction]);
    Swap(from, cells.back());
  }
  void Undo() {
    const int to = cells.back();
    cells.pop_back();
    Swap(cells.back(), to);
  }
  std::uint64_t Hash() const { return hash; }
  size_t Length() const { return cells.size() - 1; }

  // Every cell whose tile moved, the blank's included, with the cell that tile started in.
  std::vector<std::pair<int, int>> Moved() const {
    std::vector<std::pair<int, int>> moved;
    for (int cell = 0; cell < side * side; ++cell) {
      if (origin[cell] != cell) moved.emplace_back(cell, origin[cell]);
    }
    return moved;
  }
  // True when every cell this walk visited lies within the rows and columns the other spans.
  bool Within(const Walk& other) const {
    const auto [top, bottom, left, right] = Span();
    const auto [otherTop, otherBottom, otherLeft, otherRight] = other.Span();
    return top >= otherTop && bottom <= otherBottom && left >= otherLeft && right <= otherRight;
  }

 private:
  // Swaps the tiles of two cells, the hash with them: a swap made twice is undone, hash and all.
  void Swap(int a, int b) {
    hash ^= Mark(a, origin[a]) ^ Mark(b, origin[b]);
    std::swap(origin[a], origin[b]);
    hash ^= Mark(a, origin[a]) ^ Mark(b, origin[b]);
  }
  std::array<int, 4> Span() const {
    std::array<int, 4> span = {side, -1, side, -1};
    for (const int cell : cells) {
      span[0] = std::min(span[0], cell / side);
      span[1] = std::max(span[1], cell / side);
      span[2] = std::min(span[2], cell % side);
      span[3] = std::max(span[3], cell % side);
    }
    return span;
  }

  int side;
  std::vector<int> origin;
  std::vector<int> cells;
  std::uint64_t hash = 0;
};

// A walk: its length, its moves two bits each, the first highest, and the hash of what it moved.
struct Record {
  std::uint64_t hash;
  std::uint32_t moves;
  int length;
};

Walk Replayed(int maxLength, const Record& record) {
  Walk walk(maxLength);
  for (int i = record.length - 1; i >= 0; --i)
    walk.Move(static_cast<int>(record.moves >> (2 * i) & 3));
  return walk;
}

std::string Letters(std::uint32_t moves, int length) {
  std::string letters;
  for (int i = length - 1; i >= 0; --i) letters += LETTERS[moves >> (2 * i) & 3];
  return letters;
}

// The Aho-Corasick automaton of the sequences over U, D, L, R: a trie whose missing branches
// lead where the longest suffix that is a prefix of some sequence leads, and whose states that
// end a sequence, or whose suffix ends one, are SKIP.
std::vector<std::uint16_t> Spotter(const std::vector<std::string>& sequences) {
  std::vector<std::array<int, 4>> branches(1, {-1, -1, -1, -1});
  std::vector<bool> ends(1, false);
  for (const std::string& sequence : sequences) {
    int state = 0;
    for (const char letter : sequence) {
      const int d = static_cast<int>(std::find(LETTERS, LETTERS + 4, letter) - LETTERS);
      if (branches[state][d] < 0) {
        branches[state][d] = static_cast<int>(branches.size());
        branches.push_back({-1, -1, -1, -1});
        ends.push_back(false);
      }
      state = branches[state][d];
    }
    ends[state] = true;
  }
  // Fewer states than SKIP, so that every state fits in 16 bits: sequences of 12 moves need
  // about 12 000.
  if (branches.size() >= MoveAutomaton::SKIP) std::abort();
  std::vector<int> fallback(branches.size(), 0), queue;
  for (int d = 0; d < 4; ++d) {
    int& child = branches[0][d];
    if (child < 0) {
      child = 0;
    } else {
      queue.push_back(child);
    }
  }
  for (size_t i = 0; i < queue.size(); ++i) {
    const int state = queue[i];
    if (ends[fallback[state]]) ends[state] = true;
    for (int d = 0; d < 4; ++d) {
      int& child = branches[state][d];
      if (child < 0) {
        child = branches[fallback[state]][d];
      } else {
        fallback[child] = branches[fallback[state]][d];
        queue.push_back(child);
      }
    }
  }
  std::vector<std::uint16_t> next;
  for (const std::array<int, 4>& children : branches) {
    for (const int child : children) {
      next.push_back(ends[child] ? MoveAutomaton::SKIP : static_cast<std::uint16_t>(child));
    }
  }
  return next;
}

// Every walk of `left` more moves that neither takes the blank straight back nor ends in a
// sequence already found, in the order U, D, L, R.
void Enumerate(Walk& walk, const std::vector<std::uint16_t>& spotter, std::uint16_t state, int last,
               int left, std::uint32_t moves, std::vector<Record>& found) {
  if (left == 0) {
    found.push_back({walk.Hash(), moves, static_cast<int>(walk.Length())});
    return;
  }
  for (int d = 0; d < 4; ++d) {
    const std::uint16_t next = spotter[4 * size_t{state} + static_cast<size_t>(d)];
    if (d == (last ^ 1) || next == MoveAutomaton::SKIP) continue;
    walk.Move(d);
    Enumerate(walk, spotter, next, d, left - 1, moves << 2 | static_cast<std::uint32_t>(d), found);
    walk.Undo();
  }
}

// The replaceable sequences of up to maxLength moves. Walks are taken length by length, each in
// order; a walk is replaceable when one before it moved the same tiles to the same cells within
// its span. The hashes only pick out whom to compare: the tiles themselves decide.
std::vector<std::string> ReplaceableSequences(int maxLength) {
  std::vector<std::string> sequences;
  // Every walk so far by hash, those of one hash in the order taken: shorter ones first, and
  // those of one length in the order of their moves' numbers.
  std::vector<Record> walks = {{0, 0, 0}};
  const auto byHash = [](const Record& a, const Record& b) { return a.hash < b.hash; };
  for (int length = 1; length <= maxLength; ++length) {
    const auto olderCount = static_cast<std::ptrdiff_t>(walks.size());
    Walk walk(maxLength);
    Enumerate(walk, Spotter(sequences), MoveAutomaton::START, -1, length, 0, walks);
    std::stable_sort(walks.begin() + olderCount, walks.end(), byHash);
    std::inplace_merge(walks.begin(), walks.begin() + olderCount, walks.end(), byHash);
    std::vector<std::uint32_t> replaced;
    for (auto record = walks.begin(); record != walks.end(); ++record) {
      if (record->length != length) continue;
      std::optional<Walk> tiles;
      auto isTwin = [&](const Record& other) {
        if (!tiles) tiles = Replayed(maxLength, *record);
        const Walk otherTiles = Replayed(maxLength, other);
        return otherTiles.Moved() == tiles->Moved() && otherTiles.Within(*tiles);
      };
      // The candidates: the walks of the same hash before it.
      if (std::any_of(std::lower_bound(walks.begin(), record, *record, byHash), record, isTwin)) {
        replaced.push_back(record->moves);
      }
    }
    std::sort(replaced.begin(), replaced.end());
    for (const std::uint32_t moves : replaced) sequences.push_back(Letters(moves, length));
  }
  return sequences;
}

}  // namespace

MoveAutomaton::MoveAutomaton(int maxLength)
    : sequences(ReplaceableSequences(std::clamp(maxLength, 1, LONGEST))) {
  next = Spotter(sequences);
}

MoveAutomaton::MoveAutomaton(const std::uint16_t* table, std::size_t entries)
    : next(table, table + entries) {}
