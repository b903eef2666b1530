// study_parameters.h: what defines a study, and its description at the head of its CSV file.
#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

/// How the study was asked for, as its CSV and JSON files give it.
struct StudyParameters {
  /// The version of the program that ran it.
  std::string version;
  /// The methods' commands, in the order of the CSV rows and the table.
  std::vector<std::string> methods;
  std::vector<unsigned> sides;
  /// Boards per side; for a study of files, the number of files.
  unsigned boards = 0;
  /// random, near, partly-home, mixed, or file.
  std::string kind;
  std::uint64_t seed = 0;
  /// The user's files, for a study of files.
  std::vector<std::string> files;
  /// The slice of the list that this run took: the shard-th of shards, 1 of 1 for the whole list.
  unsigned shard = 1;
  unsigned shards = 1;
};

/// The items between commas, empty ones included: "a,,b," gives a, "", b, "".
std::vector<std::string> SplitCommas(const std::string& text);

/// The study run when no sides, boards, seed or kind are given, by npuzzle-study and by Python's
/// study() alike.
inline const std::vector<unsigned> DEFAULT_SIDES = {5, 10, 20, 50, 100};
constexpr unsigned DEFAULT_BOARDS = 10;
constexpr std::uint64_t DEFAULT_SEED = 1;
constexpr const char* DEFAULT_KIND = "random";

/// "3-10,20,50": sides and ranges of sides, each from least to MAX_SIDE, into ascending sides.
bool ParseSides(const std::string& text, unsigned least, std::vector<unsigned>& sides);
/// Ascending sides as ParseSides reads them, runs of consecutive sides as ranges: "3-5,10".
std::string SidesText(const std::vector<unsigned>& sides);

/// "I/K", the I-th of K slices with 1 <= I <= K; an empty text is the whole list, 1/1.
bool ParseShard(const std::string& text, unsigned& shard, unsigned& shards);
/// The shard as the study's files and messages name it, "I/K" in plain decimal.
std::string ShardName(unsigned shard, unsigned shards);

/// The description's lines, key and value; the files' names with '%', ',' and line breaks as %XX.
std::vector<std::pair<std::string, std::string>> DescriptionLines(const StudyParameters& p);

/// Writes the description, each line as "# key: value".
void WriteDescription(const StudyParameters& parameters, std::ostream& out);

/// Reads the lines WriteDescription wrote; false, with the line and the fault in error, else.
bool ReadDescription(std::istream& in, StudyParameters& parameters, std::string& error);
