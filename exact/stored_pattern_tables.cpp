// stored_pattern_tables.cpp: the shared pattern database, decoded from the stored tables.
#include "exact/stored_pattern_tables.h"

#include "exact/pattern_database.h"

std::vector<std::uint8_t> DecodeStoredTable(const StoredTable& stored) {
  std::uint8_t values[256] = {};
  for (int value = 0; value < STORED_BASE; ++value) {
    values[static_cast<unsigned char>(STORED_DIGITS[value])] = static_cast<std::uint8_t>(value);
  }
  std::vector<std::uint8_t> table(stored.size);
  for (std::size_t i = 0; i < stored.size; ++i) {
    table[i] = values[static_cast<unsigned char>(
        stored.pieces[i / STORED_PIECE_LENGTH][i % STORED_PIECE_LENGTH])];
  }
  return table;
}

const PatternDatabase4x4& PatternDatabase4x4::Shared() {
  static const PatternDatabase4x4 shared(DecodeStoredTable(STORED_SIX_TILE_TABLE),
                                         DecodeStoredTable(STORED_THREE_TILE_TABLE));
  return shared;
}
