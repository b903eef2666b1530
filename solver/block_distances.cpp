// block_distances.cpp: one breadth-first search per start cell; paths by walking down the
// distances.
#include "solver/block_distances.h"

#include <algorithm>
#include <utility>

namespace {

// The blank's moves in a block: the neighbouring cell, or -1 where the block ends.
int Neighbour(int cell, char letter, int rows, int cols) {
  const int row = cell / cols, col = cell % cols;
  switch (letter) {
    case 'U':
      return row > 0 ? cell - cols : -1;
    case 'D':
      return row + 1 < rows ? cell + cols : -1;
    case 'L':
      return col > 0 ? cell - 1 : -1;
    default:
      return col + 1 < cols ? cell + 1 : -1;
  }
}

char Opposite(char letter) {
  switch (letter) {
    case 'U':
      return 'D';
    case 'D':
      return 'U';
    case 'L':
      return 'R';
    default:
      return 'L';
  }
}

constexpr char LETTERS[] = "UDLR";

// Set bits of every 9-bit mask, for the ranks.
struct BitCounts {
  std::uint8_t of[1 << BlockDistances::MAX_CELLS];
  BitCounts() : of() {
    for (int mask = 1; mask < (1 << BlockDistances::MAX_CELLS); ++mask) {
      of[mask] = static_cast<std::uint8_t>(of[mask >> 1] + (mask & 1));
    }
  }
};

const BitCounts BIT_COUNTS;

}  // namespace

BlockDistances::BlockDistances(int rows, int cols) {
  if (rows < 1 || cols < 1 || rows * cols < 2 || rows * cols > MAX_CELLS) return;
  this->rows = rows;
  this->cols = cols;
  cells = rows * cols;
  positions = 1;
  for (int i = 2; i <= cells; ++i) positions *= static_cast<std::uint32_t>(i);
  distances.assign(static_cast<size_t>(cells) * positions, UNREACHABLE);
  for (int start = 0; start < cells; ++start) Search(start);
}

const BlockDistances& BlockDistances::ThreeByThree() {
  static const BlockDistances shared(3, 3);
  return shared;
}

std::uint32_t BlockDistances::Rank(const std::uint8_t* labels) const {
  // Lehmer code: each label counted among the labels not used before it.
  std::uint32_t rank = 0, used = 0;
  for (int i = 0; i < cells; ++i) {
    const std::uint32_t below = used & ((1u << labels[i]) - 1);
    rank = rank * static_cast<std::uint32_t>(cells - i) +
           (labels[i] - static_cast<std::uint32_t>(BIT_COUNTS.of[below]));
    used |= 1u << labels[i];
  }
  return rank;
}

int BlockDistances::Distance(int start, const std::uint8_t* labels) const {
  if (distances.empty() || start < 0 || start >= cells) return UNREACHABLE;
  std::uint32_t used = 0;
  for (int i = 0; i < cells; ++i) {
    if (labels[i] >= cells || (used & (1u << labels[i]))) return UNREACHABLE;
    used |= 1u << labels[i];
  }
  return distances[static_cast<size_t>(start) * positions + Rank(labels)];
}

void BlockDistances::Search(int start) {
  std::uint8_t* table = distances.data() + static_cast<size_t>(start) * positions;
  std::uint8_t labels[MAX_CELLS];
  for (int cell = 0; cell < cells; ++cell) labels[cell] = static_cast<std::uint8_t>(cell);
  table[Rank(labels)] = 0;
  // A queued position: four bits a cell, then the blank's cell.
  auto pack = [this](const std::uint8_t* labels, int blank) {
    std::uint64_t packed = static_cast<std::uint64_t>(blank);
    for (int cell = cells - 1; cell >= 0; --cell) packed = (packed << 4) | labels[cell];
    return packed;
  };
  std::vector<std::uint64_t> queue = {pack(labels, start)};
  queue.reserve(positions / 2);
  for (size_t head = 0; head < queue.size(); ++head) {
    std::uint64_t packed = queue[head];
    for (int cell = 0; cell < cells; ++cell, packed >>= 4) {
      labels[cell] = static_cast<std::uint8_t>(packed & 15);
    }
    const int blank = static_cast<int>(packed);
    const int depth = table[Rank(labels)];
    for (const char* letter = LETTERS; *letter != '\0'; ++letter) {
      const int target = Neighbour(blank, *letter, rows, cols);
      if (target < 0) continue;
      std::swap(labels[blank], labels[target]);
      std::uint8_t& entry = table[Rank(labels)];
      if (entry == UNREACHABLE) {
        entry = static_cast<std::uint8_t>(depth + 1);
        queue.push_back(pack(labels, target));
      }
      std::swap(labels[blank], labels[target]);
    }
  }
}

MoveSequence BlockDistances::ShortestPath(int start, const std::uint8_t* labels) const {
  int distance = Distance(start, labels);
  if (distance == UNREACHABLE) return MoveSequence();
  std::uint8_t current[MAX_CELLS];
  std::copy(labels, labels + cells, current);
  int blank = static_cast<int>(std::find(current, current + cells, start) - current);
  // Walking back to the start, each step to a position one move nearer; the forward sequence
  // is these steps in reverse order, each letter turned round.
  MoveSequence back;
  while (distance > 0) {
    const int before = distance;
    for (const char* letter = LETTERS; *letter != '\0'; ++letter) {
      const int target = Neighbour(blank, *letter, rows, cols);
      if (target < 0) continue;
      std::swap(current[blank], current[target]);
      if (Distance(start, current) == distance - 1) {
        back += *letter;
        blank = target;
        --distance;
        break;
      }
      std::swap(current[blank], current[target]);
    }
    if (distance == before) return MoveSequence();  // a table that breaks its own rule
  }
  MoveSequence forward(back.rbegin(), back.rend());
  for (char& letter : forward) letter = Opposite(letter);
  return forward;
}
