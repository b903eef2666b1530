// csv_file.h: a study's findings as CSV, one row per board and method, and read back.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "study/study_parameters.h"
#include "study/study_record.h"

/// A whole decimal number of at most most; false for anything else.
bool ParseNumber(const std::string& text, std::uint64_t most, std::uint64_t& value);

/// Writes the study's description (see WriteDescription), then the header (side, kind, seed, index,
/// file, method, status, length, optimized, manhattan, lower_bound, ms) and then, board by board, a
/// row for each method. A generated board leaves file empty; a user's board leaves seed empty.
/// Times are milliseconds to three decimals. A field with a comma, a quote, a line break or '#' is
/// quoted, so that a reader that takes '#' for the start of a comment reads the rows whole.
void WriteCsv(const StudyResults& results, const StudyParameters& parameters, std::ostream& out);

/// Reads a file that WriteCsv wrote into results and the study's description into parameters,
/// replacing what they held; parameters stay empty for a file without a description (one that
/// an older version wrote). False, with the line and the fault in error, for anything else,
/// including a board whose rows do not name the methods in the description's order.
bool ReadCsv(std::istream& in, StudyResults& results, std::optional<StudyParameters>& parameters,
             std::string& error);
