// csv_file.h: a study's findings as CSV, one row per board and method, and read back.
#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "study/study_record.h"

/// The header row: side, kind, seed, index, file, method, status, length, optimized,
/// manhattan, lower_bound, ms.
extern const char CSV_HEADER[];

/// Writes the header and then, board by board, a row for each method. A generated board leaves
/// file empty; a user's board leaves seed empty. Times are milliseconds to three decimals.
void WriteCsv(const StudyResults& results, std::ostream& out);

/// Reads a file that WriteCsv wrote into results, replacing what they held. False, with the
/// line and the fault in error, for anything else, including a board whose rows do not name
/// the first board's methods in the same order.
bool ReadCsv(std::istream& in, StudyResults& results, std::string& error);
