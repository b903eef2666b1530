// csv_file.h: a study's findings as CSV, one row per board and method, and read back.
#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

#include "study/study_parameters.h"
#include "study/study_record.h"

/// A whole decimal number of at most most; false for anything else.
bool ParseNumber(const std::string& text, std::uint64_t most, std::uint64_t& value);

/// Writes the description, the header and a row per board and method; a field with a comma, a
/// quote, a line break or '#' is quoted, so that a reader taking '#' for a comment reads it whole.
void WriteCsv(const StudyResults& results, const StudyParameters& parameters, std::ostream& out);

/// Reads what WriteCsv wrote; false, with the line and the fault in error, for anything else, and
/// for an older version's file without a description.
bool ReadCsv(std::istream& in, StudyResults& results, StudyParameters& parameters,
             std::string& error);
