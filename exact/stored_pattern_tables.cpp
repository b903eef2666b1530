// stored_pattern_tables.cpp: the shared pattern database and move automaton, over the tables the
// program carries.
#include "exact/stored_pattern_tables.h"

#include <sys/mman.h>

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
  const std::size_t size = PatternDatabase4x4::SEVEN_TILE_PLACEMENTS;
  const std::size_t rounded = (size + LARGE_PAGE - 1) / LARGE_PAGE * LARGE_PAGE;
  void* memory = std::aligned_alloc(LARGE_PAGE, rounded);
  if (memory == nullptr) return npuzzle_stored_seven_tile_table;
  madvise(memory, rounded, MADV_HUGEPAGE);
  std::memcpy(memory, npuzzle_stored_seven_tile_table, size);
  return static_cast<const std::uint8_t*>(memory);
}

}  // namespace

const PatternDatabase4x4& PatternDatabase4x4::Shared() {
  static const PatternDatabase4x4 shared([] {
    // A table of another size would be read past its end: a fault of the build, not of input.
    if (static_cast<std::size_t>(npuzzle_stored_seven_tile_table_end -
                                 npuzzle_stored_seven_tile_table) != SEVEN_TILE_PLACEMENTS) {
      std::abort();
    }
    return TableOnLargePages();
  }());
  return shared;
}

const MoveAutomaton& MoveAutomaton::Shared() {
  static const MoveAutomaton shared(npuzzle_stored_move_automaton,
                                    npuzzle_stored_move_automaton_entries);
  return shared;
}
