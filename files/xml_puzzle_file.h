// xml_puzzle_file.h: the SBPuzzle XML document that save writes and load reads.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>

#include "board/board.h"

class TiXmlDocument;

// Writing
/// Writes the document for the board under the file name, replacing an existing file only when
/// the whole document was written; on failure writes "Failed to save file: <name>".
bool SaveXmlFile(const Board& board, const std::string& fileName, std::ostream& out);

// Reading
/// The deepest element nesting a document may have; a puzzle file has three levels.
constexpr size_t MAX_XML_DEPTH = 16;
/// The most attributes one element may carry; a piece has six.
constexpr size_t MAX_XML_ATTRIBUTES = 64;
/// The most nodes and attributes, together, a document may have: three times the 130 000 of a
/// 100 x 100 puzzle file, and at most about 110 MB in TinyXML's tree.
constexpr size_t MAX_XML_NODES = 400000;
/// Parses the text as TinyXML's file loading does, refusing first a text deeper than
/// MAX_XML_DEPTH or over MAX_XML_ATTRIBUTES or MAX_XML_NODES, which would cost the parser
/// recursion, quadratic time or memory. True when it parsed cleanly.
bool ParseXmlText(std::string text, TiXmlDocument& document);
/// Takes the board out of a parsed document, recorded as loaded (TakeLoadedTiles); the board
/// changes only when this returns true.
bool ReadXmlPuzzle(const TiXmlDocument& document, Board& board, std::ostream& out);
/// Reads, parses and takes the board from the file; false only when it cannot be read or parsed.
bool LoadXmlFile(Board& board, const std::string& fileName, std::ostream& out);
