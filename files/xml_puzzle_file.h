// xml_puzzle_file.h: the SBPuzzle XML document that save writes and load reads.
#pragma once

#include <ostream>
#include <string>

#include "board/board.h"

class TiXmlDocument;

// Writing
/// Builds the SBPuzzle document of the board into an empty document.
void BuildXmlPuzzle(const Board& board, TiXmlDocument& document, std::ostream& out);
/// Writes the document for the board under the file name, replacing an existing file only when
/// the whole document was written; on failure writes "Failed to save file: <name>".
bool SaveXmlFile(const Board& board, const std::string& fileName, std::ostream& out);

// Reading
/// Takes the board out of a parsed document; the board changes only when this returns true.
bool ReadXmlPuzzle(const TiXmlDocument& document, Board& board, std::ostream& out);
/// Loads and parses the file and reads the board from it; false only when the file itself
/// cannot be loaded or parsed.
bool LoadXmlFile(Board& board, const std::string& fileName, std::ostream& out);
