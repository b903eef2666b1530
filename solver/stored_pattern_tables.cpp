// stored_pattern_tables.cpp: the shared pattern database, over the table the program carries.
#include "solver/stored_pattern_tables.h"

#include <cstdlib>

#include "solver/pattern_database.h"

const PatternDatabase4x4& PatternDatabase4x4::Shared() {
  static const PatternDatabase4x4 shared([] {
    // A table of another size would be read past its end: a fault of the build, not of input.
    if (static_cast<std::size_t>(npuzzle_stored_seven_tile_table_end -
                                 npuzzle_stored_seven_tile_table) != SEVEN_TILE_PLACEMENTS) {
      std::abort();
    }
    return npuzzle_stored_seven_tile_table;
  }());
  return shared;
}
