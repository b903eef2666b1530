// csv_file.h: a study's findings as CSV, one row per board and method, and read back.
#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

#include "study/study_record.h"

/// A whole decimal number of at most most; false for anything else.
bool ParseNumber(const std::string& text, std::uint64_t most, std::uint64_t& value);

/// Writes the header (side, kind, seed, index, file, method, status, length, optimized,
/// manhattan, lower_bound, ms) and then, board by board, a row for each method. A generated board
/// leaves file empty; a user's board leaves seed empty. Times are milliseconds to three decimals.
void WriteCsv(const StudyResults& results, std::ostream& out);

/// Reads a file that WriteCsv wrote into results, replacing what they held. False, with the
/// line and the fault in error, for anything else, including a board whose rows do not name
/// the first board's methods in the same order.
bool ReadCsv(std::istream& in, StudyResults& results, std::string& error);
