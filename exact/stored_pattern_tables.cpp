// stored_pattern_tables.cpp: the shared pattern database and move automaton, over the tables the
// program carries.
#include "exact/stored_pattern_tables.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "exact/move_automaton.h"
#include "exact/pattern_database.h"

namespace {

// The search reads the table at random: on pages of 4 kB nearly every read also misses the
// processor's cache of page addresses, so the table is copied to memory the system may back with
// pages of 2 MB. Where it will not, the copy is read as the stored table would be.
const std::uint8_t* TableOnLargePages() {
  constexpr std::size_t LARGE_PAGE = std::size_t{1} << 21;
  const std::size_t size = PatternDatabase4x4::SEVEN_TILE_TABLE_BYTES;
  const std::size_t rounded = (size + LARGE_PAGE - 1) / LARGE_PAGE * LARGE_PAGE;
  void* memory = std::aligned_alloc(LARGE_PAGE, rounded);
  if (memory == nullptr) return npuzzle_stored_seven_tile_table;
  madvise(memory, rounded, MADV_HUGEPAGE);
  // The stored table's pages, read once for the copy, need not stay in the program's memory:
  // they are let go piece by piece, so that the two copies never take the memory of both.
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto stored = reinterpret_cast<std::uintptr_t>(npuzzle_stored_seven_tile_table);
  std::uintptr_t released = (stored + page - 1) / page * page;
  for (std::size_t done = 0; done < size; done += LARGE_PAGE) {
    const std::size_t piece = std::min(LARGE_PAGE, size - done);
    std::memcpy(static_cast<std::uint8_t*>(memory) + done, npuzzle_stored_seven_tile_table + done,
                piece);
    const std::uintptr_t copied = (stored + done + piece) / page * page;
    if (copied > released) {
      madvise(reinterpret_cast<void*>(released), copied - released, MADV_DONTNEED);
      released = copied;
    }
  }
  return static_cast<const std::uint8_t*>(memory);
}

}  // namespace

const PatternDatabase4x4& PatternDatabase4x4::Shared() {
  static const PatternDatabase4x4 shared(TableOnLargePages());
  return shared;
}

const MoveAutomaton& MoveAutomaton::Shared() {
  static const MoveAutomaton shared(npuzzle_stored_move_automaton,
                                    npuzzle_stored_move_automaton_entries);
  return shared;
}
