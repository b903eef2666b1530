// stored_pattern_tables.h: the 4 x 4 pattern table and the move automaton as the build stores
// them in the program.
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" {
/// PatternDatabase4x4::BuildSevenTileTable() as the build wrote it (pattern_table_writer), laid
/// into the program's read-only data by the assembler.
extern const std::uint8_t npuzzle_stored_seven_tile_table[];
}

/// MoveAutomaton(MoveAutomaton::SHARED_LENGTH).Table() as the build wrote it.
extern const std::uint16_t npuzzle_stored_move_automaton[];
/// The entries of the stored automaton.
extern const std::size_t npuzzle_stored_move_automaton_entries;
