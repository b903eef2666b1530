// pattern_table_writer.cpp: the build step that computes the 4 x 4 pattern table, writes it as
// a binary file and writes C++ source whose assembler block lays that file into the program as
// the data of stored_pattern_tables.h (a C++ literal of 58 MB would take too long to compile);
// the source also holds the move automaton's table, small enough for a literal.
// Usage: npuzzle_pattern_table_writer <output.cpp> <table.bin>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

#include "exact/move_automaton.h"
#include "exact/pattern_database.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <output.cpp> <table.bin>\n", argv[0]);
    return 2;
  }
  // The path goes into a string of the assembler inside a C++ literal, unescaped.
  if (std::strpbrk(argv[2], "\"\\\n") != nullptr) {
    std::fprintf(stderr, "%s: the table's path may hold no quote, backslash or line break\n",
                 argv[0]);
    return 2;
  }
  const std::vector<std::uint8_t> table = PatternDatabase4x4::BuildSevenTileTable();
  std::ofstream binary(argv[2], std::ios::binary);
  binary.write(reinterpret_cast<const char*>(table.data()),
               static_cast<std::streamsize>(table.size()));
  binary.close();
  std::ofstream out(argv[1], std::ios::binary);
  out << "// Written by npuzzle_pattern_table_writer at build time: the tables of "
         "PatternDatabase4x4 and MoveAutomaton.\n#include "
         "\"exact/stored_pattern_tables.h\"\n\nasm(\n"
         "    \".section .rodata\\n\"\n"
         "    \".balign 64\\n\"\n"
         "    \".globl npuzzle_stored_seven_tile_table\\n\"\n"
         "    \"npuzzle_stored_seven_tile_table:\\n\"\n"
         "    \".incbin \\\""
      << argv[2]
      << "\\\"\\n\"\n"
         "    \".previous\\n\");\n";
  const MoveAutomaton automaton(MoveAutomaton::SHARED_LENGTH);
  const std::vector<std::uint16_t>& entries = automaton.Table();
  out << "\nconst std::uint16_t npuzzle_stored_move_automaton[] = {";
  for (std::size_t i = 0; i < entries.size(); ++i) {
    out << (i % 16 == 0 ? "\n    " : " ") << entries[i] << ",";
  }
  out << "\n};\nconst std::size_t npuzzle_stored_move_automaton_entries = " << entries.size()
      << ";\n";
  out.close();
  if (!binary || !out) {
    std::fprintf(stderr, "%s: cannot write %s or %s\n", argv[0], argv[1], argv[2]);
    return 1;
  }
  return 0;
}
