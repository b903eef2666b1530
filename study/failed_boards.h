// failed_boards.h: the boards a method failed on, named and kept as files to look into.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "study/study_record.h"

/// Names on out the boards a method failed on and writes each into the folder, unless empty, as
/// a plain board file "<method>_side<n>_<kind>_seed<s>_board<i>.txt", for a user's board
/// "<method>_file<i>_<file's base name>.txt"; false when one could not be written.
bool ReportFailedBoards(const StudyResults& results, const std::vector<StudyBoard>& boards,
                        const std::string& folder, std::ostream& out);
