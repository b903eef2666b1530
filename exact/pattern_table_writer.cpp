// pattern_table_writer.cpp: the build step that computes the 4 x 4 pattern tables and writes
// them as C++ source defining the data of stored_pattern_tables.h.
// Usage: npuzzle_pattern_table_writer <output.cpp>
#include <cstdio>
#include <fstream>
#include <vector>

#include "exact/pattern_database.h"
#include "exact/stored_pattern_tables.h"

namespace {

bool WriteTable(const char* name, const std::vector<std::uint8_t>& table, std::ostream& out) {
  out << "\nnamespace {\n\nconst char* const " << name << "_PIECES[] = {\n";
  for (std::size_t start = 0; start < table.size(); start += STORED_PIECE_LENGTH) {
    out << '"';
    for (std::size_t i = start; i < table.size() && i < start + STORED_PIECE_LENGTH; ++i) {
      if (table[i] >= STORED_BASE) return false;
      out << STORED_DIGITS[table[i]];
    }
    out << "\",\n";
  }
  out << "};\n\n}  // namespace\n\nextern const StoredTable " << name << " = {" << name
      << "_PIECES, " << table.size() << "};\n";
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output.cpp>\n", argv[0]);
    return 2;
  }
  const PatternDatabase4x4 database = PatternDatabase4x4::Build();
  std::ofstream out(argv[1], std::ios::binary);
  out << "// Written by npuzzle_pattern_table_writer at build time: the tables of "
         "PatternDatabase4x4.\n#include \"exact/stored_pattern_tables.h\"\n";
  if (!WriteTable("STORED_SIX_TILE_TABLE", database.SixTileTable(), out) ||
      !WriteTable("STORED_THREE_TILE_TABLE", database.ThreeTileTable(), out)) {
    std::fprintf(stderr, "%s: a table value does not fit a stored character\n", argv[0]);
    return 1;
  }
  out.close();
  if (!out) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
    return 1;
  }
  return 0;
}
