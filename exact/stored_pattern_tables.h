// stored_pattern_tables.h: the 4 x 4 pattern tables as the build stores them in the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

/// A table stored as string literals short enough for every compiler: entry i is the position in
/// STORED_DIGITS of the character at position i of the pieces laid end to end.
struct StoredTable {
  const char* const* pieces;
  std::size_t size;
};

/// Characters in every piece but the last.
constexpr std::size_t STORED_PIECE_LENGTH = 16384;
/// The characters that stand for the values 0, 1, 2, ...: none that a string literal escapes or
/// that could form a trigraph.
constexpr char STORED_DIGITS[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
/// Number of values a stored character can stand for.
constexpr int STORED_BASE = sizeof(STORED_DIGITS) - 1;

/// PatternDatabase4x4::SixTileTable() as the build wrote it (pattern_table_writer).
extern const StoredTable STORED_SIX_TILE_TABLE;
/// PatternDatabase4x4::ThreeTileTable() as the build wrote it.
extern const StoredTable STORED_THREE_TILE_TABLE;

/// The table's values, one byte each.
std::vector<std::uint8_t> DecodeStoredTable(const StoredTable& stored);
