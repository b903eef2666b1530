// failed_boards.h: the boards a method failed on, named and kept as files to look into.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "study/study_record.h"
#include "study/study_runner.h"

/// The file name for a failed board in the folder: "<method>_side<n>_<kind>_seed<s>_board<i>.txt"
/// for a generated board, "<method>_file<i>_<file's base name>.txt" for a user's board.
std::string FailedBoardFile(const std::string& folder, const std::string& method,
                            const BoardName& name);

/// Names on out the boards a method failed on and writes each into the folder, unless empty, as
/// a plain board file; false when one could not be written.
bool ReportFailedBoards(const StudyResults& results, const std::vector<StudyBoard>& boards,
                        const std::string& folder, std::ostream& out);
