// stored_pattern_tables.h: the 4 x 4 pattern table as the build stores it in the program.
#pragma once

#include <cstdint>

extern "C" {
/// PatternDatabase4x4::BuildSevenTileTable() as the build wrote it (pattern_table_writer), laid
/// into the program's read-only data by the assembler.
extern const std::uint8_t npuzzle_stored_seven_tile_table[];
/// The byte just past the stored table.
extern const std::uint8_t npuzzle_stored_seven_tile_table_end[];
}
